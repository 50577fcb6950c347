#pragma once
// The automatic signalman at work: his moves go into the player's input queue and are taken by
// the event wait as the player's clicks and chosen codes are, so the interlocking, the block
// rules and the scoring judge them as they judge the player, and whatever records the player's
// input records his.
#include "signalman/signalman.h"

namespace kv41 {

struct GameState;

// Queues the move as the player's inputs: a lever's click and its confirming click, a click on
// a box's name heading with the code to choose from the list, a click on a commutator.
void QueueSignalmanMove(GameState& g, const SignalmanMove& move);

// The signalman's turn in the event wait, when he works the box and nothing else is queued:
// queues his next move and returns true, or false when he waits for the railway to move.
bool TakeSignalmanTurn(GameState& g);

// Switches him on or off (the player's click on the panel switches him off: he takes over).
void SetAutoSignalman(GameState& g, bool on);

// The hint: his next move and why, written on the message line; nothing else changes.
std::string ShowSignalmanHint(GameState& g);

}  // namespace kv41
