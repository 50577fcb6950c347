#pragma once
// Works the block bells and the signals in place of the signalman, directly in the tables, so
// that a whole day's main-line trains run through the area: every offer is accepted, every
// bell acknowledged, train out of section sent as soon as a train has cleared its entry
// section, the box ahead told, and any signal in front of a standing train cleared once the
// section beyond it is free. The branch and the sidings are left out of the day.
#include "game_state.h"
#include "model/bell_codes.h"
#include "running/boxes.h"
#include "running/yard.h"
#include "session/new_game.h"

namespace kv41::testing {

struct AutoSignalman {
    // A Marathon shift at Very easy, with only lines 1, 4 and 5 offering trains.
    static void SetUpDay(GameState& g) {
        SetUpNewGame(g, 4, 0);
        g.RequireCallAttention = false;
        g.LineTrains[2][0] = 0;
        g.LineTrains[YardLine][0] = 0;
        for (int line : {1, 4, 5}) ChooseNextOnLine(g, line);
    }

    static void BeforeStep(GameState& g) {
        for (int k = 1; k <= BoxCount; ++k) WorkBox(g, k);
        for (int t = 1; t <= g.TrainCount; ++t) ClearSignalFor(g, t);
    }

private:
    static void WorkBox(GameState& g, int k) {
        int t = g.BoxOfferedTrain[k];
        int pending = g.BoxRingPending[k];
        if (t != 0 && (g.TrainState[t] == TrainBooked || g.TrainState[t] == TrainReported) &&
            IsLineClearCode(pending)) {
            g.TrainState[t] = TrainAccepted;
            g.TrainTimes[t][RegLineClearGiven] = g.ClockNow;
            g.BoxBlock[k][1] = LineClear;
            Acknowledge(g, k);
        } else if (pending != 0 && !IsLineClearCode(pending)) {
            if (pending == BellTrainEntering) g.BoxBlock[k][1] = TrainOnLine;
            Acknowledge(g, k);
        }
        if (t != 0 && g.TrainState[t] >= TrainRunning && g.SectTrain[g.BoxEntrySect[k]] != t) {
            g.TrainTimes[t][RegToosSent] = g.ClockNow;
            g.BoxOfferedTrain[k] = 0;
            g.BoxBlock[k][1] = LineBlocked;
        }
        int ours = g.BoxTrain[k];
        if (ours != 0 && g.BoxAcceptedCode[k] == 0) {
            g.BoxAcceptedCode[k] =
                static_cast<uint8_t>(LineClearCode(g.TrainClass[ours], g.TrainTo[ours]));
            g.TrainTimes[ours][RegLineClearObtained] = g.ClockNow;
            g.TrainTimes[ours][RegTesSent] = g.ClockNow;
            g.BoxBlock[k][0] = TrainOnLine;
        }
    }

    static void Acknowledge(GameState& g, int k) {
        g.BoxRingPending[k] = 0;
        g.BoxBellAnswered[k] = 1;
    }

    static void ClearSignalFor(GameState& g, int t) {
        if (g.TrainState[t] != TrainStanding || g.YardTrain == t) return;
        int s = g.TrainSect[t];
        if (s < 1 || s > g.SectCount || g.SectLimit[s] != 0) return;
        int next = g.SectNext[s];
        if (next < 0 || (next >= 1 && g.SectTrain[next] == 0)) g.SectLimit[s] = 25;
    }
};

}  // namespace kv41::testing
