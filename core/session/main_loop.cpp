// Start screen and the session's main loop.
#include "session/main_loop.h"

#include <initializer_list>
#include <string>

#include "framework/framework_start.h"
#include "framework/messages.h"
#include "framework/settings.h"
#include "framework/text_grid.h"
#include "game_state.h"
#include "model/clock.h"
#include "model/layout.h"
#include "model/timetable.h"
#include "panel/click_regions.h"
#include "panel/panel_drawing.h"
#include "platform/platform.h"
#include "running/boxes.h"
#include "running/simulation_step.h"
#include "session/event_wait.h"
#include "session/new_game.h"
#include "session/position_file.h"
#include "session/rating.h"
#include "session/scripted_input.h"

namespace kv41 {

namespace {

constexpr const char* Title = "Tarrock Junction Signal Box Summer 1954";

constexpr const char* QuitQuestion = "Do you really want to quit?";

void SetMenuItems(GameState& g, std::initializer_list<const char*> items, bool enabled) {
    for (const char* item : items) g.Host->SetMenuEnabled(item, enabled);
}

// A wish to end the session before the shift is over must be confirmed; the step that carries
// the clock past the shift's end ends it without asking.
void ConfirmEnd(GameState& g) {
    if (g.ClockNow >= g.ShiftEnd) return;
    bool quit = AskYesNo(g, QuitQuestion);
    g.EndRequested = quit;
    g.QuitConfirmed = quit;
}

void PlayShift(GameState& g);

}  // namespace

void PrepareStartScreen(GameState& g) {
    SetGrid(g, GridRows, GridColumns);
    g.InputBlocked = true;
    g.StartScreen = true;
    g.SessionRunning = false;
    g.SessionOver = false;
    g.PaintEnabled = false;
    g.ClickPending = false;
    g.RequireCallAttention = false;
    g.Rules = RuleBook::BR;
    StartFramework(g, "KV41");
    g.LastDirectory = g.DocumentsDirectory;
    g.GameTitle = Title;
    g.DifficultyName = "Very easy";
    ResetGameState(g);
    BuildEngines(g);
    BuildLayout(g);
    BuildClickRegions(g);
    g.InputBlocked = false;
    // The options may be set before the first game: sound off before any bell rings.
    g.Host->SetMenuEnabled("&Options", true);
}

void RunSession(GameState& g) {
    LoadSettings(g);
    g.RememberedTop = 300;
    g.RememberedLeft = 300;
    if (g.SavedSpeed != 0) g.TickSeconds = g.SavedSpeed;
    g.PaintEnabled = true;
    ClearPanel(g);
    g.Host->SetMenuEnabled("Quit", true);
    g.StartScreen = false;
    g.SessionRunning = true;
    g.FullRedraw = true;
    g.Host->SetCaption(g.GameTitle + "     " + g.ShiftName + " shift     " + g.DifficultyName);
    if (g.ClockNow == g.ShiftStart) {
        for (int line = 1; line <= LineCount; ++line) ChooseNextOnLine(g, line);
    }
    g.Host->SetMenuEnabled("&Options", true);
    SetMenuItems(g, {"A&utomatic signalman", "&Hint"}, true);
    g.InputBlocked = false;
    StartTimer(g);
    g.AppActive = true;
    if (g.Recorder) g.Recorder->SessionStarted(g);

    PlayShift(g);
}

namespace {

// The loop from wherever the shift stands to its end, the rating, and the program's end.
void PlayShift(GameState& g) {
    do {
        PaintWindow(g);
        do {
            g.HelpContext = 410;
            // A wish to quit (the window's close button) is answered even while paused.
            while ((!g.AppActive || g.Paused) && !g.EndRequested) {
                if (!TakeScriptedInput(g)) g.Host->WaitForEvents(200);
            }
            WaitForAction(g);
            if (!g.AwaitingAction) PaintWindow(g);
        } while (!g.AwaitingAction);
        if (g.EndRequested) {
            ConfirmEnd(g);
        } else {
            SimulationStep(g);
            if (g.AutosaveDue) {
                g.AutosaveDue = false;
                AutoSavePosition(g);
            }
        }
    } while (!g.EndRequested);

    g.SessionRunning = false;
    g.SessionOver = true;
    SetMenuItems(g, {"&Options", "&Save", "Save &As", "Restart", "A&utomatic signalman", "&Hint"},
                 false);
    if (g.Recorder) g.Recorder->Finish(g);
    g.SavedSpeed = g.TickSeconds;
    StoreSettings(g);
    ShowRating(g);
    // The review of the rating took the game back into its shift: it goes on from there.
    if (g.PlayOnAfterRating) {
        ContinueSession(g);
        return;
    }
    g.Host->Terminate();
}

}  // namespace

void ContinueSession(GameState& g) {
    g.PlayOnAfterRating = false;
    g.SessionRunning = true;
    g.SessionOver = false;
    g.EndRequested = false;
    g.QuitConfirmed = false;
    g.StartScreen = false;
    g.PaintEnabled = true;
    g.FullRedraw = true;
    g.Host->SetCaption(g.GameTitle + "     " + g.ShiftName + " shift     " + g.DifficultyName);
    EnableGameMenu(g);
    SetMenuItems(g, {"A&utomatic signalman", "&Hint"}, true);
    g.InputBlocked = false;
    g.AppActive = true;
    StartTimer(g);
    PlayShift(g);
}

void RequestQuit(GameState& g) {
    if (g.SessionRunning) {
        if (g.InputBlocked) return;
        if (g.Recorder) g.Recorder->QuitRequested();
        g.EndRequested = true;
    } else if (g.StartScreen) {
        g.Host->Terminate();
    }
}

bool MayCloseWindow(GameState& g) {
    if (g.SessionRunning && g.InputBlocked) return false;
    if (g.FirstActivation || g.StartScreen || g.QuitConfirmed || g.SessionOver) return true;
    if (g.Recorder) g.Recorder->QuitRequested();
    g.EndRequested = true;
    g.AppActive = true;
    return false;
}

void EnableGameMenu(GameState& g) {
    SetMenuItems(g, {"Quit", "&Pause", "&Options", "&Save", "Save &As", "Restart"}, true);
}

void DisableGameMenu(GameState& g) {
    SetMenuItems(g, {"Quit", "&Save", "Save &As", "Restart", "&Pause", "&Options"}, false);
}

void TogglePause(GameState& g) {
    g.Paused = !g.Paused;
    if (g.Recorder) g.Recorder->PauseToggled(g.Paused);
    if (g.Paused) {
        g.Host->ShowBox("Simulation paused - \r\nUncheck Pause in Game menu to continue",
                        BoxType::Information, 0);
    }
}

}  // namespace kv41
