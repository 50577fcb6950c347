#pragma once
// A replay watched in the window: its start is made as the recorded session's was (the same seed,
// a new game or the position it was resumed from), then its lines are given to the game one at a
// time as scripted input, a tick or an input per beat of a timer at the chosen speed. Everything
// shows as it did in play. A press on the panel or a key ends the watching: from then on the
// player has the game, with the clock at the real speed again.
#include <QObject>
#include <QTimer>
#include <string>

#include "replay/replay_script.h"

class MainWindow;

class ReplayPlayer : public QObject {
    Q_OBJECT
public:
    ReplayPlayer(MainWindow& window, kv41::ReplayScript script, int beatMs);
    ~ReplayPlayer() override;

    // Starts the replay's session; returns when that session's loop ends.
    void Start();
    bool Playing() const { return playing_; }
    // The player takes the game over: the lines not yet given are dropped.
    void TakeOver();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Beat();

    MainWindow& window_;
    kv41::ReplayScript script_;
    QTimer timer_;
    std::size_t next_ = 0;   // the next line to give
    int ticksLeft_ = 0;      // of the "step" line being given
    std::string directory_;  // where the replay's files are saved and loaded
    std::string held_;       // "position" lines for the next restart
    bool playing_ = false;
};
