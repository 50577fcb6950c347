#include <gtest/gtest.h>

#include "test_support.h"

namespace kv41 {

TEST(HeadlessPlatform, WaitEndsTheProgramWhenInputRunsOut) {
    testing::FreshGame game;
    EXPECT_THROW(game.host.WaitForEvents(200), ProgramEnd);
}

TEST(HeadlessPlatform, ClickBecomesThePanelCellItWasOn) {
    testing::FreshGame game;
    game.g.SessionRunning = true;
    game.host.QueueClick(52, 27);
    game.host.WaitForEvents(200);
    EXPECT_TRUE(game.g.ClickPending);
    EXPECT_EQ(game.g.ClickColumn, 52);
    EXPECT_EQ(game.g.ClickRow, 27);
}

}  // namespace kv41
