#pragma once
// One tenth of a simulated minute: the yard, the boxes, the trains, the clock.
namespace kv41 {

struct GameState;

void SimulationStep(GameState& g);

}  // namespace kv41
