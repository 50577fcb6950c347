#include "model/clock.h"
#include "model/status_bar_layout.h"

#include <gtest/gtest.h>

#include "test_support.h"

namespace kv41 {

TEST(Clock, TimesOfTheShiftDayAndBothNightsAround) {
    EXPECT_EQ(FormatClock(480), " 8.00");
    EXPECT_EQ(FormatClock(0), " 0.00");
    EXPECT_EQ(FormatClock(720), "12p00");
    EXPECT_EQ(FormatClock(810), " 1p30");
    EXPECT_EQ(FormatClock(-120), "10p00");
    EXPECT_EQ(FormatClock(-5), "11p55");
    EXPECT_EQ(FormatClock(1515), " 1*15");
    EXPECT_EQ(FormatClock(480, 3), " 8.");
}

TEST(Clock, MinuteBarFillsAsTheMinuteRuns) {
    testing::FreshGame game;
    GameState& g = game.g;
    EXPECT_EQ(ComputeStatus(g).Time.substr(0, 5), " 0.00") << "no game yet";
    g.ClockNow = 480;
    g.MinuteTick = 10;
    EXPECT_EQ(ComputeStatus(g).Time, " 8.00      ");
    g.MinuteTick = 1;
    EXPECT_EQ(ComputeStatus(g).Time, " 8.00 ::::.");
}

TEST(Clock, SpeedAndPointsTexts) {
    testing::FreshGame game;
    GameState& g = game.g;
    g.TickSeconds = 7;
    EXPECT_EQ(ComputeStatus(g).Speed, "85%");
    g.TickSeconds = 12;
    EXPECT_EQ(ComputeStatus(g).Speed, "50%");
    g.TickSeconds = 2;
    g.AwaitingAction = true;
    SpeedUp(g);
    SpeedUp(g);
    EXPECT_EQ(g.TickSeconds, 1);
    EXPECT_FALSE(g.AwaitingAction) << "the wait under way ends without a step";
    g.FastMode = true;
    g.Points = -3;
    StatusTexts status = ComputeStatus(g);
    EXPECT_EQ(status.Speed, "600% A");
    EXPECT_EQ(status.Fast, "Slow");
    EXPECT_EQ(status.PointsCaption, "Points lost:  ");
    EXPECT_EQ(status.PointsValue, "  3");
    g.TickSeconds = 0;  // a bad saved speed must not divide by zero
    EXPECT_EQ(ComputeStatus(g).Speed, "600% A");
}

TEST(Clock, FastButtonAndEndOfSpeedUp) {
    testing::FreshGame game;
    GameState& g = game.g;
    EXPECT_EQ(game.host.TimerMs, 0) << "the timer stays off until the session starts it";
    g.TickSeconds = 5;
    StartTimer(g);
    g.TrainsInArea = 3;
    FastClick(g);
    EXPECT_EQ(g.TrainsInArea, 0);
    EXPECT_EQ(g.QuietTicks, 0);
    g.FastMode = true;
    game.host.TimerMs = 100;
    FastClick(g);
    EXPECT_FALSE(g.FastMode);
    EXPECT_EQ(g.QuietTicks, 20);
    EXPECT_EQ(game.host.TimerMs, 5000);
}

// At every panel font size, each control of the status bar lies inside the bar, apart from the
// others (the panel font's cells are about twice as high as wide).
TEST(StatusBarLayout, ControlsFitTheBarApartAtEveryCellSize) {
    for (int w = 4; w <= 22; ++w) {
        for (int h : {2 * w - 1, 2 * w + 1}) {
            const int width = 100 * w + 5;
            const StatusBarPlaces p = LayOutStatusBar(w, h, width);
            const BarBox boxes[] = {p.Signalman,   p.PointsCaption, p.PointsValue, p.TimeValue,
                                    p.TimeCaption, p.SpeedCaption,  p.SpeedValue,  p.Slower,
                                    p.Faster,      p.Fast};
            for (std::size_t i = 0; i < std::size(boxes); ++i) {
                const BarBox& a = boxes[i];
                EXPECT_TRUE(a.Left >= 0 && a.Top >= 0 && a.Width > 0 && a.Right() <= width &&
                            a.Top + a.Height <= 2 * h)
                    << "cell " << w << "x" << h << " control " << i;
                for (std::size_t j = i + 1; j < std::size(boxes); ++j) {
                    const BarBox& b = boxes[j];
                    const bool apart = a.Right() <= b.Left || b.Right() <= a.Left ||
                                       a.Top + a.Height <= b.Top || b.Top + b.Height <= a.Top;
                    EXPECT_TRUE(apart)
                        << "cell " << w << "x" << h << " controls " << i << ", " << j;
                }
            }
        }
    }
}

}  // namespace kv41
