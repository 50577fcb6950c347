#pragma once
// The settings file beside the program: read when a session starts, written when it ends.
namespace kv41 {

struct GameState;

void LoadSettings(GameState& g);
void StoreSettings(GameState& g);

}  // namespace kv41
