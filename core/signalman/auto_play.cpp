#include "signalman/auto_play.h"

#include "framework/messages.h"
#include "framework/text_grid.h"
#include "game_state.h"
#include "model/clock.h"
#include "platform/platform.h"
#include "session/scripted_input.h"
#include "signalman/hint_text.h"

namespace kv41 {

namespace {

// Levers and commutators take no time: a signalman who kept moving them without end would stop
// the clock, so after this many in one tenth of a minute he waits for the railway to move.
constexpr int MaxMovesPerTick = 60;

}  // namespace

void QueueSignalmanMove(GameState& g, const SignalmanMove& move) {
    // His moves are queued exactly as the console queues the player's own.
    switch (move.Kind) {
    case MoveKind::Lever: QueueLever(g, move.Number); break;
    case MoveKind::Bell: QueueBell(g, move.Number, move.Code); break;
    case MoveKind::Instrument: QueueInstrument(g, move.Number); break;
    case MoveKind::Wait: return;
    }
    g.Host->Report(Output::Signalman, MoveHint(g, move));
}

bool TakeSignalmanTurn(GameState& g) {
    if (!g.AutoSignalman || !g.SessionRunning || g.Inputs.Pending() || g.ClickPending) return false;
    int tick = g.ClockNow * 10 + g.MinuteTick;
    if (tick != g.SignalmanTick) {
        g.SignalmanTick = tick;
        g.SignalmanMovesThisTick = 0;
    }
    if (g.SignalmanMovesThisTick >= MaxMovesPerTick) return false;
    SignalmanMove move = NextSignalmanMove(g);
    if (move.Kind == MoveKind::Wait) return false;
    ++g.SignalmanMovesThisTick;
    QueueSignalmanMove(g, move);
    return true;
}

void SetAutoSignalman(GameState& g, bool on) {
    g.AutoSignalman = on;
    g.AutoTurn = TakeSignalmanTurn;
    g.SignalmanMovesThisTick = 0;
    UpdateStatusBar(g);
}

std::string ShowSignalmanHint(GameState& g) {
    std::string hint = PlayerHint(g, NextSignalmanMove(g));
    ShowLongLineMessage(g, " Hint: " + hint, Black, LightYellow);
    return hint;
}

}  // namespace kv41
