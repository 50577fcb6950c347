#include <gtest/gtest.h>

#include "block_fixture.h"
#include "controls/levers.h"
#include "input/player_input.h"
#include "session/lever_click.h"

namespace kv41 {
namespace {

constexpr int FrameRow = 27;

struct Levers : ::testing::Test, testing::JunctionGame {
    Levers() { g.SoundOn = true; }

    // A click on the lever, confirmed by a click in column `column` (row `row`).
    void Operate(int lever, int column, int row = FrameRow) {
        g.Inputs.Events.push_back(PlayerInput::Click(column, row));
        OperateLever(g, lever);
    }
};

TEST_F(Levers, SpareAndMissingLeversAreNamedWithTwoDigits) {
    OperateLever(g, 5);
    EXPECT_EQ(LastError(), "Lever 05 is spare");
    OperateLever(g, 11);
    EXPECT_EQ(LastError(), "There is no lever at position 11");
    OperateLever(g, 0);
    EXPECT_EQ(LastError(), "Lever 00 is spare");
    EXPECT_EQ(g.Points, 0);
}

TEST_F(Levers, PromptThenConfirmInTheSameColumnOnAnyRow) {
    Operate(21, 22, 3);
    auto lines = Said(Output::Line);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0], "Lever 21, North Crossover is Normal. Click on it again to confirm move.");
    EXPECT_EQ(g.LeverNormal[21], 0);
    EXPECT_EQ(Said(Output::Sound), std::vector<std::string>{"sndLever.wav"});
    EXPECT_FALSE(g.ClickPending);  // the confirming click is not dispatched again
    EXPECT_EQ(g.HelpContext, 416);
    host.Transcript.clear();
    Operate(21, 22);
    EXPECT_EQ(Said(Output::Line)[0],
              "Lever 21, North Crossover is Reversed. Click on it again to confirm move.");
    EXPECT_EQ(g.LeverNormal[21], 1);
}

TEST_F(Levers, ConfirmingElsewhereAbandonsTheMoveSilently) {
    Operate(21, 23);
    EXPECT_EQ(g.LeverNormal[21], 1);
    EXPECT_TRUE(Said(Output::Error).empty());
    EXPECT_TRUE(Said(Output::Sound).empty());
    EXPECT_FALSE(g.ClickPending);
}

TEST_F(Levers, UpHomeSetsItsRouteAndDangerStopsAgain) {
    Operate(2, 3);
    EXPECT_EQ(g.SectNext[31], 10);
    EXPECT_EQ(g.SectNext[33], 34);
    EXPECT_EQ(g.SectLimit[31], 20);
    EXPECT_EQ(g.SectLimit[33], 10);
    Operate(2, 3);
    EXPECT_EQ(g.LeverNormal[2], 1);
    EXPECT_EQ(g.SectLimit[31], 0);
    EXPECT_EQ(g.SectNext[31], 10);  // the road stays as set; only the signal is at danger
}

TEST_F(Levers, UpBranchToSidingsRouteFollowsThePoints) {
    Reverse({14});
    ASSERT_TRUE(MoveLever(g, 13));  // points 23 and 28 normal: into down siding no. 1
    EXPECT_EQ(g.SectNext[23], 21);
    EXPECT_EQ(g.SectNext[20], 0);
    EXPECT_EQ(g.SectLimit[20], 0);
    ASSERT_TRUE(MoveLever(g, 13));
    EXPECT_EQ(g.SectLimit[25], 0);
    Reverse({28});
    ASSERT_TRUE(MoveLever(g, 13));
    EXPECT_EQ(g.SectNext[23], 44);
    EXPECT_EQ(g.SectNext[44], 19);
    EXPECT_EQ(g.SectNext[19], 0);
}

TEST_F(Levers, SignalRefusedForTheWrongTrainStaysAtDanger) {
    Reverse({34});
    g.BoxBlock[3][0] = LineClear;
    Train(40, 2, 1, 34);
    auto next = g.SectNext;
    EXPECT_FALSE(MoveLever(g, 4));
    EXPECT_EQ(LastError(),
              "You lose 10 points for trying to route non-Hollowmer train to Hollowmee");
    EXPECT_EQ(g.Points, -10);
    EXPECT_EQ(g.LeverNormal[4], 1);
    EXPECT_EQ(g.SectNext, next);
    g.TrainTo[40] = 4;
    EXPECT_TRUE(MoveLever(g, 4));
    EXPECT_EQ(g.SectNext[38], 39);
}

TEST_F(Levers, PassengerAtTheYardHomeStillGetsTheSignalButNoRoute) {
    Reverse({32, 38});
    Train(41, 1, 1, 8);
    auto next = g.SectNext;
    auto limit = g.SectLimit;
    EXPECT_TRUE(MoveLever(g, 43));
    EXPECT_EQ(Said(Output::Error).back(),
              "You lose 10 points for trying to route non-freight train to sidings");
    auto sounds = Said(Output::Sound);
    EXPECT_NE(std::find(sounds.begin(), sounds.end(), "sndwGWR.wav"), sounds.end());
    EXPECT_EQ(g.LeverNormal[43], 0);
    EXPECT_EQ(g.SectNext, next);
    EXPECT_EQ(g.SectLimit, limit);
    // A freight is let into the yard.
    MoveLever(g, 43);
    g.TrainClass[41] = 10;
    EXPECT_TRUE(MoveLever(g, 43));
    EXPECT_EQ(g.SectNext[9], 17);
    EXPECT_EQ(g.SectLimit[17], 10);
    MoveLever(g, 43);
    EXPECT_EQ(g.SectNext[8], 0);
    EXPECT_EQ(g.SectLimit[8], 0);
}

TEST_F(Levers, HomesIntoSection8StopTheTrainThereUnlessItsRoadOnIsSet) {
    // A departure across the south crossover left section 8 leading onto the up main.
    g.SectNext[8] = 36;
    Reverse({35, 39});
    ASSERT_TRUE(MoveLever(g, 49));
    EXPECT_EQ(g.SectNext[7], 8);
    EXPECT_EQ(g.SectNext[8], 0);
    // With the sidings home already off, the road on into the sidings stands.
    MoveLever(g, 49);
    Reverse({32, 38});
    ASSERT_TRUE(MoveLever(g, 43));
    ASSERT_TRUE(MoveLever(g, 49));
    EXPECT_EQ(g.SectNext[8], 9);
    // So with the down main home: the sidings home off first, its road stands.
    MoveLever(g, 49);
    g.LeverNormal[39] = 1;  // the loop points back for the main
    ASSERT_TRUE(MoveLever(g, 50));
    EXPECT_EQ(g.SectNext[7], 8);
    EXPECT_EQ(g.SectNext[8], 9);
    EXPECT_NE(g.SectLimit[8], 0);
    MoveLever(g, 50);
    MoveLever(g, 43);
    g.SectNext[8] = 36;
    ASSERT_TRUE(MoveLever(g, 50));
    EXPECT_EQ(g.SectNext[8], 0);
}

TEST_F(Levers, DownDistantChecksTheTrainOfferedByHollowmer) {
    Reverse({46, 47, 48, 50});
    Train(42, 2, 2);
    g.BoxOfferedTrain[3] = 42;
    EXPECT_FALSE(MoveLever(g, 51));
    EXPECT_EQ(LastError(), "You lose 10 points for trying to route Brenley train to Pellingford");
    g.TrainTo[42] = 1;
    EXPECT_TRUE(MoveLever(g, 51));
    EXPECT_EQ(g.SectLimit[14], 60);
    EXPECT_EQ(g.SectLimit[1], 40);
}

}  // namespace
}  // namespace kv41
