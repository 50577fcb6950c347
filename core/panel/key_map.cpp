#include "panel/key_map.h"

#include <algorithm>
#include <cctype>

#include "panel/click_regions.h"

namespace kv41 {

namespace {

std::vector<KeyBinding> BuildKeyMap() {
    using D = KeyDoes;
    return {
        {0, D::Digit, 0, "0 to 9", "type a lever's number"},
        {KeyEnter, D::Select, 0, "Enter",
         "select the lever typed (or the part selected), as a first click; again: move it"},
        {KeyEscape, D::Abandon, 0, "Esc", "abandon the lever's move; end a tapped code"},
        {KeyBackspace, D::Erase, 0, "Backspace", "take back the last digit typed"},
        {FunctionKey(5), D::BellList, 1, "F5", "bell code list for Pellingford"},
        {FunctionKey(6), D::BellList, 2, "F6", "bell code list for Brenley"},
        {FunctionKey(7), D::BellList, 3, "F7", "bell code list for Hollowmer Jn"},
        {FunctionKey(8), D::BellList, 4, "F8", "bell code list for Radlow Rd Jn"},
        {FunctionKey(9), D::Plunger, 1, "F9", "tap Pellingford's bell plunger (a beat a press)"},
        {FunctionKey(10), D::Plunger, 2, "F10", "tap Brenley's bell plunger"},
        {FunctionKey(11), D::Plunger, 3, "F11", "tap Hollowmer Jn's bell plunger"},
        {FunctionKey(12), D::Plunger, 4, "F12", "tap Radlow Rd Jn's bell plunger"},
        {KeyShift + FunctionKey(5), D::Commutator, 1, "Shift+F5", "turn Pellingford's instrument"},
        {KeyShift + FunctionKey(7), D::Commutator, 3, "Shift+F7", "turn Hollowmer Jn's instrument"},
        {KeyShift + FunctionKey(8), D::Commutator, 4, "Shift+F8", "turn Radlow Rd Jn's instrument"},
        {'H', D::Command, ActionHeld, "H", "trains held window"},
        {'R', D::Command, ActionRegister, "R", "train register window"},
        {'T', D::Command, ActionTrains, "T", "trains approaching window"},
        {'W', D::Command, ActionWtt, "W", "working timetable window"},
        {'M', D::Command, ActionMessages, "M", "recent messages window"},
        {'K', D::Command, ActionKeys, "K", "this list of keys"},
        {'L', D::Command, ActionLearning, "L", "learning mode on or off"},
        {'Q', D::Command, ActionQuit, "Q", "quit"},
        {'+', D::Faster, 0, "+", "faster"},
        {'-', D::Slower, 0, "-", "slower"},
        {'F', D::Fast, 0, "F", "run fast until something needs you (again: normal speed)"},
        {'N', D::Menu, 0, "N", "hint: the automatic signalman's next move"},
        {0, D::Menu, 0, "Up, Down", "in the bell code list: choose a code"},
        {0, D::Menu, 0, "Enter, Esc", "in the bell code list: send it, or send nothing"},
        {0, D::Menu, 0, "Alt+G", "Game menu: save, pause, automatic signalman, hint, quit"},
        {0, D::Menu, 0, "Alt+O", "options"},
        {0, D::Menu, 0, "F1", "help on whatever is in front of you"},
    };
}

}  // namespace

const std::vector<KeyBinding>& KeyMap() {
    static const std::vector<KeyBinding> map = BuildKeyMap();
    return map;
}

KeyBinding FindKey(int key) {
    if (key >= 'a' && key <= 'z') key = std::toupper(key);
    if (key >= '0' && key <= '9') return {key, KeyDoes::Digit, key - '0', "0 to 9", ""};
    for (const KeyBinding& binding : KeyMap()) {
        if (binding.Key != 0 && binding.Key == key) return binding;
    }
    return {};
}

int KeyFromName(std::string_view name) {
    int shift = 0;
    if (name.size() > 6 && (name.substr(0, 6) == "Shift+" || name.substr(0, 6) == "shift+")) {
        shift = KeyShift;
        name.remove_prefix(6);
    }
    auto same = [name](std::string_view word) {
        if (word.size() != name.size()) return false;
        for (std::size_t i = 0; i < word.size(); ++i) {
            if (std::tolower(static_cast<unsigned char>(word[i])) !=
                std::tolower(static_cast<unsigned char>(name[i]))) {
                return false;
            }
        }
        return true;
    };
    if (shift == 0 && name.size() == 1 && name[0] > ' ' && name[0] < 127) {
        return std::toupper(static_cast<unsigned char>(name[0]));
    }
    if (shift == 0 && same("Enter")) return KeyEnter;
    if (shift == 0 && same("Esc")) return KeyEscape;
    if (shift == 0 && same("Backspace")) return KeyBackspace;
    for (int n = 1; n <= 12; ++n) {
        if (same("F" + std::to_string(n))) return shift + FunctionKey(n);
    }
    return 0;
}

std::string KeyName(int key) {
    if (key > ' ' && key < 127) return std::string(1, static_cast<char>(key));
    std::string shift = (key & KeyShift) != 0 ? "Shift+" : "";
    key &= ~KeyShift;
    if (key > KeyFunction && key <= FunctionKey(12)) {
        return shift + "F" + std::to_string(key - KeyFunction);
    }
    if (!shift.empty()) return "";
    if (key == KeyEnter) return "Enter";
    if (key == KeyEscape) return "Esc";
    if (key == KeyBackspace) return "Backspace";
    return "";
}

std::vector<std::string> KeyListLines() {
    constexpr std::size_t KeyColumn = 12;
    std::vector<std::string> lines;
    for (const KeyBinding& binding : KeyMap()) {
        std::string keys = binding.Keys;
        keys.resize(std::max(KeyColumn, keys.size() + 1), ' ');
        lines.push_back(keys + binding.Meaning);
    }
    return lines;
}

}  // namespace kv41
