#pragma once
// The fonts of the windows and dialogs: the system's message face for words, the panel's own
// font (TOLA, registered privately from TOLA.TTF beside the program) where text must line up in
// cells. Made once per size and kept for the life of the program.
#include "windows_api.h"

HFONT SansFont(int pointSize, bool bold = false);
HFONT TypewriterFont(int pointSize, bool bold = false);
HFONT SerifFont(int pointSize, bool bold);
// Pixels for a point size on this screen.
int PointsToPixels(int pointSize);
// The width of "W" and the height of a line in a font.
SIZE FontCell(HFONT font);
