#pragma once
// Starting a game: the state reset of the start screen, the shifts, the difficulty levels.
#include <string_view>

namespace kv41 {

struct GameState;

struct ShiftRow {
    std::string_view DialogLine;
    int Number;
    std::string_view Name;
    int Start, End, Target;
};
extern const ShiftRow Shifts[5];
extern const std::string_view DifficultyNames[5];

void ResetGameState(GameState& g);
// The new-game sequence with the dialog's choices (0-based item positions) passed in; runs
// the session to its end.
void StartNewGame(GameState& g, int shiftIndex, int difficultyIndex);
// The same up to the point where the session's loop would start (for tests and set-up).
void SetUpNewGame(GameState& g, int shiftIndex, int difficultyIndex);

}  // namespace kv41
