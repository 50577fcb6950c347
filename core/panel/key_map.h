#pragma once
// The keyboard: one map of keys to what they do, shared by every front end. A front end turns
// its own key events into these codes and hands them to OnKey (session/window_input.h); the
// key list window, the legend and the help are written from the same map.
#include <string>
#include <string_view>
#include <vector>

namespace kv41 {

// Printable characters stand for themselves (letters in upper case); the other keys have codes
// of their own, and Shift is added to a function key's code.
enum KeyCodes : int {
    KeyEnter = 0x100,
    KeyEscape,
    KeyBackspace,
    KeyFunction = 0x110,  // F1 is KeyFunction + 1, ... F12 is KeyFunction + 12
    KeyShift = 0x1000
};

constexpr int FunctionKey(int n) {
    return KeyFunction + n;
}

// What a key does.
enum class KeyDoes {
    Nothing,
    Digit,       // one digit of a lever's number
    Erase,       // takes back the last digit typed
    Select,      // Enter: the lever whose number was typed, else the part selected, as a click
    Abandon,     // Esc: abandons a lever's move or ends a tapped code; clears the selection
    BellList,    // a box's bell code list (a click on its name heading)
    Plunger,     // one beat on a box's bell plunger
    Commutator,  // turns a box's incoming block instrument
    Command,     // one of the legend's commands, by action code
    Faster,
    Slower,
    Fast,  // the status bar's Fast (Slow) button
    Menu   // taken by the front end's menu (its accelerator)
};

struct KeyBinding {
    int Key = 0;  // 0: a range written in Keys (the digits)
    KeyDoes Does = KeyDoes::Nothing;
    int Index = 0;          // the box, or the action code of a command
    const char* Keys = "";  // as the player reads it: "F5", "Shift+F5", "0 to 9"
    const char* Meaning = "";
};

// Every binding, in the order the key list shows them.
const std::vector<KeyBinding>& KeyMap();
// The binding of a key (Nothing when the key does nothing).
KeyBinding FindKey(int key);
// A key by the name the console and the replay use: a character, "Enter", "Esc", "Backspace",
// "F1".."F12", "Shift+F5"; 0 when there is no such key.
int KeyFromName(std::string_view name);
std::string KeyName(int key);
// The key list: one line per binding, the keys in a column of their own.
std::vector<std::string> KeyListLines();

}  // namespace kv41
