#pragma once
// The main window's input handlers. A front end calls these for a mouse press, a key typed
// and the game timer's expiry; they only set the flags and values that the loop reads.
namespace kv41 {

struct GameState;

void OnMouseDown(GameState& g, int x, int y);  // pixels of the client area
void OnKeyPress(GameState& g, char key);
void OnTimer(GameState& g);

}  // namespace kv41
