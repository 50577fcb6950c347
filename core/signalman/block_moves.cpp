// The signalman at the block shelf: answers what the boxes ring, works the instruments by hand
// when they are not automatic, and rings the boxes ahead and in rear for his own trains.
#include <string>

#include "controls/block_working.h"
#include "controls/track_queries.h"
#include "game_state.h"
#include "model/bell_codes.h"
#include "model/clock.h"
#include "running/yard.h"
#include "signalman/overtaking.h"
#include "signalman/regulation.h"
#include "signalman/route_legs.h"
#include "signalman/running_times.h"
#include "signalman/signalman_moves.h"
#include "signalman/yard_departures.h"

namespace kv41 {

namespace {

constexpr int SectionSignal[BoxCount + 1] = {0, 46, 42, 4, 6};
constexpr int SectionSignalSection[BoxCount + 1] = {0, 14, 11, 34, 34};

// Where our train's head is once it is at or past our section signal towards each box (or, from
// the sidings, on its way out to it).
constexpr std::array<int, 12> NearSectionSignal[BoxCount + 1] = {
    {},
    {11, 12, 13, 14, 15, 16},
    {11, 12, 22, 23, 24, 25, 26, 27},
    {33, 34, 35, 36, 37, 38, 39, 17, 9, 8},
    {33, 34, 35, 36, 37, 40, 41, 42, 17, 9, 8}};
constexpr std::array<int, 8> PastSectionSignal[BoxCount + 1] = {
    {}, {15, 16}, {12, 22, 23, 24, 25, 26, 27}, {35, 36, 37, 38, 39}, {35, 36, 37, 40, 41, 42}};

std::string BoxWords(const GameState& g, int box) {
    std::string name = g.BoxName[box];
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return name;
}

SignalmanMove Bell(const GameState& g, int box, int code, const std::string& why) {
    std::string label(BellCodeLabel(code));
    return {MoveKind::Bell, box, code,
            "send " + label + " (" + std::string(BellCodeOf(code).Meaning) + ") to " +
                BoxWords(g, box) + ": " + why};
}

bool ShownUnanswered(const GameState& g, int box) {
    return g.BoxBellShown[box] != 0 && g.BoxBellAnswered[box] == 0;
}

// A code that needs the box's attention goes after call attention, when the rules ask for it.
SignalmanMove Ring(const GameState& g, int box, int code, const std::string& why) {
    bool needsAttention =
        BellCodeOf(code).NeedsCallAttention && !(code == BellTrainOut && g.Rules == RuleBook::WR);
    if (needsAttention && g.RequireCallAttention && g.BoxAttending[box] == 0)
        return Bell(g, box, BellCallAttention, "first, to " + why);
    return Bell(g, box, code, why);
}

// Some train in hand, not waiting for another at the junction, answers the code the box
// accepted.
bool AnyTrainAnswers(const GameState& g, const TrainsInHand& trains, int box) {
    for (int i = 0; i < trains.Count; ++i) {
        int t = trains.Train[static_cast<std::size_t>(i)];
        if (BoxAhead(g, t) == box && !GivesWay(g, t) && !WaitsAtJunction(g, trains, t) &&
            LineClearCode(g.TrainClass[t], g.TrainTo[t]) == g.BoxAcceptedCode[box])
            return true;
    }
    return false;
}

// A departure for Pellingford stands in the sidings.
bool DepartureForPellingfordWaiting(const GameState& g) {
    for (int s : {18, 19, 20}) {
        int t = g.SectTrain[s];
        if (t != 0 && g.TrainFrom[t] == YardLine && g.TrainTo[t] == 1) return true;
    }
    return false;
}

// A train of ours for the branch is still in the area.
bool BranchTrainInTheArea(const GameState& g) {
    for (int t = 1; t <= g.TrainCount; ++t)
        if (g.TrainTo[t] == 2 && g.TrainFrom[t] != 2 && InTheArea(g, t)) return true;
    return false;
}

// The answer to what the box shows on its bell indicator.
bool Answer(const GameState& g, int box, SignalmanMove& move) {
    // An answer already sent waits for the box's turn.
    if (!ShownUnanswered(g, box) || g.BoxBellSent[box] != 0) return false;
    int shown = g.BoxBellShown[box];
    if (shown == BellCallAttention) {
        move = Bell(g, box, BellCallAttention, "the box calls attention");
        return true;
    }
    if (shown == BellTrainEntering) {
        move = Bell(g, box, BellTrainEntering, "acknowledge its train entering section");
        return true;
    }
    if (shown == BellTrainOut) {
        if (g.Rules == RuleBook::WR) return false;
        int answer = g.Rules == RuleBook::LMR ? BellCallAttention : BellTrainOut;
        move = Bell(g, box, answer, "acknowledge train out of section");
        return true;
    }
    // The branch is a single line: nothing is accepted off it while our train for it has
    // line clear or is on its way through our area. Once ours is out on the line, Brenley holds
    // its own train until ours is in, and sends train out of section for ours only when its
    // offer is answered: left unanswered, the offer would lock the branch for the rest of the
    // day, and hold the up home and the down starter with it.
    if (box == 2 && IsLineClearCode(shown) &&
        (OutgoingBlock(g, 2) == LineClear ||
         (OutgoingBlock(g, 2) == TrainOnLine && BranchTrainInTheArea(g))))
        return false;
    if (IsLineClearCode(shown) && AcceptanceAllowed(g, box)) {
        int t = g.BoxOfferedTrain[box];
        // A train off the loop for the sidings whose road is taken by a departure for
        // Pellingford waits at Radlow Rd: at our loop home it would stand where that departure
        // must draw out.
        if (t != 0 && box == 4 && g.TrainTo[t] == YardLine && !ReceptionRoadFree(g, t) &&
            DepartureForPellingfordWaiting(g))
            return false;
        move = Bell(g, box, shown, "accept " + (t != 0 ? TrainName(g, t) : "its train"));
        return true;
    }
    return false;
}

// The train that will run off the blocked-back line: a departure for Pellingford that has not
// yet come back off the LMS loop past the inner home.
bool BlockedBackNeeded(const GameState& g, const TrainsInHand& trains) {
    for (int i = 0; i < trains.Count; ++i) {
        int t = trains.Train[static_cast<std::size_t>(i)];
        if (g.TrainFrom[t] != YardLine || g.TrainTo[t] != 1) continue;
        if (ListHolds(std::array<int, 10>{18, 19, 20, 17, 9, 8, 7, 38, 6, 5}, HeadSection(g, t)))
            return true;
    }
    return false;
}

// An up train for the sidings still on its way into the LMS loop or standing in it.
bool ShuntForwardNeeded(const GameState& g, const TrainsInHand& trains) {
    for (int i = 0; i < trains.Count; ++i) {
        int t = trains.Train[static_cast<std::size_t>(i)];
        if (g.TrainFrom[t] != 1 || g.TrainTo[t] != YardLine) continue;
        int head = HeadSection(g, t);
        if (ListHolds(std::array<int, 6>{35, 36, 37, 40, 41}, head)) return true;
        // Not into the loop while a departure for Radlow Rd is due: it needs the loop too. But
        // once the up starter to the loop is off for the train, it goes in: withdrawn then, the
        // shunt would let the departure have the line and run into the loop behind it.
        bool before = ListHolds(std::array<int, 10>{Coming, 29, 30, 31, 10, 32, 33, 34},
                                head == 0 ? Coming : head);
        if (before && (!RadlowDepartureDue(g) || IsReversed(g, 6))) return true;
    }
    return false;
}

// Rings a box about our own trains: train out of section for the train that came from it,
// train entering section and the offer of the next train for it, and the special workings.
bool RingAbout(const GameState& g, const TrainsInHand& trains, int box, SignalmanMove& move) {
    // The box takes nothing from us while its train entering or out of section waits for us.
    int shown = g.BoxBellShown[box];
    if (g.BoxBellSent[box] != 0) return false;
    if (ShownUnanswered(g, box) &&
        (shown == BellTrainEntering || shown == BellTrainOut || shown == BellCallAttention))
        return false;
    int rear = g.BoxOfferedTrain[box];
    if (rear != 0 && g.TrainState[rear] >= TrainRunning &&
        g.TrainTimes[rear][RegToosSent] == NoTime && ToosAllowed(g, box) &&
        !ListHolds(BeforeHomeSignal[box], HeadSection(g, rear))) {
        move = Ring(g, box, BellTrainOut, TrainName(g, rear) + " is out of section");
        return true;
    }
    if (box == 4 && g.BoxBlockedBack[4] != 0 && !BlockedBackNeeded(g, trains) &&
        ToosAllowed(g, box)) {
        move =
            Ring(g, box, BellTrainOut, "obstruction removed: the departure is clear of the line");
        return true;
    }
    if (box == 4 && g.BoxShuntForward[4] != 0 && !ShuntForwardNeeded(g, trains) &&
        OutgoingBlock(g, 4) == TrainOnLine && !AnyOccupied(g, {40, 41})) {
        move = Ring(g, box, BellShuntWithdrawn, "the train is back out of the LMS loop");
        return true;
    }
    int ahead = NextTrainFor(g, trains, box);
    int outgoing = OutgoingBlock(g, box);
    // A line clear given for a train no longer coming (a departure taken back into the yard):
    // cancelled, so that the next train is offered under its own code.
    if (outgoing == LineClear && g.BoxShuntForward[box] == 0 &&
        !IsReversed(g, SectionSignal[box]) && !IsReversed(g, 30) &&
        !AnyTrainAnswers(g, trains, box)) {
        move = Ring(g, box, BellCancel, "the train it gave line clear for is not coming now");
        return true;
    }
    // A train of another kind standing at our starter while the one the line clear was asked
    // for is still behind it: the line clear is cancelled and the train that is there offered
    // instead.
    int standing = g.SectTrain[SectionSignalSection[box]];
    if (outgoing == LineClear && g.BoxShuntForward[box] == 0 &&
        !IsReversed(g, SectionSignal[box]) && !IsReversed(g, 30) && standing != 0 &&
        BoxAhead(g, standing) == box &&
        LineClearCode(g.TrainClass[standing], g.TrainTo[standing]) != g.BoxAcceptedCode[box] &&
        standing != ahead) {
        move = Ring(g, box, BellCancel, TrainName(g, standing) + " is at the starter first");
        return true;
    }
    // A departure on the yard road holds every departure behind it in the yard: with one of
    // those past its allowance, a line clear asked for a train still on its way from the box in
    // rear is cancelled, and the departure offered first.
    int onYardRoad = g.SectTrain[YardRoadSect];
    if (outgoing == LineClear && g.BoxShuntForward[box] == 0 &&
        !IsReversed(g, SectionSignal[box]) && !IsReversed(g, 30) && onYardRoad != 0 &&
        g.TrainFrom[onYardRoad] == YardLine && BoxAhead(g, onYardRoad) == box &&
        LineClearCode(g.TrainClass[onYardRoad], g.TrainTo[onYardRoad]) != g.BoxAcceptedCode[box] &&
        YardRoadFirst(g, trains, box)) {
        move = Ring(g, box, BellCancel,
                    TrainName(g, onYardRoad) +
                        " on the yard road goes first, with departures due behind it");
        return true;
    }
    if (outgoing != LineBlocked || g.BoxShuntForward[box] != 0) return false;
    // While the box's own offer stands unanswered, a line clear code sent to it would be taken
    // as the answer to that offer.
    // Nor is a train offered onto the branch while one accepted off it has still to come clear.
    bool branchTaken = box == 2 && rear != 0 && g.TrainTimes[rear][RegToosSent] == NoTime;
    if (ahead != 0 && !branchTaken && !(IsLineClearCode(shown) && g.BoxBellAnswered[box] == 0)) {
        int code = LineClearCode(g.TrainClass[ahead], g.TrainTo[ahead]);
        move = Ring(g, box, code, "is line clear for " + TrainName(g, ahead) + "?");
        return true;
    }
    if (box == 4 && ShuntForwardNeeded(g, trains) && g.BoxShuntForward[4] == 0 &&
        !PellingfordDepartureDue(g)) {
        move = Ring(g, box, BellShuntForward, "the up train for the sidings must use the LMS loop");
        return true;
    }
    if (box == 4 && g.BoxBlockedBack[4] == 0 && g.BoxOfferedTrain[4] == 0 &&
        IncomingBlock(g, 4) == LineBlocked && BlockedBackNeeded(g, trains) &&
        !DrawsOutLater(g, trains)) {
        move = Ring(g, box, BellBlockingBack,
                    "the departure for Pellingford must draw out onto the LMS loop");
        return true;
    }
    return false;
}

// Train entering section for our train as it starts into the section ahead: first of all,
// since the train may be gone before the next chance.
bool TrainEntering(const GameState& g, const TrainsInHand& trains, int box, SignalmanMove& move) {
    if (g.BoxBellSent[box] != 0 || OutgoingBlock(g, box) != LineClear) return false;
    int shown = g.BoxBellShown[box];
    if (g.BoxBellAnswered[box] == 0 && (shown == BellTrainEntering || shown == BellTrainOut))
        return false;
    int ahead = NextTrainFor(g, trains, box);
    if (ahead == 0) return false;
    int head = HeadSection(g, ahead);
    // (The exchange sidings starter starts only a train on the sidings' side of it: off for a
    // departure drawing out onto the loop, it says nothing of a train at the up starter.)
    bool fromSidings = head == 17 || head == 9 || head == 8;
    bool starting = ListHolds(PastSectionSignal[box], head) ||
                    (ListHolds(NearSectionSignal[box], head) &&
                     (IsReversed(g, SectionSignal[box]) || (fromSidings && IsReversed(g, 30))));
    if (!starting || !TrainEnteringSectionTowards(g, box)) return false;
    move = Ring(g, box, BellTrainEntering, TrainName(g, ahead) + " is starting into the section");
    return true;
}

}  // namespace

bool InstrumentMove(const GameState& g, SignalmanMove& move) {
    if (g.AutoBlockInstruments) return false;
    for (int box : {1, 3, 4}) {
        int t = g.BoxOfferedTrain[box];
        int want = LineBlocked;
        if (g.BoxBlockedBack[box] != 0) {
            want = TrainOnLine;
        } else if (t != 0 && g.TrainState[t] == TrainAccepted) {
            want = LineClear;
        } else if (t != 0 && g.TrainState[t] >= TrainRunning &&
                   g.TrainTimes[t][RegToosSent] == NoTime) {
            want = TrainOnLine;
        }
        if (IncomingBlock(g, box) == want) continue;
        static constexpr const char* Names[] = {"Train On Line", "Line Clear", "Line Blocked"};
        move = {MoveKind::Instrument, box, 0,
                "turn the instrument for " + BoxWords(g, box) + " to " + Names[want]};
        return true;
    }
    return false;
}

bool BellMove(const GameState& g, const TrainsInHand& trains, SignalmanMove& move) {
    for (int box = 1; box <= BoxCount; ++box)
        if (TrainEntering(g, trains, box, move)) return true;
    for (int box = 1; box <= BoxCount; ++box)
        if (Answer(g, box, move)) return true;
    for (int box = 1; box <= BoxCount; ++box)
        if (RingAbout(g, trains, box, move)) return true;
    return false;
}

}  // namespace kv41
