#pragma once
// Run-time state of train running: the block working of each neighbouring box, the yard.
#include "model/railway_tables.h"

namespace kv41 {

struct BoxWorkingState {
    Table<uint8_t, BoxCount> BoxBellShown{};     // code last rung by the box, shown on the panel
    Table<uint8_t, BoxCount> BoxBellSent{};      // code the player sent, not yet answered
    Table<uint8_t, BoxCount> BoxBellAnswered{};  // the shown code has been answered
    Table<uint8_t, BoxCount> BoxRingPending{};   // code rung by the box, not yet acknowledged
    Table<int32_t, BoxCount> BoxLastRingTime{};
    Table<int32_t, BoxCount> BoxOfferedTrain{};
    Table<uint8_t, BoxCount> BoxAttending{};
    Table<uint8_t, BoxCount> BoxAwaitingAttn{};
    Table<uint8_t, BoxCount> BoxHeldCode{};
    Table<uint8_t, BoxCount> BoxAttnAnswered{};
    Table<uint8_t, BoxCount> BoxAcceptedCode{};
    Table<int32_t, BoxCount> BoxTrain{};
    Table<int32_t, BoxCount> BoxLineClearTime{};
    Table<int32_t, BoxCount> BoxTesTime{};
    Table<uint8_t, BoxCount> BoxTrainGone{};
    Table<uint8_t, BoxCount> BoxShuntForward{};
    Table<uint8_t, BoxCount> BoxBlockedBack{};
    Table<uint8_t, BoxCount> BoxWarningGiven{};
    Table<int32_t, BoxCount> BoxToosTrain{};
    Table<int32_t, BoxCount> BoxToosDeadline{};
};

struct RunningState : BoxWorkingState {
    int32_t TrainsInArea = 0;
    int32_t YardTimer = 0;
    bool YardClear = true;
    int32_t YardTrain = 0;
};

}  // namespace kv41
