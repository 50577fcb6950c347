// Adding and cancelling timetable rows, and the lateness each train brings with it.
#include "model/timetable.h"

#include "game_state.h"

namespace kv41 {

namespace {
constexpr std::string_view BlankOrigin = "spare";
}

int RandomLateness(GameState& g, int trainClass) {
    const int r = g.Random.Next(200);
    if (trainClass <= 8) {
        if (r >= 61) return 0;
        if (r <= 14) return r - 2;  // a few run up to two minutes early
        return r / 10;
    }
    // Light engines and slow goods wander much more.
    if (r >= 81) return 0;
    if (r <= 40) return r;
    return r / 5;
}

void AddTrain(GameState& g, int hour, int minute, int fromLine, int toLine, int engine,
              int nextWorking, int length, std::string_view origin, std::string_view destination,
              int trainClass) {
    if (g.TrainCount >= MaxTrains) return;
    const int t = ++g.TrainCount;
    const bool blank = origin == BlankOrigin;
    g.TrainDue[t] = blank ? NoTime : hour * 60 + minute;
    g.TrainState[t] = blank ? TrainBlank : TrainBooked;
    g.TrainEngine[t] = engine;
    g.TrainNextWorking[t] = nextWorking;
    g.TrainLength[t] = length;
    g.TrainFrom[t] = fromLine;
    g.TrainTo[t] = toLine;
    g.TrainOrigin[t] = origin;
    g.TrainDest[t] = destination;
    g.TrainClass[t] = static_cast<uint8_t>(trainClass);
    g.TrainSect[t] = 0;
    g.TrainSpeed[t] = 0;
    g.TrainToGo[t] = 0;
    g.TrainWait[t] = 0;
    g.TrainTimes[t].fill(NoTime);
    g.TrainLate[t] = RandomLateness(g, trainClass);
}

void CancelTrain(GameState& g, int row) {
    if (!IsTrain(g, row)) return;
    g.TrainState[row] = TrainGone;
    g.TrainDue[row] = NoTime;
}

bool IsBlankRow(const GameState& g, int row) {
    return g.TrainOrigin[row] == BlankOrigin;
}

void ApplyDifficultyToTimetable(GameState& g) {
    if (g.Difficulty >= HardDifficulty) return;
    for (int row : HardOnlyTrains) CancelTrain(g, row);
}

}  // namespace kv41
