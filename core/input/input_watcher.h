#pragma once
// What watches the player's input as the game takes it: told at the places where input is
// taken (the event wait and the handlers and dialogs it runs), never by the window, so that it
// sees exactly what changed the game, whoever gave it. The replay recorder is one; the game
// holds it as GameState::Recorder and knows it only by this interface.
#include <string>

namespace kv41 {

struct GameState;
struct OptionValues;

class InputWatcher {
public:
    virtual ~InputWatcher() = default;

    // A position file was read for loading: the start of a resumed session, or a Restart.
    // An empty text: the file could not be read (a Restart then names it only).
    virtual void PositionRead(const GameState& g, const std::string& file,
                              const std::string& text) = 0;
    virtual void SessionStarted(const GameState& g) = 0;
    // The session's loop has ended, or the watching stops (the end of a console's input).
    virtual void Finish(const GameState& g) = 0;

    virtual void ClickTaken(
        const GameState& g) = 0;  // the event wait took a click (before its action)
    virtual void ConfirmingClickTaken(const GameState& g) = 0;
    virtual void TapTaken(const GameState& g) = 0;  // a press while tapping, taken by its handler
    virtual void KeyTaken(char key) = 0;            // an action key dispatched, or + and - acted on
    virtual void TickTaken() = 0;                   // a tick ended a wait and a step follows
    virtual void Answered(bool yes) = 0;
    virtual void BellChosen(int code) = 0;
    virtual void Saved(const std::string& file) = 0;
    virtual void OptionsChanged(const OptionValues& before, const OptionValues& after) = 0;
    virtual void PauseToggled(bool paused) = 0;
    virtual void FastClicked() = 0;
    virtual void QuitRequested() = 0;
    // A console command that changed the game directly ("set ..."), as it was given.
    virtual void CommandGiven(const std::string& command) = 0;
    // The start screen was prepared afresh: what was given before is gone with it.
    virtual void StartScreenPrepared() = 0;
};

}  // namespace kv41
