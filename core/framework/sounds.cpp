// Placeholder until sounds land.
#include "framework/sounds.h"

#include "game_state.h"
#include "platform/platform.h"

namespace kv41 {
void PlaySound(GameState& g, const std::string& waveFile) {
    if (g.SoundOn) g.Host->PlayWave(waveFile);
}
}  // namespace kv41
