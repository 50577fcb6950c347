// kv41: the desktop program. (The window comes with the desktop front end.)
#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    return 0;
}
