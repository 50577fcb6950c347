#include "model/clock.h"

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
    EXPECT_EQ(FormatClock(1439), "11p59");
    EXPECT_EQ(FormatClock(659), "10.59");
    EXPECT_EQ(FormatClock(480, 6), " 8.00");
    EXPECT_EQ(FormatClock(480, 3), " 8.");
}

TEST(Clock, MinuteBarFillsOverTenStepsThenTheNextMinuteStartsBlank) {
    testing::FreshGame game;
    GameState& g = game.g;
    g.ClockNow = 480;
    g.ShiftEnd = 840;
    g.MinuteTick = 10;
    EXPECT_EQ(ComputeStatus(g).Time, " 8.00      ");
    for (int step = 0; step < 9; ++step) AdvanceClock(g);
    EXPECT_EQ(ComputeStatus(g).Time, " 8.00 ::::.");
    AdvanceClock(g);
    EXPECT_EQ(g.ClockNow, 481);
    EXPECT_EQ(ComputeStatus(g).Time, " 8.01      ");
    g.MinuteTick = 5;
    EXPECT_EQ(ComputeStatus(g).Time, " 8.01 ::.  ");
    g.MinuteTick = 0;
    EXPECT_EQ(ComputeStatus(g).Time, " 8.01 :::::");
    g.MinuteTick = 11;
    EXPECT_EQ(ComputeStatus(g).Time, " 8.01      ");
}

TEST(Clock, NoGameYetShowsMidnight) {
    testing::FreshGame game;
    EXPECT_EQ(game.g.ClockNow, -240);
    EXPECT_EQ(ComputeStatus(game.g).Time.substr(0, 5), " 0.00");
}

TEST(Clock, SessionEndsWithTheStepThatCarriesTheClockPastTheShiftEnd) {
    testing::FreshGame game;
    GameState& g = game.g;
    g.ShiftEnd = 480;
    g.ClockNow = 479;
    g.MinuteTick = 1;
    AdvanceClock(g);
    EXPECT_EQ(g.ClockNow, 480);
    EXPECT_FALSE(g.EndRequested);
    for (int step = 0; step < 9; ++step) AdvanceClock(g);
    EXPECT_FALSE(g.EndRequested);
    AdvanceClock(g);
    EXPECT_EQ(g.ClockNow, 481);
    EXPECT_TRUE(g.EndRequested);
}

TEST(Clock, SpeedShownAsPercentOfSixSecondsWithIntegerDivision) {
    testing::FreshGame game;
    GameState& g = game.g;
    g.TickSeconds = 6;
    EXPECT_EQ(ComputeStatus(g).Speed, "100%");
    g.TickSeconds = 7;
    EXPECT_EQ(ComputeStatus(g).Speed, "85%");
    g.TickSeconds = 12;
    EXPECT_EQ(ComputeStatus(g).Speed, "50%");
    g.TickSeconds = 1;
    g.FastMode = true;
    StatusTexts status = ComputeStatus(g);
    EXPECT_EQ(status.Speed, "600% A");
    EXPECT_EQ(status.Fast, "Slow");
    g.TickSeconds = 0;  // a bad saved speed must not divide by zero
    EXPECT_EQ(ComputeStatus(g).Speed, "600% A");
}

TEST(Clock, SpeedButtonsEndTheWaitAndStopAtOneSecond) {
    testing::FreshGame game;
    GameState& g = game.g;
    g.TickSeconds = 2;
    g.AwaitingAction = true;
    SpeedUp(g);
    EXPECT_EQ(g.TickSeconds, 1);
    EXPECT_FALSE(g.AwaitingAction);
    SpeedUp(g);
    EXPECT_EQ(g.TickSeconds, 1);
    g.AwaitingAction = true;
    SlowDown(g);
    EXPECT_EQ(g.TickSeconds, 2);
    EXPECT_FALSE(g.AwaitingAction);
    for (int i = 0; i < 40; ++i) SlowDown(g);
    EXPECT_EQ(g.TickSeconds, 42);
}

TEST(Clock, PointsCaptionFollowsTheSign) {
    testing::FreshGame game;
    GameState& g = game.g;
    g.Points = -3;
    StatusTexts status = ComputeStatus(g);
    EXPECT_EQ(status.PointsCaption, "Points lost:  ");
    EXPECT_EQ(status.PointsValue, "  3");
    g.Points = 0;
    status = ComputeStatus(g);
    EXPECT_EQ(status.PointsCaption, "Points gained:");
    EXPECT_EQ(status.PointsValue, "  0");
    g.Points = 1234;
    EXPECT_EQ(ComputeStatus(g).PointsValue, "1234");
    UpdateStatusBar(g);
    EXPECT_EQ(game.host.Status.PointsValue, "1234");
}

TEST(Clock, FastButtonAndEndOfSpeedUp) {
    testing::FreshGame game;
    GameState& g = game.g;
    EXPECT_EQ(game.host.TimerMs, 0) << "the timer stays off until the session starts it";
    g.TickSeconds = 5;
    StartTimer(g);
    EXPECT_EQ(game.host.TimerMs, 5000);

    g.TrainsInArea = 3;
    g.QuietTicks = 12;
    FastClick(g);
    EXPECT_EQ(g.TrainsInArea, 0);
    EXPECT_EQ(g.QuietTicks, 0);

    g.FastMode = true;
    game.host.TimerMs = 100;
    FastClick(g);
    EXPECT_FALSE(g.FastMode);
    EXPECT_EQ(g.QuietTicks, 20);
    EXPECT_EQ(game.host.TimerMs, 5000);
    EXPECT_EQ(ComputeStatus(g).Fast, "Fast");
}

}  // namespace kv41
