// Placeholder until train running lands: the clock only.
#include "running/simulation_step.h"

#include "game_state.h"
#include "model/clock.h"

namespace kv41 {
void SimulationStep(GameState& g) {
    AdvanceClock(g);
}
}  // namespace kv41
