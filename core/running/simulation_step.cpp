// One tenth of a simulated minute: the yard, the boxes, the trains, the clock.
#include "running/simulation_step.h"

#include "game_state.h"
#include "panel/diagram.h"
#include "running/boxes.h"
#include "running/train_movement.h"
#include "running/waiting_trains.h"
#include "running/yard.h"

namespace kv41 {
namespace {

constexpr int TicksPerMinute = 10;

bool InArea(const GameState& g, int train) {
    uint8_t state = g.TrainState[train];
    return state == TrainRunning || state == TrainStanding;
}

// The tenth tick of a minute: the yard looks at its departures before the clock moves on, the
// boxes' train-out-of-section deadlines after it.
void CountMinute(GameState& g) {
    if (--g.MinuteTick > 0) return;
    YardRelease(g);
    g.MinuteTick = TicksPerMinute;
    ++g.ClockNow;
    if (g.ClockNow > g.ShiftEnd) g.EndRequested = true;
    CheckToosDeadlines(g);
    if (g.ClockNow % 60 == 0 && g.AutoSave) g.AutosaveDue = true;
}

}  // namespace

void SimulationStep(GameState& g) {
    g.TrackLampsDirty = false;
    YardTimerStep(g);
    OfferFromLines(g);
    ShowBells(g);
    int turn = BoxTurn(g);
    AnswerPlayerBell(g, turn);
    OfferPendingTrain(g, turn);
    EnterTrainsFromBoxes(g);
    for (int t = 1; t <= g.TrainCount; ++t) WaitTrain(g, t);
    for (int t = 1; t <= g.TrainCount; ++t) {
        if (InArea(g, t)) MoveTrain(g, t);
    }
    // Only the lamps whose section changed are drawn again; none while the panel is not up.
    if (g.TrackLampsDirty && g.SessionRunning && g.PaintEnabled) RefreshTrackLamps(g);
    SendTrainsOutOfSection(g);
    CountMinute(g);
    // Nothing has needed the signalman for a while: run fast until something does.
    if (g.QuietTicks > 0) --g.QuietTicks;
    if (g.QuietTicks < 1) g.FastMode = true;
}

}  // namespace kv41
