// The working timetable window: the next ten up and down trains of the shift.
#include <array>

#include "game_state.h"
#include "model/clock.h"
#include "windows/info_windows.h"
#include "windows/window_text.h"

namespace kv41 {

namespace {

constexpr int TimetableRows = 10;
constexpr int EmptySlot = 9999;
constexpr const char* TimetableHead = "Due   From              To                Type";

bool Listed(const GameState& g, int t, bool up) {
    int due = g.TrainDue[t];
    if ((g.TrainFrom[t] < g.TrainTo[t]) != up || due == NoTime) return false;
    if (due <= g.ShiftStart - 15 || due >= g.ShiftEnd + 15) return false;
    if (g.TrainState[t] == TrainBlank) return false;
    // A train that has gone stays listed for half an hour after its booked time.
    return g.TrainState[t] != TrainGone || due > g.ClockNow - 30;
}

// The ten earliest listed trains of a direction; among equal booked times the higher row,
// scanned first, stays ahead.
std::array<int, TimetableRows> NextTrains(const GameState& g, bool up) {
    std::array<int, TimetableRows> trains{};
    std::array<int, TimetableRows> times{};
    times.fill(EmptySlot);
    for (int t = g.TrainCount; t >= 1; --t) {
        if (!Listed(g, t, up)) continue;
        std::size_t slot = 0;
        while (slot < TimetableRows && times[slot] <= g.TrainDue[t]) ++slot;
        if (slot == TimetableRows) continue;
        for (std::size_t i = TimetableRows - 1; i > slot; --i) {
            trains[i] = trains[i - 1];
            times[i] = times[i - 1];
        }
        trains[slot] = t;
        times[slot] = g.TrainDue[t];
    }
    return trains;
}

std::string TimetableLine(const GameState& g, int t) {
    std::string line = FormatClock(g.TrainDue[t], 5) + "  " + LineCodeOf(g, g.TrainFrom[t]) + "  ";
    line += PadRight(g.TrainOrigin[t].view(), 15) + LineCodeOf(g, g.TrainTo[t]) + "  ";
    line += PadRight(g.TrainDest[t].view(), 15) + std::string(TrainClassName(g.TrainClass[t]));
    return Cut(line, 80);
}

}  // namespace

InfoWindow BuildWttWindow(const GameState& g) {
    InfoWindow window;
    window.Name = "wtt";
    window.Caption = "Working Timetable at " + CaptionTime(g);
    window.HelpContext = 423;
    window.Heads = {"Up Trains", TimetableHead, "Down Trains", TimetableHead};
    for (bool up : {true, false}) {
        for (int t : NextTrains(g, up)) {
            if (t != 0) window.Lines.push_back(TimetableLine(g, t));
        }
        window.EndPane();
    }
    return window;
}

}  // namespace kv41
