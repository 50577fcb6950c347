// The signalman at the frame: puts back what no train needs any more, and sets the next leg of
// each train's route, working out first, on the locking alone, an order of moves that sets the
// whole leg, so that he never leaves a route half set across another.
#include <array>
#include <string>

#include "controls/interlocking.h"
#include "controls/routes.h"
#include "controls/track_queries.h"
#include "game_state.h"
#include "model/bell_codes.h"
#include "model/box_rules.h"
#include "running/section_entry.h"
#include "running/yard.h"
#include "signalman/overtaking.h"
#include "signalman/regulation.h"
#include "signalman/route_legs.h"
#include "signalman/signalman_moves.h"
#include "signalman/trains_in_hand.h"
#include "signalman/yard_departures.h"

namespace kv41 {

namespace {

using LeverSet = std::array<bool, LeverCount + 1>;

// Which train's route holds each lever, by its place in the order of working (Free: none). A
// lever held only as a point of a leg not yet cleared may be taken back by a train worked
// before that one; one in a leg already cleared is held until the train has passed.
constexpr int Free = 1000;
struct Holds {
    std::array<int, LeverCount + 1> Cleared;  // by the train of a cleared leg
    std::array<int, LeverCount + 1> Waiting;  // by a point of a train's next leg
    // Kept normal by the train of a cleared leg whose way they would cross (the route locking
    // of a real frame): no other train's route may reverse them until it is through.
    std::array<int, LeverCount + 1> KeptNormal;
    Holds() {
        Cleared.fill(Free);
        Waiting.fill(Free);
        KeptNormal.fill(Free);
    }
    bool MayPull(int lever, int rank) const {
        int by = KeptNormal[static_cast<std::size_t>(lever)];
        return by == Free || by == rank;
    }
    bool Any(int lever) const {
        auto l = static_cast<std::size_t>(lever);
        return Cleared[l] != Free || Waiting[l] != Free;
    }
    // Train number `rank` in the order of working may put the lever back (also its own).
    bool MayTake(int lever, int rank) const {
        auto l = static_cast<std::size_t>(lever);
        return Cleared[l] == Free && Waiting[l] >= rank;
    }
};

// The frame as the signalman works it out in his head: which levers stand normal.
struct Frame {
    LeverSet Normal{};
    const Holds* Held = nullptr;
    int Rank = 0;
    const GameState* G = nullptr;
    std::array<int, 8> LegLevers{};
    int FirstMove = 0;  // the first lever he would move
    bool FirstIsPull = false;

    void Move(int lever, bool pull) {
        if (FirstMove == 0) {
            FirstMove = lever;
            FirstIsPull = pull;
        }
        Normal[static_cast<std::size_t>(lever)] = !pull;
    }

    bool IsNormal(int lever) const { return Normal[static_cast<std::size_t>(lever)]; }

    // Lever n must stand normal: put it back if no train needs it, and what locks it first.
    bool MakeNormal(int n, int depth) {
        if (IsNormal(n)) return true;
        if (!Held->MayTake(n, Rank) || depth > 4) return false;
        if (!LocksAllow(G->LeverRestoreLock[n], depth)) return false;
        Move(n, false);
        return true;
    }

    bool LocksAllow(const std::array<int32_t, 6>& row, int depth) {
        for (int entry : row) {
            int n = entry < 0 ? -entry : entry;
            if (n < 1 || n > LeverCount) continue;
            if (entry > 0 && !MakeNormal(n, depth + 1)) return false;
            // A point the leg set first and had to put back to free another lever: again.
            if (entry < 0 && IsNormal(n) && !(depth < 4 && PullTo(n, depth + 1))) return false;
        }
        return true;
    }

    bool PullTo(int lever, int depth) {
        if (!IsNormal(lever)) return true;
        if (!Held->MayPull(lever, Rank)) return false;
        if (!ListHolds(LegLevers, lever)) return false;  // only the leg's own levers
        if (!LocksAllow(G->LeverPullLock[lever], depth)) return false;
        Move(lever, true);
        return true;
    }

