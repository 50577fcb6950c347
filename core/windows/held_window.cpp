// The trains held window: trains standing at the box's signals or waiting in the yard, each with
// the lever that lets it go, and the next departure from the exchange sidings.
#include <array>

#include "game_state.h"
#include "model/clock.h"
#include "windows/info_windows.h"
#include "windows/window_text.h"

namespace kv41 {

namespace {

constexpr int YardDepartureSect = 18;
constexpr int SidingsLine = 3;

struct WatchedSignal {
    int Sect;
    const char* Name;
    int Lever;
    int OtherLever;  // the lever instead when the train leaves by OtherLine
    int OtherLine;
};

constexpr std::array<WatchedSignal, 3> UpSignals{
    {{31, "Up Main Home", 2, 0, 0}, {25, "Up Branch Home", 3, 13, 3}, {34, "Up Starter", 4, 0, 0}}};
constexpr std::array<WatchedSignal, 6> DownSignals{{{2, "Down Outer Home", 50, 0, 0},
                                                    {5, "Down Loop Home", 49, 0, 0},
                                                    {41, "Up Loop Backing Signal", 45, 0, 0},
                                                    {8, "Down Home", 48, 43, 3},
                                                    {11, "Down Starter", 47, 42, 2},
                                                    {14, "Down Advanced Starter", 46, 0, 0}}};
constexpr std::array<WatchedSignal, 3> YardSignals{{{20, "Down Siding No 1", 30, 0, 0},
                                                    {19, "Down Siding No 2", 30, 0, 0},
                                                    {18, "Exchange Sidings", 30, 0, 0}}};

// A yard train whose booked time has not come shows it in brackets.
bool NotYetDue(const GameState& g, int sect, int t) {
    return sect >= 18 && sect <= 20 && g.ClockNow < DuePlusLate(g, t);
}

// The signal's line: blank unless a train stands at it, so that every signal keeps its row.
std::string SignalLine(const GameState& g, const WatchedSignal& signal) {
    int sect = signal.Sect;
    int t = sect <= g.SectCount ? g.SectTrain[sect] : 0;
    if (sect == YardDepartureSect && t == 0 && g.YardTrain != 0) t = g.YardTrain;
    if (!IsTrain(g, t) || (g.TrainState[t] != TrainRunning && g.TrainState[t] != TrainStanding) ||
        g.TrainSpeed[t] != 0) {
        return std::string(5, ' ');
    }
    int lever = signal.OtherLever != 0 && g.TrainTo[t] == signal.OtherLine ? signal.OtherLever
                                                                           : signal.Lever;
    std::string due = FormatClock(g.TrainDue[t], 5);
    std::string line = PadLeft(lever, 2) + " " + PadRight(signal.Name, 23);
    line += NotYetDue(g, sect, t) ? "(" + due + ")" : " " + due + " ";
    line += " " + g.TrainOrigin[t] + " to " + g.TrainDest[t];
    line += " (" + std::string(TrainClassName(g.TrainClass[t])) + ")";
    return Cut(line, 80);
}

std::string DepartureLine(const GameState& g) {
    int t = g.LineTrains[SidingsLine][0];
    if (!DueWithinTheHour(g, t)) {
        return "Nothing expected in next hour";
    }
    std::string line = DueAndExpected(g, t);
    line += "      " + LineCodeOf(g, g.TrainTo[t]) + "  " + PadRight(g.TrainDest[t].view(), 14);
    line += std::string(TrainClassName(g.TrainClass[t]));
    return Cut(line, 80);
}

}  // namespace

InfoWindow BuildHeldWindow(const GameState& g) {
    InfoWindow window;
    window.Name = "held";
    window.Caption = "Trains held at " + CaptionTime(g);
    window.HelpContext = 421;
    window.Heads = {"Up Trains Held", "Down Trains Held", "Trains waiting to leave yard",
                    "Next departure from Exchange Sidings",
                    "Due   Expected   To                Type"};
    for (const WatchedSignal& signal : UpSignals) window.Lines.push_back(SignalLine(g, signal));
    window.EndPane();
    for (const WatchedSignal& signal : DownSignals) window.Lines.push_back(SignalLine(g, signal));
    window.EndPane();
    for (const WatchedSignal& signal : YardSignals) window.Lines.push_back(SignalLine(g, signal));
    window.EndPane();
    window.Lines.push_back(DepartureLine(g));
    window.EndPane();
    return window;
}

}  // namespace kv41
