#pragma once
// Pieces of text shared by the information windows and the timetable file.
#include <string>
#include <string_view>

namespace kv41 {

struct GameState;

// The text followed by blanks up to width (a longer text is kept whole).
std::string PadRight(std::string_view text, int width);
// The number right-aligned in width.
std::string PadLeft(int value, int width);
// The text cut to at most length characters.
std::string Cut(std::string text, int length);
// The two-letter code of an entry or exit line; blanks for anything else.
std::string LineCodeOf(const GameState& g, int line);
// A train due within the next hour (or overdue), as the windows of what is coming list it.
bool DueWithinTheHour(const GameState& g, int train);
// The "Due   Expected" columns: booked and expected time, five characters each.
std::string DueAndExpected(const GameState& g, int train);
// The time for a window's caption, as the status bar shows it.
std::string CaptionTime(const GameState& g);

}  // namespace kv41
