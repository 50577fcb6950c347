#include "signalman/yard_departures.h"

#include <algorithm>

#include "controls/track_queries.h"
#include "model/bell_codes.h"
#include "model/box_rules.h"
#include "running/section_entry.h"
#include "running/yard.h"
#include "signalman/regulation.h"

namespace kv41 {

namespace {

// When the yard was first free to put the departure out (now, while a departure put out after
// its time still stands on the yard road).
int YardFreeFor(const GameState& g, int departure) {
    // The register shows when each departure was put out and when it started away: one put out
    // after this one was due held the yard road, and the yard put nothing else out, until then.
    const int due = DuePlusLate(g, departure);
    int free = due;
    for (int t = 2; t <= g.TrainCount; ++t) {
        if (t == departure || g.TrainFrom[t] != YardLine || FromDownSidings(g, t)) continue;
        int out = g.TrainTimes[t][RegLineClearGiven];
        if (out == NoTime || out < due) continue;
        int left = g.TrainTimes[t][RegTesSent];
        free = std::max(free, left == NoTime ? g.ClockNow : left);
    }
    return free;
}

}  // namespace

int NextYardDeparture(const GameState& g) {
    int next = g.LineTrains[YardLine][0];
    if (!IsTrain(g, next) || next == 1 || g.TrainState[next] < TrainRunning) return next;
    // Out on the yard road already: the timetable's next, by its time as last reported.
    int best = 0;
    for (int t = 2; t <= g.TrainCount; ++t) {
        if (t == next || g.TrainFrom[t] != YardLine || FromDownSidings(g, t) ||
            !IsBookedOrReported(g, t))
            continue;
        if (best == 0 || DuePlusLate(g, t) < DuePlusLate(g, best)) best = t;
    }
    return best;
}

bool EngineAwaited(const GameState& g, int departure) {
    constexpr int JustAfterTheTurn = 10;
    if (DuePlusLate(g, departure) > g.ClockNow - 1) return false;
    if (!g.YardClear || g.SectTrain[YardRoadSect] != 0 || g.YardTrain != 0 || !IsNormal(g, 43))
        return false;
    for (int s : {DownSidingTwoSect, DownSidingOneSect}) {
        int t = g.SectTrain[s];
        if (t != 0 && DuePlusLate(g, t) <= g.ClockNow) return false;
    }
    return g.MinuteTick == JustAfterTheTurn || g.BoxShuntForward[4] != 0;
}

bool NotLongOverdue(const GameState& g, int departure, int now) {
    constexpr int LongOverdue = 10;
    return YardFreeFor(g, departure) >= now - LongOverdue;
}

bool YardDepartureCharged(const GameState& g, int within) {
    int next = g.LineTrains[YardLine][0];
    if (next <= 1 || next > g.TrainCount || FromDownSidings(g, next) || g.TrainTo[next] == 5)
        return false;
    return DuePlusLate(g, next) + DelayAllowance(g, next) <= g.ClockNow + within &&
           NotLongOverdue(g, next, g.ClockNow);
}

bool YardQueueLate(const GameState& g) {
    // (The line's next departure with its lateness as reported, the others as booked.)
    for (std::size_t e = 0; e <= 3; ++e) {
        int t = g.LineTrains[YardLine][e];
        if (!IsTrain(g, t) || t == 1 || !IsBookedOrReported(g, t) || FromDownSidings(g, t) ||
            g.TrainTo[t] == 5)
            continue;
        int due = e == 0 ? DuePlusLate(g, t) : g.TrainDue[t];
        if (due + DelayAllowance(g, t) < g.ClockNow) return true;
    }
    return false;
}

bool YardRoadFirst(const GameState& g, const TrainsInHand& trains, int box) {
    int waiting = 0;
    for (int i = 0; i < trains.Count && waiting == 0; ++i) {
        int t = trains.Train[static_cast<std::size_t>(i)];
        if (BoxAhead(g, t) == box &&
            LineClearCode(g.TrainClass[t], g.TrainTo[t]) == g.BoxAcceptedCode[box])
            waiting = t;
    }
    constexpr int InHand = 10, Soon = 10;
    if (waiting != 0 &&
        (HeadSection(g, waiting) != 0 ||
         DuePlusLate(g, waiting) + DelayAllowance(g, waiting) <= g.ClockNow + InHand))
        return false;
    if (YardQueueLate(g)) return true;
    int next = NextYardDeparture(g);
    return (waiting == 0 || ClearRoadPoints(g.TrainClass[waiting]) <= 1) && next > 1 &&
           next <= g.TrainCount && DuePlusLate(g, next) <= g.ClockNow + Soon &&
           NotLongOverdue(g, next, g.ClockNow);
}

bool WaitsForYardDeparture(const GameState& g, int train) {
    constexpr int InHand = 10;
    if (g.TrainFrom[train] != 1 || (g.TrainTo[train] != 4 && g.TrainTo[train] != 5) ||
        ClearRoadPoints(g.TrainClass[train]) > 1 ||
        DuePlusLate(g, train) + DelayAllowance(g, train) <= g.ClockNow + InHand ||
        !YardQueueLate(g))
        return false;
    int onYardRoad = g.SectTrain[YardRoadSect];
    if (onYardRoad != 0) {
        int box = BoxOfLine(g.TrainTo[onYardRoad]);
        return g.TrainFrom[onYardRoad] == YardLine && box != 0 &&
               OutgoingBlock(g, box) != TrainOnLine;
    }
    int next = NextYardDeparture(g);
    return next > 1 && next <= g.TrainCount && DuePlusLate(g, next) <= g.ClockNow &&
           NotLongOverdue(g, next, g.ClockNow) && !EngineAwaited(g, next);
}

}  // namespace kv41
