// kv41: the desktop program.
//
// Options for tests and demonstrations:
//   --new SHIFT LEVEL   start a new game at once (1 Night .. 5 Marathon, 1 Very easy .. 5 Very
//   hard)
//   --tick-ms N         real milliseconds per simulation step (default: the game's speed)
//   --screenshot FILE   save the window to FILE just before --exit-after ends the program
//   --exit-after MS     end the program after MS milliseconds
//   --trace             print the messages of play on standard error
#include <QApplication>
#include <QTimer>
#include <cstdlib>
#include <cstring>
#include <iostream>

#include "main_window.h"
#include "qt_platform.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    app.setApplicationName("Tarrock Junction Signal Box, Summer 1954");
    int newShift = 0, newLevel = 0, exitAfter = 0, tickMs = 0;
    QString screenshot;
    bool trace = false;
    const QStringList args = app.arguments();
    for (int i = 1; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == "--new" && i + 2 < args.size()) {
            newShift = args[++i].toInt();
            newLevel = args[++i].toInt();
        } else if (a == "--exit-after" && i + 1 < args.size()) {
            exitAfter = args[++i].toInt();
        } else if (a == "--tick-ms" && i + 1 < args.size()) {
            tickMs = args[++i].toInt();
        } else if (a == "--screenshot" && i + 1 < args.size()) {
            screenshot = args[++i];
        } else if (a == "--trace") {
            trace = true;
        } else {
            std::cerr << "kv41: unknown option " << a.toStdString() << '\n';
            return 2;
        }
    }
    if (newShift < 0 || newShift > 5 || newLevel < 0 || newLevel > 5) {
        std::cerr << "kv41: --new takes a shift 1..5 and a level 1..5\n";
        return 2;
    }

    MainWindow window;
    window.Host().TraceOutput = trace;
    window.Host().TickOverrideMs = tickMs;
    window.show();
    if (exitAfter > 0) {
        QTimer::singleShot(exitAfter, [&] {
            if (!screenshot.isEmpty()) window.grab().save(screenshot);
            window.Host().RequestExit(0);
        });
    }
    QTimer::singleShot(0, [&] {
        window.PrepareStart();
        if (newShift > 0) {
            window.StartGame(newShift - 1, newLevel - 1);
        }
    });
    return app.exec();
}
