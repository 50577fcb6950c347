#pragma once
// The real layout with an empty timetable, the clock at 10.00 in a day-long shift, and helpers
// to add trains and put them on the track directly in the tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "game_state.h"
#include "running/invariants.h"
#include "test_support.h"

namespace kv41::testing {

struct RunningGame : FreshGame {
    RunningGame() : FreshGame(7, true) {
        for (int t = 1; t <= MaxTrains; ++t) ClearRow(t);
        g.TrainCount = 0;
        for (int l = 1; l <= LineCount; ++l) g.LineTrains[l] = {0, 0, 0, 0};
        g.ClockNow = 600;
        g.ShiftStart = 0;
        g.ShiftEnd = 1440;
        g.MinuteTick = 10;
        g.EngineNumber[1] = " 2815";
        g.EngineCount = std::max(g.EngineCount, 1);
    }

    void ClearRow(int t) {
        g.TrainState[t] = TrainBlank;
        g.TrainDue[t] = NoTime;
        g.TrainLate[t] = 0;
        g.TrainSect[t] = 0;
        g.TrainSpeed[t] = 0;
        g.TrainToGo[t] = 0;
        g.TrainWait[t] = 0;
        g.TrainNextWorking[t] = 0;
        g.TrainEngine[t] = 0;
        g.TrainTimes[t].fill(NoTime);
    }

    // A booked train in row `row`.
    int AddTrain(int row, int due, int from, int to, int trainClass, int length = 200) {
        g.TrainCount = std::max(g.TrainCount, row);
        ClearRow(row);
        BookTrain(g, row, due, from, to, trainClass);
        g.TrainLength[row] = length;
        g.TrainOrigin[row] = "Elmsworth";
        g.TrainDest[row] = "Kingsmeade";
        g.TrainEngine[row] = 1;
        return row;
    }

    // The train runs in the area with its head `toGo` yards from the end of `sect`.
    void Place(int train, int sect, int toGo, int speed) {
        g.TrainState[train] = TrainRunning;
        g.TrainSect[train] = sect;
        g.TrainToGo[train] = toGo;
        g.TrainSpeed[train] = speed;
        g.SectTrain[sect] = train;
        ++g.TrainsInArea;
    }

    void ExpectConsistent() const {
        auto faults = CheckInvariants(g);
        EXPECT_TRUE(faults.empty()) << (faults.empty() ? "" : faults.front());
    }
};

}  // namespace kv41::testing
