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
constexpr int ShiftCount = 5;
constexpr int DifficultyCount = 5;
extern const ShiftRow Shifts[ShiftCount];
extern const std::string_view DifficultyNames[DifficultyCount];

// Every run-time item of a game to its starting state; done once while the start screen is
// prepared, before the layout and the timetable are built.
void ResetGameState(GameState& g);
// The new-game sequence with the dialog's choices (0-based item positions) passed in; runs
// the session to its end.
void StartNewGame(GameState& g, int shiftIndex, int difficultyIndex);
// The same up to the offer of the timetable file: options, shift, clock and timetable.
void SetUpNewGame(GameState& g, int shiftIndex, int difficultyIndex);

}  // namespace kv41
