#pragma once
// The key legend along the foot of the panel: the letter commands, each also clickable.
namespace kv41 {

struct GameState;

constexpr int KeyLegendRow = 29;  // three rows above the foot of the 32-row grid

// Draws the legend; "L Learning" stands out in green while learning mode is on.
void DrawKeyLegend(GameState& g);

}  // namespace kv41
