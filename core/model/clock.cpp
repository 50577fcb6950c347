// Placeholder until the clock lands.
#include "model/clock.h"

#include "game_state.h"

namespace kv41 {
std::string FormatClock(int time, int) {
    return std::to_string(time);
}
void AdvanceClock(GameState& g) {
    if (g.MinuteTick-- == 1) {
        g.MinuteTick = 10;
        ++g.ClockNow;
        if (g.ClockNow > g.ShiftEnd) g.EndRequested = true;
    }
}
StatusTexts ComputeStatus(const GameState&) {
    return {};
}
void UpdateStatusBar(GameState& g) {
    g.Host->SetStatus(ComputeStatus(g));
}
void StartTimer(GameState& g) {
    g.TimerIntervalMs = g.TickSeconds * 1000;
    g.Host->SetTimerInterval(g.TimerIntervalMs);
}
void SlowDown(GameState& g) {
    ++g.TickSeconds;
}
void SpeedUp(GameState& g) {
    if (g.TickSeconds > 1) --g.TickSeconds;
}
void FastClick(GameState&) {}
void EndSpeedUp(GameState& g) {
    g.FastMode = false;
    g.QuietTicks = 20;
}
}  // namespace kv41