    bool Pull(int lever) { return PullTo(lever, 0); }
};

// The leg's signal is off for this train. The exchange sidings starter sets its route for the
// departure due first among the sidings' roads: off for another, it is not off for this one.
bool ClearedFor(const GameState& g, const Leg& leg, int train) {
    if (!IsReversed(g, leg.Signal)) return false;
    int head = HeadSection(g, train);
    return leg.Signal != 30 || !(head == 18 || head == 19 || head == 20) || g.SectNext[head] == 17;
}

// A down train stands across the road into the sidings (section 9) at a starter still at danger.
// A train backed out of the LMS loop behind it would stand across the up main waiting for it,
// and the down train's line ahead may itself wait for an up train there (the branch stays
// blocked until a train off it is clear of the junction).
bool DownTrainHeldAtStarter(const GameState& g, int train) {
    if (IsReversed(g, 47) || IsReversed(g, 42)) return false;
    for (int s : {9, 11}) {
        int other = g.SectTrain[s];
        if (other != 0 && other != train && g.TrainTo[other] != YardLine) return true;
    }
    return false;
}

// A departure from the sidings whose box ahead has given line clear for another train (one
// standing at the up starter, say): its points would stand across that train's road while it
// waits for the line that train is to take first.
bool LineAheadForAnother(const GameState& g, const TrainsInHand& trains, int train) {
    int box = BoxAhead(g, train);
    return box >= 1 && box <= BoxCount && OutgoingBlock(g, box) == LineClear &&
           NextTrainFor(g, trains, box) != train;
}

// Brought up to the next signal while that one cannot be cleared yet, the train would stand in
// sections another box's train must have cleared before train out of section goes to that box:
// were that train out of them first, its train out of section would wait for this one to move
// on, for as long as the yard is busy, say (a light engine for the sidings brought up behind a
// freight off the loop). It waits at this signal until train out of section is sent.
bool StandsInTheWayOfTrainOut(const GameState& g, int train, const Route& route, int j) {
    const Leg& leg = *route.Legs[static_cast<std::size_t>(j)];
    if (j + 1 >= route.Count) return false;
    const Leg& next = *route.Legs[static_cast<std::size_t>(j + 1)];
    bool stands = next.Signal == 43 && !g.YardClear;
    for (int s : next.Clear) stands = stands || (s != 0 && HeldByOther(g, s, train));
    if (!stands) return false;
    for (int box = 1; box <= BoxCount; ++box) {
        int other = OutOfSectionStillDue(g, box);
        if (other == 0 || other == train) continue;
        for (int s : leg.Clear)
            if (s != 0 && ListHolds(OutOfSectionSections[box], s)) return true;
    }
    return false;
}

// What the train's route holds: every leg cleared for it that it has still to pass, and the
// points of the next leg, which may stand half set while its signal waits for the line ahead.
void MarkHeld(const GameState& g, const TrainsInHand& trains, int rank, Holds& held) {
    int train = trains.Train[static_cast<std::size_t>(rank)];
    Route route = RouteOf(g, train);
    int head = HeadSection(g, train);
    auto hold = [](std::array<int, LeverCount + 1>& by, int lever, int rank) {
        auto l = static_cast<std::size_t>(lever);
        if (by[l] > rank) by[l] = rank;
    };
    // A train for the sidings that must wait for its road holds nothing it has not cleared.
    bool waiting = g.TrainTo[train] == YardLine && !ReceptionRoadFree(g, train);
    // Nor one that is to let the other line's train through the junction first: its home
    // signal's points would stand in that train's way.
    bool letsOtherThrough = WaitsAtJunction(g, trains, train);
    for (int i = 0; i < route.Count; ++i) {
        const Leg& leg = *route.Legs[static_cast<std::size_t>(i)];
        if (!StillNeeds(leg, head)) continue;
        bool passed = !SignalStillNeeded(leg, head);
        bool cleared = passed || ClearedFor(g, leg, train);
        // (And one in the LMS loop that cannot back out past a down train held at its starter:
        // the up main's points to the loop go back meanwhile for the up trains behind it. And
        // one waiting at the up starter for leave to shunt into the loop while the line from
        // Radlow Rd Jn is blocked back for a departure drawing out onto it: no leave comes
        // until that departure is back off the loop, and the loop points it would hold are
        // the ones the departure's road needs.)
        bool keepsOut = (letsOtherThrough && (leg.Signal == 2 || leg.Signal == 3)) ||
                        (leg.Precondition == NeedsShuntForward && g.BoxBlockedBack[4] != 0) ||
                        (leg.Signal == 45 &&
                         (DownTrainHeldAtStarter(g, train) || BacksOutLater(g, trains, train))) ||
                        (leg.Signal == 49 && WaitsForDownTrain(g, trains, train)) ||
                        (leg.Precondition == NeedsBlockedBack && DrawsOutLater(g, trains)) ||
                        (leg.Signal == 30 && LineAheadForAnother(g, trains, train)) ||
                        StandsInTheWayOfTrainOut(g, train, route, i);
        if (!cleared && (waiting || keepsOut)) break;
        for (int p : leg.Points)
            if (p != 0) hold(cleared ? held.Cleared : held.Waiting, p, rank);
        if (!cleared) break;
        // The exchange sidings home stays off until the train is at the entry to the sidings:
        // put back sooner, it lets the yard put a departure out on the yard road just before
        // the train makes the yard busy, and the departure must then be away before the yard
        // is done or be taken back.
        bool notYetIn = leg.Signal == 43 && head == 9;
        if (!passed || notYetIn) hold(held.Cleared, leg.Signal, rank);
        for (int n : leg.Normal)
            if (n != 0) hold(held.KeptNormal, n, rank);
    }
}

// The box ahead has given line clear for the train before the leg is begun at all (a line
// merely free behind a train on line is not enough: the train must be offered and accepted).
bool LineClearGiven(const GameState& g, const Leg& leg) {
    if (leg.Precondition == NeedsShuntForward) return true;  // leave to shunt, not line clear
    for (int entry : g.LeverPullTrack[leg.Signal]) {
        int box = entry >= -BoxCount && entry <= -1 ? -entry : 0;
        if (entry == -6 && ListHolds(leg.Points, 33)) box = ListHolds(leg.Points, 35) ? 4 : 3;
        if (box != 0 && OutgoingBlock(g, box) != LineClear) return false;
    }
    return true;
}

// A box's offer that waits for the signalman: the signals whose clearing would stop him
// accepting it are not cleared for anything new until it is accepted.
bool HoldsUpAnOffer(const GameState& g, int signal) {
    for (int box = 1; box <= BoxCount; ++box) {
        if (!IsLineClearCode(g.BoxBellShown[box]) || g.BoxBellAnswered[box] != 0) continue;
        int t = g.BoxOfferedTrain[box];
        switch (box) {
        case 1:
            if (signal == 2 || signal == 3) return true;
            break;
        case 2:
            if (signal == 3 || signal == 13) return true;
            if ((t == 0 || g.TrainTo[t] != 3) && (signal == 2 || signal == 47)) return true;
            break;
        case 3:
            if (signal == 50) return true;
            break;
        case 4:
            if (signal == 49) return true;
            break;
        }
    }
    return false;
}

SignalmanMove LeverMoveOf(const GameState& g, int lever, bool pull, const std::string& reason) {
    SignalmanMove move{MoveKind::Lever, lever, 0, {}};
    move.Reason = std::string(pull ? "pull " : "put back ") + g.LeverName[lever] + " " + reason;
    return move;
}

// A section signal is cleared only for the train its line clear was asked for.
bool LineClearIsFor(const GameState& g, const TrainsInHand& trains, int train, const Leg& leg) {
    if (leg.Precondition == NeedsShuntForward) return true;  // leave to shunt, not line clear
    for (int entry : g.LeverPullTrack[leg.Signal]) {
        int box = entry >= -BoxCount && entry <= -1 ? -entry : entry == -6 ? BoxAhead(g, train) : 0;
        if (box != 0 && NextTrainFor(g, trains, box) != train) return false;
    }
    return true;
}

// While a departure from the yard is due, a train for the sidings is let past the home signal
// only when the sidings home can be cleared for it at once: the yard shows clear and the road
// in is free. Once the yard shows clear it puts the departure out on the yard road at the turn
// of the minute unless the sidings home is off; brought up to that home meanwhile, the train
// would stand where the departure must pass, waiting for the road the departure holds.
bool SidingsHomeCanFollow(const GameState& g, int train, const Leg& leg) {
    if (g.TrainTo[train] != YardLine || (leg.Signal != 50 && leg.Signal != 49)) return true;
    if (IsReversed(g, 43) || !YardDepartureDue(g)) return true;
    // A departure costing points goes first: the train for the sidings, with time in hand, waits
    // at the home for it to be away.
    constexpr int InHand = 15, DepartureWithin = 15;
    if (DuePlusLate(g, train) + DelayAllowance(g, train) > g.ClockNow + InHand &&
        YardDepartureCharged(g, DepartureWithin))
        return false;
    return g.YardClear && !HeldByOther(g, 9, train) && !HeldByOther(g, 17, train);
}

// A departure from the sidings worked before the train, still standing on their roads while the
// line it is to take still holds the train before it, has its road across section 8: the train
// waits at the home signal, since at the inner home it would stand in the departure's way,
// waiting for points the departure's road holds.
bool DepartureBeforeIt(const GameState& g, const TrainsInHand& trains, int rank, const Leg& leg) {
    int train = trains.Train[static_cast<std::size_t>(rank)];
    if ((leg.Signal != 50 && leg.Signal != 49) || g.TrainTo[train] == YardLine) return false;
    for (int i = 0; i < rank; ++i) {
        int t = trains.Train[static_cast<std::size_t>(i)];
        int head = HeadSection(g, t);
        int box = BoxAhead(g, t);
        // (The line to Radlow Rd Jn on only for the shunt into the LMS loop: the departure goes
        // once the train in the loop has backed out, which waits for the down train itself.)
        bool shuntOnly = box == 4 && g.BoxShuntForward[4] != 0;
        if ((g.TrainFrom[t] == YardLine || PutAside(g, t)) &&
            (head == 18 || head == 19 || head == 20) && (box == 3 || box == 4) &&
            OutgoingBlock(g, box) == TrainOnLine && !shuntOnly)
            return true;
    }
    return false;
}

// A train leaving a down siding makes the yard busy as it passes the entry to the sidings. Were
// the yard to put a departure out on the yard road at the turn of the minute before it got
// there, the departure would have to be away before the yard was done, or be taken back into
// the yard, which then puts nothing out until its next arrival; and it cannot be away while the
// train from the siding still holds the line ahead. So the starter is pulled for it just after
// the turn: starting away it is at the entry within three or four ticks, and the yard is busy
// before it looks at its departures again.
// Whether the yard will put one out he judges by the held window (a departure due by now, none
// taken back, the yard road empty and the sidings home at danger), not by the yard's busy sign,
// which may go out at any tick before the turn.
bool OutOfSidingsBeforeRelease(const GameState& g, int train) {
    constexpr int TicksLeftInMinute = 8;
    if (!IsDownSiding(HeadSection(g, train)) || g.MinuteTick >= TicksLeftInMinute) return true;
    int next = g.LineTrains[YardLine][0];
    bool mayComeOut = next > 1 && IsTrain(g, next) && IsBookedOrReported(g, next) &&
                      !FromDownSidings(g, next) && DuePlusLate(g, next) <= g.ClockNow &&
                      g.SectTrain[YardRoadSect] == 0 && g.YardTrain == 0 && IsNormal(g, 43);
    return !mayComeOut;
}

// Sets the leg up to its signal, if the whole of it can be set now; false when it must wait.
bool SetLeg(const GameState& g, const TrainsInHand& trains, int rank, const Leg& leg,
            const Holds& held, SignalmanMove& move) {
    int train = trains.Train[static_cast<std::size_t>(rank)];
    for (int s : leg.Clear)
        if (s != 0 && HeldByOther(g, s, train)) return false;
    // A departure on the yard road while the yard is busy is worked first (it would be taken
    // back): no other train's leg keeps normal a point its road wants, even while that road
    // still waits for the line to be blocked back.
    int first = trains.Train[0];
    if (rank > 0 && !g.YardClear && g.SectTrain[18] == first && g.TrainFrom[first] == YardLine) {
        for (int n : leg.Normal)
            if (n != 0 && held.Waiting[static_cast<std::size_t>(n)] == 0) return false;
    }
    // A train for the sidings is not brought on while the road it will run into is taken; and
    // nothing else crosses the entry to the sidings while a departure waits on the yard road
    // (a train there makes the yard busy, and a departure still waiting when the yard is done
    // is taken back into the yard).
    if (g.TrainTo[train] == YardLine && !ReceptionRoadFree(g, train)) return false;
    // The exchange sidings starter sets its route for the departure due first on the sidings'
    // roads: it is pulled only when that is this train.
    if (leg.Signal == 30 && DepartingYardTrain(g) != train) return false;
    if (leg.Signal == 30 && !OutOfSidingsBeforeRelease(g, train)) return false;
    // (A train already at the sidings home stands in the departure's way: it goes in, and the
    // yard takes the departure back until it is done.)
    int onYardRoad = g.SectTrain[18];
    if (ListHolds(leg.Clear, 17) && onYardRoad != 0 && onYardRoad != train &&
        g.TrainFrom[onYardRoad] == YardLine && g.SectTrain[8] != train)
        return false;
    if (leg.Signal == 45 && (DownTrainHeldAtStarter(g, train) || BacksOutLater(g, trains, train)))
        return false;
    if (leg.Precondition == NeedsBlockedBack && DrawsOutLater(g, trains)) return false;
    if (leg.Precondition == NeedsShuntForward && g.BoxBlockedBack[4] != 0) return false;
    if (!SidingsHomeCanFollow(g, train, leg)) return false;
    if (DepartureBeforeIt(g, trains, rank, leg)) return false;
    if (!PreconditionMet(g, leg) || !LineClearGiven(g, leg) ||
        !LineClearIsFor(g, trains, train, leg) || HoldsUpAnOffer(g, leg.Signal))
        return false;
    Frame frame;
    for (int l = 1; l <= LeverCount; ++l)
        frame.Normal[static_cast<std::size_t>(l)] = IsNormal(g, l);
    frame.Held = &held;
    frame.Rank = rank;
    std::size_t n = 0;
    for (int p : leg.Points)
        if (p != 0) frame.LegLevers[n++] = p;
    frame.LegLevers[n] = leg.Signal;
    frame.G = &g;
    for (int n : leg.Normal)
        if (n != 0 && !frame.MakeNormal(n, 0)) return false;
    // Whatever any lever of the leg needs at normal goes back first, before any of its points
    // is pulled: else he would pull a point, find it in the way, and put it back again.
    for (int l : frame.LegLevers) {
        if (l == 0) break;
        for (int entry : g.LeverPullLock[l])
            if (entry > 0 && entry <= LeverCount && !ListHolds(frame.LegLevers, entry) &&
                !frame.MakeNormal(entry, 0))
                return false;
    }
    for (int p : leg.Points)
        if (p != 0 && !frame.Pull(p)) return false;
    if (!frame.Pull(leg.Signal) || frame.FirstMove == 0) return false;
    int lever = frame.FirstMove;
    if (frame.FirstIsPull) {
        if (!PullWouldPass(g, lever) || TrainCheckRefuses(g, lever)) return false;
        move = LeverMoveOf(g, lever, true, "for " + TrainName(g, train) + AsideWords(g, train));
    } else {
        if (!RestoreWouldPass(g, lever)) return false;
        move = LeverMoveOf(g, lever, false, "to set the road for " + TrainName(g, train));
    }
    return true;
}

}  // namespace

bool LeverMove(const GameState& g, const TrainsInHand& trains, SignalmanMove& move) {
    Holds held;
    for (int i = 0; i < trains.Count; ++i) MarkHeld(g, trains, i, held);

    // Behind the trains: every lever no train needs goes back, signals first.
    for (int kind : {LeverDistant, LeverStop, LeverPoints, LeverFpl}) {
        for (int l = 1; l <= LeverCount; ++l) {
            if (g.LeverKind[l] != kind || IsNormal(g, l) || held.Any(l)) continue;
            if (!RestoreWouldPass(g, l)) continue;
            move = LeverMoveOf(g, l, false, "behind the train: nothing needs it now");
            return true;
        }
    }

    // A signal cleared for a train still far off (on the line from the box in rear, or in the
    // long section beyond it), which stops the signalman accepting another box's train, goes
    // back for the moment, distant first and with the signals ahead of it that must stand at
    // danger for it to be cleared again: the other offer is taken, then they are cleared again.
    for (int l : {3, 13, 2, 47, 50, 49}) {
        auto rank = static_cast<std::size_t>(held.Cleared[static_cast<std::size_t>(l)]);
        if (IsNormal(g, l) || rank >= static_cast<std::size_t>(trains.Count) ||
            !HoldsUpAnOffer(g, l) || !FarFromSignal(g, trains.Train[rank], l) ||
            OfferWaitsForClearRoad(g, trains.Train[rank]))
            continue;
        std::array<int, 9> order{1, 51};
        std::size_t n = 2;
        for (int entry : g.LeverPullLock[l])
            if (entry > 0 && entry <= LeverCount && g.LeverKind[entry] == LeverStop)
                order[n++] = entry;
        order[n] = l;
        for (int lever : order) {
            if (lever != 0 && IsReversed(g, lever) && RestoreWouldPass(g, lever)) {
                move = LeverMoveOf(g, lever, false, "for the moment, to accept the train offered");
                return true;
            }
        }
    }

    // A home signal cleared for a train for the sidings still on the line from the box in rear,
    // whose road the yard has since taken with a departure, goes back: brought on to the sidings
    // home the train would stand where the departure must pass, and neither could move.
    for (int i = 0; i < trains.Count; ++i) {
        int t = trains.Train[static_cast<std::size_t>(i)];
        if (g.TrainTo[t] != YardLine || ReceptionRoadFree(g, t) || HeadSection(g, t) != 0) continue;
        for (int l : {50, 49}) {
            if (held.Cleared[static_cast<std::size_t>(l)] == i && IsReversed(g, l) &&
                RestoreWouldPass(g, l)) {
                move = LeverMoveOf(g, l, false, "until the departure has left the sidings");
                return true;
            }
        }
    }

    // In front of them: the next leg of each train's route, in the order the trains are worked.
    for (int i = 0; i < trains.Count; ++i) {
        int t = trains.Train[static_cast<std::size_t>(i)];
        Route route = RouteOf(g, t);
        int head = HeadSection(g, t);
        for (int j = 0; j < route.Count; ++j) {
            const Leg& leg = *route.Legs[static_cast<std::size_t>(j)];
            if (!SignalStillNeeded(leg, head) || ClearedFor(g, leg, t)) continue;
            // The up home and the branch homes, where trains from Pellingford and Brenley meet,
            // are not given to a train still on the line from its box: the other may come first.
            if (head == 0 && (leg.Signal == 2 || leg.Signal == 3 || leg.Signal == 13)) break;
            // Nor to one that is to let the other through the junction first.
            if ((leg.Signal == 2 || leg.Signal == 3) && WaitsAtJunction(g, trains, t)) break;
            if (leg.Signal == 49 && WaitsForDownTrain(g, trains, t)) break;
            if (leg.Signal == 2 && WaitsOffTheJunction(g, trains, t)) break;
            if (leg.Signal == 2 && WaitsForYardDeparture(g, t)) break;
            if (StandsInTheWayOfTrainOut(g, t, route, j)) break;
            if (SetLeg(g, trains, i, leg, held, move)) return true;
            break;  // the later signals wait for this one
        }
    }
    return false;
}

}  // namespace kv41
