#pragma once
// The confirmation on the message line that a file has been written.
#include <string>

namespace kv41 {

struct GameState;

// Shows text in white on the message colour, holds it for ms while events go on being handled,
// and clears the line.
void ShowFileNotice(GameState& g, const std::string& text, int ms);

}  // namespace kv41
