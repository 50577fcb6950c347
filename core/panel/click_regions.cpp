// The panel's click regions: a fixed table of cell rectangles turned into action codes.
#include "panel/click_regions.h"

#include "game_state.h"

namespace kv41 {

namespace {

// The action of a box's tapper, name heading and instrument handle.
constexpr int TapperAction(int box) {
    return ActionTapperFirst - 1 + box;
}
constexpr int BoxNameAction(int box) {
    return ActionBoxNameFirst - 1 + box;
}
constexpr int InstrumentAction(int box) {
    return ActionInstrumentFirst - 1 + box;
}

struct RegionPlace {
    int X, Y, Width, Height, Code;
};

// Later regions win, so the key legend on row 29 is added after the lever frame it overlaps.
constexpr RegionPlace Regions[] = {
    {2, 25, 51, 5, ActionLeverFrame},    {1, 13, 18, 1, BoxNameAction(1)},
    {19, 13, 18, 1, BoxNameAction(2)},   {37, 13, 18, 1, BoxNameAction(3)},
    {55, 13, 18, 1, BoxNameAction(4)},   {9, 19, 2, 2, InstrumentAction(1)},
    {45, 19, 2, 2, InstrumentAction(3)}, {63, 19, 2, 2, InstrumentAction(4)},
    {15, 19, 3, 2, TapperAction(1)},     {33, 19, 3, 2, TapperAction(2)},
    {51, 19, 3, 2, TapperAction(3)},     {69, 19, 3, 2, TapperAction(4)},
    {2, 29, 13, 1, ActionHeld},          {16, 29, 13, 1, ActionRegister},
    {30, 29, 13, 1, ActionTrains},       {44, 29, 13, 1, ActionWtt},
    {58, 29, 13, 1, ActionMessages},     {72, 29, 13, 1, ActionLearning},
    {86, 29, 13, 1, ActionQuit},
};

void AddRegion(GameState& g, int x, int y, int width, int height, int code) {
    if (g.HitRegionCount >= MaxHitRegions) return;
    HitRegion& region = g.HitRegions[static_cast<std::size_t>(++g.HitRegionCount)];
    region = {x, y, x + width - 1, y + height - 1, 1, code};
}

PanelCell CellOfCode(int code) {
    for (const RegionPlace& place : Regions) {
        if (place.Code == code) return {place.X, place.Y};
    }
    return {};
}

bool ValidBox(int box) {
    return box >= 1 && box <= BoxCount;
}

}  // namespace

void BuildClickRegions(GameState& g) {
    g.HitRegions = {};
    g.HitRegionCount = 0;
    for (const RegionPlace& place : Regions) {
        AddRegion(g, place.X, place.Y, place.Width, place.Height, place.Code);
    }
    g.HitRange[1] = {1, g.HitRegionCount};
}

int HitTest(const GameState& g, int column, int row) {
    int code = ActionNone;
    const auto [first, last] = g.HitRange[1];
    for (int i = first; i >= 1 && i <= last && i <= MaxHitRegions; ++i) {
        const HitRegion& region = g.HitRegions[static_cast<std::size_t>(i)];
        if (region.Set == 1 && column >= region.X1 && column <= region.X2 && row >= region.Y1 &&
            row <= region.Y2) {
            code = region.Code;
        }
    }
    return code;
}

PanelCell BoxNameCell(int box) {
    return ValidBox(box) ? CellOfCode(BoxNameAction(box)) : PanelCell{};
}

PanelCell TapperCell(int box) {
    return ValidBox(box) ? CellOfCode(TapperAction(box)) : PanelCell{};
}

PanelCell InstrumentHandleCell(int box) {
    return ValidBox(box) ? CellOfCode(InstrumentAction(box)) : PanelCell{};
}

PanelCell LeverCell(int lever) {
    if (lever < 1 || lever > LeverCount) return {};
    return {lever + 1, 27};
}

}  // namespace kv41
