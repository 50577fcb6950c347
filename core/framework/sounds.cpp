#include "framework/sounds.h"

#include "framework/text_grid.h"
#include "game_state.h"
#include "platform/platform.h"

namespace kv41 {

const std::array<std::string_view, SoundTableSize> SoundTable = {
    "sndbonus.wav", "snderror.wav",  "sndnotify.wav", "sndmessage.wav",
    "sndbell1.wav", "sndbell2.wav",  "sndbell3.wav",  "sndbell4.wav",
    "sndwGWR.wav",  "sndwLMS.wav",   "sndwChime.wav", "sndTapper.wav",
    "sndLever.wav", "sndnormal.wav", "sndpassgr.wav", "sndurgent.wav",
};

namespace {

constexpr int TapperGap = 50;
constexpr int BellGap = 70;

bool HasGroupFile(int beats) {
    return (beats >= 1 && beats <= 5) || beats == 8;
}

}  // namespace

void PlaySound(GameState& g, const std::string& waveFile) {
    if (g.SoundOn && !waveFile.empty()) g.Host->PlayWave(waveFile);
}

void PlayIndexedSound(GameState& g, int index) {
    index &= 0x7F;
    if (index < SoundTableSize) PlaySound(g, std::string(SoundTable[index]));
}

void PlayBonusSound(GameState& g) {
    PlayIndexedSound(g, sound::Bonus);
}

void PlayErrorSound(GameState& g) {
    PlayIndexedSound(g, sound::Error);
}

void PlayNotifySound(GameState& g) {
    PlayIndexedSound(g, sound::Notify);
}

void PlayCallSound(GameState& g) {
    PlayIndexedSound(g, sound::Call);
}

void PlayWhistle(GameState& g) {
    PlayIndexedSound(g, sound::Whistle);
}

void PlayLeverSound(GameState& g) {
    PlayIndexedSound(g, sound::Lever);
}

std::string TapperWave(int beats) {
    if (!HasGroupFile(beats)) return {};
    return beats == 1 ? "sndTapper.wav" : "sndTapper" + std::to_string(beats) + ".wav";
}

std::string BoxBellWave(int box, int beats) {
    if (box < 1 || box > 5 || !HasGroupFile(beats)) return {};
    std::string name = "sndBell" + std::to_string(box);
    if (beats > 1) name += std::to_string(beats);
    return name + ".wav";
}

void PlayTapperGroups(GameState& g, std::span<const int> groups) {
    for (int beats : groups) {
        if (beats == 0) break;
        PlaySound(g, TapperWave(beats));
        Pause(g, TapperGap);
    }
}

void PlayBoxBellGroups(GameState& g, int box, std::span<const int> groups) {
    for (int beats : groups) {
        if (beats == 0) break;
        PlaySound(g, BoxBellWave(box, beats));
        Pause(g, BellGap);
    }
}

}  // namespace kv41
