// The window's paint: the whole panel when asked for, otherwise only what has changed.
#include "panel/panel_drawing.h"

#include "framework/text_grid.h"
#include "game_state.h"
#include "model/clock.h"
#include "panel/diagram.h"
#include "panel/instruments.h"
#include "panel/key_focus.h"
#include "panel/key_legend.h"
#include "panel/lever_frame.h"
#include "platform/platform.h"

namespace kv41 {

namespace {

// The text cursor and colours of whoever was writing when the paint came: a prompt or a
// message on the message line goes on where it was.
class SavedPen {
public:
    explicit SavedPen(GameState& g)
        : g_(g),
          x_(g.CursorX),
          y_(g.CursorY),
          row_(g.CursorRow),
          text_(g.TextColour),
          back_(g.BackColour) {}
    ~SavedPen() {
        g_.CursorX = x_;
        g_.CursorY = y_;
        g_.CursorRow = row_;
        g_.TextColour = text_;
        g_.BackColour = back_;
    }
    SavedPen(const SavedPen&) = delete;
    SavedPen& operator=(const SavedPen&) = delete;

private:
    GameState& g_;
    int32_t x_, y_, row_;
    Rgb text_, back_;
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
    DrawKeyHints(g);
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
