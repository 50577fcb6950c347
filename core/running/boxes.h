#pragma once
// The neighbouring boxes' automatic working.
namespace kv41 {

struct GameState;

// Picks the next train to be offered on a line.
void ChooseNextOnLine(GameState& g, int line);

}  // namespace kv41
