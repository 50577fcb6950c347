#include "framework/message_window.h"

#include "game_state.h"
#include "model/clock.h"

namespace kv41 {

namespace {

constexpr std::size_t OneLineLimit = 72;
constexpr std::size_t ContinuationLength = 60;
constexpr int MessagesHelpContext = 426;

// A slot is empty only as a new game leaves it: a message stored at 23.59 the evening before
// a Night shift also has the time -1.
bool SlotEmpty(const GameState& g, int slot) {
    auto index = static_cast<std::size_t>(slot);
    return g.MessageTime[index] == -1 && g.MessageText[index].empty();
}

}  // namespace

std::vector<std::string> MessageLines(int time, const std::string& text) {
    // The messages window writes times by the same rule as the clock.
    const std::string prefix = FormatClock(time, 5) + "  ";
    if (text.size() <= OneLineLimit) return {prefix + text};
    std::size_t blank = text.rfind(' ', OneLineLimit - 1);
    // A text with no blank to break at is broken after its 72nd character.
    std::size_t cut = blank == std::string::npos ? OneLineLimit : blank + 1;
    return {prefix + text.substr(0, cut),
            std::string(7, ' ') + text.substr(cut, ContinuationLength)};
}

InfoWindow BuildMessagesWindow(const GameState& g) {
    InfoWindow window;
    window.Name = "messages";
    window.Caption = "Recent messages";
    window.HelpContext = MessagesHelpContext;
    int newest = (g.MessageIndex >= 1 && g.MessageIndex <= MessageSlots) ? g.MessageIndex : 1;
    if (SlotEmpty(g, newest)) {
        window.Heads = {"No messages recorded"};
        window.EndPane();
        return window;
    }
    window.Heads = {"Time   Message"};
    for (int step = 1; step <= MessageSlots; ++step) {
        int slot = (newest + step - 1) % MessageSlots + 1;
        if (SlotEmpty(g, slot)) continue;
        auto index = static_cast<std::size_t>(slot);
        for (std::string& line : MessageLines(g.MessageTime[index], g.MessageText[index].str())) {
            window.Lines.push_back(std::move(line));
        }
    }
    window.EndPane();
    return window;
}

}  // namespace kv41
