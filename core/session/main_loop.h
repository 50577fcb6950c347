#pragma once
// The program's spine: preparing the start screen and playing the one session of a run.
namespace kv41 {

struct GameState;

// What the first activation of the main window does: grid, reset, engines, layout, regions.
void PrepareStartScreen(GameState& g);
// The main loop from the session's first minute to its end and the rating.
void RunSession(GameState& g);
// "Quit" from the menu or closing the window.
void RequestQuit(GameState& g);
// The "&Pause" menu item.
void TogglePause(GameState& g);

}  // namespace kv41
