#pragma once
// The checks made when a train leaves the area to a neighbouring box: the bells the signalman
// owed that box and the box in rear, and the is-line-clear code the train was accepted under.
namespace kv41 {

struct GameState;

// `train` has passed out of the area into the section of box `box`.
void ExitChecks(GameState& g, int train, int box);

// The signalman must send train out of section for `train` to the box in rear within five
// minutes (checked on the minute by the boxes). Trains from the sidings have no box in rear.
void SetToosDeadline(GameState& g, int train);

}  // namespace kv41
