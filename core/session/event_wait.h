#pragma once
// Waiting for the player between steps, and dispatching what was clicked or typed.
namespace kv41 {

struct GameState;

// Waits until the player clicks, the timer ticks or the end is requested, and dispatches one
// action (the click's, or else a key command typed during the wait). A bell code chosen or
// tapped since the last wait is handed to block working at once, without waiting.
// AwaitingAction still set afterwards means a simulation step is due; a click clears it.
void WaitForAction(GameState& g);

// Whether anything needs the player now: trains in the area, a departure from the down
// sidings, a box's bell not yet acknowledged.
bool PlayerNeeded(GameState& g);

}  // namespace kv41
