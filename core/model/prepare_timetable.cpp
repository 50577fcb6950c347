// Bringing the day's timetable up to the start of the chosen shift.
#include <array>
#include <string>

#include "game_state.h"
#include "model/timetable.h"
#include "platform/platform.h"

namespace kv41 {

namespace {

// Passes after which a train still waiting for its engine can only mean a broken chain of
// next workings.
constexpr int PassesBeforeGivingUp = 20;
// Trains booked this long after the shift's end never matter to it.
constexpr int BeyondShiftEnd = 30;

// Trains that ran before the shift began are finished with, and each hands its engine on to
// its next working, which may itself have run before the start: repeat until nothing moves.
// Returns the train whose engine could not be found, or 0.
int FinishTrainsBeforeStart(GameState& g) {
    bool changed = true;
    for (int pass = 1; changed; ++pass) {
        changed = false;
        for (int t = 1; t <= g.TrainCount; ++t) {
            if (IsBlankRow(g, t) || g.TrainDue[t] >= g.ShiftEnd + BeyondShiftEnd ||
                g.TrainState[t] == TrainGone)
                continue;
            if (g.TrainEngine[t] != EngineUnknown) {
                if (DuePlusLate(g, t) < g.ClockNow) {
                    g.TrainState[t] = TrainGone;
                    const int next = g.TrainNextWorking[t];
                    if (IsTrain(g, next)) g.TrainEngine[next] = g.TrainEngine[t];
                    changed = true;
                }
            } else if (pass > PassesBeforeGivingUp) {
                return t;
            }
        }
    }
    return 0;
}

// Trains of one group entering by one line are kept a headway apart, the later one made
// later; trains already past are dropped. Departures from the down sidings share line 3 with
// the exchange sidings but do not come off the same road, so they keep their own times.
void SpaceTrainsOnLine(GameState& g, int line) {
    std::array<int, 4> lastTime{NoTime, NoTime, NoTime, NoTime};
    std::array<int, 4> first{};
    for (int t = 1; t <= g.TrainCount; ++t) {
        if (IsBlankRow(g, t) || g.TrainFrom[t] != line || g.TrainState[t] == TrainGone) continue;
        if (line == 3 && FromDownSidings(g, t)) continue;
        const int due = DuePlusLate(g, t);
        const int group = TrainGroup(g, t);
        if (due < g.ClockNow) {
            g.TrainState[t] = TrainGone;
            continue;
        }
        if (first[group] == 0) first[group] = t;
        const int earliest = lastTime[group] + g.LineHeadway[line];
        if (due < earliest) g.TrainLate[t] = earliest - g.TrainDue[t];
        lastTime[group] = DuePlusLate(g, t);
    }
    for (int group = 1; group <= 3; ++group) g.LineTrains[line][group] = first[group];
}

}  // namespace

int PrepareTimetable(GameState& g) {
    if (int stuck = FinishTrainsBeforeStart(g)) return stuck;
    for (int line = 1; line <= LineCount; ++line) SpaceTrainsOnLine(g, line);
    g.ClockNow = g.ShiftStart;
    return 0;
}

}  // namespace kv41
