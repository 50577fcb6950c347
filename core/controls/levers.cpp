#include "controls/levers.h"

#include <string>

#include "controls/interlocking.h"
#include "controls/routes.h"
#include "controls/track_queries.h"
#include "framework/messages.h"
#include "framework/sounds.h"
#include "framework/text_grid.h"
#include "game_state.h"
#include "input/player_input.h"
#include "panel/lever_frame.h"
#include "platform/platform.h"
#include "replay/replay_recorder.h"

namespace kv41 {

namespace {

constexpr int LeverHelpContext = 416;
constexpr Rgb HighlightText = White;  // the system's highlight-text colour, on black

void ShowLeverPrompt(GameState& g, int lever) {
    std::string prompt = "Lever " + TwoDigits(lever) + ", " + g.LeverName[lever] + " is " +
                         (g.LeverNormal[lever] != 0 ? "Normal" : "Reversed") +
                         ". Click on it again to confirm move.";
    ShowLineMessage(g, prompt, HighlightText, Black);
}

// The modal wait for the confirming click: timer ticks that come meanwhile are not acted on, so
// the railway stands still while the signalman makes up his mind. A wish to quit (the window's
// close button) ends it too, as no move: the quit question must not wait for a click that the
// player, having asked to leave, has no reason to give. False when no click came.
bool WaitForConfirmingClick(GameState& g) {
    g.ClickPending = false;
    while (!g.ClickPending && !g.EndRequested) {
        if (!TakeScriptedInput(g)) g.Host->WaitForEvents(100);
    }
    if (!g.ClickPending) return false;
    if (g.Recorder) g.Recorder->ConfirmingClickTaken(g);
    return true;
}

bool PullLever(GameState& g, int lever) {
    TrainCheck check = CheckTrainForLever(g, lever);
    if (check == TrainCheck::Refused) return false;
    if (check == TrainCheck::Pass) SetRoute(g, lever);
    g.LeverNormal[lever] = 0;
    PlayLeverSound(g);
    return true;
}

void RestoreLever(GameState& g, int lever) {
    g.LeverNormal[lever] = 1;
    PlayLeverSound(g);
    if (g.LeverKind[lever] == LeverStop) ClearRoute(g, lever);
}

}  // namespace

bool MoveLever(GameState& g, int lever) {
    if (lever < 1 || lever > LeverCount) return false;
    uint8_t kind = g.LeverKind[lever];
    if (kind == LeverSpare || kind == LeverGap) return false;
    if (g.LeverNormal[lever] != 0) {
        if (!PullChecksPass(g, lever)) return false;
        return PullLever(g, lever);
    }
    if (!RestoreChecksPass(g, lever)) return false;
    RestoreLever(g, lever);
    return true;
}

void OperateLever(GameState& g, int lever) {
    if (lever < 0 || lever > LeverCount) return;
    g.HelpContext = LeverHelpContext;
    // Column 1 of the frame holds no lever at all: it reads as a spare one, numbered 00.
    int kind = lever == 0 ? int{LeverSpare} : g.LeverKind[lever];
    if (kind == LeverSpare) {
        ShowError(g, "Lever " + TwoDigits(lever) + " is spare");
        return;
    }
    if (kind == LeverGap) {
        ShowError(g, "There is no lever at position " + TwoDigits(lever));
        return;
    }
    ShowLeverPrompt(g, lever);
    MarkLever(g, lever, true);
    const bool clicked = WaitForConfirmingClick(g);
    MarkLever(g, lever, false);
    ClearMessageLine(g);
    // The confirming click is used up here and never dispatched as an action of its own.
    g.ClickPending = false;
    if (!clicked || g.ClickColumn != lever + 1) return;
    MoveLever(g, lever);
    ClearMessageLine(g);
}

}  // namespace kv41
