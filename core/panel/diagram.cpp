// The track diagram, in drawing units from its origin below the status bar.
#include "panel/diagram.h"

#include <algorithm>
#include <string>

#include "game_state.h"
#include "panel/panel_canvas.h"
#include "platform/platform.h"

namespace kv41 {

namespace {

struct UnitPoint {
    int X, Y;
};

// Arms that carry two signals on one post: the up starters by the LMS loop and the up branch
// signals, then the down branch and exchange sidings homes.
constexpr UnitStroke UpBrackets[] = {{448, 22, 442, 22}, {442, 22, 442, 30}, {442, 27, 433, 27},
                                     {450, 30, 442, 30}, {140, 58, 132, 58}, {132, 58, 132, 66},
                                     {132, 63, 123, 63}, {138, 66, 132, 66}};
constexpr UnitStroke DownBrackets[] = {{247, 47, 255, 47}, {249, 55, 255, 55}, {255, 47, 255, 55},
                                       {255, 50, 264, 50}, {430, 48, 438, 48}, {432, 56, 438, 56},
                                       {438, 48, 438, 56}, {438, 51, 447, 51}};

constexpr UnitStroke TrackLines[] = {
    {1, 34, 623, 34},   {1, 44, 100, 44},   {118, 44, 623, 44}, {203, 41, 223, 37},
    {450, 41, 470, 37}, {500, 30, 515, 25}, {522, 22, 550, 12}, {550, 12, 623, 12},
    {537, 28, 555, 22}, {555, 22, 623, 22}, {500, 40, 531, 30}, {1, 70, 190, 70},
    {160, 66, 210, 44}, {180, 66, 222, 48}, {190, 70, 222, 70}, {230, 70, 360, 70},
    {198, 72, 222, 80}, {230, 80, 335, 80}, {407, 51, 416, 48}, {305, 92, 400, 54}};

// Arrow glyphs of the panel font: towards the left edge and towards the right edge.
constexpr char ArrowLeft = '\xA5';
constexpr char ArrowRight = '\xA6';

struct PlaceLabel {
    int X, Y;
    std::string Text;
};

const PlaceLabel PlaceLabels[] = {
    {5, 2, std::string{ArrowLeft} + " Pellingford"},
    {430, -5, std::string("Radlow Rd Jn ") + ArrowRight},
    {5, 76, std::string{ArrowLeft} + " Brenley"},
    {510, 64, std::string("Hollowmer Jn ") + ArrowRight},
    {190, 96, "Exchange Sidings"},
    {360, 78, std::string("Up   ") + ArrowRight},
    {360, 90, std::string("Down ") + ArrowLeft},
};

struct LeverLabel {
    int Lever, X, Y;
};

constexpr LeverLabel LeverLabels[] = {
    {1, 33, 19},   {2, 168, 19},  {3, 143, 50},  {4, 455, 23},  {6, 455, 14},  {13, 141, 58},
    {14, 140, 81}, {15, 140, 72}, {20, 169, 34}, {21, 230, 23}, {22, 245, 34}, {23, 164, 72},
    {24, 215, 51}, {25, 232, 47}, {26, 210, 60}, {27, 232, 60}, {28, 184, 74}, {28, 215, 84},
    {29, 232, 70}, {30, 390, 65}, {31, 415, 34}, {32, 413, 51}, {33, 455, 46}, {34, 471, 23},
    {35, 489, 20}, {36, 506, 12}, {38, 413, 60}, {39, 492, 46}, {42, 268, 54}, {43, 441, 61},
    {44, 474, 46}, {45, 570, 1},  {46, 55, 50},  {47, 268, 45}, {48, 441, 52}, {49, 580, 23},
    {50, 536, 53}, {51, 575, 53}};

// Each section's two lamps, section 1 first; most pairs stand 4 units apart on the level.
struct LampPair {
    UnitPoint First, Second;
};

constexpr LampPair Lamps[MaxSections] = {
    {{610, 41}, {614, 41}}, {{550, 41}, {554, 41}}, {{510, 41}, {514, 41}}, {{610, 19}, {614, 19}},
    {{585, 19}, {589, 19}}, {{541, 23}, {545, 22}}, {{480, 41}, {484, 41}}, {{449, 41}, {453, 41}},
    {{414, 41}, {418, 41}}, {{180, 31}, {184, 31}}, {{315, 41}, {319, 41}}, {{234, 41}, {238, 41}},
    {{203, 41}, {207, 41}}, {{80, 41}, {84, 41}},   {{50, 41}, {54, 41}},   {{20, 41}, {24, 41}},
    {{365, 64}, {369, 62}}, {{306, 87}, {310, 86}}, {{280, 78}, {284, 78}}, {{280, 68}, {284, 68}},
    {{210, 68}, {214, 68}}, {{193, 57}, {197, 56}}, {{168, 68}, {172, 68}}, {{150, 68}, {154, 68}},
    {{100, 68}, {104, 68}}, {{65, 68}, {69, 68}},   {{20, 68}, {24, 68}},   {{173, 57}, {177, 55}},
    {{20, 31}, {24, 31}},   {{55, 31}, {59, 31}},   {{130, 31}, {134, 31}}, {{228, 31}, {232, 31}},
    {{315, 31}, {319, 31}}, {{390, 31}, {394, 31}}, {{440, 31}, {444, 31}}, {{464, 31}, {468, 31}},
    {{488, 31}, {492, 31}}, {{517, 31}, {521, 31}}, {{570, 31}, {574, 31}}, {{532, 14}, {536, 13}},
    {{575, 9}, {579, 9}},   {{610, 9}, {614, 9}},   {{570, 41}, {574, 41}}, {{210, 75}, {214, 75}}};

// Lamp memory: what a section's lamps show as drawn.
enum : uint8_t { LampNotDrawn = 0, LampClear = 1, LampOccupied = 2 };

int SmallFont(const GameState& g) {
    return std::max(1, g.FontSize - 3);
}

void DrawUnitStrokes(GameState& g, const auto& strokes) {
    const Pixel origin = TrackOrigin(g);
    for (const UnitStroke& s : strokes) UnitLine(g, origin, s, Black);
}

void DrawLabels(GameState& g) {
    const Pixel origin = TrackOrigin(g);
    for (const PlaceLabel& label : PlaceLabels) {
        DrawLabel(g, At(g, origin, label.X, label.Y), label.Text, g.FontSize, Black, Silver);
    }
    DrawLabel(g, At(g, origin, 102, 39), "47T", SmallFont(g), Black, Silver);
    for (const LeverLabel& label : LeverLabels) {
        Rgb colour = LabelLight;
        switch (g.LeverKind[label.Lever]) {
        case LeverSpare: colour = SignalGreen; break;
        case LeverDistant: colour = LampYellow; break;
        case LeverStop: colour = DarkRed; break;
        case LeverPoints: colour = Black; break;
        case LeverFpl: colour = LockBlue; break;
        default: break;
        }
        DrawLabel(g, At(g, origin, label.X, label.Y), std::to_string(label.Lever), SmallFont(g),
                  colour, Silver);
    }
}

void DrawSignalBox(GameState& g) {
    const Pixel track = TrackOrigin(g);
    const Pixel origin{track.X + Units(g, 365), track.Y + Units(g, 53)};
    constexpr UnitStroke Box[] = {
        {-15, -5, 15, -5}, {15, -5, 15, 5}, {15, 5, -15, 5}, {-15, 5, -15, -5}, {-10, -2, 10, -2}};
    for (const UnitStroke& s : Box) UnitLine(g, origin, s, DarkRed);
}

void DrawPlatform(GameState& g, int top, int bottom) {
    const Pixel origin = TrackOrigin(g);
    const Pixel from = At(g, origin, 284, top);
    const Pixel to = At(g, origin, 346, bottom);
    g.Host->FillRect(from.X, from.Y, to.X, to.Y, PlatformGrey);
}

void DrawSectionLamps(GameState& g, int section) {
    const LampPair& lamps = Lamps[section - 1];
    const bool occupied = g.SectTrain[section] != 0;
    const Rgb colour = occupied ? LampYellow : Black;
    const Pixel origin = TrackOrigin(g);
    for (const UnitPoint& p : {lamps.First, lamps.Second}) {
        Disc(g, At(g, origin, p.X + 3, p.Y + 3), Units(g, 1), colour, colour);
    }
    g.LampDrawn[section] = occupied ? LampOccupied : LampClear;
}

}  // namespace

void DrawDiagram(GameState& g) {
    g.Host->FillRect(0, g.StatusHeight, PanelWidth(g), 25 * g.CellWidth, Silver);
    // Names and numbers go down first: a front end that cannot write over a drawing writes
    // them on the background colour, which must not blot out the lines drawn after.
    DrawLabels(g);
    DrawSignalPost(g, 1);
    DrawSignalPost(g, 2);
    DrawUnitStrokes(g, UpBrackets);
    DrawSignalPost(g, 30);
    DrawUnitStrokes(g, DownBrackets);
    for (int lever : {45, 46, 49, 50, 51}) DrawSignalPost(g, lever);
    DrawUnitStrokes(g, TrackLines);
    DrawSignalBox(g);
    DrawPlatform(g, 17, 32);
    DrawPlatform(g, 46, 61);
    DrawTrackLamps(g);
}

void DrawSignalPost(GameState& g, int lever) {
    const int x = g.LeverX[lever];
    const int y = g.LeverY[lever];
    const int end = g.LeverSide[lever] == 1 ? x - 16 : x + 16;
    UnitLine(g, TrackOrigin(g), {x, y, end, y}, Black);
}

void DrawTrackLamps(GameState& g) {
    for (int section = 1; section <= MaxSections; ++section) DrawSectionLamps(g, section);
}

void RefreshTrackLamps(GameState& g) {
    for (int section = 1; section <= MaxSections; ++section) {
        const uint8_t shown = g.SectTrain[section] != 0 ? LampOccupied : LampClear;
        if (g.LampDrawn[section] != shown) DrawSectionLamps(g, section);
    }
}

}  // namespace kv41
