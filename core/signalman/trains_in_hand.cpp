#include "signalman/trains_in_hand.h"

#include <algorithm>
#include <string>

#include "controls/routes.h"
#include "controls/track_queries.h"
#include "model/bell_codes.h"
#include "running/section_entry.h"
#include "running/yard.h"
#include "signalman/overtaking.h"
#include "signalman/regulation.h"
#include "signalman/route_legs.h"
#include "signalman/running_times.h"
#include "signalman/yard_departures.h"

namespace kv41 {

namespace {

bool InArea(const GameState& g, int t) {
    int s = g.TrainSect[t];
    if (g.TrainState[t] != TrainRunning && g.TrainState[t] != TrainStanding) return false;
    if (s < 1 || s > g.SectCount || g.SectTrain[s] != t) return false;
    // A departure waiting in the sidings is the signalman's only once it has been called.
    if (g.TrainFrom[t] == YardLine) return g.TrainTimes[t][RegLineClearGiven] != NoTime;
    return true;
}

bool AcceptedAndComing(const GameState& g, int t) {
    int box = BoxInRear(g, t);
    return g.TrainState[t] == TrainAccepted && box != 0 && g.BoxOfferedTrain[box] == t;
}

}  // namespace

int HeadSection(const GameState& g, int train) {
    return g.TrainState[train] == TrainAccepted ? 0 : g.TrainSect[train];
}

TrainsInHand FindTrainsInHand(const GameState& g) {
    TrainsInHand in;
    auto add = [&in](int t) {
        if (in.Count < MaxTrainsInHand) in.Train[static_cast<std::size_t>(in.Count++)] = t;
    };
    for (int t = 1; t <= g.TrainCount; ++t)
        if (InArea(g, t)) add(t);
    int inArea = in.Count;
    for (int t = 1; t <= g.TrainCount; ++t)
        if (AcceptedAndComing(g, t)) add(t);
    auto byTime = [&g](int register_) {
        return [&g, register_](int a, int b) {
            int ta = g.TrainTimes[a][register_], tb = g.TrainTimes[b][register_];
            return ta != tb ? ta < tb : a < b;
        };
    };
    auto first = in.Train.begin();
    std::stable_sort(first, first + inArea, byTime(RegTesReceived));
    std::stable_sort(first + inArea, first + in.Count, byTime(RegLineClearGiven));
    // A departure standing on the yard road while the yard shows busy goes first of all: when
    // the yard is done it takes back a departure that has not started away, and puts nothing
    // out again until its next arrival.
    int onYardRoad = g.SectTrain[18];
    auto departure = std::find(first, first + inArea, onYardRoad);
    if (!g.YardClear && onYardRoad != 0 && g.TrainFrom[onYardRoad] == YardLine &&
        departure != first + inArea)
        std::rotate(first, departure, departure + 1);
    return in;
}

// How far a train still has to go to the box ahead: the stop signals it has still to pass, and
// for a departure drawing out onto the loop, the four it will need when it comes back.
int LegsToGo(const GameState& g, int train) {
    Route route = RouteOf(g, train);
    int head = HeadSection(g, train);
    int legs = 0;
    for (int i = 0; i < route.Count; ++i) {
        const Leg& leg = *route.Legs[static_cast<std::size_t>(i)];
        if (!StillNeeds(leg, head) || g.LeverKind[leg.Signal] == LeverDistant) continue;
        // Standing at the starter itself: nearest of all.
        if (legs == 0 && head == SignalSection(leg.Signal) && g.LeverPullTrack[leg.Signal][0] < 0)
            return 0;
        ++legs;
        if (leg.Precondition == NeedsBlockedBack) legs += 4;
    }
    return legs;
}

// Another train for the same box from the other of Pellingford and the branch.
bool RivalAtJunction(const GameState& g, const TrainsInHand& trains, int train) {
    int from = g.TrainFrom[train];
    if (from != 1 && from != 2) return false;
    for (int i = 0; i < trains.Count; ++i) {
        int t = trains.Train[static_cast<std::size_t>(i)];
        if (t != train && BoxAhead(g, t) == BoxAhead(g, train) &&
            (g.TrainFrom[t] == 1 || g.TrainFrom[t] == 2) && g.TrainFrom[t] != from &&
            !PutAside(g, t))
            return true;
    }
    return false;
}

// A departure standing on the yard road, with the yard clear and time in hand, lets a passenger
// for the same box go first: sent ahead, it would hold the line the passenger, with little or
// no allowance, then waits for at the starter. So does one in a down siding, while the yard's
// next departure has time in hand too: the yard puts nothing out while it stands there due.
bool LetsPassengerFirst(const GameState& g, const TrainsInHand& trains, int t, int box) {
    constexpr int InHand = 15, YardInHand = 15;
    int head = HeadSection(g, t);
    bool onYardRoad = g.YardClear && head == YardRoadSect;
    bool inSiding = IsDownSiding(head) && !YardDepartureCharged(g, YardInHand);
    if (!(onYardRoad || inSiding) || g.TrainFrom[t] != YardLine ||
        g.ClockNow + InHand > DuePlusLate(g, t) + DelayAllowance(g, t))
        return false;
    for (int i = 0; i < trains.Count; ++i) {
        int u = trains.Train[static_cast<std::size_t>(i)];
        if (u != t && BoxAhead(g, u) == box && g.TrainClass[u] <= 2 && g.TrainFrom[u] != YardLine)
            return true;
    }
    return false;
}

int NextTrainFor(const GameState& g, const TrainsInHand& trains, int box) {
    // Once the box has accepted, its line clear is for the train that answers its code.
    int accepted = OutgoingBlock(g, box) != LineBlocked ? g.BoxAcceptedCode[box] : 0;
    int best = 0, bestLegs = 0;
    // (While its line clear stands, only a train that answers its code.)
    for (int pass = 0; pass < (accepted != 0 ? 1 : 2) && best == 0; ++pass) {
        for (int i = 0; i < trains.Count; ++i) {
            int t = trains.Train[static_cast<std::size_t>(i)];
            if (BoxAhead(g, t) != box || GivesWay(g, t) || WaitsAtJunction(g, trains, t)) continue;
            // A train from Pellingford or the branch is not offered on before it is in while a
            // train from the other is also on its way to the box: the other may reach the
            // junction first.
            if (pass == 1 && HeadSection(g, t) == 0 && RivalAtJunction(g, trains, t)) continue;
            if (pass == 1 && LetsPassengerFirst(g, trains, t, box)) continue;
            if (pass == 0 &&
                (accepted == 0 || LineClearCode(g.TrainClass[t], g.TrainTo[t]) != accepted))
                continue;
            // (A departure on the yard road while the yard is busy before all: the yard takes
            // it back unless it has started away when the yard is done.)
            bool urgent = !g.YardClear && g.SectTrain[18] == t && g.TrainFrom[t] == YardLine;
            int legs = urgent ? -1 : LegsToGo(g, t);
            if (best == 0 || legs < bestLegs) {
                best = t;
                bestLegs = legs;
            }
        }
    }
    return best;
}

int OutOfSectionStillDue(const GameState& g, int box) {
    int t = g.BoxOfferedTrain[box];
    if (!IsTrain(g, t) || g.TrainState[t] < TrainRunning || g.TrainTimes[t][RegToosSent] != NoTime)
        return 0;
    int head = HeadSection(g, t);
    bool beforeHome = InTheArea(g, t) && ListHolds(BeforeHomeSignal[box], head);
    return beforeHome || (head == 0 && g.TrainState[t] != TrainGone) ? 0 : t;
}

bool ReceptionRoadFree(const GameState& g, int train) {
    std::string dest = g.TrainDest[train];
    if (g.TrainTo[train] == YardLine && (dest.empty() || dest[0] != 'D'))
        return g.SectTrain[18] == 0;
    return g.SectTrain[19] == 0 || g.SectTrain[20] == 0;
}

bool YardDepartureDue(const GameState& g) {
    constexpr int Soon = 10;
    int next = g.LineTrains[YardLine][0];
    return next > 1 && next <= g.TrainCount && DuePlusLate(g, next) <= g.ClockNow + Soon;
}

bool RadlowDepartureDue(const GameState& g, int ahead) {
    constexpr int Soon = 20;
    for (int s : {18, 19, 20}) {
        int t = g.SectTrain[s];
        if (t != 0 && g.TrainFrom[t] == YardLine && g.TrainTo[t] == 5) return true;
    }
    // (One long overdue that the yard has not put out is not counted on: its engine may not
    // have come. Overdue only because the departure before it held the yard, it is still due.)
    int next = NextYardDeparture(g);
    int now = g.ClockNow + ahead;
    return next > 1 && next <= g.TrainCount && g.TrainTo[next] == 5 &&
           DuePlusLate(g, next) <= now + Soon && NotLongOverdue(g, next, now) &&
           !EngineAwaited(g, next);
}

}  // namespace kv41
