#include "framework/sounds.h"

#include <algorithm>
#include <cstdint>
#include <fstream>

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

constexpr int TapperLeadIn = 100;
constexpr int TapperGap = 50;
constexpr int BellGap = 70;

uint32_t LittleEndian(const char* bytes) {
    uint32_t value = 0;
    for (int i = 3; i >= 0; --i) value = (value << 8) | static_cast<unsigned char>(bytes[i]);
    return value;
}

bool HasGroupFile(int beats) {
    return (beats >= 1 && beats <= 5) || beats == 8;
}

}  // namespace

void PlaySound(GameState& g, const std::string& waveFile, int silenceAfterMs) {
    if (g.SoundOn && !waveFile.empty()) g.Host->QueueWave(waveFile, silenceAfterMs);
}

void StopSounds(GameState& g) {
    g.Host->StopSounds();
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
    if (!g.SoundOn || groups.empty() || groups[0] == 0) return;
    g.Host->QueueWave({}, TapperLeadIn);
    for (int beats : groups) {
        if (beats == 0) break;
        PlaySound(g, TapperWave(beats), TapperGap);
    }
}

void PlayBoxBellGroups(GameState& g, int box, std::span<const int> groups) {
    for (int beats : groups) {
        if (beats == 0) break;
        PlaySound(g, BoxBellWave(box, beats), BellGap);
    }
}

// Walks the chunks: "fmt " gives the bytes per second, "data" the length.
int WaveLengthMs(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    char header[12];
    if (!file.read(header, 12) || std::string_view(header, 4) != "RIFF" ||
        std::string_view(header + 8, 4) != "WAVE") {
        return 0;
    }
    uint32_t byteRate = 0;
    char chunk[8];
    while (file.read(chunk, 8)) {
        const uint32_t size = LittleEndian(chunk + 4);
        const std::string_view name(chunk, 4);
        if (name == "fmt ") {
            char format[12];
            if (size < 12 || !file.read(format, 12)) return 0;
            byteRate = LittleEndian(format + 8);
            file.seekg(size - 12 + (size & 1), std::ios::cur);
        } else if (name == "data") {
            // A header that claims more sound than the file holds would hold the game up.
            const auto start = file.tellg();
            file.seekg(0, std::ios::end);
            const uint64_t held = std::min<uint64_t>(size, file.tellg() - start);
            return byteRate == 0 ? 0 : static_cast<int>(held * 1000 / byteRate);
        } else {
            file.seekg(std::streamoff{size} + (size & 1), std::ios::cur);
        }
    }
    return 0;
}

}  // namespace kv41
