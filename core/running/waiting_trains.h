#pragma once
// Trains that count down a wait: station stops, trains standing at signals (the held warning),
// departures in the down sidings and in the yard.
namespace kv41 {

struct GameState;

// One tick of the train's wait, if it has one.
void WaitTrain(GameState& g, int train);

// "<booked minute> train (engine <number>) held  " on the message line, with the whistle, for
// two seconds; then the next warning is armed.
void ShowHeldWarning(GameState& g, int train);

}  // namespace kv41
