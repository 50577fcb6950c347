#pragma once
// Scripted player input: the way input that does not come from the window reaches the game.
//
// The console, a replay watched in the window and the automatic signalman put what the player
// would do into GameState::Inputs. Every wait of the game (the event wait, the lever's
// confirming click, the paused loop) calls TakeScriptedInput before it waits on the platform:
// the next event is taken there, one at a time, and delivered to the same handlers as a mouse
// press, a key, the game timer or a menu command of the window. The yes/no questions, the bell
// code list and the file dialogs take their answers from the queues below before they ask the
// window. So a scripted input is taken at exactly the point where the game takes the player's
// own, on any platform, and the replay recorder sees both alike.
//
// A producer only queues: nothing is acted on until the game next waits. A click's time of
// day is the time when it is taken, or, with AfterMs, that many milliseconds after the last
// scripted click, so that the rhythm of tapped codes is exact whatever the real clock does.
#include <deque>
#include <optional>
#include <string>
#include <vector>

namespace kv41 {

enum class InputKind {
    Tick,     // the game timer's expiry
    Click,    // a mouse press on a panel cell
    Key,      // a key typed
    Fast,     // the status bar's Fast/Slow button
    Option,   // the options window with one option changed, then OK
    Rules,    // the options window with other bell rules, then OK
    Pause,    // the Pause menu item
    Save,     // Save As with a file chosen
    Restart,  // Restart with a file chosen
    Quit,     // the Quit menu item, or closing the window
};

struct PlayerInput {
    InputKind Kind = InputKind::Tick;
    int Column = 0, Row = 0;  // Click: the panel cell, 1-based
    int AfterMs = -1;         // Click: ms after the last scripted click; -1: taken now
    int Key = 0;              // Key: a character or a code of panel/key_map.h
    std::string Name;         // Option, Rules: its name; Save, Restart: the file
    bool On = false;          // Option

    static PlayerInput Click(int column, int row, int afterMs = -1);
    static PlayerInput Typed(int key);
    static PlayerInput Menu(InputKind kind, std::string name = {}, bool on = false);
};

struct PlayerInputs {
    std::deque<PlayerInput> Events;                // taken in order by the waits
    std::deque<bool> Answers;                      // the next yes/no questions
    std::deque<int> BellCodes;                     // the bell code list: the code chosen
    std::deque<std::optional<std::string>> Files;  // file dialogs: a name, or cancelled
    int LastClickMs = 0;                           // the time given to the last scripted click

    bool Pending() const { return !Events.empty(); }
    void Clear();
};

}  // namespace kv41
