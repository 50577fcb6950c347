#include "signalman/signalman.h"

#include "game_state.h"
#include "model/bell_codes.h"
#include "model/clock.h"
#include "signalman/signalman_moves.h"
#include "signalman/trains_in_hand.h"

namespace kv41 {

std::string TrainName(const GameState& g, int train) {
    std::string due = FormatClock(g.TrainDue[train], 5);
    while (!due.empty() && due.front() == ' ') due.erase(due.begin());
    std::string origin = g.TrainOrigin[train], dest = g.TrainDest[train];
    return "the " + due + " " + origin + " to " + dest;
}

SignalmanMove NextSignalmanMove(const GameState& g) {
    SignalmanMove move;
    if (!g.SessionRunning || g.EndRequested) return move;
    TrainsInHand trains = FindTrainsInHand(g);
    // Levers and instrument handles cost no time; a bell code takes the next tick with it.
    if (InstrumentMove(g, move)) return move;
    if (LeverMove(g, trains, move)) return move;
    if (BellMove(g, trains, move)) return move;
    move.Reason = trains.Count == 0 ? "nothing is coming: wait" : "wait for the trains to run";
    return move;
}

std::string MoveCommand(const SignalmanMove& move) {
    switch (move.Kind) {
    case MoveKind::Lever: return "lever " + std::to_string(move.Number);
    case MoveKind::Bell:
        return "bell " + std::to_string(move.Number) + " " + std::to_string(move.Code);
    case MoveKind::Instrument: return "instrument " + std::to_string(move.Number);
    case MoveKind::Wait: break;
    }
    return "step";
}

std::string MoveHint(const GameState&, const SignalmanMove& move) {
    return MoveCommand(move) + " - " + move.Reason;
}

}  // namespace kv41
