#pragma once
// The help: topic pages in HTML beside the program (help/NNN.html), opened by topic number.
#include <QWidget>

class QTextBrowser;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(const QString& helpDirectory);
    // Shows the page of a topic number; an unknown number shows the introduction.
    void ShowTopic(int topic);

private:
    QString helpDirectory_;
    QTextBrowser* browser_ = nullptr;
};
