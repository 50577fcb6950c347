#pragma once
// The fonts of the program. The panel is drawn only in "TOLA", the program's own font from
// TOLA.TTF beside it: every character fills one cell, and the game's codes 165 and 166 are the
// diagram's arrows. The information windows, lists and memos use it too, for its fixed width.
#include <QFont>

class QPainter;
class QFontMetrics;

// The family that TOLA.TTF gives.
inline constexpr const char* PanelFamily = "TOLA";

// Whether TOLA.TTF beside the program was registered (it is, on first use of the fonts).
bool PanelFontAvailable();
// The panel font at a point size.
QFont PanelFont(int pointSize);
// The fixed-width font of the information windows, lists and memos.
QFont TypewriterFont(int pointSize, bool bold = false);
// The character of the game's code page (Latin-1, with the arrows at 165 and 166 from the font)
// at a cell whose top left is (x, y).
void DrawCellCharacter(QPainter& painter, int x, int y, unsigned char code,
                       const QFontMetrics& metrics);
