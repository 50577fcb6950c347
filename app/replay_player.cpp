#include "replay_player.h"

#include <QApplication>
#include <QDir>
#include <QKeyEvent>

#include "main_window.h"
#include "qt_platform.h"

namespace {

// Files that the replay saves go to a directory of its own, not over the player's.
std::string ReplayDirectory() {
    const QString dir =
        QDir::tempPath() + "/kv41-replay-" + QString::number(QCoreApplication::applicationPid());
    QDir().mkpath(dir);
    return dir.toStdString();
}

}  // namespace

ReplayPlayer::ReplayPlayer(MainWindow& window, QtPlatform& host, kv41::ReplayScript script,
                           int beatMs)
    : window_(window),
      host_(host),
      directory_(ReplayDirectory()),
      pacing_(std::move(script), directory_) {
    timer_.setInterval(beatMs > 0 ? beatMs : kv41::DefaultReplayBeatMs);
    connect(&timer_, &QTimer::timeout, this, [this] {
        switch (pacing_.NextBeat(window_.Game())) {
        case kv41::ReplayPacing::Beat::Waiting: break;
        case kv41::ReplayPacing::Beat::Gave: window_.NoteInput(); break;
        case kv41::ReplayPacing::Beat::Ended: TakeOver(); break;
        }
    });
}

ReplayPlayer::~ReplayPlayer() {
    qApp->removeEventFilter(this);
    QDir(QString::fromStdString(directory_)).removeRecursively();
}

void ReplayPlayer::Start() {
    const kv41::ReplayScript& script = pacing_.Script();
    host_.SeedOverride = script.Seed;
    window_.PrepareStart();
    host_.SeedOverride.reset();
    host_.Scripted = true;
    qApp->installEventFilter(this);
    timer_.start();
    if (script.Shift > 0) {
        window_.StartGame(script.Shift - 1, script.Level - 1);
        return;
    }
    window_.ResumeGame(pacing_.WriteStartPosition());
}

void ReplayPlayer::TakeOver() {
    timer_.stop();
    if (!host_.Scripted) return;
    pacing_.TakeOver(window_.Game());
    host_.Scripted = false;
    window_.NoteInput();
}

// A press on the panel or a key takes the game over; the press itself is not an input.
bool ReplayPlayer::eventFilter(QObject* watched, QEvent* event) {
    if (Playing() && watched == &window_.Panel() && event->type() == QEvent::MouseButtonPress) {
        TakeOver();
        return true;
    }
    if (Playing() && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1) {
        TakeOver();
        return true;
    }
    return QObject::eventFilter(watched, event);
}
