#pragma once
// A small railway for the boxes' and the yard's tests: the four boxes with their lead times,
// the five lines with their headways, every instrument at Line Blocked, the clock at 10.00,
// and trains added row by row.
#include <algorithm>
#include <string>

#include "game_state.h"
#include "test_support.h"

namespace kv41::testing {

struct BoxesGame : FreshGame {
    BoxesGame() : FreshGame(7, false) {
        const char* names[] = {"", "Pellingford ", "Brenley", "Hollowmer Jn", "Radlow Rd Jn"};
        const int entry[] = {0, 29, 27, 1, 4};
        const std::array<int, 3> leadA[] = {{}, {4, 5, 7}, {7, 9, 9}, {2, 2, 3}, {8, 8, 8}};
        const std::array<int, 3> leadB[] = {{}, {4, 6, 8}, {7, 9, 9}, {3, 3, 4}, {3, 3, 4}};
        for (int k = 1; k <= BoxCount; ++k) {
            g.BoxName[k] = names[k];
            g.BoxEntrySect[k] = entry[k];
            g.BoxLeadA[k] = leadA[k];
            g.BoxLeadB[k] = leadB[k];
            g.BoxBlock[k] = {LineBlocked, LineBlocked};
        }
        const int headway[] = {0, 9, 11, 1, 2, 9};
        for (int l = 1; l <= LineCount; ++l) {
            g.LineHeadway[l] = headway[l];
            g.LineLastTime[l] = NoTime;
            g.LineTrains[l] = {0, 0, 0, 0};
        }
        g.SectCount = MaxSections;
        for (int s = 1; s <= MaxSections; ++s) g.SectLength[s] = 300 + s;
        g.LeverNormal.fill(1);
        g.ClockNow = 600;
        g.ShiftStart = 300;
        g.ShiftEnd = 900;
        g.MinuteTick = 10;
        g.SoundOn = true;
    }

    // Adds timetable row `row` (rows in between stay blank).
    int AddTrain(int row, int due, int from, int to, int trainClass, std::string origin = "Origin",
                 std::string dest = "Dest") {
        g.TrainCount = std::max(g.TrainCount, row);
        BookTrain(g, row, due, from, to, trainClass);
        g.TrainOrigin[row] = origin;
        g.TrainDest[row] = dest;
        g.TrainEngine[row] = 1;
        g.TrainLength[row] = 200;
        g.TrainTimes[row].fill(NoTime);
        return row;
    }

    void Forget() { host.Transcript.clear(); }
};

}  // namespace kv41::testing
