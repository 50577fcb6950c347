// Placeholder until saved positions land.
#include "session/position_file.h"

namespace kv41 {
void SaveGame(GameState&) {}
void SaveGameAs(GameState&) {}
bool ResumeSavedGame(GameState&) {
    return false;
}
void RestartGame(GameState&) {}
void AutoSavePosition(GameState&) {}
}  // namespace kv41
