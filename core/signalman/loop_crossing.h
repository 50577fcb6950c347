#pragma once
// A train off the LMS loop for the sidings crosses the up main and joins the down main by the
// road of the down LMS loop home: while that road is set, neither the up starter nor the down
// home can be cleared. He keeps it at the loop home (for twenty minutes at most) while a train
// that can still earn its clear road, or one for Hollowmer Jn or from there, would need those
// signals before the loop train is across.
namespace kv41 {

struct GameState;

// The loop home is not to be cleared for the train yet.
bool LoopTrainWaits(const GameState& g, int train);

}  // namespace kv41
