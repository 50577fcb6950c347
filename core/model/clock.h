#pragma once
// The simulated clock, the game's speed and the status bar texts.
#include <string>

#include "platform/platform.h"

namespace kv41 {

struct GameState;

// A time in minutes as its 5- or 6-character form (" 8.00", "10p00", " 1*15").
std::string FormatClock(int time, int length = 5);
// One step's worth of the clock: a minute every ten steps; past the shift's end the session
// is to end.
void AdvanceClock(GameState& g);
StatusTexts ComputeStatus(const GameState& g);
void UpdateStatusBar(GameState& g);
void StartTimer(GameState& g);
void SlowDown(GameState& g);
void SpeedUp(GameState& g);
void FastClick(GameState& g);
// Fast running off, the quiet count back to 20, the normal timer interval.
void EndSpeedUp(GameState& g);

}  // namespace kv41
