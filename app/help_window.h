#pragma once
// The help: the compiled help file beside the program (KV41.qch), with its contents and index
// beside the page, opened by topic number (the page NNN.html of topic NNN).
#include <QTemporaryDir>
#include <QUrl>
#include <QWidget>

class QHelpEngine;
class HelpBrowser;

class HelpWindow : public QWidget {
    Q_OBJECT
public:
    explicit HelpWindow(const QString& helpFile);
    // Shows the page of a topic number; an unknown number shows the introduction.
    void ShowTopic(int topic);
    // Whether the help file has the page of a topic.
    bool HasTopic(int topic) const;

private:
    QUrl TopicUrl(int topic) const;

    // The help engine keeps its list of help files in a collection file of its own; it lives
    // only as long as the window, so that the player's directories hold nothing of it.
    QTemporaryDir collectionDirectory_;
    QHelpEngine* engine_ = nullptr;
    HelpBrowser* browser_ = nullptr;
    QString namespace_;
};
