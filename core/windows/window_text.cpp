#include "windows/window_text.h"

#include "game_state.h"
#include "model/clock.h"

namespace kv41 {

std::string PadRight(std::string_view text, int width) {
    std::string padded(text);
    if (padded.size() < static_cast<std::size_t>(width)) {
        padded.append(static_cast<std::size_t>(width) - padded.size(), ' ');
    }
    return padded;
}

std::string PadLeft(int value, int width) {
    std::string digits = std::to_string(value);
    if (digits.size() < static_cast<std::size_t>(width)) {
        digits.insert(0, static_cast<std::size_t>(width) - digits.size(), ' ');
    }
    return digits;
}

std::string Cut(std::string text, int length) {
    if (text.size() > static_cast<std::size_t>(length))
        text.resize(static_cast<std::size_t>(length));
    return text;
}

std::string LineCodeOf(const GameState& g, int line) {
    if (line < 1 || line > LineCount) return "  ";
    return PadRight(g.LineCode[line].view(), 2);
}

bool DueWithinTheHour(const GameState& g, int train) {
    return IsTrain(g, train) && DuePlusLate(g, train) <= g.ClockNow + 60;
}

std::string DueAndExpected(const GameState& g, int train) {
    return FormatClock(g.TrainDue[train], 5) + " " + FormatClock(DuePlusLate(g, train), 5);
}

std::string CaptionTime(const GameState& g) {
    return FormatClock(g.ClockNow == NoTime ? 0 : g.ClockNow, 5);
}

}  // namespace kv41
