#pragma once
// Drawing the panel: diagram, lever frame, instruments, indicators, legend.
namespace kv41 {

struct GameState;

// The window's paint, while a session runs and painting is allowed: everything after a
// full-redraw request, else the parts that change (levers, lamps, instruments, bell indicators,
// the yard sign); the status bar every time.
void PaintWindow(GameState& g);
// The whole panel, from the box headers to the key legend, on a cleared panel.
void PaintPanel(GameState& g);

}  // namespace kv41
