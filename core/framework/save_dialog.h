#pragma once
// The file dialog for a file the game writes (a saved position, the timetable file).
#include <optional>
#include <string>

#include "platform/platform.h"

namespace kv41 {

struct GameState;

// Asks for the name of a file to write, opening in the directory last written to, and
// remembers the directory of the name chosen for next time. Nothing when the player cancelled.
std::optional<std::string> ChooseFileToWrite(GameState& g, FileChoice choice);

}  // namespace kv41
