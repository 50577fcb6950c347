#include "signalman/trains_in_hand.h"

#include <algorithm>
#include <string>

#include "running/yard.h"

namespace kv41 {

namespace {

bool InArea(const GameState& g, int t) {
    int s = g.TrainSect[t];
    if (g.TrainState[t] != TrainRunning && g.TrainState[t] != TrainStanding) return false;
    if (s < 1 || s > g.SectCount || g.SectTrain[s] != t) return false;
    // A departure waiting in the sidings is the signalman's only once it has been called.
    if (g.TrainFrom[t] == YardLine) return g.TrainTimes[t][RegLineClearGiven] != NoTime;
    return true;
}

bool AcceptedAndComing(const GameState& g, int t) {
    int box = BoxInRear(g, t);
    return g.TrainState[t] == TrainAccepted && box != 0 && g.BoxOfferedTrain[box] == t;
}

}  // namespace

int HeadSection(const GameState& g, int train) {
    return g.TrainState[train] == TrainAccepted ? 0 : g.TrainSect[train];
}

TrainsInHand FindTrainsInHand(const GameState& g) {
    TrainsInHand in;
    auto add = [&in](int t) {
        if (in.Count < MaxTrainsInHand) in.Train[static_cast<std::size_t>(in.Count++)] = t;
    };
    for (int t = 1; t <= g.TrainCount; ++t)
        if (InArea(g, t)) add(t);
    int inArea = in.Count;
    for (int t = 1; t <= g.TrainCount; ++t)
        if (AcceptedAndComing(g, t)) add(t);
    auto byTime = [&g](int register_) {
        return [&g, register_](int a, int b) {
            int ta = g.TrainTimes[a][register_], tb = g.TrainTimes[b][register_];
            return ta != tb ? ta < tb : a < b;
        };
    };
    auto first = in.Train.begin();
    std::stable_sort(first, first + inArea, byTime(RegTesReceived));
    std::stable_sort(first + inArea, first + in.Count, byTime(RegLineClearGiven));
    return in;
}

int NextTrainFor(const GameState& g, const TrainsInHand& trains, int box) {
    for (int i = 0; i < trains.Count; ++i) {
        int t = trains.Train[static_cast<std::size_t>(i)];
        if (BoxAhead(g, t) == box) return t;
    }
    return 0;
}

bool ReceptionRoadFree(const GameState& g, int train) {
    std::string dest = g.TrainDest[train];
    if (g.TrainTo[train] == YardLine && (dest.empty() || dest[0] != 'D'))
        return g.SectTrain[18] == 0;
    return g.SectTrain[19] == 0 || g.SectTrain[20] == 0;
}

}  // namespace kv41
