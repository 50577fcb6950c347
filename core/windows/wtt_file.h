#pragma once
// The working timetable of the shift as a text file.
#include <string>

#include "framework/file_replace.h"

namespace kv41 {

struct GameState;

// The new-game offer: a save dialog that the player may cancel.
void OfferWttFile(GameState& g);
// Writes the file and confirms it on the message line; false when it could not be written
// (reported to the player).
bool WriteWttFile(GameState& g, const std::string& fileName,
                  const FileWriter& writer = WriteFileWhole);
// The file's text, lines ending CR LF.
std::string WttFileText(const GameState& g, const std::string& fileName);

}  // namespace kv41
