#include "session/new_game.h"

#include <algorithm>

#include "framework/messages.h"
#include "framework/text_grid.h"
#include "game_state.h"
#include "model/clock.h"
#include "model/timetable.h"
#include "platform/platform.h"
#include "session/main_loop.h"
#include "windows/wtt_file.h"

namespace kv41 {

const ShiftRow Shifts[ShiftCount] = {
    {"Night         10 pm - 6 am", 1, "Night", -120, 360, 24},
    {"Early          6 am - 2 pm", 2, "Early", 360, 840, 40},
    {"Late           2 pm - 10 pm", 3, "Late", 840, 1320, 40},
    {"Learning    2 hours easy ", 4, "Learner", 360, 480, 10},
    {"Marathon   24 hours", 5, "Marathon", 0, 1440, 88},
};
const std::string_view DifficultyNames[DifficultyCount] = {"Very easy", "Easy", "Moderate", "Hard",
                                                           "Very hard"};

namespace {

constexpr int StartScreenHelpContext = 125;
constexpr int NewGameHelpContext = 110;

}  // namespace

void ResetGameState(GameState& g) {
    g.TickSeconds = 6;
    g.FastMode = true;  // only until EndSpeedUp below
    g.Random.Seed = g.Host->ClockSeed();
    g.StartSeed = g.Random.Seed;
    g.HelpContext = StartScreenHelpContext;
    DefaultColours(g);

    g.MinuteTick = 9;  // so the first minute has nine steps
    g.Difficulty = 5;
    g.EndRequested = false;
    g.Points = 0;
    g.OpeningPoints = 0;
    g.ClockNow = NoTime;

    EndSpeedUp(g);

    g.ClockRunning = false;
    g.BellTapping = false;
    g.LearningMode = false;
    g.QuietTicks = 20;

    ClearMessages(g);

    for (std::size_t box = 1; box <= BoxCount; ++box) {
        g.BoxAttending[box] = 0;
        g.BoxAttnAnswered[box] = 0;
        g.BoxRingPending[box] = 0;
        g.BoxToosTrain[box] = 0;
        g.BoxToosDeadline[box] = 0;
    }

    g.YardTimer = 0;
    g.YardTrain = 0;
    g.YardClear = true;
}

void SetUpNewGame(GameState& g, int shiftIndex, int difficultyIndex) {
    g.HelpContext = NewGameHelpContext;
    // Every new game starts with both block options on, whatever the last game used.
    g.AutoBlockInstruments = true;
    g.RequireCallAttention = true;

    // The dialog's radio groups always hold a selection.
    shiftIndex = std::clamp(shiftIndex, 0, ShiftCount - 1);
    difficultyIndex = std::clamp(difficultyIndex, 0, DifficultyCount - 1);
    const ShiftRow& shift = Shifts[shiftIndex];
    g.DifficultyName = DifficultyNames[difficultyIndex];
    g.Difficulty = 5 * difficultyIndex + 5;
    g.ShiftNumber = shift.Number;
    g.ShiftName = shift.Name;
    g.ShiftStart = shift.Start;
    g.ShiftEnd = shift.End;
    g.ShiftTarget = shift.Target;
    g.ClockNow = shift.Start;
    // A new game's first entry starts the score log afresh.
    g.LogWrites = 0;

    // The start screen stays until the session's loop clears it. The timetable was built
    // while the difficulty was still Very easy; the chosen level now decides the trains that
    // run only at Hard and Very hard.
    ApplyDifficultyToTimetable(g);
    if (int stuck = PrepareTimetable(g)) {
        ShowError(g, "No loco for train " + std::to_string(stuck));
        throw ProgramEnd{1};
    }
}

void StartNewGame(GameState& g, int shiftIndex, int difficultyIndex) {
    SetUpNewGame(g, shiftIndex, difficultyIndex);
    OfferWttFile(g);
    RunSession(g);
}

}  // namespace kv41
