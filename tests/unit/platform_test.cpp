#include <gtest/gtest.h>

#include "session/scripted_input.h"
#include "test_support.h"

namespace kv41 {

TEST(HeadlessPlatform, WaitEndsTheProgramWhenInputRunsOut) {
    testing::FreshGame game;
    EXPECT_THROW(game.host.WaitForEvents(200), ProgramEnd);
}

// Input is the game's scripted input: a wait on the platform while some is queued leaves it to
// the game to take, and a click taken becomes the panel cell it was on.
TEST(HeadlessPlatform, ClickBecomesThePanelCellItWasOn) {
    testing::FreshGame game;
    game.g.SessionRunning = true;
    game.g.Inputs.Events.push_back(PlayerInput::Click(52, 27));
    game.host.WaitForEvents(200);
    EXPECT_FALSE(game.g.ClickPending);
    EXPECT_TRUE(TakeScriptedInput(game.g));
    EXPECT_TRUE(game.g.ClickPending);
    EXPECT_EQ(game.g.ClickColumn, 52);
    EXPECT_EQ(game.g.ClickRow, 27);
}

}  // namespace kv41
