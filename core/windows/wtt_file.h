#pragma once
// The working timetable of the shift as a text file.
#include <string>

namespace kv41 {

struct GameState;

// The new-game offer: a save dialog that the player may cancel.
void OfferWttFile(GameState& g);
// Writes the file; false when it could not be written.
bool WriteWttFile(GameState& g, const std::string& fileName);

}  // namespace kv41
