#pragma once
// Saved positions: Save, Save As, Resume Saved Game, Restart.
#include <string>

namespace kv41 {

struct GameState;

void SaveGame(GameState& g);    // "&Save"
void SaveGameAs(GameState& g);  // "Save &As": asks for the file name
// Resume Saved Game from the start screen: asks for a file, loads it and, if the load
// succeeded, runs the session. Returns false when nothing was loaded.
bool ResumeSavedGame(GameState& g);
void RestartGame(GameState& g);  // "Restart" during a session
// The autosave hook of the simulation step.
void AutoSavePosition(GameState& g);

}  // namespace kv41
