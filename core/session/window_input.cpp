// The main window's handlers: they only record what happened for the loop to act on.
#include "session/window_input.h"

#include <cctype>

#include "controls/tapper.h"
#include "game_state.h"
#include "model/clock.h"
#include "panel/click_regions.h"
#include "platform/platform.h"

namespace kv41 {

void OnMouseDown(GameState& g, int x, int y) {
    // The player's own click on the panel takes the box back from the automatic signalman,
    // and what he had queued is dropped.
    if (g.AutoSignalman && g.SessionRunning && !g.InputBlocked && !g.Paused) {
        g.Inputs.Clear();
        g.AutoSignalman = false;
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

void OnKeyPress(GameState& g, char key) {
    if (g.InputBlocked || g.Paused) return;
    key = static_cast<char>(std::toupper(static_cast<unsigned char>(key)));
    if (!g.SessionRunning) return;
    g.ActionCode = 0;
    switch (key) {
    case '+':
    case '-':
        if (key == '+') {
            SpeedUp(g);
        } else {
            SlowDown(g);
        }
        if (g.Recorder) g.Recorder->KeyTaken(key);
        break;
    case 'H': g.ActionCode = 101; break;
    case 'R': g.ActionCode = 102; break;
    case 'T': g.ActionCode = 103; break;
    case 'W': g.ActionCode = 104; break;
    case 'M': g.ActionCode = 105; break;
    case 'L': g.ActionCode = 106; break;
    case 'Q': g.ActionCode = 107; break;
    default: break;
    }
    if (g.ActionCode != 0) g.KeyActionPending = true;
}

void OnTimer(GameState& g) {
    if (g.BellTapping) return;
    if (!g.Paused) g.TimerDue = true;
    g.TimerIntervalMs = (g.FastMode && !g.Paused) ? 100 : g.TickSeconds * 1000;
    g.Host->SetTimerInterval(g.TimerIntervalMs);
}

}  // namespace kv41
