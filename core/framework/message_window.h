#pragma once
// The recent-messages window: the last 16 messages with their simulated times, oldest first.
#include <string>
#include <vector>

#include "platform/platform.h"

namespace kv41 {

struct GameState;

// The window's lines for one message: one line, or two when the text is longer than 72.
std::vector<std::string> MessageLines(int time, const std::string& text);
// Shown by action 105 (the M key) like the other information windows.
InfoWindow BuildMessagesWindow(const GameState& g);

}  // namespace kv41
