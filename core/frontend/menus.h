#pragma once
// The main window's menus as every front end shows them: the items in order, their texts (an
// ampersand marks the access key), which are check items and checked, and which are enabled,
// all read from the game as it stands. A front end builds its menu bar from MainMenu once and
// brings the check marks and enabled states up to date from it whenever it passes control to
// its own event loop; a chosen item goes to the game as a WindowCommand.
#include <string>
#include <vector>

namespace kv41 {

struct GameState;

enum class WindowCommand {
    None,
    // The game menu.
    Save,
    SaveAs,
    Pause,
    SaveReplayAs,
    Restart,
    AutoSignalman,
    Hint,
    Review,  // the shift so far explained, with the way back to any minute of it
    Quit,
    // The options item on the menu bar itself.
    Options,
    // The help menu.
    Introduction,
    Bonuses,
    Penalties,
    Keys,
    About,
    // The status bar's buttons and a key typed at the window.
    Slower,
    Faster,
    Fast,
    Key,
};

struct MenuItem {
    WindowCommand Command = WindowCommand::None;  // None: a separator
    std::string Text;                             // "&Save"
    char Shortcut = 0;                            // a plain key that gives the item too
    bool Checkable = false;
    bool Checked = false;
    bool Enabled = true;
};

// One entry of the menu bar: a menu with its items, or (Command set, no items) a command of
// the bar itself.
struct MenuBarEntry {
    std::string Title;  // "&Game"
    WindowCommand Command = WindowCommand::None;
    bool Enabled = true;
    std::vector<MenuItem> Items;
};

// The menu items the game switches on and off as it goes (Platform::SetMenuEnabled): the
// front end keeps them here as the game names them, and the menus show them.
struct MenuSwitches {
    bool Save = false;
    bool SaveAs = false;
    bool Pause = true;
    bool Restart = false;
    bool Quit = true;
    bool Options = false;
    bool AutoSignalman = false;
    bool Hint = false;
};
// Records one of Platform::SetMenuEnabled's calls; false for an item the menus do not have.
bool RecordMenuSwitch(MenuSwitches& switches, const std::string& item, bool enabled);

std::vector<MenuBarEntry> MainMenu(const GameState& g, const MenuSwitches& on);

}  // namespace kv41
