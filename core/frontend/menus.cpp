#include "frontend/menus.h"

#include "debrief/debrief_text.h"
#include "game_state.h"

namespace kv41 {

namespace {

MenuItem Item(WindowCommand command, const char* text, bool enabled = true) {
    MenuItem item;
    item.Command = command;
    item.Text = text;
    item.Enabled = enabled;
    return item;
}

MenuItem CheckItem(WindowCommand command, const char* text, bool enabled, bool checked) {
    MenuItem item = Item(command, text, enabled);
    item.Checkable = true;
    item.Checked = checked;
    return item;
}

MenuItem Separator() {
    return {};
}

}  // namespace

bool RecordMenuSwitch(MenuSwitches& switches, const std::string& item, bool enabled) {
    struct Named {
        const char* Item;
        bool MenuSwitches::*Switch;
    };
    static constexpr Named Names[] = {
        {"&Save", &MenuSwitches::Save},
        {"Save &As", &MenuSwitches::SaveAs},
        {"&Pause", &MenuSwitches::Pause},
        {"Restart", &MenuSwitches::Restart},
        {"Quit", &MenuSwitches::Quit},
        {"&Options", &MenuSwitches::Options},
        {"A&utomatic signalman", &MenuSwitches::AutoSignalman},
        {"&Hint", &MenuSwitches::Hint},
    };
    for (const Named& named : Names) {
        if (item == named.Item) {
            switches.*named.Switch = enabled;
            return true;
        }
    }
    return false;
}

std::vector<MenuBarEntry> MainMenu(const GameState& g, const MenuSwitches& on) {
    // A replay can be kept from the session's first input to its rating.
    const bool replayKept = g.SessionRunning || g.SessionOver;
    MenuBarEntry game{"&Game", WindowCommand::None, true, {}};
    game.Items = {
        Item(WindowCommand::Save, "&Save", on.Save),
        Item(WindowCommand::SaveAs, "Save &As", on.SaveAs),
        CheckItem(WindowCommand::Pause, "&Pause", on.Pause, g.Paused),
        Item(WindowCommand::SaveReplayAs, "Save Replay As...", replayKept),
        Item(WindowCommand::Restart, "Restart", on.Restart),
        Separator(),
        // The automatic signalman works the box at the chosen speed until switched off here or
        // until the player clicks on the panel; the hint shows his next move on the message
        // line.
        CheckItem(WindowCommand::AutoSignalman, "A&utomatic signalman", on.AutoSignalman,
                  g.AutoSignalman),
        Item(WindowCommand::Hint, "&Hint", on.Hint),
        Item(WindowCommand::Review, ReviewWindow::MenuItem, g.SessionRunning),
        Separator(),
        Item(WindowCommand::Quit, "Quit", on.Quit),
    };
    game.Items[7].Shortcut = 'N';
    MenuBarEntry options{"&Options", WindowCommand::Options, on.Options, {}};
    MenuBarEntry help{"Help", WindowCommand::None, true, {}};
    help.Items = {
        Item(WindowCommand::Introduction, "Introduction"),
        Item(WindowCommand::Bonuses, "Bonuses"),
        Item(WindowCommand::Penalties, "Penalties"),
        Item(WindowCommand::Keys, "&Keys"),
        Separator(),
        Item(WindowCommand::About, "About"),
    };
    return {game, options, help};
}

}  // namespace kv41
