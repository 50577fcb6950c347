#pragma once
// The signalman's side: the bell code being chosen or tapped, learning mode.
#include "model/table.h"

namespace kv41 {

constexpr int MaxTaps = 15;            // taps a code may have; the longest code has 13
constexpr int TapPauseLimitMs = 2000;  // a longer pause ends the code

struct ControlsState {
    // A bell code chosen or tapped for a box, handed to block working by the next wait.
    int32_t PendingBellBox = 0;
    int32_t PendingBellCode = 0;
    bool LearningMode = false;
    // The lever whose move waits for its confirming click; 0 = none.
    int32_t ConfirmingLever = 0;

    // The tapper: on while a code is being tapped on the plunger of box TapBox.
    bool BellTapping = false;
    int32_t TapBox = 0;
    int32_t TapCount = 1;                // next free slot of TapTimes
    Table<int32_t, MaxTaps> TapTimes{};  // ms of day of each tap; [1] is the last click's
    // The click now pending was taken by the tapper as a tap on its plunger, so it is not
    // also a click that starts tapping afresh.
    bool ClickWasTap = false;
};

}  // namespace kv41
