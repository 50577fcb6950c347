#include "debrief/delay_causes.h"

#include "controls/interlocking.h"
#include "game_state.h"
#include "signalman/route_legs.h"
#include "signalman/trains_in_hand.h"

namespace kv41 {

namespace {

constexpr int YardLine = 3;
constexpr int YardHomeLever = 43;
// The starting signal that sends a train on to each box: it needs that box's line clear.
constexpr int SectionSignal[BoxCount + 1] = {0, 46, 42, 4, 6};

bool InSidings(int section) {
    return section >= 17 && section <= 24;
}

bool StationStop(const GameState& g, int train) {
    return g.TrainState[train] == 4 && g.TrainWait[train] > 0;
}

// The first signal of its route that the train has still to pass.
const Leg* SignalAhead(const GameState& g, int train) {
    const Route route = RouteOf(g, train);
    const int head = HeadSection(g, train);
    for (int i = 0; i < route.Count; ++i) {
        if (route.Legs[i] && SignalStillNeeded(*route.Legs[i], head)) return route.Legs[i];
    }
    return nullptr;
}

bool RoadHeldByOther(const GameState& g, const Leg& leg, int train) {
    for (int s : leg.Clear) {
        if (s == 0) break;
        if (HeldByOther(g, s, train)) return true;
    }
    for (int entry : g.LeverPullTrack[leg.Signal]) {
        if (entry > 0 && HeldByOther(g, entry, train)) return true;
    }
    return false;
}

// Another train's signal stands off across the points the leg needs: the road is set for it.
bool RoadSetForOther(const GameState& g, const Leg& leg) {
    if (PullWouldPass(g, leg.Signal)) return false;
    for (int lever = 1; lever <= LeverCount; ++lever) {
        if (lever == leg.Signal || g.LeverNormal[lever] != 0) continue;
        if (g.LeverKind[lever] != LeverStop) continue;
        for (int lock : g.LeverPullLock[leg.Signal]) {
            if (lock == lever) return true;  // our signal needs that one normal
        }
    }
    return false;
}

}  // namespace

bool Delayed(const GameState& g, int train, int lateIn) {
    const int state = g.TrainState[train];
    if (g.TrainSect[train] == 0) return false;
    if (state != 4 && state != 5) return false;
    // A train that has just come in from a box stands for a tick at the very start of its first
    // section before it gets going, which is no delay.
    const int section = g.TrainSect[train];
    if (g.TrainSpeed[train] != 0 || g.TrainToGo[train] == g.SectLength[section] ||
        StationStop(g, train)) {
        return false;
    }
    // A departure stands in the sidings until it is due.
    if (g.TrainFrom[train] == YardLine && g.ClockNow < g.TrainDue[train] + lateIn) return false;
    return true;
}

DelayCause StandingCause(const GameState& g, int train) {
    const int head = g.TrainSect[train];
    const Leg* leg = SignalAhead(g, train);
    const bool forYard = g.TrainTo[train] == YardLine || g.TrainFrom[train] == YardLine;
    if (!leg) return forYard && InSidings(head) ? DelayCause::Yard : DelayCause::Signal;
    if (leg->Signal == YardHomeLever && !g.YardClear) return DelayCause::Yard;
    if (RoadHeldByOther(g, *leg, train) || RoadSetForOther(g, *leg)) return DelayCause::Regulating;
    const int box = BoxAhead(g, train);
    if (box != 0 && leg->Signal == SectionSignal[box] && !LineFreeTowards(g, box)) {
        return DelayCause::LineClear;
    }
    if (forYard && InSidings(head) && !g.YardClear) return DelayCause::Yard;
    return DelayCause::Signal;
}

}  // namespace kv41
