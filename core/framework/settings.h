#pragma once
// The settings file beside the program: read when a session starts, written when it ends.
#include <string>

namespace kv41 {

struct GameState;

// "TOLA.INI" in the program's own directory.
std::string SettingsPath(const GameState& g);
void LoadSettings(GameState& g);
void StoreSettings(GameState& g);

}  // namespace kv41
