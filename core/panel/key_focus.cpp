#include "panel/key_focus.h"

#include <algorithm>

#include "framework/text_grid.h"
#include "game_state.h"
#include "panel/key_legend.h"
#include "panel/panel_canvas.h"
#include "platform/platform.h"

namespace kv41 {

namespace {

constexpr Rgb FocusCyan{0, 224, 255};
constexpr int HintColumn = 56;

struct Bar {
    int X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
};

// Row r's first pixel, the status band above the grid counted.
int RowTop(const GameState& g, int row) {
    return (row - 1) * g.CellHeight + g.StatusHeight;
}

Bar FocusBar(const GameState& g, const FocusPart& part) {
    const int w = g.CellWidth, h = g.CellHeight;
    const int thick = std::max(3, h / 5);
    if (part.Kind == FocusKind::Lever) {
        // Between the foot of the frame and the key legend.
        const int top = 25 * h + Units(g, 43) + std::max(2, h / 6);
        const int bottom = std::min(top + thick, RowTop(g, KeyLegendRow) - 2);
        return {part.Index * w + 1, top, (part.Index + 1) * w - 1, bottom};
    }
    const PanelCell cell = FocusCell(part);
    if (cell.Column == 0) return {};
    if (part.Kind == FocusKind::BoxName) {
        // Under the box's name only, not the whole heading.
        const int length = static_cast<int>(g.BoxName[static_cast<std::size_t>(part.Index)].size());
        const int top = RowTop(g, cell.Row + 1) + 1;
        return {(cell.Column - 1) * w, top, (cell.Column - 1 + std::max(1, length)) * w - 1,
                top + thick};
    }
    // The plunger and the commutator stand on rows 19 and 20: the bar is on the row below.
    const int width = part.Kind == FocusKind::Plunger ? 3 : 2;
    const int top = RowTop(g, 21) + 2;
    return {(cell.Column - 1) * w, top, (cell.Column - 1 + width) * w - 1, top + thick};
}

void FillBar(GameState& g, const Bar& bar, Rgb colour) {
    if (bar.X2 <= bar.X1) return;
    g.Host->FillRect(bar.X1, bar.Y1, bar.X2, bar.Y2, colour);
}

}  // namespace

PanelCell FocusCell(const FocusPart& part) {
    switch (part.Kind) {
    case FocusKind::Lever: return LeverCell(part.Index);
    case FocusKind::BoxName: return BoxNameCell(part.Index);
    case FocusKind::Plunger: return TapperCell(part.Index);
    case FocusKind::Commutator: return InstrumentHandleCell(part.Index);
    default: return {};
    }
}

void DrawKeyFocus(GameState& g) {
    if (!g.SessionRunning || g.CellWidth <= 0) return;
    if (g.KeyFocusDrawn == g.KeyFocus) return;
    FillBar(g, FocusBar(g, g.KeyFocusDrawn), Black);
    FillBar(g, FocusBar(g, g.KeyFocus), FocusCyan);
    g.KeyFocusDrawn = g.KeyFocus;
}

void DrawKeyHints(GameState& g) {
    constexpr const char* Hints[] = {
        "Keys: a lever's number, Enter; Enter again",
        "moves it, Esc abandons.  F5-F8 bell codes,",
        "F9-F12 tap the plungers, Shift+F5/F7/F8",
        "turn the instruments.  K lists every key.",
    };
    DefaultColours(g);
    int row = 25;
    for (const char* hint : Hints) {
        MoveCursor(g, HintColumn, row++);
        WriteText(g, hint);
    }
    // The mark is drawn afresh on a panel painted afresh.
    g.KeyFocusDrawn = {};
    DrawKeyFocus(g);
}

}  // namespace kv41
