#include <gtest/gtest.h>

#include "block_fixture.h"
#include "controls/interlocking.h"
#include "controls/levers.h"

namespace kv41 {
namespace {

struct Interlocking : ::testing::Test, testing::JunctionGame {
    // A refused move leaves the frame and the running model exactly as they were.
    void ExpectRefused(int lever, const std::string& error, int points) {
        auto next = g.SectNext;
        auto limit = g.SectLimit;
        uint8_t before = g.LeverNormal[lever];
        EXPECT_FALSE(MoveLever(g, lever));
        EXPECT_EQ(LastError(), error);
        EXPECT_EQ(g.Points, -points);
        EXPECT_EQ(g.LeverNormal[lever], before);
        EXPECT_EQ(g.SectNext, next);
        EXPECT_EQ(g.SectLimit, limit);
        g.Points = 0;
    }
};

TEST_F(Interlocking, LockingRowsAreCheckedInOrderWithoutPenalty) {
    // Up Distant: the home (02) and the starter (04) must both be off first.
    ExpectRefused(1, "Interlocking error - lever 02 must be reversed", 0);
    Reverse({2});
    ExpectRefused(1, "Interlocking error - lever 04 must be reversed", 0);
    // Up Home while the starter is off.
    g.LeverNormal[2] = 1;
    Reverse({4});
    ExpectRefused(2, "Interlocking error - lever 04 must be normal", 0);
    // Restoring the Up Home while the distant is still off.
    g.LeverNormal[4] = 1;
    Reverse({2, 1});
    ExpectRefused(2, "Interlocking error - lever 01 must be normal", 0);
}

TEST_F(Interlocking, PointsLockedByTheSignalsOverThem) {
    Reverse({47});
    ExpectRefused(21, "Interlocking error - lever 47 must be normal", 0);
    g.LeverNormal[47] = 1;
    EXPECT_TRUE(MoveLever(g, 21));
    EXPECT_EQ(g.LeverNormal[21], 0);
    // Back to normal while the north shunt signals stand at danger.
    EXPECT_TRUE(MoveLever(g, 21));
    EXPECT_EQ(g.LeverNormal[21], 1);
}

TEST_F(Interlocking, SectionSignalNeedsLineClearOrAClearLineAhead) {
    // Down Advanced Starter, towards Pellingford.
    ExpectRefused(46, "You lose 1 point for line clear not given by Pellingford ", 1);
    g.BoxBlock[1][0] = TrainOnLine;
    g.SectTrain[15] = 9;
    ExpectRefused(46, "You lose 1 point for line clear not given by Pellingford ", 1);
    g.SectTrain[15] = 0;
    EXPECT_TRUE(MoveLever(g, 46));  // the last train is beyond our sections
    EXPECT_EQ(LastError(), "");
    EXPECT_EQ(g.Points, 0);
    g.LeverNormal[46] = 1;
    g.BoxBlock[1][0] = LineClear;
    g.SectTrain[16] = 9;  // line clear was given: the train ahead no longer counts
    EXPECT_TRUE(MoveLever(g, 46));
}

TEST_F(Interlocking, TrackCircuitEntryNamesTheSection) {
    // No lever of this frame has a track circuit in its rows; the check still reads any.
    g.LeverPullTrack[47] = {14, 0};
    Reverse({25});
    g.SectTrain[14] = 3;
    ExpectRefused(47, "You lose 1 point for interlocking error - track circuit 47T not clear", 1);
    g.LeverRestoreTrack[31] = {14, 0};
    Reverse({31});
    ExpectRefused(31, "You lose 1 point for interlocking error - track circuit 47T not clear", 1);
}

TEST_F(Interlocking, YardHomeNeedsTheYardsPermission) {
    Reverse({32, 38});
    g.YardClear = false;
    ExpectRefused(43, "You lose 2 points for routing train to yard without permission", 2);
    g.YardClear = true;
    EXPECT_TRUE(MoveLever(g, 43));
}

struct YardDeparture : Interlocking {
    YardDeparture() {
        Reverse({31, 32});
        Train(60, 10, 4, 18, 590);
    }
};

TEST_F(YardDeparture, AcrossTheSouthCrossoverTheLoopPointsMustBeSet) {
    Reverse({33});
    ExpectRefused(30, "Interlocking error - lever 34 must be reversed", 0);
    Reverse({34});
    // Points 35 normal: out to Hollowmer, whose line must be clear.
    ExpectRefused(30, "You lose 1 point for line clear not given by Hollowmer Jn", 1);
    Reverse({35});
    ExpectRefused(30, "Interlocking error - lever 36 must be reversed", 0);
    Reverse({36});
    g.BoxBlock[4][0] = LineClear;
    ExpectRefused(30, "You lose 10 points for trying to route Hollowmer train to Radlow Rd", 10);
    g.TrainTo[60] = 5;
    EXPECT_TRUE(MoveLever(g, 30));
    EXPECT_EQ(g.SectNext[18], 17);
    EXPECT_EQ(g.SectNext[8], 36);
    EXPECT_EQ(g.SectNext[37], 40);
    EXPECT_EQ(g.SectNext[41], 42);
    EXPECT_EQ(g.SectLimit[41], 15);
}

TEST_F(YardDeparture, OntoTheDownLineItBlocksBackToTheBoxInRear) {
    g.TrainTo[60] = 1;
    ExpectRefused(30, "You lose 1 point for no permission to block back to Hollowmer Jn", 1);
    g.BoxBlock[3][1] = TrainOnLine;
    g.SectTrain[2] = 70;  // Hollowmer's train has not yet cleared the down main
    ExpectRefused(30, "You lose 1 point for no permission to block back to Hollowmer Jn", 1);
    Reverse({39});  // by the LMS loop: Radlow Rd's line is watched instead
    ExpectRefused(30, "You lose 1 point for no permission to block back to Radlow Rd Jn", 1);
    g.BoxBlock[4][1] = LineClear;
    EXPECT_TRUE(MoveLever(g, 30));
    EXPECT_EQ(g.SectNext[7], 38);
    EXPECT_EQ(g.SectNext[6], 5);
    EXPECT_EQ(g.SectLimit[5], 0);
}

TEST_F(YardDeparture, OnlyTheTrainWhoseTimeHasComeIsRouted) {
    g.TrainTo[60] = 1;
    g.BoxBlock[3][1] = LineClear;
    g.TrainDue[60] = 605;  // not yet due: the signal clears but sets no route
    Train(61, 10, 4, 19, 603);
    auto next = g.SectNext;
    EXPECT_TRUE(MoveLever(g, 30));
    EXPECT_EQ(g.SectNext, next);
    g.LeverNormal[30] = 1;
    g.ClockNow = 603;  // the down siding's train is due first, and for the up line
    ExpectRefused(30, "You lose 10 points for trying to route up train on down line", 10);
}

}  // namespace
}  // namespace kv41

