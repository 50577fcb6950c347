#include "signalman/loop_crossing.h"

#include <algorithm>
#include <array>

#include "controls/track_queries.h"
#include "game_state.h"
#include "running/box_rules.h"
#include "signalman/running_times.h"

namespace kv41 {

namespace {

constexpr int BranchLine = 2;
constexpr int RadlowLine = 5;
constexpr int LoopToDownMain = 39;
// From a stand at the loop home, across the up main and clear of the down main's points.
constexpr int CrossingMinutes = 2;
// Drivers vary: a minute more.
constexpr int Margin = 1;
// From entering the area to the end of the distant's section: the long approach from
// Pellingford, the short one from Hollowmer Jn.
constexpr int UpRunToDistant = 3;
constexpr int DownRunIn = 2;
// He keeps a loop train back no longer than this after it came in.
constexpr int LongestWait = 20;

constexpr std::array<int, 2> LoopApproach{4, 5};
// The sections a train runs before it needs the signal: the up distant's, to the up platform's
// end, the up branch to its home, and from Hollowmer Jn to the down home.
constexpr std::array<int, 1> UpToDistant{29};
constexpr std::array<int, 6> UpToPlatform{29, 30, 31, 10, 32, 33};
constexpr std::array<int, 3> BranchToHome{27, 26, 25};
constexpr std::array<int, 3> DownToHome{1, 43, 2};

// A fast enough train between Pellingford and Hollowmer Jn, which the distants are for.
bool CanEarnClearRoad(const GameState& g, int t) {
    int c = g.TrainClass[t];
    bool throughMain =
        (g.TrainFrom[t] == 1 && g.TrainTo[t] == 4) || (g.TrainFrom[t] == 4 && g.TrainTo[t] == 1);
    return throughMain && c >= 1 && c <= 8 && c != 5;
}

// Minutes until the train needs a signal the loop train's road locks: a train that can earn a
// clear road its distant, ahead of the rest; an up train for Hollowmer Jn its starter, a down
// train from there its home. -1 once it is past the place, not coming that way, or not yet
// accepted.
int MinutesToNeed(const GameState& g, int t) {
    int from = g.TrainFrom[t];
    bool down = from == 4;
    if (!down && !((from == 1 || from == BranchLine) && g.TrainTo[t] == 4)) return -1;
    bool distant = CanEarnClearRoad(g, t);
    if (!InTheArea(g, t)) {
        if (g.TrainState[t] != TrainAccepted) return -1;
        int box = down ? 3 : from;
        int entry = std::max(DuePlusLate(g, t) - LeadA(g, box, t), g.ClockNow) - g.ClockNow;
        return entry + (down ? DownRunIn : distant ? UpRunToDistant : LeadA(g, box, t));
    }
    int yards = down        ? YardsAlong(g, t, DownToHome)
                : distant   ? YardsAlong(g, t, UpToDistant)
                : from == 1 ? YardsAlong(g, t, UpToPlatform)
                            : YardsAlong(g, t, BranchToHome);
    return yards < 0 ? -1 : MinutesToRun(yards, g.TrainSpeed[t], 25);
}

// Minutes until the loop train, given the road now, is across.
int MinutesToCross(const GameState& g, int train) {
    if (!InTheArea(g, train))
        return std::max(DuePlusLate(g, train) - g.ClockNow, 0) + CrossingMinutes;
    int yards = YardsAlong(g, train, LoopApproach);
    return (yards < 0 ? 0 : MinutesToRun(yards, g.TrainSpeed[train], 12)) + CrossingMinutes;
}

}  // namespace

bool LoopTrainWaits(const GameState& g, int train) {
    // (Once its road is begun, it goes.)
    if (g.TrainFrom[train] != RadlowLine || IsReversed(g, LoopToDownMain)) return false;
    int in = g.TrainTimes[train][RegTesReceived];
    if (in != NoTime && g.ClockNow - in > LongestWait) return false;
    int across = MinutesToCross(g, train) + Margin;
    for (int t = 1; t <= g.TrainCount; ++t) {
        int minutes = MinutesToNeed(g, t);
        if (minutes >= 0 && minutes <= across) return true;
    }
    return false;
}

}  // namespace kv41
