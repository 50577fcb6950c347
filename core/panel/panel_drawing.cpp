// The window's paint: the whole panel when asked for, otherwise only what has changed.
#include "panel/panel_drawing.h"

#include "framework/text_grid.h"
#include "game_state.h"
#include "model/clock.h"
#include "panel/diagram.h"
#include "panel/instruments.h"
#include "panel/key_legend.h"
#include "panel/lever_frame.h"
#include "platform/platform.h"

namespace kv41 {

namespace {

// The text cursor and colours of whoever was writing when the paint came: a prompt or a
// message on the message line goes on where it was.
struct SavedPen {
    explicit SavedPen(GameState& game)
        : g(game),
          x(game.CursorX),
          y(game.CursorY),
          row(game.CursorRow),
          text(game.TextColour),
          back(game.BackColour) {}
    ~SavedPen() {
        g.CursorX = x;
        g.CursorY = y;
        g.CursorRow = row;
        g.TextColour = text;
        g.BackColour = back;
    }
    SavedPen(const SavedPen&) = delete;
    SavedPen& operator=(const SavedPen&) = delete;

    GameState& g;
    int32_t x, y, row;
    Rgb text, back;
};

// The status lines and the message line, as last written, so that a cleared panel keeps its
// prompt.
void RedrawBottomLines(GameState& g) {
    const bool recording = g.BottomRecording;
    g.BottomRecording = false;
    for (int row = g.GridRowCount - 2; row <= g.GridRowCount; ++row) {
        const std::string text = BottomLine(g, row);
        if (text.empty()) continue;
        MoveCursor(g, 1, row);
        WriteText(g, text);
    }
    g.BottomRecording = recording;
}

}  // namespace

void PaintPanel(GameState& g) {
    UpdateStatusBar(g);
    DrawDiagram(g);
    DrawLeverFrame(g);
    // The headers come after the diagram, whose background reaches down to 25 cell widths
    // and so may cut into the headers' row with a narrow font.
    DrawBoxHeaders(g);
    DefaultColours(g);
    DrawKeyLegend(g);
    RedrawBottomLines(g);
}

void PaintWindow(GameState& g) {
    if (!g.SessionRunning || !g.PaintEnabled) return;
    SavedPen pen(g);
    if (g.FullRedraw) {
        ClearPanel(g);
        PaintPanel(g);
        g.FullRedraw = false;
        DrawYardIndicator(g);
    } else {
        UpdateStatusBar(g);
        RefreshLevers(g);
        RefreshTrackLamps(g);
        RefreshIndicators(g);
    }
    g.Host->Present();
}

}  // namespace kv41
