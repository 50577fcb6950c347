#pragma once
// Tapping a bell code out on a box's plunger: the program times the taps and recognises the
// code from the pauses between them.
#include <span>

namespace kv41 {

struct GameState;

// The click on a box's plunger that starts a code; that click is the first tap.
void StartTapping(GameState& g, int box);
// A further click on the same plunger. A pause of more than two seconds before it ends the
// code, and that late tap does not count.
void RecordTap(GameState& g);
// The same tap pressed at time of day t (ms).
void RecordTap(GameState& g, int t);
// Any other click ends the code: decode it, confirm it if need be, and play and pass it on.
void DecodeTaps(GameState& g);

// The code that taps at these times (ms) make; trainOutLikely tells three even taps apart
// (2-1 when the box's line is not blocked or it shows 2-1, else 3). 0 when unrecognised.
int TappedCode(std::span<const int> tapTimes, bool trainOutLikely);

}  // namespace kv41
