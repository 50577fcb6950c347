#include "wave_player.h"

#include <mmsystem.h>
#include "windows_api.h"

#include "framework/sounds.h"
#include "wide_text.h"

bool WavePlayer::HaveOutput() {
    if (outputKnown_ < 0) outputKnown_ = waveOutGetNumDevs() > 0 ? 1 : 0;
    return outputKnown_ == 1;
}

void WavePlayer::PlaySync(const std::string& path, const std::function<void(int)>& wait) {
    const int duration = kv41::WaveLengthMs(path);
    if (duration <= 0 || !HaveOutput()) return;
    if (!PlaySoundW(Wide(path).c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT)) return;
    const ULONGLONG end = GetTickCount64() + static_cast<ULONGLONG>(duration);
    for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
        wait(static_cast<int>(end - now));
    }
}
