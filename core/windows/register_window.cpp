// The train register window: the book of bell times for the latest up and down trains.
#include <array>

#include "game_state.h"
#include "model/bell_codes.h"
#include "model/clock.h"
#include "windows/info_windows.h"
#include "windows/window_text.h"

namespace kv41 {

namespace {

constexpr int RegisterRows = 10;
constexpr const char* RegisterHead1 =
    "             Train                               From box rear     To box ahead ";
constexpr const char* RegisterHead2 =
    "Due   From           To            Bells  Engine Speed  Acc.  TES   TOOS  Acc.  TES   TOOS";

bool IsUpTrain(const GameState& g, int t) {
    return g.TrainFrom[t] < 3 || g.TrainTo[t] > 3;
}

// The ten trains of a direction most recently accepted from the box in rear, oldest first.
// Among equal times the train scanned later goes before those already there.
std::array<int, RegisterRows> LatestTrains(const GameState& g, bool up) {
    std::array<int, RegisterRows> trains{};
    std::array<int, RegisterRows> times{};
    times.fill(NoTime);
    for (int t = 1; t <= g.TrainCount; ++t) {
        int accepted = g.TrainTimes[t][RegLineClearGiven];
        if (accepted == NoTime || IsUpTrain(g, t) != up) continue;
        int slot = RegisterRows - 1;
        while (slot >= 0 && times[static_cast<std::size_t>(slot)] >= accepted) --slot;
        if (slot < 0) continue;
        for (int i = 0; i < slot; ++i) {
            trains[static_cast<std::size_t>(i)] = trains[static_cast<std::size_t>(i) + 1];
            times[static_cast<std::size_t>(i)] = times[static_cast<std::size_t>(i) + 1];
        }
        trains[static_cast<std::size_t>(slot)] = t;
        times[static_cast<std::size_t>(slot)] = accepted;
    }
    return trains;
}

// Three register times, or blanks where a time is not yet written.
std::string RegisterTimes(const GameState& g, int t, int first) {
    std::string text;
    for (int i = first; i < first + 3; ++i) {
        int time = g.TrainTimes[t][i];
        text += time == NoTime ? std::string(6, ' ') : FormatClock(time, 5) + " ";
    }
    return text;
}

std::string RegisterLine(const GameState& g, int t) {
    std::string line = FormatClock(g.TrainDue[t], 5) + " ";
    line += PadRight(g.TrainOrigin[t].view(), 15) + PadRight(g.TrainDest[t].view(), 15);
    line += PadRight(BellCodeOf(LineClearCode(g.TrainClass[t], g.TrainTo[t])).Text, 5) + "  ";
    int engine = g.TrainEngine[t];
    bool known = engine >= 1 && engine <= g.EngineCount;
    line += (known ? PadRight(g.EngineNumber[engine].view(), 5) : std::string(5, ' ')) + " ";
    bool entered = g.TrainTimes[t][RegTesReceived] != NoTime && g.TrainSect[t] != 0;
    line += (entered ? PadLeft(g.TrainSpeed[t], 5) : std::string(5, ' ')) + " ";
    // A train from or to the exchange sidings has no box on that side.
    line += g.TrainFrom[t] == 3 ? std::string(18, ' ') : RegisterTimes(g, t, RegLineClearGiven);
    line += g.TrainTo[t] == 3 ? std::string(18, ' ') : RegisterTimes(g, t, RegLineClearObtained);
    return Cut(line, 90);
}

}  // namespace

InfoWindow BuildRegisterWindow(const GameState& g) {
    InfoWindow window;
    window.Name = "register";
    window.Caption = "Train Register at " + CaptionTime(g);
    window.HelpContext = 424;
    window.Heads = {"Train Register - Up Trains",   RegisterHead1, RegisterHead2,
                    "Train Register - Down Trains", RegisterHead1, RegisterHead2};
    for (bool up : {true, false}) {
        for (int t : LatestTrains(g, up)) {
            if (t != 0) window.Lines.push_back(RegisterLine(g, t));
        }
        window.EndPane();
    }
    return window;
}

}  // namespace kv41
