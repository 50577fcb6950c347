#pragma once
// The two halves of the signalman's decision: the frame, and the bells and instruments.
#include <string>

#include "signalman/signalman.h"
#include "signalman/trains_in_hand.h"

namespace kv41 {

// The next lever to move, if any.
bool LeverMove(const GameState& g, const TrainsInHand& trains, SignalmanMove& move);

// The next turn of an instrument handle worked by hand, if any.
bool InstrumentMove(const GameState& g, SignalmanMove& move);

// The next bell code to send, if any.
bool BellMove(const GameState& g, const TrainsInHand& trains, SignalmanMove& move);

// A train as the register and the timetable name it: "the 10.07 Kingsmeade to Lanbrook".
std::string TrainName(const GameState& g, int train);

}  // namespace kv41
