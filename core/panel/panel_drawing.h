#pragma once
// Drawing the panel: diagram, lever frame, instruments, indicators, legend.
namespace kv41 {

struct GameState;

// The window's paint: everything after a full-redraw request, else the changing parts.
void PaintWindow(GameState& g);

}  // namespace kv41
