#pragma once
// The game's sounds, played from wave files beside the program while sound is on.
#include <string>

namespace kv41 {

struct GameState;

void PlaySound(GameState& g, const std::string& waveFile);

}  // namespace kv41
