// The rules of the sections a train enters: clear-road bonuses, wrong routes, platform stops,
// the sidings' reception; the delay allowance and check; the overtaking bonus.
#include <gtest/gtest.h>

#include "running/section_entry.h"
#include "running/train_movement.h"
#include "running/yard.h"
#include "running_fixture.h"
#include "session/position_file.h"

namespace kv41::testing {
namespace {

struct SectionEntry : ::testing::Test, RunningGame {
    void ExpectBlocked(int sect) {
        EXPECT_EQ(g.SectNext[sect], 0);
        EXPECT_EQ(g.SectLimit[sect], 0);
    }
};

TEST_F(SectionEntry, DistantOffGivesFastTrainsAClearRoadBonusByClass) {
    g.LeverNormal[51] = 0;
    AddTrain(1, 480, 4, 1, 1);
    SectionEntryRules(g, 2, 1);
    EXPECT_EQ(g.SectTrain[2], 1);
    EXPECT_TRUE(g.TrackLampsDirty);
    EXPECT_EQ(g.Points, 3);
    EXPECT_EQ(Said(Output::Bonus).back(),
              "You gain 3 points for giving down  8.00 express a clear road");

    AddTrain(2, 480, 4, 1, 3);
    SectionEntryRules(g, 2, 2);
    EXPECT_EQ(g.Points, 5);
    AddTrain(3, 480, 4, 1, 8);
    SectionEntryRules(g, 2, 3);
    EXPECT_EQ(g.Points, 6);
    EXPECT_EQ(Said(Output::Bonus).back(),
              "You gain 1 point for giving down  8.00 fast goods a clear road");
    // Slow goods earn nothing, nor does anyone with the distant on.
    AddTrain(4, 480, 4, 1, 10);
    SectionEntryRules(g, 2, 4);
    g.LeverNormal[1] = 1;
    SectionEntryRules(g, 30, 1);
    EXPECT_EQ(g.Points, 6);
    g.LeverNormal[1] = 0;
    SectionEntryRules(g, 30, 2);
    EXPECT_EQ(Said(Output::Bonus).back(),
              "You gain 2 points for giving up  8.00 passenger a clear road");
}

TEST_F(SectionEntry, PassengerTrainRoutedToTheSidingsIsChargedAndStopped) {
    g.SectNext[7] = 8;
    g.LeverNormal[43] = 0;
    AddTrain(1, 480, 4, 1, 1);
    SectionEntryRules(g, 7, 1);
    EXPECT_EQ(g.Points, -10);
    EXPECT_EQ(Said(Output::Error).back(),
              "You lose 10 points for trying to route non-freight  8.00 train to sidings");
    ExpectBlocked(8);

    // A terminating train let past the sidings by the inner home.
    g.LeverNormal[43] = 1;
    g.LeverNormal[48] = 0;
    g.SectNext[8] = 9;
    AddTrain(2, 480, 4, 3, 8);
    SectionEntryRules(g, 7, 2);
    EXPECT_EQ(g.Points, -20);
    EXPECT_EQ(Said(Output::Error).back(),
              "You lose 10 points for not routing terminating  8.00 train to sidings");
    ExpectBlocked(8);
}

TEST_F(SectionEntry, DownPlatformStopsBranchPassengersAndChargesWrongStarters) {
    AddTrain(1, 480, 4, 2, 2);
    g.SectLimit[11] = 15;
    SectionEntryRules(g, 11, 1);
    EXPECT_EQ(g.SectLimit[11], 0);
    EXPECT_EQ(g.Points, 0);

    // Both the stop and the wrong route apply.
    g.LeverNormal[47] = 0;
    g.SectNext[11] = 12;
    SectionEntryRules(g, 11, 1);
    EXPECT_EQ(Said(Output::Error).back(),
              "You lose 10 points for trying to route  8.00 Brenley train to Pellingford");
    ExpectBlocked(11);

    g.LeverNormal[47] = 1;
    g.LeverNormal[42] = 0;
    AddTrain(2, 480, 4, 1, 1);
    SectionEntryRules(g, 11, 2);
    EXPECT_EQ(Said(Output::Error).back(),
              "You lose 10 points for trying to route  8.00 Pellingford train to Brenley");
    EXPECT_EQ(g.Points, -20);
}

TEST_F(SectionEntry, SidingsEntrySendsArrivalsToTheYardRoadAndOthersToAFreeSiding) {
    g.SectNext[SidingsEntrySect] = 0;
    AddTrain(1, 480, 4, 3, 8);
    g.TrainDest[1] = "Exchange Sdg";
    SectionEntryRules(g, SidingsEntrySect, 1);
    EXPECT_EQ(g.SectNext[SidingsEntrySect], YardRoadSect);
    EXPECT_EQ(g.SectLimit[YardRoadSect], 10);
    EXPECT_EQ(g.SectNext[YardRoadSect], 0);
    EXPECT_FALSE(g.YardClear);
    EXPECT_GE(g.YardTimer, 30);
    EXPECT_LT(g.YardTimer, 70);

    g.SectNext[SidingsEntrySect] = 0;
    AddTrain(2, 480, 1, 3, 10);
    g.TrainDest[2] = "Down Sdgs";
    SectionEntryRules(g, SidingsEntrySect, 2);
    EXPECT_EQ(g.SectNext[SidingsEntrySect], DownSidingTwoSect);
    EXPECT_EQ(g.SectLimit[DownSidingTwoSect], 0);

    g.SectNext[SidingsEntrySect] = 0;
    g.SectTrain[DownSidingTwoSect] = 2;
    SectionEntryRules(g, SidingsEntrySect, 2);
    EXPECT_EQ(g.SectNext[SidingsEntrySect], DownSidingOneSect);

    // A departure through a route already set: the line's next departure can be chosen.
    g.YardClear = true;
    g.YardTimer = 0;
    SectionEntryRules(g, SidingsEntrySect, 2);
    EXPECT_EQ(g.SectNext[SidingsEntrySect], DownSidingOneSect);
    EXPECT_FALSE(g.YardClear);
}

TEST_F(SectionEntry, DelayAllowanceByClassDifficultyAndOrigin) {
    g.Difficulty = 5;  // d = 5
    const std::pair<int, int> allowances[] = {{1, 2},  {2, 2},  {3, 8},  {4, 8},
                                              {6, 20}, {8, 20}, {9, 30}, {12, 30}};
    for (auto [trainClass, allowance] : allowances) {
        AddTrain(1, 480, 4, 1, trainClass);
        EXPECT_EQ(DelayAllowance(g, 1), allowance) << "class " << trainClass;
    }
    g.TrainFrom[1] = YardLine;
    EXPECT_EQ(DelayAllowance(g, 1), 40);
    g.Difficulty = 25;  // d = 1
    AddTrain(1, 480, 4, 1, 1);
    EXPECT_EQ(DelayAllowance(g, 1), 0);
}

TEST_F(SectionEntry, DelayBeyondTheAllowanceCostsAPointAMinute) {
    g.Difficulty = 5;
    AddTrain(1, 590, 4, 1, 1);
    g.TrainLate[1] = 3;
    g.ClockNow = 590 + 3 + 2;  // exactly the allowance
    DelayCheck(g, 1);
    EXPECT_EQ(g.Points, 0);
    g.ClockNow += 5;
    DelayCheck(g, 1);
    EXPECT_EQ(g.Points, -5);
    EXPECT_EQ(Said(Output::Error).back(), "You lose 5 points for delaying  9.50 from Elmsworth");
}

TEST_F(SectionEntry, OvertakingASlowerTrainInTheSidingEarnsThreePointsOncePerPassage) {
    AddTrain(1, 615, 4, 1, 1);
    AddTrain(2, 590, 4, 1, 10);
    g.SectTrain[DownSidingOneSect] = 2;
    OvertakingCheck(g, 1);
    EXPECT_EQ(g.Points, 3);
    EXPECT_EQ(Said(Output::Bonus).back(),
              "You gain 3 points for 615overtaking slower 590 train in siding");

    // Not for a train of the same kind, another line, or one from the sidings.
    AddTrain(3, 600, 4, 1, 11);
    OvertakingCheck(g, 3);
    g.TrainTo[2] = 4;
    OvertakingCheck(g, 1);
    g.TrainTo[2] = 1;
    g.TrainFrom[2] = YardLine;
    OvertakingCheck(g, 1);
    EXPECT_EQ(g.Points, 3);
}

// An express for Pellingford standing at the end of the down platform, and a slow goods for
// the same line that can be put into Down Siding No. 1 beside it.
struct PlatformEnd : RunningGame {
    static constexpr int Express = 4, Goods = 2;
    PlatformEnd() {
        g.ShiftNumber = 5;
        AddTrain(Goods, 590, 4, 1, 10);
        AddTrain(Express, 615, 4, 1, 1);
        g.SectLimit[DownPlatformSect] = 0;
        Place(Express, DownPlatformSect, 0, 0);
    }
    void GoodsIntoSiding() { Place(Goods, DownSidingOneSect, 0, 0); }
    void Stand(int ticks) {
        for (int i = 0; i < ticks; ++i) MoveTrain(g, Express);
    }
};

struct Overtaking : ::testing::Test, PlatformEnd {};

TEST_F(Overtaking, PaidTheFirstTimeItHoldsAndOncePerPassage) {
    Stand(5);
    EXPECT_EQ(g.Points, 0);
    GoodsIntoSiding();  // the goods draws in while the express stands
    Stand(10);
    EXPECT_EQ(g.Points, 3);
    g.SectLimit[DownPlatformSect] = 40;
    Stand(10);
    EXPECT_NE(g.TrainSect[Express], DownPlatformSect);
    EXPECT_EQ(g.Points, 3);
    ExpectConsistent();
}

// The mark that the bonus was paid belongs to the game: a load replaces it with what the
// loaded position shows, so a resumed game does not pay again and a Restart does not carry
// the abandoned game's mark into the game it loads.
TEST_F(Overtaking, ALoadDerivesWhetherThePassageWasPaid) {
    GoodsIntoSiding();
    Stand(3);
    ASSERT_EQ(g.Points, 3);
    const std::string overtaking = PositionText(g);
    PlatformEnd resumed;
    ASSERT_EQ(ReadPosition(resumed.g, overtaking), LoadOutcome::Loaded);
    resumed.Stand(10);
    EXPECT_EQ(resumed.g.Points, 3);

    g.SectTrain[DownSidingOneSect] = 0;
    g.TrainSect[Goods] = 0;
    g.TrainState[Goods] = TrainBooked;
    --g.TrainsInArea;
    const std::string waiting = PositionText(g);
    GoodsIntoSiding();
    ASSERT_EQ(ReadPosition(g, waiting), LoadOutcome::Loaded);  // Restart
    GoodsIntoSiding();
    Stand(3);
    EXPECT_EQ(g.Points, 6);
}

}  // namespace
}  // namespace kv41::testing
