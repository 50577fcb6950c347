#include "model/clock.h"

#include <algorithm>
#include <cstdlib>

#include "game_state.h"

namespace kv41 {

namespace {

// A saved speed of 0 or less must not stop the clock or divide by zero.
int SafeTickSeconds(const GameState& g) {
    return std::max(1, g.TickSeconds);
}

void SetNormalInterval(GameState& g) {
    g.TimerIntervalMs = SafeTickSeconds(g) * 1000;
    g.Host->SetTimerInterval(g.TimerIntervalMs);
}

}  // namespace

std::string TwoDigits(int n) {
    n = std::abs(n) % 100;
    return std::string{static_cast<char>('0' + n / 10), static_cast<char>('0' + n % 10)};
}

std::string FormatClock(int time, int length) {
    int hour = 0;
    int minute = 0;
    if (time < 0) {
        // Counted from 18.00 the evening before, so that the minutes come out positive.
        int fromSix = time + 360;
        hour = fromSix / 60 - 6;
        minute = fromSix % 60;
    } else {
        hour = time / 60;
        minute = time % 60;
    }
    char separator = '.';
    if (hour > 23) {
        hour -= 24;
        separator = '*';
    } else if (hour < 0) {
        hour += 12;
        separator = 'p';
    } else if (hour > 11) {
        separator = 'p';
    }
    if (hour > 12) hour -= 12;
    std::string text = TwoDigits(hour);
    if (text[0] == '0') text[0] = ' ';
    text += separator;
    text += TwoDigits(minute);
    return text.substr(0, static_cast<std::size_t>(std::max(0, length)));
}

std::string MinuteBar(int minuteTick) {
    // Each colon stands for two tenths of the minute run, a point for one.
    static constexpr const char* Bars[] = {":::::", "::::.", ":::: ", ":::. ", ":::  ", "::.  ",
                                           "::   ", ":.   ", ":    ", ".    ", "     "};
    if (minuteTick < 0 || minuteTick > 10) return "     ";
    return Bars[minuteTick];
}

StatusTexts ComputeStatus(const GameState& g) {
    StatusTexts status;
    int shown = g.ClockNow == NoTime ? 0 : g.ClockNow;
    status.Time = (FormatClock(shown, 6) + " " + MinuteBar(g.MinuteTick)).substr(0, 12);
    status.Speed = std::to_string(600 / SafeTickSeconds(g)) + "%" + (g.FastMode ? " A" : "");
    status.Fast = g.FastMode ? "Slow" : "Fast";
    status.PointsCaption = g.Points < 0 ? "Points lost:  " : "Points gained:";
    std::string value = std::to_string(std::abs(static_cast<long long>(g.Points)));
    if (value.size() < 3) value.insert(0, 3 - value.size(), ' ');
    status.PointsValue = value;
    if (g.AutoSignalman) status.Signalman = "Automatic signalman";
    return status;
}

void UpdateStatusBar(GameState& g) {
    g.Host->SetStatus(ComputeStatus(g));
}

void StartTimer(GameState& g) {
    SetNormalInterval(g);
}

// Clearing AwaitingAction ends the wait under way without a step; the new interval applies
// from the next wait.
void SlowDown(GameState& g) {
    ++g.TickSeconds;
    g.AwaitingAction = false;
}

void SpeedUp(GameState& g) {
    if (g.TickSeconds > 1) --g.TickSeconds;
    g.AwaitingAction = false;
}

void FastClick(GameState& g) {
    if (g.Recorder) g.Recorder->FastClicked();
    if (g.FastMode) {
        EndSpeedUp(g);
    } else {
        // The end of the next step then switches fast running on, and the event wait finds no
        // trains in the area that would switch it off again.
        g.TrainsInArea = 0;
        g.QuietTicks = 0;
        g.FastAsked = true;
    }
}

void EndSpeedUp(GameState& g) {
    g.FastMode = false;
    g.QuietTicks = 20;
    // The timer is created stopped and started once by the session's loop; before that only
    // the speed is reset, the timer stays off.
    if (g.TimerIntervalMs != 0) SetNormalInterval(g);
}

}  // namespace kv41
