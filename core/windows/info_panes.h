#pragma once
// How an information window's lines fall into its memos: the windows' contents come as one
// list of lines, and a drawing front end shows them in separate panes.
#include <vector>

#include "platform/platform.h"

namespace kv41 {

struct GameState;

// The number of lines of each memo of the window, in order; they add up to the window's lines.
// The trains held window has its three signal memos and the departure line; the approaching
// window one memo of three lines per box; the register and the timetable an up and a down memo;
// the messages window one memo.
std::vector<int> InfoPaneSizes(const GameState& g, const InfoWindow& window);

}  // namespace kv41
