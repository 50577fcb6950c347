// Block instruments, bell indicators and the yard sign, in each box's column of 18 cells.
#include "panel/instruments.h"

#include <algorithm>
#include <string>

#include "game_state.h"
#include "model/bell_codes.h"
#include "model/clock.h"
#include "panel/panel_canvas.h"
#include "platform/platform.h"

namespace kv41 {

namespace {

constexpr int BranchBox = 2;
// The smallest point size at which the branch instrument's captions can still be read.
constexpr int SmallestCaptionSize = 5;
constexpr int Outgoing = 0;  // the line towards the box
constexpr int Incoming = 1;  // the line from the box

int ColumnOf(int box) {
    return 18 * box - 17;
}

// The centre of an instrument part placed at cell (a, b): the grid's cells without the
// status bar margin, which puts it on the corner the click regions of the handles share.
Pixel PartCentre(const GameState& g, int a, int b) {
    return {g.CellWidth * (a + 5), g.CellHeight * (b + 1)};
}

void WriteAt(GameState& g, int column, int row, std::string_view text, Rgb fg, Rgb bg) {
    MoveCursor(g, column, row);
    SetTextColour(g, fg);
    SetBackColour(g, bg);
    WriteText(g, text);
    DefaultColours(g);
}

// One sector of a disc, anticlockwise from the radius through `from` to the radius through
// `to` (both as unit offsets from the centre).
void Sector(GameState& g, Pixel centre, int radius, Pixel from, Pixel to, Rgb pen, Rgb fill) {
    const int r = Units(g, radius);
    g.Host->DrawPie(centre.X - r, centre.Y - r, centre.X + r, centre.Y + r,
                    centre.X + Units(g, from.X), centre.Y + Units(g, from.Y),
                    centre.X + Units(g, to.X), centre.Y + Units(g, to.Y), pen, fill);
}

void Needle(GameState& g, Pixel centre, Pixel from, Pixel to, Rgb colour, int width) {
    const Pixel a = At(g, centre, from.X, from.Y);
    const Pixel b = At(g, centre, to.X, to.Y);
    g.Host->DrawLine(a.X, a.Y, b.X, b.Y, colour, width);
}

// A dial of boxes 1, 3 and 4: red for train on line (upper left), green for line clear (upper
// right), the needle upright for line blocked.
void InstrumentFace(GameState& g, int state, int a, int b) {
    const Pixel c = PartCentre(g, a, b);
    const Pixel top{0, -12}, left{-12, 0}, right{12, 0};
    Sector(g, c, 12, top, left, LegendBrown, SignalRed);
    Sector(g, c, 12, right, top, LegendBrown, SignalGreen);
    Sector(g, c, 12, left, right, LegendBrown, Black);
    switch (state) {
    case TrainOnLine: Needle(g, c, {-5, -5}, {5, 5}, White, 2); break;
    case LineClear: Needle(g, c, {5, -5}, {-5, 5}, White, 2); break;
    default: Needle(g, c, {0, -6}, {0, 6}, White, 2); break;
    }
}

// The largest point size from half the panel's down to the smallest readable at which a word
// of six letters stands in `units` of width and `lines` lines in `lineUnits` each; 0 if none.
int CaptionSize(GameState& g, int units, int lines, int lineUnits) {
    for (int size = std::max(g.FontSize / 2, SmallestCaptionSize); size >= SmallestCaptionSize;
         --size) {
        int width = 0, height = 0;
        g.Host->FontMetrics(size, width, height);
        if (lines * height <= Units(g, lines * lineUnits) && 6 * width <= Units(g, units))
            return size;
    }
    return 0;
}

// The branch's single instrument: LINE NORMAL, TRAIN COMING and TRAIN GOING.
void BranchInstrument(GameState& g) {
    const Pixel c = PartCentre(g, ColumnOf(BranchBox), 17);
    const Pixel east{24, 0}, southWest{-16, 24}, southEast{16, 24};
    Sector(g, c, 24, east, southWest, HandleGrey, White);
    Sector(g, c, 24, southWest, southEast, SignalRed, SignalRed);
    Sector(g, c, 24, southEast, east, SignalGreen, SignalGreen);
    const auto& block = g.BoxBlock[BranchBox];
    Pixel to{17, 8};
    if (block[Incoming] != LineBlocked) {
        to = {0, 16};
    } else if (block[Outgoing] == LineBlocked) {
        to = {-17, 8};
    }
    Needle(g, c, {0, 0}, to, Black, 3);
    // The captions go over the needle, which would otherwise strike out the one it points at,
    // at the largest size at which they fit their places on the dial without running into
    // each other: two lines each, the upper two above the needle's positions to either side,
    // the lower one in the red sector; on a small panel the one word that tells them apart,
    // one above the other.
    struct Caption {
        int X, Y;
        const char* First;
        const char* Second;
    };
    constexpr Caption TwoLines[] = {
        {-19, -13, "LINE", "NORMAL"}, {-9, 11, "TRAIN", "COMING"}, {3, -13, "TRAIN", "GOING"}};
    constexpr Caption OneWord[] = {
        {-18, -16, "NORMAL", ""}, {-10, 10, "COMING", ""}, {2, -6, "GOING", ""}};
    int size = CaptionSize(g, 19, 2, 6);
    const bool twoLines = size > 0;
    if (!twoLines) size = std::max(CaptionSize(g, 21, 1, 8), SmallestCaptionSize);
    int width = 0, height = 0;
    g.Host->FontMetrics(size, width, height);
    // Asking for a size's metrics makes it the panel's text size on some platforms: the panel's
    // own is asked for again.
    int cellWidth = 0, textHeight = 0;
    g.Host->FontMetrics(g.FontSize, cellWidth, textHeight);
    for (const Caption& caption : twoLines ? TwoLines : OneWord) {
        const Pixel first = At(g, c, caption.X, caption.Y);
        DrawLabel(g, first, caption.First, size, Black, {});
        if (twoLines) DrawLabel(g, {first.X, first.Y + height}, caption.Second, size, Black, {});
    }
}

void DrawDial(GameState& g, int box, int which) {
    const int state = g.BoxBlock[box][which];
    InstrumentFace(g, state, ColumnOf(box) + 3, which == Outgoing ? 16 : 18);
    g.BoxInstrumentDrawn[box][which] = static_cast<uint8_t>(state);
}

void DrawBranchInstrument(GameState& g) {
    BranchInstrument(g);
    g.BoxInstrumentDrawn[BranchBox] = g.BoxBlock[BranchBox];
}

void DrawYardSign(GameState& g) {
    if (g.YardClear) {
        WriteAt(g, 81, 15, " Yard clear ", White, SignalGreen);
    } else {
        WriteAt(g, 81, 15, " Yard busy  ", White, SignalRed);
    }
    g.YardSignDrawn = g.YardClear ? 1 : 0;
}

}  // namespace

void DrawBoxHeaders(GameState& g) {
    for (int box = 1; box <= BoxCount; ++box) {
        const int x0 = ColumnOf(box);
        WriteAt(g, x0 + 1, 13, g.BoxName[box].str(), LampYellow, Black);
        // The upper dial is the line towards the box, the lower the line from it: down and up
        // for Pellingford, the other way round for the boxes beyond the junction.
        if (box == 1) {
            WriteAt(g, x0 + 1, 15, "Down", White, Black);
            WriteAt(g, x0 + 1, 17, "Up", White, Black);
        } else if (box != BranchBox) {
            WriteAt(g, x0 + 1, 15, "Up", White, Black);
            WriteAt(g, x0 + 1, 17, "Down", White, Black);
        }
        ShowBellIndicator(g, box);
    }
}

namespace {

// The box's answer to the signalman's call attention asks nothing of him, so the game clears it
// at its next step, which may be a tenth of a second later when running fast; the indicator
// keeps it for a minute of the clock, so that it is seen as other rings are.
int ShownBell(GameState& g, int box) {
    constexpr int HoldSteps = 10;
    const int step = (g.ClockNow + 1440) * 10 + (10 - g.MinuteTick);
    int& seen = g.AttentionAnswerSeen[box];
    if (g.BoxBellShown[box] == BellCallAttention && g.BoxBellAnswered[box] != 0 &&
        g.BoxAttending[box] != 0) {
        seen = step;
    }
    if (g.BoxBellShown[box] != 0) return g.BoxBellShown[box];
    if (seen > 0 && step >= seen && step - seen < HoldSteps) return BellCallAttention;
    return 0;
}

}  // namespace

void ShowBellIndicator(GameState& g, int box) {
    const int code = ShownBell(g, box);
    if (code != 0) {
        WriteAt(g, ColumnOf(box) + 1, 21, " Bell " + std::string(BellCodeOf(code).Text) + " ",
                White, DarkRed);
    } else {
        WriteAt(g, ColumnOf(box) + 1, 21, std::string(12, ' '), LightGrey, Black);
    }
    g.BellDrawn[box] = code + 1;
}

void DrawInstruments(GameState& g) {
    for (int box = 1; box <= BoxCount; ++box) {
        const int x0 = ColumnOf(box);
        if (box == BranchBox) {
            DrawBranchInstrument(g);
        } else {
            DrawDial(g, box, Outgoing);
            DrawDial(g, box, Incoming);
            const Pixel handle = PartCentre(g, x0 + 3, 20);
            Disc(g, handle, Units(g, 3), HandleGrey, HandleGrey);
        }
        Disc(g, PartCentre(g, x0 + 10, 20), Units(g, 10), Brass, Brass);
    }
}

void DrawYardIndicator(GameState& g) {
    UpdateStatusBar(g);
    DrawInstruments(g);
    DrawYardSign(g);
}

void RefreshIndicators(GameState& g) {
    for (int box = 1; box <= BoxCount; ++box) {
        if (box == BranchBox) {
            if (g.BoxInstrumentDrawn[box] != g.BoxBlock[box]) DrawBranchInstrument(g);
        } else {
            for (int which : {Outgoing, Incoming}) {
                if (g.BoxInstrumentDrawn[box][which] != g.BoxBlock[box][which]) {
                    DrawDial(g, box, which);
                }
            }
        }
        if (g.BellDrawn[box] != ShownBell(g, box) + 1) ShowBellIndicator(g, box);
    }
    if (g.YardSignDrawn != (g.YardClear ? 1 : 0)) DrawYardSign(g);
}

}  // namespace kv41
