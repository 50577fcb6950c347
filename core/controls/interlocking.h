#pragma once
// The conditions a lever must meet before it moves: the locking rows of the frame, the track
// circuits, the block instruments and the yard's permission.
namespace kv41 {

struct GameState;

// Pull checks of a normal lever, in order: yard permission (lever 43), the six pull locking
// entries, the two pull track entries (a section clear, line clear from a box ahead, the
// exchange sidings departure). The first that fails is reported and false returned.
bool PullChecksPass(GameState& g, int lever);

// Restore checks of a reversed lever: the six restore locking entries, then the two restore
// track entries.
bool RestoreChecksPass(GameState& g, int lever);

// The same checks asked without a word or a point lost: would the lever move now?
bool PullWouldPass(const GameState& g, int lever);
bool RestoreWouldPass(const GameState& g, int lever);

// The line towards box `box` (1..4) may be entered: its outgoing instrument stands at Line
// Clear, or at Train On Line with every section up to the box clear (a train on line that has
// already left our area does not hold the next one back).
bool LineFreeTowards(const GameState& g, int box);

}  // namespace kv41
