// Train movement: speeds and braking, the end of a section, the tail, standing and the held
// warning, leaving the area and its checks, the step's clock and fast running.
#include <gtest/gtest.h>

#include "model/bell_codes.h"
#include "running/exit_checks.h"
#include "running/simulation_step.h"
#include "running/train_movement.h"
#include "running/waiting_trains.h"
#include "running/yard.h"
#include "running_fixture.h"

namespace kv41::testing {
namespace {

constexpr int Open = 29;  // 4440 yards, leads to 30

struct Movement : ::testing::Test, RunningGame {
    // Moves the train tick by tick until it stands or `ticks` have passed; the head never
    // leaves `sect` and never runs beyond its end.
    void RunToStand(int train, int sect, int ticks) {
        for (int i = 0; i < ticks; ++i) {
            MoveTrain(g, train);
            ASSERT_EQ(g.TrainSect[train], sect);
            ASSERT_GE(g.TrainToGo[train], 0);
            if (g.TrainSpeed[train] == 0) return;
        }
    }
    int Steps(int count) {
        for (int i = 0; i < count; ++i) {
            SimulationStep(g);
            auto faults = CheckInvariants(g);
            if (!faults.empty()) {
                ADD_FAILURE() << "after step " << i << ": " << faults.front();
                return i;
            }
        }
        return count;
    }
    int HeldWarnings() const {
        int count = 0;
        for (const auto& line : Said(Output::Line))
            count += line.find(") held") != std::string::npos;
        return count;
    }
};

TEST_F(Movement, BrakingStartsOnlyWhenStoppingDistanceRunsOut) {
    g.SectLimit[Open] = 0;
    // Group 1 at 40 mph brakes 4 mph a tick: it needs 3*40 + 600 = 720 yards.
    AddTrain(1, 600, 1, 4, 1);
    Place(1, Open, 720, 40);
    MoveTrain(g, 1);
    EXPECT_EQ(g.TrainSpeed[1], 40);  // still coasting
    EXPECT_EQ(g.TrainToGo[1], 600);

    g.SectTrain[Open] = 0;
    AddTrain(2, 600, 1, 4, 1);
    Place(2, Open, 719, 40);
    MoveTrain(g, 2);
    EXPECT_EQ(g.TrainSpeed[2], 36);
    EXPECT_EQ(g.TrainToGo[2], 719 - 3 * 38);
}

TEST_F(Movement, TrainAtDangerStopsExactlyAtTheSectionEndNeverBeyond) {
    g.SectLimit[Open] = 0;
    AddTrain(1, 600, 1, 4, 1);
    Place(1, Open, 50, 40);  // far too fast to stop in 50 yards
    MoveTrain(g, 1);
    EXPECT_EQ(g.TrainSect[1], Open);
    EXPECT_EQ(g.TrainToGo[1], 0);
    EXPECT_EQ(g.TrainSpeed[1], 0);
    EXPECT_EQ(g.TrainState[1], TrainStanding);
    EXPECT_EQ(g.TrainWait[1], 20);

    // From full speed a long way off: it brakes and stands without overrunning.
    g.SectLimit[16] = 0;
    AddTrain(2, 600, 4, 1, 7);
    Place(2, 16, 3000, 40);
    RunToStand(2, 16, 400);
    EXPECT_EQ(g.TrainSpeed[2], 0);
    EXPECT_EQ(g.TrainState[2], TrainStanding);
    ExpectConsistent();
}

TEST_F(Movement, TailHoldsTheSectionBehindUntilTheTrainHasRunItsLength) {
    // Section 1 (449 yards, limit 40) leads to 43 (466 yards).
    AddTrain(1, 600, 4, 1, 1, 250);
    Place(1, 1, 10, 40);
    MoveTrain(g, 1);
    ASSERT_EQ(g.TrainSect[1], 43);
    EXPECT_EQ(g.SectBehind[43], 1);
    EXPECT_EQ(g.SectTrain[1], 1);
    while (g.SectLength[43] - g.TrainToGo[1] < 250) {
        EXPECT_EQ(g.SectTrain[1], 1);
        MoveTrain(g, 1);
        ASSERT_EQ(g.TrainSect[1], 43);
    }
    EXPECT_EQ(g.SectTrain[1], 0);
    EXPECT_EQ(g.SectBehind[43], 0);
    ExpectConsistent();

    // A light engine clears the section behind in the very tick it runs 20 yards beyond it.
    AddTrain(2, 600, 1, 4, 9, 20);
    Place(2, Open, 10, 30);
    MoveTrain(g, 2);
    ASSERT_EQ(g.TrainSect[2], 30);
    EXPECT_EQ(g.SectTrain[Open], 0);
}

TEST_F(Movement, TrainStandsShortOfADeadEndOrAnOccupiedSection) {
    // The yard road ends at the buffers: a departure running at its limit stands at the end.
    AddTrain(1, 600, 3, 1, 8);
    g.SectNext[YardRoadSect] = 0;
    g.SectLimit[YardRoadSect] = 10;
    Place(1, YardRoadSect, 12, 10);
    MoveTrain(g, 1);
    MoveTrain(g, 1);
    EXPECT_EQ(g.TrainToGo[1], 0);
    EXPECT_EQ(g.TrainSpeed[1], 0);
    EXPECT_EQ(g.TrainState[1], TrainStanding);

    // Another train holds section 43: the train in section 1 stops at its end.
    AddTrain(2, 600, 4, 1, 1);
    AddTrain(3, 600, 4, 1, 1);
    Place(2, 1, 20, 40);
    Place(3, 43, 300, 0);
    g.SectLimit[43] = 0;
    MoveTrain(g, 2);
    EXPECT_EQ(g.TrainSect[2], 1);
    EXPECT_EQ(g.TrainToGo[2], 0);
    EXPECT_EQ(g.TrainSpeed[2], 0);
    EXPECT_EQ(g.SectTrain[43], 3);
    ExpectConsistent();
}

TEST_F(Movement, HeldWarningAfterTwentyOrFiftyTicksAndAgainAfterAsManyMore) {
    // Section 2 has limit 0: the Down Home at danger.
    AddTrain(1, 615, 4, 1, 1);
    Place(1, 2, 0, 0);
    Steps(20);
    EXPECT_EQ(HeldWarnings(), 0);
    Steps(1);
    ASSERT_EQ(HeldWarnings(), 1);
    EXPECT_EQ(Said(Output::Line).back(), "615 train (engine  2815) held  ");
    Steps(19);
    EXPECT_EQ(HeldWarnings(), 1);
    Steps(1);
    EXPECT_EQ(HeldWarnings(), 2);

    host.Transcript.clear();
    AddTrain(2, 600, 4, 1, 7);
    Place(2, 30, 0, 0);
    g.SectLimit[30] = 0;
    g.TrainState[1] = TrainGone;  // out of the way
    g.SectTrain[2] = 0;
    g.TrainSect[1] = 0;
    Steps(50);
    EXPECT_EQ(HeldWarnings(), 0);
    Steps(1);
    EXPECT_EQ(HeldWarnings(), 1);
    Steps(50);
    EXPECT_EQ(HeldWarnings(), 2);
}

TEST_F(Movement, BranchPassengerStopsAtThePlatformAndLeavesWhenTheStarterIsOff) {
    AddTrain(1, 600, 4, 2, 2);
    Place(1, 9, 10, 10);
    Steps(40);
    ASSERT_EQ(g.TrainSect[1], DownPlatformSect);
    EXPECT_EQ(g.TrainSpeed[1], 0);
    EXPECT_EQ(g.SectLimit[DownPlatformSect], 0);
    g.LeverNormal[42] = 0;  // the branch starter off
    g.TrainWait[1] = 1;
    g.TrainState[1] = TrainRunning;  // the stop itself
    Steps(1);
    EXPECT_EQ(g.SectLimit[DownPlatformSect], 15);
}

TEST_F(Movement, LeavingTheAreaChargesMissingBellsAndTheWrongCode) {
    // Section 16 leads out to box 1.
    AddTrain(1, 480, 4, 1, 1);
    Place(1, 16, 5, 40);
    g.BoxTrain[1] = 1;
    g.BoxAcceptedCode[1] = 3;  // an express needs code 2
    MoveTrain(g, 1);

    EXPECT_EQ(g.TrainState[1], TrainGone);
    EXPECT_EQ(g.TrainSect[1], 0);
    EXPECT_EQ(g.SectTrain[16], 0);
    EXPECT_EQ(g.TrainsInArea, 0);
    EXPECT_EQ(g.BoxTrainGone[1], 1);
    EXPECT_EQ(g.TrainTimes[1][RegToosReceived], 600);
    EXPECT_EQ(g.Points, -4);
    auto errors = Said(Output::Error);
    ASSERT_EQ(errors.size(), 3u);
    EXPECT_EQ(errors[0], "You lose 1 point for Train Entering Section for  8.00 not sent to " +
                             g.BoxName[1].str());
    EXPECT_EQ(errors[1],
              "You lose 1 point for Train Out Of Section not sent for  8.00 from "
              "Elmsworth");
    EXPECT_EQ(errors[2], "You lose 2 points for line clear for " + std::string(BellCodeOf(3).Text) +
                             " -  8.00 needs " + std::string(BellCodeOf(2).Text));
    EXPECT_EQ(g.BoxTrain[1], 0);
    EXPECT_EQ(g.BoxAcceptedCode[1], 0);
    ExpectConsistent();
}

TEST_F(Movement, LeavingWithBellsSentCostsNothingAndSetsTheDeadlineInRear) {
    // A branch passenger accepted under another code is not charged (code 4), and its train
    // entering section held by the box becomes its register time.
    AddTrain(1, 480, 1, 2, 2);
    Place(1, 27, 5, 30);
    g.SectNext[27] = -2;
    g.BoxTrain[2] = 1;
    g.BoxAcceptedCode[2] = 3;
    g.BoxTesTime[2] = 598;
    MoveTrain(g, 1);
    EXPECT_EQ(g.Points, 0);
    EXPECT_EQ(g.TrainTimes[1][RegTesSent], 598);
    EXPECT_EQ(g.BoxToosTrain[1], 1);
    EXPECT_EQ(g.BoxToosDeadline[1], 605);

    // A train not identified to the box is only marked gone into its section.
    AddTrain(2, 480, 4, 1, 1);
    Place(2, 16, 5, 40);
    MoveTrain(g, 2);
    EXPECT_EQ(g.Points, 0);
    EXPECT_EQ(g.BoxTrainGone[1], 1);
}

TEST_F(Movement, FinishedTrainHandsItsEngineAndLatenessToItsNextWorking) {
    AddTrain(1, 500, 4, 1, 1);
    AddTrain(2, 640, 1, 4, 1);
    g.TrainEngine[2] = EngineUnknown;
    g.TrainNextWorking[1] = 2;
    FinishTrain(g, 1);
    EXPECT_EQ(g.TrainEngine[2], 1);
    EXPECT_GE(g.TrainLate[2], 90);  // 100 minutes late, less ten recovered
    EXPECT_LT(g.TrainLate[2], 100);
    EXPECT_EQ(g.TrainState[2], TrainReported);
}

TEST_F(Movement, ArrivalInTheYardFinishesFreesItsTailAndPutsOutAHeldDeparture) {
    AddTrain(1, 590, 4, 3, 8, 150);
    g.SectNext[17] = 18;
    g.SectLimit[18] = 10;
    g.SectNext[18] = 0;
    Place(1, 18, 4, 6);
    g.SectTrain[17] = 1;
    g.SectBehind[18] = 17;
    AddTrain(2, 600, 3, 1, 8);
    g.YardTrain = 2;
    g.TrainState[2] = TrainStanding;
    g.TrainSect[2] = 18;
    g.TrainWait[2] = 30;
    MoveTrain(g, 1);
    EXPECT_EQ(g.TrainState[1], TrainGone);
    EXPECT_EQ(g.SectTrain[17], 0);
    EXPECT_EQ(g.SectBehind[18], 0);
    EXPECT_EQ(g.BoxToosTrain[3], 1);  // line 4 is box 3's
    EXPECT_EQ(g.YardTrain, 0);
    EXPECT_EQ(g.SectTrain[18], 2);
    ExpectConsistent();
}

TEST_F(Movement, TrainTerminatingInADownSidingGivesUpItsTailToItsNextWorking) {
    // 270 yards stand in the 260-yard siding: the last 10 are still on section 44.
    AddTrain(1, 590, 1, 3, 10, 270);
    AddTrain(2, 700, 3, 4, 10);  // due more than an hour ahead: not yet reported
    g.TrainEngine[2] = EngineUnknown;
    g.TrainNextWorking[1] = 2;
    g.SectLimit[DownSidingTwoSect] = 0;
    Place(1, DownSidingTwoSect, 5, 5);
    g.SectTrain[44] = 1;
    g.SectBehind[DownSidingTwoSect] = 44;
    MoveTrain(g, 1);

    EXPECT_EQ(g.TrainState[1], TrainGone);
    EXPECT_EQ(g.SectTrain[44], 0);
    EXPECT_EQ(g.SectBehind[DownSidingTwoSect], 0);
    EXPECT_EQ(g.SectTrain[DownSidingTwoSect], 2);
    EXPECT_EQ(g.TrainSect[2], DownSidingTwoSect);
    EXPECT_EQ(g.TrainEngine[2], 1);
    EXPECT_EQ(g.BoxToosTrain[1], 1);
    ExpectConsistent();
    // Its first waiting tick makes it a standing train, reported or not.
    ASSERT_EQ(g.TrainState[2], TrainBooked);
    WaitTrain(g, 2);
    EXPECT_EQ(g.TrainState[2], TrainStanding);
    ExpectConsistent();
}

TEST_F(Movement, DepartureHeldInTheYardDoesNotMove) {
    AddTrain(1, 600, 3, 1, 8);
    g.YardTrain = 1;
    g.TrainState[1] = TrainStanding;
    g.TrainSect[1] = 18;
    g.SectLimit[18] = 10;
    MoveTrain(g, 1);
    EXPECT_EQ(g.TrainSpeed[1], 0);
    EXPECT_EQ(g.SectTrain[18], 0);
    ExpectConsistent();
}

TEST_F(Movement, FastRunningStartsAfterQuietTicksUnlessATrainIsInTheArea) {
    g.QuietTicks = 20;
    Steps(19);
    EXPECT_FALSE(g.FastMode);
    Steps(1);
    EXPECT_TRUE(g.FastMode);

    AddTrain(1, 615, 4, 1, 1);
    Place(1, 2, 0, 0);
    Steps(25);
    EXPECT_FALSE(g.FastMode);
    EXPECT_EQ(g.QuietTicks, 19);
}

}  // namespace
}  // namespace kv41::testing
