#include "session/lever_click.h"

#include <string>

#include "controls/levers.h"
#include "framework/messages.h"
#include "framework/text_grid.h"
#include "game_state.h"
#include "panel/lever_frame.h"
#include "platform/platform.h"
#include "session/scripted_input.h"

namespace kv41 {

namespace {

constexpr int LeverHelpContext = 416;
constexpr Rgb HighlightText = White;  // the system's highlight-text colour, on black

void ShowLeverPrompt(GameState& g, int lever) {
    // A lever selected from the keyboard is confirmed from the keyboard.
    std::string prompt = "Lever " + TwoDigits(lever) + ", " + g.LeverName[lever] + " is " +
                         (g.LeverNormal[lever] != 0 ? "Normal" : "Reversed") +
                         (g.ClickByKey ? ". Press Enter to confirm move, Esc to abandon."
                                       : ". Click on it again to confirm move.");
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

}  // namespace

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
    g.ConfirmingLever = lever;
    MarkLever(g, lever, true);
    const bool clicked = WaitForConfirmingClick(g);
    MarkLever(g, lever, false);
    g.ConfirmingLever = 0;
    ClearMessageLine(g);
    // The confirming click is used up here and never dispatched as an action of its own.
    g.ClickPending = false;
    if (!clicked || g.ClickColumn != lever + 1) return;
    MoveLever(g, lever);
    ClearMessageLine(g);
}

}  // namespace kv41
