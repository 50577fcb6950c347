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
    g.FastMode = true;
    StoreMessage(g, "left over");
    ResetGameState(g);
    EXPECT_EQ(g.Random.Seed, 1234u);
    EXPECT_EQ(g.ClockNow, -240);
    EXPECT_EQ(g.MinuteTick, 9);
    EXPECT_FALSE(g.FastMode);
    EXPECT_EQ(g.HelpContext, 125);
    EXPECT_EQ(game.host.TimerMs, 0) << "the timer is started by the session, not the reset";
    EXPECT_EQ(BuildMessagesWindow(g).Heads, std::vector<std::string>{"No messages recorded"});
}

TEST(NewGame, NightShiftStartsAtTenInTheEveningBefore) {
    testing::FreshGame game;
    GameState& g = game.g;
    SetUpNewGame(g, 0, 4);
    EXPECT_EQ(g.ShiftName, "Night");
    EXPECT_EQ(g.ClockNow, -120);
    EXPECT_EQ(g.ShiftEnd, 360);
    EXPECT_EQ(g.ShiftTarget, 24);
    EXPECT_EQ(ComputeStatus(g).Time.substr(0, 5), "10p00");
    EXPECT_EQ(g.Difficulty, 25);
    EXPECT_EQ(g.DifficultyName, "Very hard");
}

TEST(NewGame, SwitchesBothBlockOptionsOnWhateverTheyWere) {
    testing::FreshGame game;
    GameState& g = game.g;
    g.AutoBlockInstruments = false;
    g.RequireCallAttention = false;
    g.LogWrites = 6;
    SetUpNewGame(g, 4, 0);
    EXPECT_EQ(g.ShiftEnd, 1440);
    EXPECT_EQ(g.ShiftTarget, 88);
    EXPECT_TRUE(g.AutoBlockInstruments);
    EXPECT_TRUE(g.RequireCallAttention);
    EXPECT_EQ(g.HelpContext, 110);
    EXPECT_EQ(g.LogWrites, 0) << "a new game starts its own score log";
}

}  // namespace kv41
