#pragma once
// The windows the game opens over the panel, as every front end shows them: the options, the
// bell code list and the information windows, laid out in cells of the font they are written in.
#include <string>
#include <vector>

#include "framework/options.h"
#include "frontend/screen_fit.h"

namespace kv41 {

struct GameState;

// "TOLA Game Options". Its columns, left to right: the preferences, the two font bars, then the
// bell rules over the block working; OK, Cancel and Help below.
struct OptionCheck {
    std::string Text;  // an ampersand marks the access key
    bool OptionValues::*Field = nullptr;
    bool Enabled = true;  // AutoSave is shown only: the window cannot change it
};

struct FontBar {
    std::string Title;      // "Main Window"
    std::string ValueName;  // shown with the value under the bar: "F1  12"
    int OptionValues::*Field = nullptr;
    int Smallest = 0;  // the bar runs from this at its foot...
    int Largest = 0;   // ...to this at its top, the largest size that fits the screen
};

struct OptionsWindow {
    std::string Caption;
    std::string PreferencesTitle;
    std::vector<OptionCheck> Preferences;
    std::vector<FontBar> FontBars;
    std::string RulesTitle;
    std::vector<std::string> Rules;  // in the order of RulesIndex
    std::string BlockTitle;
    std::vector<OptionCheck> Block;
    int FontBarRows = 0;  // the bars' height, in lines of the dialog's font
    int HelpTopic = 0;
};
OptionsWindow OptionsWindowOf(const GameState& g);
// The bell rules as the window's radio buttons number them: BR, WR, LMR.
int RulesIndex(const OptionValues& values);
void SetRulesIndex(OptionValues& values, int index);
// A font bar's value as the window shows it: within the bar's range.
int FontBarValue(const FontBar& bar, const OptionValues& values);

// "Select bell code to send to" the box: every bell code, one a line, in the panel font at its
// size. Columns and rows are cells of that font; a front end adds its own frames and margins.
struct BellListWindow {
    std::string Caption;
    std::string Heading;  // bold, over the list
    std::vector<std::string> Lines;
    int Chosen = 0;            // the line selected at first
    int Columns = 0;           // the list's width; the whole list shows without scrolling
    std::string Footnote;      // under the list, one line below it
    int FootnoteColumn = 0;    // from the list's left edge
    int CentreColumn = 0;      // the buttons stand either side of it
    int ButtonColumns = 0;     // a button's width
    int ButtonGapColumns = 0;  // from the centre to each button
    int ButtonRows = 0;
    std::string Ok, Cancel;  // OK answers Enter; the window's own close is Cancel
    int FontSize = 0;
    int HelpTopic = 0;
};
// The list for a code to the box as it opens, with the suggested code selected; F1 now opens
// the list's topic.
BellListWindow OpenBellList(GameState& g, int box, int suggested);

// The shape of an information window: its memos in order, each with the headings above it,
// the lines it shows and whether it is a one-line box.
struct InfoPane {
    int Heads = 0;  // the first in green when the window has green titles
    int Rows = 0;
    bool OneLine = false;
};

struct InfoWindowShape {
    std::vector<InfoPane> Panes;
    int Columns = 0;          // memo width in cells
    bool GreenHeads = false;  // the first heading of each pane is a green title
    int ExtraLineHeight = 0;  // pixels added to a line: the approaching window is spaced wider
};
InfoWindowShape InfoWindowShapeOf(const std::string& name);
// The messages window follows the panel's font size, the others their own.
int InfoWindowFontSize(const GameState& g, const std::string& name);
// Where an information window's frame goes as it opens: where the player last left it, else
// where it hides least of the panel (framework/window_places.h), the status bar and the
// instruments staying in sight. In screen pixels: the screen's work area, the main window's
// frame, the screen row of the panel's top (below the status bar) and the window's frame size.
// Where the player leaves one is kept with RememberWindowPlace.
Rect InfoWindowPlace(GameState& g, const std::string& name, Rect screen, Rect mainFrame,
                     int panelTop, Size frame);

}  // namespace kv41
