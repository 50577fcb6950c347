// The lever frame: 51 slots under the diagram, each lever drawn in the colour of its kind, and
// the signal arms, discs and points indicators that the levers work on the diagram.
#include "panel/lever_frame.h"

#include <algorithm>
#include <string>

#include "game_state.h"
#include "panel/diagram.h"
#include "panel/panel_canvas.h"
#include "platform/platform.h"

namespace kv41 {

namespace {

// The indicator strokes of the points and locks shown on the diagram: each marks the blade
// that the lever moves.
struct PointsIndicator {
    int Lever;
    UnitStroke First;
    std::optional<UnitStroke> Second;
};

const PointsIndicator PointsIndicators[] = {
    {14, {145, 68, 150, 68}, {}},
    {15, {210, 44, 223, 39}, UnitStroke{160, 66, 152, 68}},
    {21, {203, 41, 195, 42}, UnitStroke{223, 37, 231, 36}},
    {23, {180, 66, 172, 68}, {}},
    {24, {222, 48, 230, 46}, {}},
    {25, {232, 46, 237, 46}, {}},
    {26, {230, 70, 222, 72}, {}},
    {28, {230, 80, 222, 82}, UnitStroke{198, 72, 190, 72}},
    {32, {400, 54, 408, 52}, UnitStroke{416, 48, 424, 46}},
    {33, {450, 41, 442, 42}, UnitStroke{470, 37, 478, 36}},
    {34, {484, 32, 489, 32}, {}},
    {35, {500, 30, 492, 32}, {}},
    {36, {522, 22, 514, 23}, {}},
    {38, {426, 46, 431, 46}, {}},
    {39, {537, 28, 530, 28}, UnitStroke{500, 40, 492, 42}},
};

// Lever memory: how a lever stands as drawn.
enum : uint8_t { LeverNotDrawn = 0, LeverDrawnNormal = 1, LeverDrawnReversed = 2 };

// How the diagram shows a lever (LeverSide).
enum : uint8_t { SideUpSignal = 1, SideDownSignal = 2, SideShunt = 3, SidePoints = 4 };

Rgb LeverColour(int kind) {
    switch (kind) {
    case LeverSpare: return White;
    case LeverDistant: return LampYellow;
    case LeverStop: return SignalRed;
    case LeverFpl: return LockBlue;
    default: return Black;  // points and detonator placers
    }
}

void DrawInFrame(GameState& g, int lever, bool normal) {
    const Pixel origin{lever * g.CellWidth, 25 * g.CellHeight};
    UnitLine(g, origin, {3, 20, 3, 41}, Silver);
    if (normal) {
        UnitLine(g, origin, {3, 20, 3, 32}, LeverColour(g.LeverKind[lever]));
    } else {
        UnitLine(g, origin, {3, 29, 3, 41}, LeverColour(g.LeverKind[lever]));
    }
}

// A running signal's arm: upright at danger, inclined when off; the other position is wiped
// first so that the arm never shows both.
void DrawArm(GameState& g, int lever, bool normal) {
    const Pixel origin = TrackOrigin(g);
    const int a = g.LeverX[lever];
    const int b = g.LeverY[lever];
    const int dir = g.LeverSide[lever] == SideDownSignal ? 1 : -1;
    const UnitStroke atDanger{a, b, a, b + 5 * dir};
    const UnitStroke off{a, b, a + 4 * dir, b + 4 * dir};
    const UnitStroke& shown = normal ? atDanger : off;
    const UnitStroke& wiped = normal ? off : atDanger;
    const Rgb colour = g.LeverKind[lever] == LeverDistant ? LampYellow : SignalRed;
    UnitLine(g, origin, wiped, Silver);
    UnitLine(g, origin, shown, colour);
}

void DrawDisc(GameState& g, int lever, bool normal) {
    const Pixel origin = TrackOrigin(g);
    const int a = g.LeverX[lever];
    const int b = g.LeverY[lever];
    Disc(g, At(g, origin, a, b), Units(g, 2), White, White);
    if (normal) {
        UnitLine(g, origin, {a, b - 2, a, b + 2}, SignalRed);
    } else {
        UnitLine(g, origin, {a - 1, b - 1, a + 1, b + 1}, SignalRed);
    }
}

void DrawPointsIndicator(GameState& g, int lever, bool normal) {
    const auto* indicator =
        std::find_if(std::begin(PointsIndicators), std::end(PointsIndicators),
                     [lever](const PointsIndicator& p) { return p.Lever == lever; });
    if (indicator == std::end(PointsIndicators)) return;
    const Pixel origin = TrackOrigin(g);
    const Rgb colour = normal ? Black : SignalRed;
    const UnitStroke& first = indicator->First;
    UnitLine(g, origin, first, colour);
    if (const auto& second = indicator->Second) {
        UnitLine(g, origin, *second, colour);
    }
}

}  // namespace

void DrawLeverFrame(GameState& g) {
    const int top = 25 * g.CellHeight;
    g.Host->FillRect(g.CellWidth, top, g.CellWidth + LeverCount * g.CellWidth, top + Units(g, 43),
                     Silver);
    const int numberSize = std::max(1, g.FontSize - 3);
    for (int lever = 1; lever <= LeverCount; ++lever) {
        MoveCursor(g, lever + 1, 24);
        const std::string digits = TwoDigits(lever);
        DrawLabel(g, {g.CursorX, g.CursorY}, digits.substr(0, 1), numberSize, Black, Silver);
        DrawLabel(g, {lever * g.CellWidth, top + Units(g, 8)}, digits.substr(1), numberSize, Black,
                  Silver);
        DrawLever(g, lever);
    }
}

void DrawLever(GameState& g, int lever) {
    if (g.LeverKind[lever] == LeverGap) return;
    const bool normal = g.LeverNormal[lever] != 0;
    DrawInFrame(g, lever, normal);
    switch (g.LeverSide[lever]) {
    case SideUpSignal:
    case SideDownSignal: DrawArm(g, lever, normal); break;
    case SideShunt: DrawDisc(g, lever, normal); break;
    case SidePoints: DrawPointsIndicator(g, lever, normal); break;
    default: break;
    }
    g.LeverDrawn[lever] = normal ? LeverDrawnNormal : LeverDrawnReversed;
}

// The frame lies round the lever's own part of its slot, below the number, so that the digits
// stay as they are; a black frame shows on the silver whatever the lever's colour.
void MarkLever(GameState& g, int lever, bool marked) {
    if (lever < 1 || lever > LeverCount || g.LeverKind[lever] == LeverGap) return;
    const int top = 25 * g.CellHeight;
    const int x1 = lever * g.CellWidth + 1, x2 = (lever + 1) * g.CellWidth - 1;
    const int y1 = top + Units(g, 17), y2 = top + Units(g, 43) - 1;
    g.Host->FillRect(x1, y1, x2, y2, Silver);
    if (marked) {
        const int w = std::max(2, g.CellWidth / 6);
        g.Host->FillRect(x1, y1, x2, y1 + w, Black);
        g.Host->FillRect(x1, y2 - w, x2, y2, Black);
        g.Host->FillRect(x1, y1, x1 + w, y2, Black);
        g.Host->FillRect(x2 - w, y1, x2, y2, Black);
    }
    DrawLever(g, lever);
}

void RefreshLevers(GameState& g) {
    for (int lever = 1; lever <= LeverCount; ++lever) {
        if (g.LeverKind[lever] == LeverGap) continue;
        const uint8_t shown = g.LeverNormal[lever] != 0 ? LeverDrawnNormal : LeverDrawnReversed;
        if (g.LeverDrawn[lever] != shown) DrawLever(g, lever);
    }
}

}  // namespace kv41
