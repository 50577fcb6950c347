#include "replay_player.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QStandardPaths>

#include "framework/file_replace.h"
#include "main_window.h"
#include "qt_platform.h"

ReplayPlayer::ReplayPlayer(MainWindow& window, kv41::ReplayScript script, int beatMs)
    : window_(window), script_(std::move(script)) {
    timer_.setInterval(beatMs > 0 ? beatMs : 100);
    connect(&timer_, &QTimer::timeout, this, [this] { Beat(); });
    // Files that the replay saves go to a directory of its own, not over the player's.
    const QString dir =
        QDir::tempPath() + "/kv41-replay-" + QString::number(QCoreApplication::applicationPid());
    QDir().mkpath(dir);
    directory_ = dir.toStdString();
}

ReplayPlayer::~ReplayPlayer() {
    qApp->removeEventFilter(this);
    QDir(QString::fromStdString(directory_)).removeRecursively();
}

void ReplayPlayer::Start() {
    QtPlatform& host = window_.Host();
    host.SeedOverride = script_.Seed;
    window_.PrepareStart();
    host.SeedOverride.reset();
    playing_ = true;
    host.Scripted = true;
    qApp->installEventFilter(this);
    timer_.start();
    if (script_.Shift > 0) {
        window_.StartGame(script_.Shift - 1, script_.Level - 1);
        return;
    }
    const std::string file = kv41::FileInDirectory(directory_, script_.StartFile);
    kv41::ReplaceFile(file, script_.StartText);
    window_.ResumeGame(file);
}

void ReplayPlayer::TakeOver() {
    if (!playing_) return;
    playing_ = false;
    timer_.stop();
    window_.Game().Inputs.Clear();
    window_.Host().Scripted = false;
    window_.NoteInput();
}

void ReplayPlayer::Beat() {
    kv41::GameState& g = window_.Game();
    // Each input is taken before the next is given, so that the game shows every one.
    if (!playing_ || !g.SessionRunning || g.Inputs.Pending()) return;
    if (ticksLeft_ > 0) {
        --ticksLeft_;
        g.Inputs.Events.emplace_back();
        window_.NoteInput();
        return;
    }
    while (next_ < script_.Lines.size()) {
        const int ticks = kv41::QueueReplayLine(g, script_.Lines[next_++], directory_, held_);
        if (ticks < 0) continue;
        if (ticks > 0) {
            ticksLeft_ = ticks - 1;
            g.Inputs.Events.emplace_back();
        }
        window_.NoteInput();
        return;
    }
    // The end of the replay: the game goes on, the player's now.
    TakeOver();
}

// A press on the panel or a key takes the game over; the press itself is not an input.
bool ReplayPlayer::eventFilter(QObject* watched, QEvent* event) {
    if (playing_ && watched == &window_.Panel() && event->type() == QEvent::MouseButtonPress) {
        TakeOver();
        return true;
    }
    if (playing_ && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1) {
        TakeOver();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
