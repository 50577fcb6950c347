#pragma once
// The fonts of the program: the panel's fixed-width face, in which every character fills one
// cell, and the typewriter face of the information windows.
#include <QFont>

class QPainter;
class QColor;
class QFontMetrics;

// The panel font at a point size: DejaVu Sans Mono when its font file is on the machine, else
// the system's own fixed-width font, so that the program runs either way.
QFont PanelFont(int pointSize);
// The monospace font of the information windows, lists and memos.
QFont TypewriterFont(int pointSize, bool bold = false);
// The character of the game's own code page at a cell whose top left is (x, y): codes 165 and
// 166 are the diagram's left and right arrows, the rest are Latin-1.
void DrawCellCharacter(QPainter& painter, int x, int y, unsigned char code,
                       const QFontMetrics& metrics, int cellWidth);
