#pragma once
// The player's click on the lever frame and the wait for the click that confirms it.
namespace kv41 {

struct GameState;

// A click on lever `lever` (0..51, the clicked frame column less one): shows the lever's state
// on the message line, waits for the confirming click and, if it falls on the same lever's
// column, moves the lever (MoveLever). Another column abandons the move silently. The wait is
// modal: it takes only clicks, and no simulation step runs while the prompt stands.
void OperateLever(GameState& g, int lever);

}  // namespace kv41
