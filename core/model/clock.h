#pragma once
// The simulated clock, the game's speed and the status bar texts.
#include <string>

#include "platform/platform.h"

namespace kv41 {

struct GameState;

// A time in minutes as its 12-hour form cut to length: " 8.00", "12p00", "10p00" (the evening
// before), " 1*15" (the next morning).
std::string FormatClock(int time, int length = 5);
// n as two digits, tens then units, leading zero kept.
std::string TwoDigits(int n);
// The five characters that show how much of the current minute has run.
std::string MinuteBar(int minuteTick);
StatusTexts ComputeStatus(const GameState& g);
void UpdateStatusBar(GameState& g);
// Starts the game timer at the normal interval; done once when the session's loop starts.
void StartTimer(GameState& g);
// The " - " button and the "-" key.
void SlowDown(GameState& g);
// The "+" button and the "+" key.
void SpeedUp(GameState& g);
// The "Fast" / "Slow" button.
void FastClick(GameState& g);
// Fast running off, the quiet count back to 20, the normal timer interval.
void EndSpeedUp(GameState& g);

}  // namespace kv41
