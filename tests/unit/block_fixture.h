#pragma once
// A fresh game with the junction's layout built, the clock at 10.00 and the session running,
// for the lever and block working tests; trains are placed by hand.
#include <string>
#include <vector>

#include "game_state.h"
#include "test_support.h"

namespace kv41::testing {

struct JunctionGame : FreshGame {
    JunctionGame() {
        g.SessionRunning = true;
        g.ClockNow = 600;
        g.Points = 0;
        host.Transcript.clear();
    }

    // Puts train `row` on section `section` (or nowhere, with 0).
    int Train(int row, int trainClass, int to, int section = 0, int due = 700) {
        g.TrainClass[row] = static_cast<uint8_t>(trainClass);
        g.TrainTo[row] = to;
        g.TrainDue[row] = due;
        g.TrainLate[row] = 0;
        g.TrainState[row] = TrainBooked;
        g.TrainSpeed[row] = 0;
        g.TrainTimes[row].fill(NoTime);
        if (section != 0) g.SectTrain[section] = row;
        return row;
    }

    void Reverse(std::initializer_list<int> levers) {
        for (int lever : levers) g.LeverNormal[lever] = 0;
    }

    // The one error the last action gave ("" for none), and forget the transcript.
    std::string LastError() {
        auto errors = Said(Output::Error);
        host.Transcript.clear();
        return errors.empty() ? std::string() : errors.back();
    }
};

}  // namespace kv41::testing
