#include "wave_player.h"

#include "windows_api.h"

#include <mmsystem.h>

#include "framework/sounds.h"
#include "wide_text.h"

bool WavePlayer::HaveOutput() {
    if (outputKnown_ < 0) outputKnown_ = waveOutGetNumDevs() > 0 ? 1 : 0;
    return outputKnown_ == 1;
}

void WavePlayer::Queue(const std::string& path, int silenceAfterMs) {
    queue_.push_back({path, silenceAfterMs});
    if (!playing_) StartNext();
}

void WavePlayer::Stop() {
    queue_.clear();
    KillTimer(window_, TimerId);
    playing_ = false;
    PlaySoundW(nullptr, nullptr, 0);
}

void WavePlayer::Next() {
    KillTimer(window_, TimerId);
    playing_ = false;
    StartNext();
}

// A wave that is missing or cannot be played is skipped with its silence.
void WavePlayer::StartNext() {
    while (!queue_.empty()) {
        const Wave wave = queue_.front();
        queue_.pop_front();
        int lengthMs = 0;
        if (!wave.Path.empty()) {
            lengthMs = kv41::WaveLengthMs(wave.Path);
            if (lengthMs <= 0) continue;
            if (HaveOutput()) {
                PlaySoundW(Wide(wave.Path).c_str(), nullptr,
                           SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
            }
        }
        const int timeMs = lengthMs + wave.SilenceAfterMs;
        if (timeMs <= 0) continue;
        playing_ = true;
        SetTimer(window_, TimerId, static_cast<UINT>(timeMs), nullptr);
        return;
    }
}
