#pragma once
// Tapping a bell code out on a box's plunger: the program times the taps and recognises the
// code from the pauses between them.
#include <span>
#include <string>

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

// The beats tapped so far in the code's own notation ("2-1"): a pause that stands out against
// the shortest one so far starts a new group.
std::string TapNotation(std::span<const int> tapTimes);
// The code under way on the message line, beat by beat: "Tapping to Hollowmer Jn: 2-1".
void ShowTapProgress(GameState& g);
// While a code is tapped: how long (ms) until it ends by itself at time of day nowMs, two
// seconds after its last beat, when a further beat would no longer count; 0 once that moment has
// come. A time before the last beat (a script's beats run on a clock of their own) is no pause.
int TapEndsInMs(const GameState& g, int nowMs);
// When the code under way ends by itself: just after the last beat's two seconds.
int TapEndTime(const GameState& g);

// The code that taps at these times (ms) make; trainOutLikely tells three even taps apart
// (2-1 when the box's line is not blocked or it shows 2-1, else 3). 0 when unrecognised.
int TappedCode(std::span<const int> tapTimes, bool trainOutLikely);

}  // namespace kv41
