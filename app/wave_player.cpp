#include "wave_player.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>

#include "framework/sounds.h"

WavePlayer::WavePlayer() {
    next_.setSingleShot(true);
    QObject::connect(&next_, &QTimer::timeout, [this] {
        playing_ = nullptr;
        StartNext();
    });
}

WavePlayer::~WavePlayer() = default;

bool WavePlayer::HaveOutput() {
    if (outputKnown_ < 0) outputKnown_ = QMediaDevices::defaultAudioOutput().isNull() ? 0 : 1;
    return outputKnown_ == 1;
}

QSoundEffect* WavePlayer::Effect(const QString& path) {
    auto& effect = effects_[path];
    if (!effect) {
        // Loading happens in the background; a sound asked to play while it loads starts as
        // soon as it is loaded.
        effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(path));
    }
    return effect.get();
}

void WavePlayer::Queue(const QString& path, int silenceAfterMs) {
    if (!HaveOutput()) return;
    queue_.push_back({path, silenceAfterMs});
    if (!next_.isActive()) StartNext();
}

void WavePlayer::StartNext() {
    while (!queue_.empty() && !next_.isActive()) {
        const Entry entry = queue_.front();
        queue_.pop_front();
        const int duration =
            entry.Path.isEmpty() ? 0 : kv41::WaveLengthMs(entry.Path.toStdString());
        if (duration > 0) {
            QSoundEffect* sound = Effect(entry.Path);
            if (sound->status() != QSoundEffect::Error) {
                if (sound->isPlaying()) sound->stop();
                sound->play();
                playing_ = sound;
            }
        } else if (!entry.Path.isEmpty()) {
            continue;  // a missing file is skipped, its silence too
        }
        const int wait = duration + entry.SilenceAfterMs;
        if (wait > 0) next_.start(wait);
    }
}

void WavePlayer::Stop() {
    queue_.clear();
    next_.stop();
    if (playing_ != nullptr) playing_->stop();
    playing_ = nullptr;
}
