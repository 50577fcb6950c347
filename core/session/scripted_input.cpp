#include "session/scripted_input.h"

#include "framework/options.h"
#include "game_state.h"
#include "model/clock.h"
#include "panel/click_regions.h"
#include "platform/platform.h"
#include "session/main_loop.h"
#include "session/position_file.h"
#include "session/window_input.h"

namespace kv41 {

namespace {

constexpr int DayMs = 24 * 3600 * 1000;

int ClickTimeOf(GameState& g, const PlayerInput& input) {
    if (input.AfterMs < 0) return g.Host->TimeOfDayMs();
    return (g.Inputs.LastClickMs + input.AfterMs) % DayMs;
}

}  // namespace

void QueueLever(GameState& g, int lever) {
    PanelCell cell = LeverCell(lever);
    g.Inputs.Events.push_back(PlayerInput::Click(cell.Column, cell.Row));
    // A spare lever or a gap in the frame is answered at once, with no prompt to confirm.
    uint8_t kind = lever >= 1 && lever <= LeverCount ? g.LeverKind[lever] : uint8_t{LeverSpare};
    if (kind != LeverSpare && kind != LeverGap) {
        g.Inputs.Events.push_back(PlayerInput::Click(cell.Column, cell.Row));
    }
}

void QueueBell(GameState& g, int box, int code) {
    g.Inputs.BellCodes.clear();
    g.Inputs.BellCodes.push_back(code);
    PanelCell cell = BoxNameCell(box);
    g.Inputs.Events.push_back(PlayerInput::Click(cell.Column, cell.Row));
}

void QueueTap(GameState& g, int box, const std::vector<int>& gaps, bool endedByNextClick) {
    PanelCell plunger = TapperCell(box);
    auto& events = g.Inputs.Events;
    events.push_back(PlayerInput::Click(plunger.Column, plunger.Row));
    for (int gap : gaps) events.push_back(PlayerInput::Click(plunger.Column, plunger.Row, gap));
    // A cell outside every click region ends the code.
    if (!endedByNextClick) events.push_back(PlayerInput::Click(GridColumns, 1, 0));
}

bool QueueInstrument(GameState& g, int box) {
    PanelCell cell = InstrumentHandleCell(box);
    if (cell.Column == 0) return false;
    g.Inputs.Events.push_back(PlayerInput::Click(cell.Column, cell.Row));
    return true;
}

bool WithFileChosen(GameState& g, const std::string& file, void (*command)(GameState&)) {
    g.Inputs.Files.clear();
    g.Inputs.Files.emplace_back(file);
    command(g);
    bool asked = g.Inputs.Files.empty();
    g.Inputs.Files.clear();
    return asked;
}

bool TakeScriptedInput(GameState& g) {
    if (g.Inputs.Events.empty()) return false;
    PlayerInput input = std::move(g.Inputs.Events.front());
    g.Inputs.Events.pop_front();
    switch (input.Kind) {
    case InputKind::Tick: OnTimer(g); break;
    case InputKind::Click: {
        int time = ClickTimeOf(g, input);
        g.Inputs.LastClickMs = time;
        ClickCell(g, input.Column, input.Row, time);
        break;
    }
    case InputKind::Key: OnKey(g, input.Key); break;
    default: RunMenuCommand(g, input); break;
    }
    return true;
}

bool RunMenuCommand(GameState& g, const PlayerInput& input) {
    switch (input.Kind) {
    case InputKind::Fast:
        // Fast running belongs to a session; on the start screen there is nothing to hurry.
        if (!g.SessionRunning) return false;
        FastClick(g);
        return true;
    case InputKind::Option: return SetOption(g, input.Name, input.On);
    case InputKind::Rules: return SetBellRules(g, input.Name);
    case InputKind::Pause:
        if (g.Paused == input.On) return false;
        TogglePause(g);
        return true;
    case InputKind::Save: return WithFileChosen(g, input.Name, SaveGameAs);
    case InputKind::Restart:
        // The menu item does nothing while the game is paused.
        if (g.Paused) return false;
        return WithFileChosen(g, input.Name, RestartGame);
    case InputKind::Quit:
        if (!g.SessionRunning || g.InputBlocked) return false;
        RequestQuit(g);
        return true;
    default: return false;
    }
}

}  // namespace kv41
