#pragma once
// Waiting for the player between steps, and dispatching what was clicked or typed.
namespace kv41 {

struct GameState;

// Waits until the player clicks, a key command is typed, the timer ticks or the end is
// requested, and dispatches one action. AwaitingAction still set afterwards means a step is due.
void WaitForAction(GameState& g);

}  // namespace kv41
