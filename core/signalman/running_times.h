#pragma once
// The signalman's rough reckoning of running times: how far a train's head has still to run
// along a way, and how long that takes.
#include <algorithm>
#include <array>

#include "game_state.h"

namespace kv41 {

// Whole minutes to run the yards at the train's speed, or at `slowest` mph if it is slower (a
// train runs 3 yards a tick for each mph, ten ticks a minute).
inline int MinutesToRun(int yards, int speed, int slowest) {
    int perMinute = 30 * std::max(speed, slowest);
    return (yards + perMinute - 1) / perMinute;
}

// The speed he reckons a train of this kind makes on the way: its lamps show where it is, not
// how fast it runs.
inline int RunningSpeed(const GameState& g, int train) {
    switch (TrainGroup(g, train)) {
    case 1: return 40;
    case 2: return 30;
    default: return 20;
    }
}

// Yards from the train's head to the end of the last section of `way` (in running order); -1
// when the head is not on it. A track-circuit lamp shows which section the head is in but not
// where in it, so the head is taken to be halfway along.
template <std::size_t N>
int YardsAlong(const GameState& g, int train, const std::array<int, N>& way) {
    int yards = -1;
    for (int s : way) {
        if (yards >= 0) {
            yards += g.SectLength[s];
        } else if (s == g.TrainSect[train]) {
            yards = g.SectLength[s] / 2;
        }
    }
    return yards;
}

// The train runs or stands in the area.
inline bool InTheArea(const GameState& g, int train) {
    return (g.TrainState[train] == TrainRunning || g.TrainState[train] == TrainStanding) &&
           g.TrainSect[train] != 0;
}

}  // namespace kv41
