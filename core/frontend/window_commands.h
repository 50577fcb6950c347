#pragma once
// The window's commands (menu items, keys, the status bar's buttons) as every front end gives
// them to the game. The game takes input only in its waits, where the console and a replay
// give it too: a command given while the game pauses in the middle of its work (a message held
// on the line, a bell played) is held and carried out at the game's next wait, so that a
// Restart or a Save given during a message replays exactly. Commands that act on the game go
// through the one input path (input/player_input.h); the few that open a window of the front
// end's own (the options, the help) are handed back to it through FrontEndWindows.
#include <optional>
#include <vector>

#include "framework/options.h"
#include "frontend/menus.h"

namespace kv41 {

struct GameState;
class ReplayRecorder;
struct ReviewModel;

struct Command {
    WindowCommand Kind = WindowCommand::None;
    int Key = 0;  // WindowCommand::Key: the key typed, as the key map codes it (panel/key_map.h)

    static Command Typed(int key) { return {WindowCommand::Key, key}; }
};

// What a front end shows when a command asks for one of its windows.
class FrontEndWindows {
public:
    virtual ~FrontEndWindows() = default;
    // The options window (frontend/dialogs.h, OptionsWindowOf): the values taken with OK, or
    // none when cancelled.
    virtual std::optional<OptionValues> ChooseOptions() = 0;
    // After new options took effect: the panel's and the information windows' font sizes may
    // have changed, so the front end lays its windows out again before the panel is painted.
    virtual void OptionsTaken() = 0;
    virtual void OpenHelp(int topic) = 0;
    // The replay being recorded of the session, that "Save Replay As..." copies; none: the
    // item does nothing.
    virtual ReplayRecorder* SessionReplay() { return nullptr; }
    // The review window (debrief/review_model.h) shown to the player: the minute chosen with
    // "Play again from here", or none when it was closed.
    virtual std::optional<int> ReviewShift(const ReviewModel& /*model*/) { return std::nullopt; }
};

// "Shift review" from the Game menu or "Review" at the end of the session: the review window,
// and the game taken back to the minute the player chose to play again from. True when it went
// back (after the session's end: the session runs again once the end window is closed).
bool ReviewAndPlayAgain(GameState& g, FrontEndWindows& windows);

// Carries out a command now.
void RunWindowCommand(GameState& g, const Command& command, FrontEndWindows& windows);

// The options window's OK, however it was given: the values take effect, the front end lays
// its windows out and a running session is painted again.
void TakeChosenOptions(GameState& g, const OptionValues& chosen, FrontEndWindows& windows);

class CommandQueue {
public:
    // The game is at work while the front end delivers its events from inside the game's work
    // (Platform::ProcessEvents): it sets this around that and puts back what was there before.
    void SetAtWork(bool atWork) { atWork_ = atWork; }
    bool AtWork() const { return atWork_; }

    // A command of the window: carried out now, or held while the game is at work.
    void Give(GameState& g, const Command& command, FrontEndWindows& windows);
    // At the game's wait (Platform::WaitForEvents): carries out the commands held, in the
    // order given. True when there were any: the wait then looks again at what they did.
    bool RunHeld(GameState& g, FrontEndWindows& windows);
    std::size_t Held() const { return held_.size(); }

private:
    bool atWork_ = false;
    std::vector<Command> held_;
};

}  // namespace kv41
