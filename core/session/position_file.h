#pragma once
// Saved positions: Save, Save As, Resume Saved Game, Restart.
#include <string>
#include <string_view>

#include "framework/file_replace.h"

namespace kv41 {

struct GameState;

void SaveGame(GameState& g);    // "&Save"
void SaveGameAs(GameState& g);  // "Save &As": asks for the file name
// Resume Saved Game from the start screen: asks for a file, loads it and, if the load
// succeeded, runs the session. Returns false when nothing was loaded.
bool ResumeSavedGame(GameState& g);
void RestartGame(GameState& g);  // "Restart" during a session
// The autosave hook of the simulation step: "KV41 autosave.sav" in the player's data directory
// (beside the program unless it is installed), written without a word to the player.
void AutoSavePosition(GameState& g);

// --- The file itself ------------------------------------------------------------------------
constexpr std::string_view SimIdentity = "KV41";

// The whole position as the file holds it, lines ending CR LF.
std::string PositionText(const GameState& g);
// Writes the position to fileName; a file that cannot be written is reported and leaves any
// earlier file of that name as it was. No confirmation is shown.
bool WritePosition(GameState& g, const std::string& fileName,
                   const FileWriter& writer = WriteFileWhole);

enum class LoadOutcome { Loaded, NotFound, NotInFormat, OtherSimulation, ReadError };
// Reads a position into a copy of the game and, only when every line has been read and every
// value lies in its range, makes it the game. Reports nothing.
LoadOutcome ReadPosition(GameState& g, std::string_view text);
// Opens the open dialog and loads the chosen file, with the messages and the load-failed box;
// true when a position was loaded.
bool LoadPositionDialog(GameState& g);

}  // namespace kv41
