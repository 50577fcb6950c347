#include "wave_player.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QThread>
#include <QUrl>
#include <QtEndian>

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

int WaveDurationMs(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return 0;
    const QByteArray header = file.read(12);
    if (header.size() < 12 || !header.startsWith("RIFF") || header.mid(8, 4) != "WAVE") return 0;
    quint32 byteRate = 0;
    // Walk the chunks: "fmt " gives the rate, "data" the length.
    while (!file.atEnd()) {
        const QByteArray chunk = file.read(8);
        if (chunk.size() < 8) return 0;
        const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        if (chunk.startsWith("fmt ")) {
            const QByteArray format = file.read(size);
            if (format.size() < 12) return 0;
            byteRate = qFromLittleEndian<quint32>(format.constData() + 8);
        } else if (chunk.startsWith("data")) {
            if (byteRate == 0) return 0;
            return static_cast<int>(static_cast<quint64>(size) * 1000 / byteRate);
        } else if (!file.seek(file.pos() + size + (size & 1))) {
            return 0;
        }
    }
    return 0;
}

WavePlayer::WavePlayer() = default;
WavePlayer::~WavePlayer() = default;

bool WavePlayer::HaveOutput() {
    if (outputKnown_ < 0) outputKnown_ = QMediaDevices::defaultAudioOutput().isNull() ? 0 : 1;
    return outputKnown_ == 1;
}

void WavePlayer::PlaySync(const QString& path) {
    const int duration = WaveDurationMs(path);
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
