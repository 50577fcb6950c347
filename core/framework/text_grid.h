#pragma once
// The panel's grid of character cells, its text cursor and colours, and the message line.
#include <string>
#include <string_view>

#include "framework/framework_state.h"
#include "model/clock.h"  // TwoDigits, for the texts written on the grid

namespace kv41 {

struct GameState;

// Colours used throughout the panel.
constexpr Rgb Black{0, 0, 0};
constexpr Rgb White{255, 255, 255};
constexpr Rgb LightGrey{192, 192, 192};
constexpr Rgb LegendBrown{160, 80, 0};
constexpr Rgb ErrorRed{255, 40, 40};
constexpr Rgb LightYellow{255, 255, 72};
constexpr Rgb BonusGreen{36, 255, 36};
// Reports of a file written.
constexpr Rgb FileNoticeBlue{0, 0, 160};

constexpr int MessageLineRow = GridRows - 1;

void SetGrid(GameState& g, int rows, int columns);
// Font metrics, cell sizes and the status bar height for the current font size; a font that
// has gone (zero width) ends the program.
void SetupPanelFont(GameState& g);
// Width and height in pixels of the panel (the main window's client area).
int PanelWidth(const GameState& g);
int PanelHeight(const GameState& g);
void ClearPanel(GameState& g);
void MoveCursor(GameState& g, int column, int row);
// Draws the text at the cursor in the current colours; text that runs past the right edge
// continues at the start of the next row.
void WriteText(GameState& g, std::string_view text);
void WriteBlanks(GameState& g, int count);
void DefaultColours(GameState& g);
void LegendColours(GameState& g);
void SetTextColour(GameState& g, Rgb colour);
void SetBackColour(GameState& g, Rgb colour);
void ClearMessageLine(GameState& g);
// What has been written on one of the last three rows since it was last cleared (empty for
// any other row).
std::string BottomLine(const GameState& g, int row);
// Wait ms milliseconds of the time of day, handling events and sleeping 100 ms between checks.
void Pause(GameState& g, int ms);

}  // namespace kv41
