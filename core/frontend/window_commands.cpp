#include "frontend/window_commands.h"

#include <string>

#include "debrief/review_model.h"
#include "debrief/rewind.h"
#include "framework/settings.h"
#include "framework/sounds.h"
#include "frontend/dialogs.h"
#include "frontend/help_topics.h"
#include "game_state.h"
#include "panel/panel_drawing.h"
#include "platform/platform.h"
#include "replay/replay_recorder.h"
#include "session/main_loop.h"
#include "session/position_file.h"
#include "session/scripted_input.h"
#include "session/window_input.h"
#include "signalman/auto_play.h"
#include "windows/info_windows.h"

namespace kv41 {

namespace {

void OpenOptions(GameState& g, FrontEndWindows& windows) {
    // Another modal step is under way: the window would nest inside it.
    if (g.InputBlocked) {
        PlayNotifySound(g);
        return;
    }
    g.InputBlocked = true;
    const int helpBefore = g.HelpContext;
    g.HelpContext = HelpTopic::Options;
    // Before a session the options are those of the settings file, and go back into it, where
    // the session will find them: the sound can be switched off before any bell rings.
    const bool beforeSession = !g.SessionRunning && !g.SessionOver;
    if (beforeSession) LoadSettings(g);
    if (const std::optional<OptionValues> chosen = windows.ChooseOptions()) {
        TakeChosenOptions(g, *chosen, windows);
        if (beforeSession) StoreSettings(g);
    }
    g.HelpContext = helpBefore;
    g.InputBlocked = false;
}

// A copy of the session's replay so far, its state of now as its end.
void SaveReplayAs(GameState& g, ReplayRecorder* recorder) {
    if (!recorder || (!g.SessionRunning && !g.SessionOver)) return;
    FileChoice choice;
    choice.Save = true;
    choice.Title = "Save replay";
    choice.DefaultName = "KV41";
    choice.DefaultExt = "kv41";
    choice.Filter = "Replays|*.kv41|All|*";
    choice.InitialDir = g.DocumentsDirectory;
    const std::optional<std::string> file = g.Host->ChooseFile(choice);
    if (!file || file->empty()) return;
    if (!recorder->SaveCopy(g, *file)) {
        g.Host->ShowBox("Unable to write file - disk may be full or write-protected",
                        BoxType::Error, 0);
    }
}

void Deliver(GameState& g, InputKind kind, bool on = false) {
    RunMenuCommand(g, PlayerInput::Menu(kind, {}, on));
}

}  // namespace

bool ReviewAndPlayAgain(GameState& g, FrontEndWindows& windows) {
    // Another modal step is under way: the window would nest inside it.
    if (g.InputBlocked || (!g.SessionRunning && !g.SessionOver)) {
        PlayNotifySound(g);
        return false;
    }
    const ReviewModel model = ReviewOfSession(g);
    if (!model.Valid) {
        g.Host->ShowBox("The shift's record cannot be played again", BoxType::Error, 0);
        return false;
    }
    g.InputBlocked = true;
    const std::optional<int> minute = windows.ReviewShift(model);
    g.InputBlocked = false;
    if (!minute) return false;
    const RewindResult result = RewindSession(g, *minute);
    if (!result.Done) {
        g.Host->ShowBox("Unable to play again from there: " + result.Refusal, BoxType::Error, 0);
        return false;
    }
    return true;
}

void RunWindowCommand(GameState& g, const Command& command, FrontEndWindows& windows) {
    switch (command.Kind) {
    case WindowCommand::None: break;
    case WindowCommand::Save: SaveGame(g); break;
    case WindowCommand::SaveAs: SaveGameAs(g); break;
    case WindowCommand::Pause: Deliver(g, InputKind::Pause, !g.Paused); break;
    case WindowCommand::SaveReplayAs: SaveReplayAs(g, windows.SessionReplay()); break;
    case WindowCommand::Restart:
        // The item does nothing while the game is paused.
        if (!g.Paused) RestartGame(g);
        break;
    case WindowCommand::AutoSignalman: SetAutoSignalman(g, !g.AutoSignalman); break;
    case WindowCommand::Hint:
        if (g.SessionRunning) ShowSignalmanHint(g);
        break;
    case WindowCommand::Review: ReviewAndPlayAgain(g, windows); break;
    case WindowCommand::Quit:
        // On the start screen the program ends; in a session the loop asks its question.
        if (g.StartScreen) {
            RequestQuit(g);
        } else {
            Deliver(g, InputKind::Quit);
        }
        break;
    case WindowCommand::Options: OpenOptions(g, windows); break;
    case WindowCommand::Introduction: windows.OpenHelp(HelpTopic::Introduction); break;
    case WindowCommand::Bonuses: windows.OpenHelp(HelpTopic::Bonuses); break;
    case WindowCommand::Penalties: windows.OpenHelp(HelpTopic::Penalties); break;
    case WindowCommand::About: g.Host->ShowBox(AboutText(g), BoxType::Information, 0); break;
    case WindowCommand::Keys: g.Host->ShowInfoWindow(BuildKeyListWindow(g)); break;
    case WindowCommand::Slower: OnKey(g, '-'); break;
    case WindowCommand::Faster: OnKey(g, '+'); break;
    case WindowCommand::Fast: Deliver(g, InputKind::Fast); break;
    // Keys beyond the letters (Enter, Esc, the function keys) are the key map's.
    case WindowCommand::Key: OnKey(g, command.Key); break;
    }
}

void TakeChosenOptions(GameState& g, const OptionValues& chosen, FrontEndWindows& windows) {
    ApplyOptions(g, chosen);
    windows.OptionsTaken();
    if (g.SessionRunning && g.PaintEnabled) PaintWindow(g);
}

int HelpTopicInForce(const GameState& g, int windowTopic, int boxTopic) {
    if (windowTopic != 0) return windowTopic;
    return boxTopic != 0 ? boxTopic : g.HelpContext;
}

void CommandQueue::Give(GameState& g, const Command& command, FrontEndWindows& windows) {
    if (atWork_) {
        held_.push_back(command);
    } else {
        RunWindowCommand(g, command, windows);
    }
}

bool CommandQueue::RunHeld(GameState& g, FrontEndWindows& windows) {
    if (held_.empty()) return false;
    std::vector<Command> held;
    held.swap(held_);
    for (const Command& command : held) RunWindowCommand(g, command, windows);
    return true;
}

}  // namespace kv41
