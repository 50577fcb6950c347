#pragma once
// A replay watched in the window, paced by a timer (frontend/replay_pacing.h holds the rules).
// A press on the panel or a key other than F1 ends the watching: from then on the player has
// the game, with the clock at the real speed again.
#include <QObject>
#include <QTimer>
#include <string>

#include "frontend/replay_pacing.h"

class MainWindow;
class QtPlatform;

class ReplayPlayer : public QObject {
    Q_OBJECT
public:
    ReplayPlayer(MainWindow& window, QtPlatform& host, kv41::ReplayScript script, int beatMs);
    ~ReplayPlayer() override;

    // Starts the replay's session; returns when that session's loop ends.
    void Start();
    bool Playing() const { return pacing_.Playing(); }
    // The player takes the game over: the lines not yet given are dropped.
    void TakeOver();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    MainWindow& window_;
    QtPlatform& host_;
    std::string directory_;  // where the replay's files are saved and loaded
    kv41::ReplayPacing pacing_;
    QTimer timer_;
};