namespace kv41 {
namespace {

TEST_F(Interlocking, AskedQuietlyTheChecksAgreeWithTheMoveAndSayNothing) {
    // Across many frames (levers reversed one after another in number order, with trains on a
    // few sections and the boxes' instruments at their three states), asking whether a lever
    // would move gives what moving it does, and costs no point and no word.
    Train(12, 8, 1, 8);
    Train(13, 2, 4, 34);
    for (int state : {LineBlocked, LineClear, TrainOnLine}) {
        for (int box = 1; box <= BoxCount; ++box)
            g.BoxBlock[box] = {uint8_t(state), uint8_t(state)};
        g.YardClear = state != TrainOnLine;
        for (int first = 1; first <= LeverCount; ++first) {
            for (int lever = 1; lever <= LeverCount; ++lever) {
                if (g.LeverKind[lever] <= LeverGap) continue;
                bool pull = g.LeverNormal[lever] != 0;
                bool quiet = pull ? PullWouldPass(g, lever) : RestoreWouldPass(g, lever);
                EXPECT_TRUE(host.Transcript.empty());
                EXPECT_EQ(g.Points, 0);
                // The checks themselves move nothing: only their report has to be undone.
                bool loud = pull ? PullChecksPass(g, lever) : RestoreChecksPass(g, lever);
                EXPECT_EQ(quiet, loud) << "lever " << lever << (pull ? " pull" : " restore");
                host.Transcript.clear();
                g.Points = 0;
            }
            if (g.LeverKind[first] > LeverGap) g.LeverNormal[first] = 0;
        }
        for (int lever = 1; lever <= LeverCount; ++lever) g.LeverNormal[lever] = 1;
    }
}

}  // namespace
}  // namespace kv41
