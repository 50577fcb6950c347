#include "session/new_game.h"

#include <gtest/gtest.h>

#include "framework/message_window.h"
#include "framework/messages.h"
#include "model/clock.h"
#include "test_support.h"

namespace kv41 {

TEST(NewGame, ResetLeavesAQuietStartScreen) {
    testing::FreshGame game(1234);
    GameState& g = game.g;
    g.Random.Seed = 99;
    g.ClockNow = 500;
    g.Points = 17;
    g.FastMode = true;
    g.BellTapping = true;
    g.YardClear = false;
    g.BoxRingPending[3] = 2;
    StoreMessage(g, "left over");
    ResetGameState(g);
    EXPECT_EQ(g.Random.Seed, 1234u);
    EXPECT_EQ(g.ClockNow, -240);
    EXPECT_EQ(g.MinuteTick, 9);
    EXPECT_EQ(g.TickSeconds, 6);
    EXPECT_EQ(g.Points, 0);
    EXPECT_FALSE(g.FastMode);
    EXPECT_EQ(g.QuietTicks, 20);
    EXPECT_FALSE(g.BellTapping);
    EXPECT_TRUE(g.YardClear);
    EXPECT_EQ(g.BoxRingPending[3], 0);
    EXPECT_EQ(g.HelpContext, 125);
    EXPECT_EQ(game.host.TimerMs, 0) << "the timer is started by the session, not the reset";
    EXPECT_EQ(g.MessageIndex, 1);
    EXPECT_EQ(g.MessageTime[16], -1);
    EXPECT_EQ(BuildMessagesWindow(g).Heads, std::vector<std::string>{"No messages recorded"});
}

TEST(NewGame, NightShiftStartsAtTenInTheEveningBefore) {
    testing::FreshGame game;
    GameState& g = game.g;
    SetUpNewGame(g, 0, 2);
    EXPECT_EQ(g.ShiftNumber, 1);
    EXPECT_EQ(g.ShiftName, "Night");
    EXPECT_EQ(g.ClockNow, -120);
    EXPECT_EQ(g.ShiftStart, -120);
    EXPECT_EQ(g.ShiftEnd, 360);
    EXPECT_EQ(g.ShiftTarget, 24);
    EXPECT_EQ(ComputeStatus(g).Time.substr(0, 5), "10p00");
    EXPECT_EQ(g.Difficulty, 15);
    EXPECT_EQ(g.DifficultyName, "Moderate");
}

TEST(NewGame, MarathonAndLearningShifts) {
    testing::FreshGame marathon;
    SetUpNewGame(marathon.g, 4, 4);
    EXPECT_EQ(marathon.g.ShiftStart, 0);
    EXPECT_EQ(marathon.g.ShiftEnd, 1440);
    EXPECT_EQ(marathon.g.ShiftTarget, 88);
    EXPECT_EQ(marathon.g.Difficulty, 25);
    EXPECT_EQ(marathon.g.DifficultyName, "Very hard");

    testing::FreshGame learning;
    SetUpNewGame(learning.g, 3, 0);
    EXPECT_EQ(learning.g.ShiftName, "Learner");
    EXPECT_EQ(learning.g.ShiftStart, 360);
    EXPECT_EQ(learning.g.ShiftEnd, 480);
    EXPECT_EQ(learning.g.ShiftTarget, 10);
    EXPECT_EQ(learning.g.Difficulty, 5);
}

TEST(NewGame, SwitchesBothBlockOptionsOnWhateverTheyWere) {
    testing::FreshGame game;
    GameState& g = game.g;
    g.AutoBlockInstruments = false;
    g.RequireCallAttention = false;
    g.LogWrites = 6;
    SetUpNewGame(g, 1, 0);
    EXPECT_TRUE(g.AutoBlockInstruments);
    EXPECT_TRUE(g.RequireCallAttention);
    EXPECT_EQ(g.HelpContext, 110);
    EXPECT_EQ(g.LogWrites, 0) << "a new game starts its own score log";
    EXPECT_TRUE(g.StartScreen) << "the start screen goes when the session's loop starts";
}

}  // namespace kv41
