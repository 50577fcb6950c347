#pragma once
// The framework's part in preparing the start screen.
#include <string_view>

namespace kv41 {

struct GameState;

// Font metrics of the panel, the option flags until the settings are read, the program's
// short name (at most 6 characters), date and directory.
void StartFramework(GameState& g, std::string_view identity);

}  // namespace kv41
