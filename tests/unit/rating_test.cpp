#include <gtest/gtest.h>

#include "session/rating.h"
#include "test_support.h"

namespace kv41 {
namespace {

// An Early shift, 06.00 to 14.00, target 40.
RatingTexts Rate(int points, int clockNow, int target = 40) {
    testing::FreshGame game;
    game.g.ShiftStart = 360;
    game.g.ShiftEnd = 840;
    game.g.ShiftTarget = target;
    game.g.Points = points;
    game.g.ClockNow = clockNow;
    return ComputeRating(game.g);
}

constexpr int Completed = 841;  // the step past the shift's end

TEST(Rating, EarlyStopIsScaledProRataAndNeverOutstanding) {
    RatingTexts texts = Rate(20, 600);  // quit at 10.00, half-way
    EXPECT_EQ(texts.Rating, "Your rating is excellent!");
    EXPECT_EQ(texts.PointScore, "Actual score was   20 points");
    EXPECT_EQ(texts.PerCent, " Adjusted score was  95% of target");
}

TEST(Rating, StopWithinTheFirstHourIsAtLeastFair) {
    RatingTexts texts = Rate(-30, 400);
    EXPECT_EQ(texts.Rating, "Your rating is fair.");
    EXPECT_EQ(texts.PointScore, "Actual score was  -30 points");
    EXPECT_EQ(texts.PerCent, " Adjusted score was  50% of target");
}

TEST(Rating, NegativePointsShowNoPercentage) {
    RatingTexts poor = Rate(-5, Completed);
    EXPECT_EQ(poor.Rating, "Your rating is poor. Be more careful next time.");
    EXPECT_EQ(poor.PointScore, "Actual score was   -5 points");
    EXPECT_EQ(poor.PerCent, " Score was   0% of target");
    RatingTexts fired = Rate(-10, Completed);
    EXPECT_EQ(fired.Rating, "Your rating is appalling! You're fired!");
    EXPECT_EQ(fired.PerCent, " Score was   0% of target");
}

TEST(Rating, BandsChangeAtEachTwentyPercent) {
    EXPECT_EQ(Rate(80, Completed, 100).Rating, "Your rating is excellent!");
    EXPECT_EQ(Rate(79, Completed, 100).Rating, "Your rating is good.");
    EXPECT_EQ(Rate(60, Completed, 100).Rating, "Your rating is good.");
    EXPECT_EQ(Rate(40, Completed, 100).Rating, "Your rating is fair.");
    EXPECT_EQ(Rate(39, Completed, 100).Rating, "Your rating is poor. Be more careful next time.");
    EXPECT_EQ(Rate(-20, Completed, 100).Rating, "Your rating is appalling! You're fired!");
}

TEST(Rating, MorePointsThanTheTargetAreCappedAtAHundred) {
    RatingTexts texts = Rate(75, Completed);
    EXPECT_EQ(texts.Rating, "Your rating is outstanding!!");
    EXPECT_EQ(texts.PerCent, " Score was 100% of target");
}

TEST(Rating, LongScoresAreCutToFiveCharacters) {
    EXPECT_EQ(Rate(1234567, Completed).PointScore, "Actual score was 12345 points");
}

TEST(Rating, ShowReportsTheThreeTextsInOrder) {
    testing::FreshGame game;
    game.g.ShiftStart = 360;
    game.g.ShiftEnd = 840;
    game.g.ShiftTarget = 40;
    game.g.ClockNow = Completed;
    game.g.Points = 40;
    ShowRating(game.g);
    std::vector<std::string> ratings = game.Said(Output::Rating);
    ASSERT_EQ(ratings.size(), 3u);
    EXPECT_EQ(ratings[0], "Your rating is outstanding!!");
    EXPECT_EQ(ratings[1], "Actual score was   40 points");
    EXPECT_EQ(ratings[2], " Score was 100% of target");
}

}  // namespace
}  // namespace kv41
