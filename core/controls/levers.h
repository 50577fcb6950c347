#pragma once
// Working the lever frame: the signalman clicks a lever, confirms with a second click on it,
// and the lever moves if the interlocking, the track circuits and the block allow it.
namespace kv41 {

struct GameState;

// A click on lever `lever` (0..51, the clicked frame column less one): shows the lever's state
// on the message line, waits for the confirming click and, if it falls on the same lever's
// column, moves the lever (MoveLever). Another column abandons the move silently. The wait is
// modal: it takes only clicks, and no simulation step runs while the prompt stands.
void OperateLever(GameState& g, int lever);

// The move itself, once confirmed: the pull checks for a normal lever, the restore checks for
// a reversed one, then the lever moves and a signal sets or clears its route. Every refusal is
// reported (and costs its points) and leaves the lever, SectNext and SectLimit as they were.
// Returns whether the lever moved.
bool MoveLever(GameState& g, int lever);

}  // namespace kv41
