#pragma once
// The signalman's side of absolute block: the bell codes he sends the four neighbouring boxes
// and the incoming block instruments he works. The boxes' own side (ringing, answering,
// offering) belongs to the running of the railway.
namespace kv41 {

struct GameState;

// Judges a code the signalman has sent to a box (already tapped out and recorded in
// BoxBellSent). A refused code is discarded (BoxBellSent := 0) so the box never answers it;
// an accepted one stays for the box to answer on its turn. Always clears PendingBellBox and
// PendingBellCode.
void SendBell(GameState& g, int box, int code);

// A click on the commutator of box 1, 3 or 4: the incoming instrument steps Line Blocked ->
// Line Clear -> Train On Line -> Line Blocked. Nothing when the instruments work automatically.
void TurnInstrument(GameState& g, int box);

// A train of ours is entering the section towards box `box` (the condition for sending it
// train entering section).
bool TrainEnteringSectionTowards(const GameState& g, int box);

// Asked quietly, as a careful signalman checks before he rings: would repeating the box's
// is-line-clear code now accept its train, and would train out of section to the box now pass,
// without a point lost? (Call attention and the instruments worked by hand aside.)
bool AcceptanceAllowed(const GameState& g, int box);
bool ToosAllowed(const GameState& g, int box);

enum class Acceptance {
    Plain,         // line clear repeated to the box
    Warning,       // warning acceptance: the train is cautioned at the box in rear
    WarningLifted  // line now clear after a warning: plain speeds, no section limits
};

// Sets the approach speed of `train`, just accepted from `box`, and for a plain or warning
// acceptance the speed limits of the box's approach. A train already at (or nearly at) the
// box's signal runs slower or stands.
void SetApproachSpeed(GameState& g, int box, int train, Acceptance acceptance);

}  // namespace kv41
