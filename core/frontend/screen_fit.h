#pragma once
// Sizes and places of the windows, in the screen's pixels: the largest panel font that fits an
// area, and where each window stands. Every front end measures its fonts and frames and asks
// these; the rules are the same whatever draws them.
#include <functional>

namespace kv41 {

struct Size {
    int Width = 0;
    int Height = 0;
};

struct Rect {
    int Left = 0;
    int Top = 0;
    int Width = 0;
    int Height = 0;
};

// What a window's frame adds around its client area (caption, borders) and what stands between
// the frame and the panel (the menu bar).
struct Margins {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
};

// The panel font's sizes run from this to that; at the smallest the panel is used even where it
// does not fit. The largest leaves room for a window maximised on a large screen.
constexpr int SmallestFontSize = 6;
constexpr int LargestFontSize = 96;

// The cell of the panel font at a point size: the width of "W" and the height of a line.
struct CellSize {
    int Width = 0;
    int Height = 0;
};
using MeasureCell = std::function<CellSize(int pointSize)>;

// The panel with its status bar for a cell size: the grid's rows and columns, the status bar's
// two rows and the panel's margin of 5 pixels.
Size PanelSizeFor(CellSize cell);

// The largest font size whose panel fits the area, once the window's chrome (its frame and
// menu bar) is taken from it; the smallest when none does.
int LargestFittingFontSize(Size area, Margins chrome, const MeasureCell& measure);

// The main window as it was last sized to fit the panel: its size and the font it was sized for.
struct WindowSizing {
    Size Window;
    int FontSize = 0;
};

// The panel font of a main window the player resized, maximised or made full screen (enlarged):
// back at the size it was given for a font (restored from maximised, or the window manager
// answering that sizing late), that font; at any other size the largest whose panel fits the
// client area, the panel then standing in its middle.
int FontForResizedWindow(const WindowSizing& sizedFor, Size window, bool enlarged, Size clientArea,
                         const MeasureCell& measure);

// The main window on the screen: centred by its frame, and wholly on the screen where it fits
// (else its top left corner on the screen's). Gives where the frame's top left corner goes.
Rect CentredOnScreen(Rect screen, Size frame);

// A window of the game beside the panel (the bell code list, the information windows): 50
// pixels from the right edge of the screen, one line below its top, never off its left edge.
Rect BesideThePanel(Rect screen, Size frame, int lineHeight);

}  // namespace kv41
