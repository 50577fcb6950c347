#pragma once
// The program's spine: preparing the start screen and playing the one session of a run.
namespace kv41 {

struct GameState;

// What the first activation of the main window does: grid, reset, engines, layout, regions.
void PrepareStartScreen(GameState& g);
// The main loop from the session's first minute to its end and the rating.
void RunSession(GameState& g);
// The main loop again, from the state the game holds (taken back into the shift it had
// played or was playing), to the shift's end and the rating.
void ContinueSession(GameState& g);
// "Quit" from the menu or closing the window.
void RequestQuit(GameState& g);
// The "&Pause" menu item.
void TogglePause(GameState& g);
// Whether the window may close now. During a session closing is turned into a wish to quit,
// which the loop puts to the player as its question.
bool MayCloseWindow(GameState& g);

// The game menu's items, enabled while the loop waits for the player and disabled while it
// carries out what the player did.
void EnableGameMenu(GameState& g);
void DisableGameMenu(GameState& g);

}  // namespace kv41
