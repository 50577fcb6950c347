#include "wave_player.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>

#include "framework/sounds.h"

namespace {

// A sound that has not started within this time never will.
constexpr int LoadLimitMs = 1000;

// Waits while the condition holds, delivering timers and paints but not the player's input:
// a click made while a bell rings is handled after it, as with any synchronous sound.
template <typename Condition>
void WaitWhile(Condition condition, int limitMs) {
    QElapsedTimer clock;
    clock.start();
    while (condition() && clock.elapsed() < limitMs) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 5);
        QThread::msleep(5);  // the sound plays on its own; no need to spin
    }
}

}  // namespace

WavePlayer::WavePlayer() = default;
WavePlayer::~WavePlayer() = default;

bool WavePlayer::HaveOutput() {
    if (outputKnown_ < 0) outputKnown_ = QMediaDevices::defaultAudioOutput().isNull() ? 0 : 1;
    return outputKnown_ == 1;
}

void WavePlayer::PlaySync(const QString& path) {
    const int duration = kv41::WaveLengthMs(path.toStdString());
    if (duration <= 0 || !HaveOutput()) return;
    auto& effect = effects_[path];
    if (!effect) {
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(path));
    }
    QSoundEffect* sound = effect.get();
    WaitWhile([sound] { return sound->status() == QSoundEffect::Loading; }, LoadLimitMs);
    if (sound->status() != QSoundEffect::Ready) return;
    sound->play();
    // The file's own length sets the wait, whatever the device reports, so that the rhythm
    // of a code does not hang on the audio system.
    WaitWhile([sound] { return sound->status() != QSoundEffect::Error; }, duration);
}
