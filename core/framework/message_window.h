#pragma once
// The recent-messages window: the last 16 messages with their simulated times, oldest first.
#include <string>
#include <vector>

#include "platform/platform.h"

namespace kv41 {

struct GameState;

// The window's lines for one message: one line, or two when the text is longer than 72.
std::vector<std::string> MessageLines(int time, const std::string& text);
InfoWindow BuildMessagesWindow(const GameState& g);
// Action 105 (the M key): shows the window, or refreshes it when it is open.
void ShowMessages(GameState& g);

}  // namespace kv41
