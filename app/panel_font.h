#pragma once
// The fonts of the program. The panel is drawn only in "TOLA", the program's own font from
// TOLA.TTF beside it: every character fills one cell, and the game's codes 165 and 166 are the
// diagram's arrows. The information windows, lists and memos use it too, for its fixed width.
#include <QFont>
#include <QRawFont>
#include <array>
#include <string_view>

class QPainter;

// The family that TOLA.TTF gives.
inline constexpr const char* PanelFamily = "TOLA";

// Whether TOLA.TTF beside the program was registered (it is, on first use of the fonts).
bool PanelFontAvailable();
// The panel font at a point size.
QFont PanelFont(int pointSize);
// The fixed-width font of the information windows, lists and memos.
QFont TypewriterFont(int pointSize, bool bold = false);
// The panel font at one point size, ready to draw the game's code page (Latin-1, with the arrows
// at 165 and 166 from the font) a character to a cell: its glyphs are looked up once, so that
// drawing puts glyphs at cells without laying out any text.
class CellFont {
public:
    explicit CellFont(int pointSize);
    int Cell() const { return cell_; }  // the width of "W", whole pixels
    int Height() const { return height_; }
    // The text with the top left of its first cell at (x, y), in the pen's colour; blanks
    // leave their cells as they are.
    void Draw(QPainter& painter, int x, int y, std::string_view text) const;

private:
    QRawFont raw_;
    std::array<quint32, 256> glyphs_{};
    int cell_ = 0, ascent_ = 0, height_ = 0;
};

// The cell font of a point size, made on first use and kept.
const CellFont& CellFontOf(int pointSize);
