// The consistency check: one text for each broken rule, none for the states that the game's
// own logic produces, over a whole day of running.
#include <gtest/gtest.h>

#include <functional>

#include "auto_signalman.h"
#include "running/simulation_step.h"
#include "running_fixture.h"

namespace kv41::testing {
namespace {

struct Invariants : ::testing::Test, RunningGame {
    Invariants() {
        // Train 1 runs from section 1 into 43 with its tail still in 1; train 2 is gone.
        AddTrain(1, 600, 4, 1, 1);
        Place(1, 43, 400, 30);
        g.SectTrain[1] = 1;
        g.SectBehind[43] = 1;
        AddTrain(2, 500, 4, 1, 1);
        g.TrainState[2] = TrainGone;
    }

    // The one fault that the state now has.
    std::string OnlyFault() {
        auto faults = CheckInvariants(g);
        EXPECT_EQ(faults.size(), 1u);
        return faults.empty() ? std::string() : faults.front();
    }
};

TEST_F(Invariants, GamesAsBuiltAndSetUpAreConsistent) {
    ExpectConsistent();
    FreshGame fresh;
    EXPECT_TRUE(CheckInvariants(fresh.g).empty());
    AutoSignalman::SetUpDay(fresh.g);
    EXPECT_TRUE(CheckInvariants(fresh.g).empty());
}

TEST_F(Invariants, TrainMustHoldItsHeadAndItsTailChain) {
    g.SectTrain[43] = 0;
    g.SectBehind[43] = 0;
    g.SectTrain[1] = 0;
    EXPECT_EQ(OnlyFault(), "train 1 does not hold its head section 43");
    g.SectTrain[43] = 1;

    g.SectBehind[43] = 1;  // links a section that is clear
    EXPECT_EQ(OnlyFault(), "section 43 links section 1 behind it, which its train does not hold");

    g.SectBehind[43] = 0;
    g.SectTrain[1] = 1;  // held but not linked
    EXPECT_EQ(OnlyFault(), "section 1 is held by train 1 but is not on its tail chain");
}

TEST_F(Invariants, SectionsAreNotHeldByTrainsOutsideTheArea) {
    g.SectTrain[5] = 2;
    EXPECT_EQ(OnlyFault(), "section 5 is held by train 2 in state 6, not in the area");
    g.TrainState[2] = TrainBooked;
    EXPECT_EQ(OnlyFault(), "section 5 is held by train 2 in state 1, not in the area");

    // Except a next working put in a down siding in its engine's place, until it stands there.
    g.SectTrain[5] = 0;
    g.SectTrain[DownSidingOneSect] = 2;
    g.TrainSect[2] = DownSidingOneSect;
    g.TrainWait[2] = 40;
    ExpectConsistent();
}

TEST_F(Invariants, ReferencesLieInTheirTables) {
    const std::pair<std::function<void()>, std::string> breaks[] = {
        {[&] { g.SectNext[7] = -5; }, "section 7 leads on to -5, neither a section nor a box"},
        {[&] { g.SectTrain[7] = 181; }, "section 7 is held by train 181, not in the timetable"},
        {[&] { g.TrainEngine[2] = 0; }, "train 2 has engine 0, not in the engine table"},
        {[&] { g.TrainSect[2] = 3; }, "train 2 is gone but has a head section"},
        {[&] { g.TrainNextWorking[2] = -1; }, "train 2 names a next working not in the timetable"},
        {[&] { g.BoxOfferedTrain[3] = -1; }, "box 3 offers a train not in the timetable"},
        {[&] { g.YardTrain = 1; },
         "the departure held in the yard, train 1, is not standing off "
         "the yard road"},
        {[&] { g.TrainsInArea = -1; }, "TrainsInArea is below 0"},
    };
    for (const auto& [breakIt, text] : breaks) {
        auto saved = *state;
        breakIt();
        EXPECT_EQ(OnlyFault(), text);
        *state = saved;
    }
}

TEST_F(Invariants, WholeDayOfTrainsKeepsEveryRuleAfterEveryStep) {
    FreshGame day(11);
    AutoSignalman::SetUpDay(day.g);
    int steps = 0;
    while (!day.g.EndRequested && steps < 20000) {
        AutoSignalman::BeforeStep(day.g);
        SimulationStep(day.g);
        ++steps;
        auto faults = CheckInvariants(day.g);
        ASSERT_TRUE(faults.empty())
            << "step " << steps << " at " << day.g.ClockNow << ": " << faults.front();
    }
    EXPECT_EQ(steps, 14409);  // the first minute has nine steps
    int gone = 0;
    for (int t = 1; t <= day.g.TrainCount; ++t) {
        gone += day.g.TrainState[t] == TrainGone && day.g.TrainTimes[t][RegToosReceived] != NoTime;
    }
    EXPECT_GT(gone, 60);  // main-line trains ran through the area and out again
}

}  // namespace
}  // namespace kv41::testing
