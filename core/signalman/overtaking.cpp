#include "signalman/overtaking.h"

#include <algorithm>
#include <array>

#include "controls/track_queries.h"
#include "game_state.h"
#include "model/lever_names.h"
#include "running/yard.h"
#include "signalman/running_times.h"
#include "signalman/signalman_moves.h"
#include "signalman/trains_in_hand.h"

namespace kv41 {

namespace {

using namespace Levers;

constexpr int PellingfordLine = 1;
constexpr int BranchLine = 2;

// Let go first, the slow train keeps the line ahead from the faster one this long: out to the
// box ahead and clear of its section, and line clear asked and given again for the next.
constexpr int HoldsLineMinutes = 10;
// The faster train is to come by the end of the up platform at least this long after the slow
// one is in the siding (the bonus is judged there and then).
constexpr int InFirstBy = 1;
// From the up branch home into the siding, at the 15 mph of the road.
constexpr int HomeToSiding = 2;
// Nothing is kept aside longer than this for a train not yet in the area.
constexpr int LongestWait = 30;

// The up main from Pellingford to the end of the up platform, and the up branch to its home
// signal, in running order.
constexpr std::array<int, 6> UpMain{29, 30, 31, 10, 32, 33};
constexpr std::array<int, 3> UpBranch{27, 26, 25};
// On the road into Down Siding No. 1 beyond the branch home (and in it), and on the road out
// of it to the up main beyond the south crossover.
constexpr std::array<int, 3> IntoSiding{23, 21, DownSidingOneSect};
constexpr std::array<int, 6> OutOfSiding{SidingsEntrySect, 9, 8, 36, 37, 38};

bool SlowGoodsOffBranch(const GameState& g, int p) {
    return g.TrainFrom[p] == BranchLine && (g.TrainTo[p] == 4 || g.TrainTo[p] == 5) &&
           g.TrainClass[p] >= 6;
}

// t is of a faster kind than p, as the overtaking is judged.
bool FasterKind(const GameState& g, int t, int p) {
    int ct = g.TrainClass[t], cp = g.TrainClass[p];
    return ct >= 1 && ((ct <= 4 && cp > 4) || (ct < 9 && cp >= 9));
}

// Minutes until a train from Pellingford has its head at the end of the up platform; -1 once
// it is past. One still on the line comes to us about its expected time.
int MinutesToPlatformEnd(const GameState& g, int t) {
    if (!InTheArea(g, t)) return std::max(DuePlusLate(g, t) - g.ClockNow, 0);
    int yards = YardsAlong(g, t, UpMain);
    return yards < 0 ? -1 : MinutesToRun(yards, RunningSpeed(g, t), 20);
}

// Minutes until the slow train, sent into the siding, would be standing in it.
int MinutesToSiding(const GameState& g, int p) {
    if (!InTheArea(g, p)) return std::max(DuePlusLate(g, p) - g.ClockNow, 0) + HomeToSiding;
    int yards = YardsAlong(g, p, UpBranch);
    return yards < 0 ? 0 : MinutesToRun(yards, RunningSpeed(g, p), 15) + HomeToSiding;
}

// The faster trains for p's line coming up the main from Pellingford and not yet by the end of
// the up platform: in the area, accepted, offered, or shown in the trains approaching window
// within the hour. Calls f(train, minutes to the platform end) for each.
template <class F>
void ForEachFaster(const GameState& g, int p, F f) {
    auto consider = [&](int t) {
        if (t < 1 || t > g.TrainCount || t == p || g.TrainFrom[t] != PellingfordLine ||
            g.TrainTo[t] != g.TrainTo[p] || !FasterKind(g, t, p))
            return;
        int minutes = MinutesToPlatformEnd(g, t);
        if (minutes >= 0) f(t, minutes);
    };
    for (int t = 1; t <= g.TrainCount; ++t)
        if (InTheArea(g, t) || g.TrainState[t] == TrainAccepted) consider(t);
    int offered = g.BoxOfferedTrain[PellingfordLine];
    if (offered != 0 && g.TrainState[offered] <= TrainReported) consider(offered);
    for (int group = 1; group <= 3; ++group) {
        int t = g.LineTrains[PellingfordLine][static_cast<std::size_t>(group)];
        if (t != 0 && t != offered && g.TrainState[t] <= TrainReported &&
            DuePlusLate(g, t) <= g.ClockNow + 60)
            consider(t);
    }
}

// A train for the down sidings is on its way: with No. 2 taken it will need No. 1.
bool DownSidingsTrainComing(const GameState& g) {
    for (int t = 1; t <= g.TrainCount; ++t) {
        if (g.TrainTo[t] != YardLine || g.TrainDest[t].view().substr(0, 1) != "D") continue;
        if (InTheArea(g, t) || g.TrainState[t] == TrainAccepted) return true;
    }
    return false;
}

// Sent on first, p would hold up a faster train for its line, and put aside it would be passed
// by it: the faster train comes by the end of the up platform once p stands in the siding, and
// before p, let go first, would be out of its way. Nor is the siding taken when a train for the
// down sidings may need it, or while the yard has a departure due (the yard puts nothing out
// while a train stands due in a down siding).
bool WorthPuttingAside(const GameState& g, int p) {
    for (int s : {23, 21, DownSidingOneSect, SidingsEntrySect})
        if (HeldByOther(g, s, p)) return false;
    if (Occupied(g, DownSidingTwoSect) && DownSidingsTrainComing(g)) return false;
    int in = MinutesToSiding(g, p);
    int passBy = -1;
    ForEachFaster(g, p, [&](int, int minutes) {
        if (minutes >= in + InFirstBy && minutes <= in + HoldsLineMinutes)
            passBy = std::max(passBy, minutes);
    });
    if (passBy < 0) return false;
    int departure = g.LineTrains[YardLine][0];
    return departure <= 1 || departure > g.TrainCount ||
           DuePlusLate(g, departure) > g.ClockNow + passBy + 5;
}

// The faster train p waits for, or 0: one in the area short of the end of the up platform, or
// one still to come that p, let go as soon as it stands in the siding, would hold up.
int MakesWayFor(const GameState& g, int p) {
    int head = HeadSection(g, p);
    int ready = head == DownSidingOneSect ? 0 : MinutesToSiding(g, p);
    // Once in the siding he keeps it there no longer than the longest wait for a train not yet
    // in the area (its train out of section to Brenley marks when it came off the branch).
    int off = g.TrainTimes[p][RegToosSent];
    bool longWait = head == DownSidingOneSect && off != NoTime && g.ClockNow - off > LongestWait;
    int soonest = 0, soonestMinutes = 0;
    ForEachFaster(g, p, [&](int t, int minutes) {
        bool near = InTheArea(g, t) || (!longWait && minutes <= ready + HoldsLineMinutes);
        if (near && (soonest == 0 || minutes < soonestMinutes)) {
            soonest = t;
            soonestMinutes = minutes;
        }
    });
    return soonest;
}

}  // namespace

bool PutAside(const GameState& g, int train) {
    if (!SlowGoodsOffBranch(g, train)) return false;
    int head = HeadSection(g, train);
    for (int s : IntoSiding)
        if (head == s) return true;
    switch (head) {
    case 17:
    case 9:
    case 8: return true;
    case 24: return g.SectNext[24] == 23;
    case 36:
    case 37:
    case 38: return IsReversed(g, SouthCrossover);  // the up main's own road has it normal
    case 0:
    case 25:
    case 26:
    case 27: break;
    default: return false;
    }
    // Still to reach the branch home: a road already set decides.
    if (head != 0 && IsReversed(g, UpBranchToDownSidings)) return g.SectNext[23] == 21;
    if (head != 0 && IsReversed(g, UpBranchHome)) return false;
    return WorthPuttingAside(g, train);
}

bool GivesWay(const GameState& g, int train) {
    // Once on its way out it has its line clear and goes.
    int head = HeadSection(g, train);
    bool started = head == DownSidingOneSect && IsReversed(g, ExchangeSidingsUpStarter) &&
                   g.SectNext[DownSidingOneSect] == SidingsEntrySect;
    if (started || std::find(OutOfSiding.begin(), OutOfSiding.end(), head) != OutOfSiding.end())
        return false;
    return PutAside(g, train) && MakesWayFor(g, train) != 0;
}

std::string AsideWords(const GameState& g, int train) {
    if (!PutAside(g, train)) return {};
    int faster = MakesWayFor(g, train);
    return faster == 0
               ? std::string(" out of Down Siding No. 1")
               : ", put aside in Down Siding No. 1 for " + TrainName(g, faster) + " to pass";
}

}  // namespace kv41
