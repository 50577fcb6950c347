#pragma once
// The start screen and the dialogs of the main window as every front end shows them: their
// texts, choices and help topics, and where each part stands, in cells of a dialog cell
// (DialogCell: a front end that draws at another scale multiplies both sides alike).
#include <string>
#include <vector>

#include "frontend/screen_fit.h"
#include "platform/platform.h"

namespace kv41 {

struct GameState;

// A place in a dialog, in dialog cells from the top left corner of its client area.
struct CellRect {
    int Column = 0;
    int Row = 0;
    int Columns = 0;
    int Rows = 0;
};

// The dialog cell in pixels at the ordinary screen resolution: the new-game and end-of-session
// dialogs are drawn on it, around their 128-pixel picture of a signal box.
constexpr CellSize DialogCell{8, 16};

// The picture of the new-game and end-of-session dialogs: a signal box beside a semaphore
// home signal at danger, 16 by 8 cells.
constexpr CellRect PicturePlace{2, 1, 16, 8};

struct RadioGroup {
    std::string Title;
    std::vector<std::string> Items;
    int Chosen = 0;           // index of the item chosen at first
    bool FixedPitch = false;  // the items line their columns up with blanks
    CellRect Place;
};

struct TextPlace {
    std::string Text;
    CellRect Place;  // Columns and Rows 0: as large as the text
};

// "TOLA select shift": the shift and the difficulty of a new game. OK starts the shift with
// both choices, which always hold a selection; Cancel, Esc and the window's own close leave the
// start screen as it was, nothing started.
struct NewGameWindow {
    std::string Caption;
    Size Cells;
    TextPlace Name;  // bold, two points above the dialog's font
    TextPlace Hint;  // its lines broken at "\n"
    RadioGroup Levels;
    RadioGroup Shifts;
    TextPlace Ok;
    TextPlace Cancel;
    int HelpTopic = 0;
};
// The window as it opens; F1 now opens its topic.
NewGameWindow OpenNewGameWindow(GameState& g);

// "TOLA end of session": the verdict on the shift, shown once before the program ends.
struct EndWindow {
    std::string Caption;
    Size Cells;
    TextPlace Name;  // bold, set smaller until it fits on its line
    // Rating, point score, per cent: they keep their blanks, so that the numbers,
    // right-aligned in their fields, line up in a fixed-pitch face.
    std::vector<TextPlace> Lines;
    TextPlace Ok;
    // The shift explained: ReviewAndPlayAgain (frontend/window_commands.h); when it went back
    // into the shift, the end window closes as with OK and the session runs again.
    TextPlace Review;
    int HelpTopic = 0;
};
EndWindow EndWindowOf(const std::string& rating, const std::string& pointScore,
                      const std::string& perCent);

// The About box's text.
std::string AboutText(const GameState& g);

// The caption the window shows for the game's caption: a paused game says so where the player
// looks when nothing moves.
std::string ShownCaption(const std::string& caption, bool paused);

// The start screen drawn on the panel under the status bar: the box's name over a few lines
// and the two ways in. Rows count panel cells from the top of the panel below the status bar.
struct StartScreenLayout {
    std::string Title;  // a serif face at twice the panel font size, bold
    Rgb TitleColour;
    int TitleRow = 0;                // the title's top
    std::vector<std::string> Lines;  // the panel font two points larger, centred
    Rgb LinesColour;
    int LinesGapRows = 0;              // from the title's foot to the first line
    int LinePitchHalves = 0;           // lines stand this many half rows apart
    std::vector<std::string> Buttons;  // left to right; the first answers Enter
    int ButtonsTopFifths = 0;          // the buttons' top, in fifths of the panel's height
};
StartScreenLayout StartScreenOf();

}  // namespace kv41
