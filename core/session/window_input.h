#pragma once
// The main window's input handlers. A front end calls these for a mouse press, a key typed
// and the game timer's expiry; they only set the flags and values that the loop reads.
namespace kv41 {

struct GameState;

// The player's own press in the window (pixels of the client area); it takes the box back from
// the automatic signalman.
void OnMouseDown(GameState& g, int x, int y);
// The same press at a given time of day (ms), as scripted input gives it.
void OnMouseDown(GameState& g, int x, int y, int timeMs);
// A press in the middle of a panel cell (1-based), in the pixels the window would report.
void ClickCell(GameState& g, int column, int row, int timeMs);
void OnKeyPress(GameState& g, char key);
void OnTimer(GameState& g);

}  // namespace kv41
