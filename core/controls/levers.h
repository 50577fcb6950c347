#pragma once
// Working the lever frame: the signalman clicks a lever, confirms with a second click on it,
// and the lever moves if the interlocking, the track circuits and the block allow it.
namespace kv41 {

struct GameState;

// The move itself, once confirmed: the pull checks for a normal lever, the restore checks for
// a reversed one, then the lever moves and a signal sets or clears its route. Every refusal is
// reported (and costs its points) and leaves the lever, SectNext and SectLimit as they were.
// Returns whether the lever moved.
bool MoveLever(GameState& g, int lever);

}  // namespace kv41
