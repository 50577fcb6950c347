#pragma once
// Run-time state of train running: the block working of each neighbouring box, the yard.
#include "model/railway_tables.h"

namespace kv41 {

// A box table whose every slot holds "no time".
constexpr Table<int32_t, BoxCount> NoTimes() {
    Table<int32_t, BoxCount> times{};
    times.fill(NoTime);
    return times;
}

struct BoxWorkingState {
    Table<uint8_t, BoxCount> BoxBellShown{};     // code last rung by the box, shown on the panel
    Table<uint8_t, BoxCount> BoxBellSent{};      // code the player sent, not yet answered
    Table<uint8_t, BoxCount> BoxBellAnswered{};  // the shown code has been answered
    Table<uint8_t, BoxCount> BoxRingPending{};   // code rung by the box, not yet acknowledged
    Table<int32_t, BoxCount> BoxLastRingTime = NoTimes();  // minute of the box's last ring
    Table<int32_t, BoxCount> BoxOfferedTrain{};            // the train the box holds for the player
    Table<uint8_t, BoxCount> BoxAttending{};               // the box has answered the player's 1
    Table<uint8_t, BoxCount> BoxAwaitingAttn{};  // the box rang 1 and waits for the answer
    Table<uint8_t, BoxCount> BoxHeldCode{};      // what the box sends once its 1 is answered
    Table<uint8_t, BoxCount> BoxAttnAnswered{};  // the player has answered the box's 1
    Table<uint8_t, BoxCount> BoxAcceptedCode{};  // is-line-clear code of the player's train
    Table<int32_t, BoxCount> BoxTrain{};         // the player's train identified to the box
    Table<int32_t, BoxCount> BoxLineClearTime = NoTimes();  // held until the train is identified
    Table<int32_t, BoxCount> BoxTesTime = NoTimes();
    Table<uint8_t, BoxCount> BoxTrainGone{};  // train out of section is due from the box
    Table<uint8_t, BoxCount> BoxShuntForward{};
    Table<uint8_t, BoxCount> BoxBlockedBack{};
    Table<uint8_t, BoxCount> BoxWarningGiven{};
    // Slots 1..4 = boxes in rear: the train whose train out of section is owed, and the minute
    // by which it must be sent (0 = none).
    Table<int32_t, BoxCount> BoxToosTrain{};
    Table<int32_t, BoxCount> BoxToosDeadline{};
};

struct RunningState : BoxWorkingState {
    int32_t TrainsInArea = 0;
    // The step reached the hour with autosave on: the loop saves the position after the step.
    bool AutosaveDue = false;
    int32_t YardTimer = 0;  // ticks the yard stays busy; 0 = not busy
    bool YardClear = true;  // what the yard indicator shows
    int32_t YardTrain = 0;  // a departure taken back into the yard
};

}  // namespace kv41
