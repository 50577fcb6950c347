// The key legend: white on brown, 13-character items at fixed columns.
#include "panel/key_legend.h"

#include "framework/text_grid.h"
#include "game_state.h"

namespace kv41 {

void DrawKeyLegend(GameState& g) {
    constexpr const char* Items[] = {"H Held       ", "R Register   ", "T Trains     ",
                                     "W WTT        ", "M Messages   "};
    LegendColours(g);
    int column = 2;
    for (const char* item : Items) {
        MoveCursor(g, column, KeyLegendRow);
        WriteText(g, item);
        column += 14;
    }
    MoveCursor(g, 72, KeyLegendRow);
    if (g.LearningMode) SetTextColour(g, BonusGreen);
    WriteText(g, "L Learning   ");
    LegendColours(g);
    MoveCursor(g, 86, KeyLegendRow);
    WriteText(g, "Q Quit       ");
    DefaultColours(g);
}

}  // namespace kv41
