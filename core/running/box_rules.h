#pragma once
// Small reckonings shared by the boxes' working and the yard: a train's group, its expected
// time and the boxes' lead times.
#include "game_state.h"

namespace kv41 {

inline int GroupOfTrain(const GameState& g, int train) {
    return ClassGroup(g.TrainClass[train]);
}

// The minute the train is expected: booked time plus lateness.
inline int DuePlusLate(const GameState& g, int train) {
    return g.TrainDue[train] + g.TrainLate[train];
}

// Running time from the box's line into our area for the train's group.
inline int LeadA(const GameState& g, int box, int train) {
    return g.BoxLeadA[box][GroupOfTrain(g, train) - 1];
}

// How much earlier still the box has the train to offer.
inline int LeadB(const GameState& g, int box, int train) {
    return g.BoxLeadB[box][GroupOfTrain(g, train) - 1];
}

// The minute from which the box may offer the train.
inline int OfferTime(const GameState& g, int box, int train) {
    return DuePlusLate(g, train) - LeadA(g, box, train) - LeadB(g, box, train);
}

inline bool ValidTrain(const GameState& g, int train) {
    return train >= 1 && train <= g.TrainCount;
}

inline bool IsBookedOrReported(const GameState& g, int train) {
    return g.TrainState[train] == TrainBooked || g.TrainState[train] == TrainReported;
}

// A train that starts or ends in the down sidings rather than on the yard road.
inline bool DownSidingsText(const std::string& text) {
    return !text.empty() && text[0] == 'D';
}

}  // namespace kv41

namespace kv41 {

// The box's bell indicator has changed: redraw it.
void ShowBellChange(GameState& g, int box);

}  // namespace kv41

namespace kv41 {

// Something the track-circuit lamps show has changed.
void MarkTrackLampsDirty(GameState& g);

// One train fewer in the area; the count never goes below 0.
inline void CountTrainOut(GameState& g) {
    if (g.TrainsInArea > 0) --g.TrainsInArea;
}

}  // namespace kv41
