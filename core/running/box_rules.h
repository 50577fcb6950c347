#pragma once
// Small reckonings shared by the boxes' working, the yard and block working: a train's
// expected time and the boxes' lead times.
#include "game_state.h"

namespace kv41 {

// The minute the train is expected: booked time plus lateness.
inline int DuePlusLate(const GameState& g, int train) {
    return g.TrainDue[train] + g.TrainLate[train];
}

// Running time from the box's line into our area for the train's group.
inline int LeadA(const GameState& g, int box, int train) {
    return g.BoxLeadA[box][TrainGroup(g, train) - 1];
}

// How much earlier still the box has the train to offer.
inline int LeadB(const GameState& g, int box, int train) {
    return g.BoxLeadB[box][TrainGroup(g, train) - 1];
}

// The minute from which the box may offer the train.
inline int OfferTime(const GameState& g, int box, int train) {
    return DuePlusLate(g, train) - LeadA(g, box, train) - LeadB(g, box, train);
}

inline bool IsBookedOrReported(const GameState& g, int train) {
    return g.TrainState[train] == TrainBooked || g.TrainState[train] == TrainReported;
}

}  // namespace kv41
