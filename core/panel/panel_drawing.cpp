// Placeholder until the panel drawing lands.
#include "panel/panel_drawing.h"

#include "game_state.h"
#include "model/clock.h"
#include "platform/platform.h"

namespace kv41 {
void PaintWindow(GameState& g) {
    if (!g.SessionRunning || !g.PaintEnabled) return;
    g.FullRedraw = false;
    UpdateStatusBar(g);
    g.Host->Present();
}
}  // namespace kv41
