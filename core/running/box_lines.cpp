// The lines' queues: which train each line hands its box next, when the box takes it, and
// the spacing of the trains behind it.
#include "game_state.h"
#include "model/box_rules.h"
#include "running/boxes.h"
#include "running/call_messages.h"
#include "running/yard.h"

namespace kv41 {
namespace {

// A train expected at 1441 or later runs after the shift's day and is never chosen.
constexpr int BeyondTheDay = 1441;
constexpr std::array<int, 4> BoxLines{1, 2, 4, 5};

// Gives a train the lateness that brings it to `time`, and lets its box report it afresh.
void SpaceTo(GameState& g, int train, int time) {
    g.TrainLate[train] = time - g.TrainDue[train];
    g.TrainState[train] = TrainBooked;
    ReportDelay(g, train);
}

}  // namespace

void OfferFromLines(GameState& g) {
    for (int line : BoxLines) {
        const int box = BoxOfLine(line);
        const int t = g.LineTrains[line][0];
        if (!IsTrain(g, t) || g.BoxOfferedTrain[box] != 0) continue;
        const int offer = OfferTime(g, box, t);
        if (offer > g.ClockNow) continue;
        // The headway is that of the line the train leaves by: two trains for the same exit
        // are never taken closer together than it allows.
        const int exit = g.TrainTo[t];
        const bool exitKnown = exit >= 1 && exit <= LineCount;
        if (exitKnown && g.ClockNow - g.LineLastTime[exit] < g.LineHeadway[exit]) continue;
        g.BoxOfferedTrain[box] = t;
        if (exitKnown) g.LineLastTime[exit] = g.ClockNow;
        if (offer < g.ClockNow) g.TrainLate[t] += g.ClockNow - offer;
    }
}

void AdvanceLine(GameState& g, int line) {
    if (line < 1 || line > LineCount) return;
    const int entered = g.LineTrains[line][0];
    if (!IsTrain(g, entered)) return;
    const int group = TrainGroup(g, entered);
    int found = 0;
    for (int r = entered + 1; r <= g.TrainCount && found == 0; ++r) {
        if (g.TrainFrom[r] != line || !IsBookedOrReported(g, r)) continue;
        if (TrainGroup(g, r) != group) continue;
        // Down-siding departures start from their siding, not from the yard's queue.
        if (line == YardLine && FromDownSidings(g, r)) continue;
        found = r;
    }
    g.LineTrains[line][group] = found;
    ChooseNextOnLine(g, line);
}

void ChooseNextOnLine(GameState& g, int line) {
    if (line < 1 || line > LineCount) return;
    auto& heads = g.LineTrains[line];
    if (heads[0] == 0) return;
    int next = 0;
    for (int e = 3; e >= 1; --e) {
        const int h = heads[e];
        if (!IsTrain(g, h) || DuePlusLate(g, h) >= BeyondTheDay) continue;
        if (next == 0 || DuePlusLate(g, h) < DuePlusLate(g, next)) next = h;
    }
    heads[0] = next;
    if (line == YardLine || next == 0) return;

    // The chosen train cannot reach us sooner than its box's running time after a headway.
    const int box = BoxOfLine(line);
    const int earliest = g.ClockNow + LeadA(g, box, next) + g.LineHeadway[line];
    if (DuePlusLate(g, next) < earliest) g.TrainLate[next] = earliest - g.TrainDue[next];
    ReportDelay(g, next);

    // The other heads follow it at the line's headway: the earliest (w) first, then the one
    // it displaced (v).
    int limit = DuePlusLate(g, next) + g.LineHeadway[line];
    int best = limit;
    int w = 0;
    int v = 0;
    for (int e = 3; e >= 1; --e) {
        const int h = heads[e];
        if (!IsTrain(g, h) || h == next) continue;
        if (DuePlusLate(g, h) < best) {
            v = w;
            w = h;
            best = DuePlusLate(g, h);
        }
    }
    for (int follower : {w, v}) {
        if (follower == 0 || DuePlusLate(g, follower) >= limit) continue;
        SpaceTo(g, follower, limit);
        limit = DuePlusLate(g, follower) + g.LineHeadway[line];
    }
}

}  // namespace kv41
