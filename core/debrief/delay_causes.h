#pragma once
// Why a train stands: read from the railway as it is at that tick, the way a signalman looking
// at the panel would tell it, with the signalman's route cards naming the signal in its way.
#include "debrief/debrief.h"

namespace kv41 {

struct GameState;

// The train stands in the area, or waits outside it after it could have come in. A train at a
// booked stop, or a departure in the sidings before its time, is not delayed.
bool Delayed(const GameState& g, int train, int lateIn);

// What holds a standing train in the area: the yard, line clear from the box ahead, another
// train holding or crossing its road, or a signal the player has not cleared. (A stop made by
// the player's wrong route is known from its penalty, not from here.)
DelayCause StandingCause(const GameState& g, int train);

}  // namespace kv41
