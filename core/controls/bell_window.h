#pragma once
// Sending a bell code chosen from the list of codes, and playing a code on the tapper.
#include <string>

namespace kv41 {

struct GameState;

// The list window's line for a code 0..26: code text, "*" for codes that need no call
// attention, the description in its fixed column.
std::string BellListLine(int code);

// The list window's caption: it names the box the code goes to.
std::string BellListCaption(const GameState& g, int box);

// A click on a box's name heading: the list of codes; a code chosen with OK is played and left
// for the next wait to hand to block working.
void ChooseBell(GameState& g, int box);

// Plays a code on the tapper and records it as the code sent to the box.
void PlayBell(GameState& g, int box, int code);

}  // namespace kv41
