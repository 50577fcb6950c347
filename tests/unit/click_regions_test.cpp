#include <gtest/gtest.h>

#include "framework/text_grid.h"
#include "panel/click_regions.h"
#include "panel/key_legend.h"
#include "recording_host.h"
#include "test_support.h"

namespace kv41 {
namespace {

TEST(ClickRegions, LeverFrameReachesColumn52) {
    testing::FreshGame game;
    EXPECT_EQ(HitTest(game.g, 2, 25), ActionLeverFrame);
    EXPECT_EQ(HitTest(game.g, 52, 28), ActionLeverFrame);
    EXPECT_EQ(HitTest(game.g, 1, 26), ActionNone);
    EXPECT_EQ(HitTest(game.g, 53, 26), ActionNone);
    EXPECT_EQ(HitTest(game.g, 30, 24), ActionNone);
}

TEST(ClickRegions, LegendRowWinsOverTheLeverFrame) {
    testing::FreshGame game;
    EXPECT_EQ(HitTest(game.g, 10, 29), ActionHeld);
    EXPECT_EQ(HitTest(game.g, 15, 29), ActionLeverFrame);  // the gap between two items
    EXPECT_EQ(HitTest(game.g, 16, 29), ActionRegister);
    EXPECT_EQ(HitTest(game.g, 42, 29), ActionTrains);
    EXPECT_EQ(HitTest(game.g, 44, 29), ActionWtt);
    EXPECT_EQ(HitTest(game.g, 70, 29), ActionMessages);
    EXPECT_EQ(HitTest(game.g, 72, 29), ActionLearning);
    EXPECT_EQ(HitTest(game.g, 98, 29), ActionQuit);
    EXPECT_EQ(HitTest(game.g, 99, 29), ActionNone);
}

TEST(ClickRegions, BoxesHaveHeadingsPlungersAndHandles) {
    testing::FreshGame game;
    for (int box = 1; box <= BoxCount; ++box) {
        PanelCell heading = BoxNameCell(box);
        PanelCell tapper = TapperCell(box);
        EXPECT_EQ(HitTest(game.g, heading.Column, heading.Row), 80 + box);
        EXPECT_EQ(HitTest(game.g, tapper.Column + 2, tapper.Row + 1), 70 + box);
        PanelCell handle = InstrumentHandleCell(box);
        if (box == 2) {
            EXPECT_EQ(handle.Column, 0);
        } else {
            EXPECT_EQ(HitTest(game.g, handle.Column + 1, handle.Row + 1), 90 + box);
        }
    }
    EXPECT_EQ(HitTest(game.g, 18, 13), 81);
    EXPECT_EQ(HitTest(game.g, 19, 13), 82);
    EXPECT_EQ(HitTest(game.g, 72, 13), 84);
    EXPECT_EQ(HitTest(game.g, 73, 13), ActionNone);
    // Box 2's instrument is worked automatically: no handle to click.
    EXPECT_EQ(HitTest(game.g, 27, 19), ActionNone);
    EXPECT_EQ(HitTest(game.g, 28, 20), ActionNone);
    EXPECT_EQ(BoxNameCell(5).Column, 0);
}

TEST(ClickRegions, NothingIsHitBeforeTheRegionsAreBuilt) {
    testing::FreshGame game(7, false);
    EXPECT_EQ(HitTest(game.g, 10, 29), ActionNone);
    BuildClickRegions(game.g);
    BuildClickRegions(game.g);  // building again does not add to the table
    EXPECT_EQ(game.g.HitRegionCount, 19);
    EXPECT_EQ(HitTest(game.g, 10, 29), ActionHeld);
}

// The colours the legend's "L Learning" item was last drawn in.
Rgb LearningColour(const testing::RecordingHost& host) {
    Rgb colour{};
    for (const auto& drawn : host.Draws) {
        if (drawn.Text == "L Learning   ") colour = drawn.Fg;
    }
    return colour;
}

TEST(KeyLegend, LearningItemIsGreenOnlyWhileLearning) {
    testing::RecordingGame game;
    DrawKeyLegend(game.g);
    EXPECT_EQ(game.host.Row(KeyLegendRow).substr(1, 13), "H Held       ");
    EXPECT_EQ(game.host.Row(KeyLegendRow).substr(57, 13), "M Messages   ");
    EXPECT_EQ(game.host.Row(KeyLegendRow).substr(85, 13), "Q Quit       ");
    EXPECT_EQ(LearningColour(game.host), White);
    game.g.LearningMode = true;
    DrawKeyLegend(game.g);
    EXPECT_EQ(LearningColour(game.host), BonusGreen);
    for (const auto& drawn : game.host.Draws) {
        if (drawn.Text != "L Learning   ") {
            EXPECT_EQ(drawn.Fg, White) << drawn.Text;
        }
        EXPECT_EQ(drawn.Bg, LegendBrown);
    }
}

}  // namespace
}  // namespace kv41
