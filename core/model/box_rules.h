#pragma once
// Small reckonings shared by the boxes' working, the yard and block working: the boxes' lead
// times and when a box may offer a train.
#include "game_state.h"

namespace kv41 {

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
