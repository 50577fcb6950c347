#pragma once
// Carrying out one action of the player: a click's region code or a letter key's code.
namespace kv41 {

struct GameState;

// Dispatches an action code (see ActionCodes); codes without an action do nothing.
void DispatchAction(GameState& g, int code);

}  // namespace kv41
