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
// A key typed (a character, or a code of panel/key_map.h), acted on as the key map says: the
// keys that work the panel press its parts as the mouse does, so the game takes them, judges
// them and records them as clicks.
void OnKey(GameState& g, int key);
inline void OnKeyPress(GameState& g, char key) {
    OnKey(g, static_cast<unsigned char>(key));
}
void OnTimer(GameState& g);

}  // namespace kv41
