#pragma once
// The automatic signalman: a careful signalman who looks at what the player can see (levers,
// track-circuit lamps, block instruments, bell indicators, the train register, timetable and
// trains held) and decides the player's next input. He never touches the tables himself: his
// move is a click, a chosen bell code or a turn of an instrument handle, written as the
// console command that gives it, and taken by the game as any player's input is.
#include <string>

namespace kv41 {

struct GameState;

enum class MoveKind {
    Wait,        // nothing to do before the next tick
    Lever,       // click a lever and confirm: Number is the lever
    Bell,        // choose Code from the bell list of box Number
    Instrument,  // click the commutator of box Number
};

struct SignalmanMove {
    MoveKind Kind = MoveKind::Wait;
    int Number = 0;
    int Code = 0;
    std::string Reason;  // why, in the signalman's words
};

// The next input a careful signalman would give now.
SignalmanMove NextSignalmanMove(const GameState& g);

// The move as a console command ("lever 47", "bell 3 2", "instrument 3"; "step" for a wait).
std::string MoveCommand(const SignalmanMove& move);

// The move for the player: what to do and why, one line.
std::string MoveHint(const GameState& g, const SignalmanMove& move);

}  // namespace kv41
