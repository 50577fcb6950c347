#include "framework/text_grid.h"

#include <algorithm>
#include <cstdlib>

#include "framework/messages.h"
#include "game_state.h"
#include "platform/platform.h"

namespace kv41 {

namespace {

constexpr int DayMs = 24 * 3600 * 1000;
constexpr int BlankPiece = 60;

int TopMargin(const GameState& g) {
    return g.StatusHeight;
}

int TextAreaWidth(const GameState& g) {
    return g.GridColumnCount * g.CellWidth;
}

// Index into BottomLines of a row, or -1 when the row is not one of the last three.
int BottomIndex(const GameState& g, int row) {
    int index = row - (g.GridRowCount - 2);
    return index >= 0 && index < 3 ? index : -1;
}

void Record(GameState& g, int row, std::string_view text) {
    int index = BottomIndex(g, row);
    if (index < 0 || !g.BottomRecording) return;
    auto& line = g.BottomLines[static_cast<std::size_t>(index)];
    line = line.str() + std::string(text);
}

}  // namespace

void SetGrid(GameState& g, int rows, int columns) {
    g.GridRowCount = rows;
    g.GridColumnCount = columns;
}

void SetupPanelFont(GameState& g) {
    int width = 0;
    int textHeight = 0;
    g.Host->FontMetrics(g.FontSize, width, textHeight);
    if (width <= 0) FatalError(g, "Windows has lost the Font file");
    g.CellWidth = width;
    g.CellHeight = textHeight + 1;
    g.CellHalfHeight = g.CellHeight / 2;
    g.StatusHeight = 2 * g.CellHeight;
}

int PanelWidth(const GameState& g) {
    return TextAreaWidth(g) + 5;
}

int PanelHeight(const GameState& g) {
    return g.GridRowCount * g.CellHeight + g.StatusHeight + 5;
}

void ClearPanel(GameState& g) {
    g.Host->FillRect(0, TopMargin(g), PanelWidth(g), PanelHeight(g), Black);
    MoveCursor(g, 1, 1);
    DefaultColours(g);
}

void MoveCursor(GameState& g, int column, int row) {
    g.CursorX = (column - 1) * g.CellWidth;
    g.CursorY = (row - 1) * g.CellHeight + TopMargin(g);
    g.CursorRow = row;
}

void WriteText(GameState& g, std::string_view text) {
    const int width = TextAreaWidth(g);
    if (g.CellWidth <= 0 || width <= 0) return;
    while (!text.empty()) {
        if (g.CursorX >= width) {
            g.CursorX -= width;
            g.CursorY += g.CellHeight;
            ++g.CursorRow;
        }
        auto room = static_cast<std::size_t>(std::max(1, (width - g.CursorX) / g.CellWidth));
        std::string_view piece = text.substr(0, room);
        g.Host->DrawText(g.CursorX, g.CursorY, piece, g.TextColour, g.BackColour);
        Record(g, g.CursorRow, piece);
        g.CursorX += static_cast<int>(piece.size()) * g.CellWidth;
        text.remove_prefix(piece.size());
    }
}

void WriteBlanks(GameState& g, int count) {
    while (count > 0) {
        int piece = std::min(count, BlankPiece);
        WriteText(g, std::string(static_cast<std::size_t>(piece), ' '));
        count -= piece;
    }
}

void DefaultColours(GameState& g) {
    g.TextColour = LightGrey;
    g.BackColour = Black;
}

void LegendColours(GameState& g) {
    g.TextColour = White;
    g.BackColour = LegendBrown;
}

void SetTextColour(GameState& g, Rgb colour) {
    g.TextColour = colour;
}

void SetBackColour(GameState& g, Rgb colour) {
    g.BackColour = colour;
}

namespace {

void ClearRow(GameState& g, int row) {
    MoveCursor(g, 1, row);
    g.Host->FillRect(0, g.CursorY, PanelWidth(g), g.CursorY + g.CellHeight, Black);
    int index = BottomIndex(g, row);
    if (index >= 0) g.BottomLines[static_cast<std::size_t>(index)] = "";
}

}  // namespace

void ClearMessageLine(GameState& g) {
    // A long message went on on the status line below: it goes with the message line.
    if (g.MessageRunsOn) ClearRow(g, g.GridRowCount);
    g.MessageRunsOn = false;
    ClearRow(g, g.GridRowCount - 1);
}

std::string BottomLine(const GameState& g, int row) {
    int index = BottomIndex(g, row);
    return index < 0 ? std::string() : g.BottomLines[static_cast<std::size_t>(index)].str();
}

void Pause(GameState& g, int ms) {
    // Measured as time elapsed, so that a pause across midnight still ends.
    const int start = g.Host->TimeOfDayMs();
    auto elapsed = [&] { return ((g.Host->TimeOfDayMs() - start) % DayMs + DayMs) % DayMs; };
    while (elapsed() < ms) {
        g.Host->ProcessEvents();
        g.Host->Sleep(100);
    }
}

}  // namespace kv41
