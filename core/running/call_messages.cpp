// Telephone calls from the yard and the neighbouring boxes, and the delay reports they give.
#include "running/call_messages.h"

#include <algorithm>
#include <array>
#include <string>

#include "framework/messages.h"
#include "framework/sounds.h"
#include "framework/text_grid.h"
#include "game_state.h"
#include "model/clock.h"
#include "platform/platform.h"

namespace kv41 {
namespace {

constexpr std::size_t CallTextLimit = 80;
constexpr int CallHoldMs = 2000;
// Lateness below this is not worth a telephone call.
constexpr int ReportableLate = 6;

// The four-letter codes under which the message history files the callers.
constexpr std::array<std::string_view, 5> CallerCodes{"Yard", "Pell", "Bres", "Holl", "RaRd"};

std::string CallHeading(const GameState& g, int source) {
    if (source == CallFromYard) return "Call from Yard: ";
    return "Call from " + g.BoxName[source] + ": ";
}

}  // namespace

void CallMessage(GameState& g, int source, std::string_view text) {
    if (source < CallFromYard || source > BoxCount) return;
    const std::string stored = std::string(CallerCodes[source]) + " " + std::string(text);
    StoreMessage(g, std::string_view(stored).substr(0, CallTextLimit));

    ClearMessageLine(g);
    SetBackColour(g, Black);
    SetTextColour(g, LightYellow);
    const std::string heading = CallHeading(g, source);
    WriteText(g, heading);
    WriteText(g, text);
    g.Host->Report(Output::Call, heading + std::string(text));

    // Calls replayed while the timetable is brought up to the shift's start are only recorded.
    if (g.ClockNow >= g.ShiftStart) {
        PlayCallSound(g);
        Pause(g, CallHoldMs);
    }
    DefaultColours(g);
    ClearMessageLine(g);
    g.SpeedUpNoticeShown = false;
}

void ReportDelay(GameState& g, int train) {
    // A blank timetable row never runs, so it is never reported.
    if (!IsTrain(g, train) || g.TrainState[train] == TrainBlank) return;
    if (g.TrainState[train] > TrainBooked) return;
    if (g.ClockNow + 60 < g.TrainDue[train]) return;
    g.TrainState[train] = TrainReported;
    const int late = g.TrainLate[train];
    if (late < ReportableLate) return;
    const int rounded = std::max(5, (late + 2) / 5 * 5);

    const std::string due = FormatClock(g.TrainDue[train]);
    const int from = g.TrainFrom[train];
    if (from == 3) {
        CallMessage(g, CallFromYard,
                    due + " to " + g.TrainDest[train] + " delayed in Exchange Sidngs");
        return;
    }
    const int box = BoxOfLine(from);
    if (box == 0) return;
    CallMessage(g, box,
                due + " from " + g.TrainOrigin[train] + " to " + g.TrainDest[train] + " reported " +
                    std::to_string(rounded) + " minutes late");
}

}  // namespace kv41
