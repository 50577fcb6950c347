// Placeholder until the new-game sequence lands.
#include "session/new_game.h"

#include "game_state.h"
#include "session/main_loop.h"

namespace kv41 {
const ShiftRow Shifts[5] = {
    {"Night         10 pm - 6 am", 1, "Night", -120, 360, 24},
    {"Early          6 am - 2 pm", 2, "Early", 360, 840, 40},
    {"Late           2 pm - 10 pm", 3, "Late", 840, 1320, 40},
    {"Learning    2 hours easy ", 4, "Learner", 360, 480, 10},
    {"Marathon   24 hours", 5, "Marathon", 0, 1440, 88},
};
const std::string_view DifficultyNames[5] = {"Very easy", "Easy", "Moderate", "Hard", "Very hard"};

void ResetGameState(GameState&) {}
void SetUpNewGame(GameState& g, int shiftIndex, int difficultyIndex) {
    const ShiftRow& shift = Shifts[shiftIndex];
    g.DifficultyName = DifficultyNames[difficultyIndex];
    g.Difficulty = 5 * difficultyIndex + 5;
    g.ShiftNumber = shift.Number;
    g.ShiftName = shift.Name;
    g.ShiftStart = shift.Start;
    g.ShiftEnd = shift.End;
    g.ShiftTarget = shift.Target;
    g.ClockNow = shift.Start;
}
void StartNewGame(GameState& g, int shiftIndex, int difficultyIndex) {
    SetUpNewGame(g, shiftIndex, difficultyIndex);
    RunSession(g);
}
}  // namespace kv41
