// The main window's handlers: they only record what happened for the loop to act on.
#include "session/window_input.h"

#include <cctype>

#include "controls/tapper.h"
#include "game_state.h"
#include "model/clock.h"
#include "panel/click_regions.h"
#include "panel/key_focus.h"
#include "panel/key_map.h"
#include "platform/platform.h"

namespace kv41 {

void OnMouseDown(GameState& g, int x, int y) {
    // The player's own click on the panel takes the box back from the automatic signalman,
    // and what he had queued is dropped.
    if (g.AutoSignalman && g.SessionRunning && !g.InputBlocked && !g.Paused) {
        g.Inputs.Clear();
        g.AutoSignalman = false;
        g.BoxTakenBack = true;
        UpdateStatusBar(g);
    }
    OnMouseDown(g, x, y, g.Host->TimeOfDayMs());
}

void ClickCell(GameState& g, int column, int row, int timeMs) {
    OnMouseDown(g, (column - 1) * g.CellWidth + g.CellWidth / 2,
                (row - 1) * g.CellHeight + g.StatusHeight + g.CellHeight / 2, timeMs);
}

void OnMouseDown(GameState& g, int x, int y, int timeMs) {
    if (g.InputBlocked || g.Paused) return;
    const bool live = g.SessionRunning || g.StartScreen || g.SessionOver;
    if (live && g.CellWidth > 0 && g.CellHeight > 0) {
        g.ClickPending = true;
        g.ClickColumn = x / g.CellWidth + 1;
        g.ClickRow = (y - g.StatusHeight) / g.CellHeight + 1;
    }
    g.ClickWasTap = false;
    g.ClickByKey = false;
    // Every press is timed, the ones that end a code included: a press that ends one code may
    // start the next, which is then timed from this press and not from the old code's first.
    g.ClickTime = timeMs;
    if (g.BellTapping) {
        // While a code is tapped, a click on the same plunger is a beat; any other click ends
        // the code and is then taken as an ordinary click.
        if (HitTest(g, g.ClickColumn, g.ClickRow) == ActionTapperFirst - 1 + g.TapBox) {
            g.ClickWasTap = true;
            RecordTap(g, g.ClickTime);
            if (g.Recorder) g.Recorder->TapTaken(g);
        } else {
            DecodeTaps(g);
            g.TapTimes[1] = g.ClickTime;
        }
        return;
    }
    // The time of every click, as the first beat of a code should the click start one. The
    // press is answered at once: no pause follows it, so that what the click does is on the
    // screen as the hand leaves the button.
    g.TapTimes[1] = g.ClickTime;
}

namespace {

// The player's own press on a part of the panel, given by a key: selected, marked, and pressed
// at its cell as the mouse would press it.
void PressPart(GameState& g, const FocusPart& part) {
    const PanelCell cell = FocusCell(part);
    if (cell.Column == 0) return;
    g.KeyFocus = part;
    DrawKeyFocus(g);
    OnMouseDown(g, (cell.Column - 1) * g.CellWidth + g.CellWidth / 2,
                (cell.Row - 1) * g.CellHeight + g.StatusHeight + g.CellHeight / 2);
    g.ClickByKey = true;
}

// A press on no part at all: it abandons a lever's move and ends a tapped code, as a click
// beside the panel's parts does.
void PressNothing(GameState& g) {
    OnMouseDown(g, (GridColumns - 1) * g.CellWidth + g.CellWidth / 2,
                g.StatusHeight + g.CellHeight / 2);
    g.ClickByKey = true;
}

void TypeDigit(GameState& g, int digit) {
    if (g.KeyDigitCount >= 2) {
        g.KeyDigits = 0;
        g.KeyDigitCount = 0;
    }
    g.KeyDigits = g.KeyDigits * 10 + digit;
    ++g.KeyDigitCount;
    g.KeyFocus = g.KeyDigits >= 1 && g.KeyDigits <= LeverCount
                     ? FocusPart{FocusKind::Lever, g.KeyDigits}
                     : FocusPart{};
    DrawKeyFocus(g);
}

void ForgetDigits(GameState& g) {
    g.KeyDigits = 0;
    g.KeyDigitCount = 0;
}

void EraseDigit(GameState& g) {
    if (g.KeyDigitCount == 0) return;
    g.KeyDigits /= 10;
    --g.KeyDigitCount;
    g.KeyFocus = g.KeyDigitCount > 0 && g.KeyDigits >= 1 ? FocusPart{FocusKind::Lever, g.KeyDigits}
                                                         : FocusPart{};
    DrawKeyFocus(g);
}

// Enter: the lever whose number was typed, else the part selected last.
void SelectByKey(GameState& g) {
    FocusPart target = g.KeyFocus;
    if (g.KeyDigitCount > 0) target = {FocusKind::Lever, g.KeyDigits};
    ForgetDigits(g);
    if (target.Kind == FocusKind::Lever && (target.Index < 1 || target.Index > LeverCount)) return;
    PressPart(g, target);
}

void AbandonByKey(GameState& g) {
    ForgetDigits(g);
    if (g.ConfirmingLever != 0 || g.BellTapping) PressNothing(g);
    g.KeyFocus = {};
    DrawKeyFocus(g);
}

}  // namespace

void OnKey(GameState& g, int key) {
    if (g.InputBlocked || g.Paused) return;
    if (!g.SessionRunning) return;
    const KeyBinding binding = FindKey(key);
    switch (binding.Does) {
    case KeyDoes::Digit: TypeDigit(g, binding.Index); break;
    case KeyDoes::Erase: EraseDigit(g); break;
    case KeyDoes::Select: SelectByKey(g); break;
    case KeyDoes::Abandon: AbandonByKey(g); break;
    case KeyDoes::BellList: PressPart(g, {FocusKind::BoxName, binding.Index}); break;
    case KeyDoes::Plunger: PressPart(g, {FocusKind::Plunger, binding.Index}); break;
    case KeyDoes::Commutator: PressPart(g, {FocusKind::Commutator, binding.Index}); break;
    case KeyDoes::Command:
        g.ActionCode = binding.Index;
        g.KeyActionPending = true;
        break;
    case KeyDoes::Faster:
    case KeyDoes::Slower:
        // A key that is no command takes back one typed before it in the same wait.
        g.ActionCode = 0;
        if (binding.Does == KeyDoes::Faster) {
            SpeedUp(g);
        } else {
            SlowDown(g);
        }
        if (g.Recorder) g.Recorder->KeyTaken(static_cast<char>(binding.Key));
        break;
    case KeyDoes::Fast: FastClick(g); break;
    default: g.ActionCode = 0; break;
    }
}

void OnTimer(GameState& g) {
    if (g.BellTapping) return;
    if (!g.Paused) g.TimerDue = true;
    g.TimerIntervalMs = (g.FastMode && !g.Paused) ? 100 : g.TickSeconds * 1000;
    g.Host->SetTimerInterval(g.TimerIntervalMs);
}

}  // namespace kv41
