// Placeholder until the text grid lands.
#include "framework/text_grid.h"

#include "game_state.h"
#include "platform/platform.h"

namespace kv41 {
void SetGrid(GameState& g, int rows, int columns) {
    g.GridRowCount = rows;
    g.GridColumnCount = columns;
}
void SetupPanelFont(GameState&) {}
void ClearPanel(GameState&) {}
void MoveCursor(GameState&, int, int) {}
void WriteText(GameState&, std::string_view) {}
void WriteBlanks(GameState&, int) {}
void DefaultColours(GameState&) {}
void LegendColours(GameState&) {}
void SetTextColour(GameState&, Rgb) {}
void SetBackColour(GameState&, Rgb) {}
void ClearMessageLine(GameState&) {}
void Pause(GameState& g, int ms) {
    int end = g.Host->TimeOfDayMs() + ms;
    while (g.Host->TimeOfDayMs() < end) {
        g.Host->ProcessEvents();
        g.Host->Sleep(100);
    }
}
std::string TwoDigits(int n) {
    return std::string{char('0' + n / 10 % 10), char('0' + n % 10)};
}
}  // namespace kv41
