#pragma once
// The game's sounds, played from wave files beside the program while sound is on. They play in
// the background, one after another in the order asked for, so that no sound holds the game up;
// the silences between the groups of a bell code go into the same queue, so that the code keeps
// its rhythm.
#include <array>
#include <span>
#include <string>
#include <string_view>

namespace kv41 {

struct GameState;

// The indexed sound table; only the low seven bits of an index count, and an index beyond the
// table plays nothing.
constexpr int SoundTableSize = 16;
extern const std::array<std::string_view, SoundTableSize> SoundTable;

namespace sound {
constexpr int Bonus = 0;
constexpr int Error = 1;
constexpr int Notify = 2;
constexpr int Call = 3;  // "sndmessage.wav": a box or the yard calls the signalman
constexpr int Whistle = 8;
constexpr int Lever = 12;
}  // namespace sound

// Plays a named wave file (PlayWaveFile) after the sounds asked for before it, then
// silenceAfterMs of silence; a missing or unplayable file is skipped.
void PlaySound(GameState& g, const std::string& waveFile, int silenceAfterMs = 0);
// Sound switched off: what plays stops now, and nothing queued is heard.
void StopSounds(GameState& g);
void PlayIndexedSound(GameState& g, int index);

void PlayBonusSound(GameState& g);
void PlayErrorSound(GameState& g);
void PlayNotifySound(GameState& g);
// The caller holds the message for its two seconds.
void PlayCallSound(GameState& g);
void PlayWhistle(GameState& g);
void PlayLeverSound(GameState& g);

// The tapper file for a group of beats (1 to 5 or 8), empty for any other size.
std::string TapperWave(int beats);
// The bell of box 1..5 for a group of beats (1 to 5 or 8), empty otherwise.
std::string BoxBellWave(int box, int beats);

// The player's code on the tapper: 100 ms of silence, then each group's file and 50 ms, up to
// the first empty group.
void PlayTapperGroups(GameState& g, std::span<const int> groups);
// A box rings a code on its own bell: each group's file, then 70 ms.
void PlayBoxBellGroups(GameState& g, int box, std::span<const int> groups);

// How long a wave file plays, in milliseconds, from its header: a player starts the next sound
// after that long whatever the audio system reports. 0 for a file that is missing or not a wave
// file.
int WaveLengthMs(const std::string& path);

}  // namespace kv41
