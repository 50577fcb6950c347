#pragma once
// The signalman's side: the bell code being chosen or tapped, learning mode.
#include "model/table.h"

namespace kv41 {

constexpr int MaxTaps = 16;

struct ControlsState {
    bool BellTapping = false;
    int32_t PendingBellBox = 0;
    int32_t PendingBellCode = 0;
    bool LearningMode = false;
    int32_t TapCount = 0;
    std::array<int32_t, MaxTaps + 1> TapTimes{};  // ms of day of each tap, 1-based
};

}  // namespace kv41
