#include <gtest/gtest.h>

#include "block_fixture.h"
#include "controls/block_working.h"
#include "model/bell_codes.h"

namespace kv41 {
namespace {

struct BlockWorking : ::testing::Test, testing::JunctionGame {
    // The player's code as the tapper leaves it: recorded as sent, then judged.
    void Send(int box, int code) {
        g.BoxBellSent[box] = static_cast<uint8_t>(code);
        g.PendingBellBox = box;
        g.PendingBellCode = code;
        SendBell(g, box, code);
        EXPECT_EQ(g.PendingBellBox, 0);
        EXPECT_EQ(g.PendingBellCode, 0);
    }
    bool Kept(int box, int code) const { return g.BoxBellSent[box] == code; }

    // Box `box` offers train `train` with its is-line-clear code.
    void Offer(int box, int train) {
        g.BoxOfferedTrain[box] = train;
        g.BoxBellShown[box] =
            static_cast<uint8_t>(LineClearCode(g.TrainClass[train], g.TrainTo[train]));
        g.BoxRingPending[box] = g.BoxBellShown[box];
        g.BoxBellAnswered[box] = 0;
    }
    void Ring(int box, int code) {
        g.BoxBellShown[box] = static_cast<uint8_t>(code);
        g.BoxBellAnswered[box] = 0;
        g.BoxRingPending[box] = static_cast<uint8_t>(code);
    }
    void ExpectRefused(int box, int code, const std::string& error, int points) {
        Send(box, code);
        EXPECT_EQ(LastError(), error);
        EXPECT_EQ(g.Points, -points);
        EXPECT_EQ(g.BoxBellSent[box], 0) << "a refused code is never answered";
        g.Points = 0;
    }
};

TEST_F(BlockWorking, RepeatingAnOfferAcceptsTheTrain) {
    g.AutoBlockInstruments = true;
    Train(30, 1, 1, 0, 610);  // express for Pellingford, due at Hollowmer's signal 10.08
    Offer(3, 30);
    Send(3, 2);
    EXPECT_EQ(LastError(), "");
    EXPECT_EQ(g.TrainState[30], TrainAccepted);
    EXPECT_EQ(g.TrainTimes[30][RegLineClearGiven], 600);
    EXPECT_EQ(g.BoxBlock[3][1], LineClear);
    EXPECT_EQ(g.BoxBellShown[3], 0);
    EXPECT_EQ(g.BoxRingPending[3], 0);
    EXPECT_EQ(g.BoxBellSent[3], 0);  // the repeat needs no answer
    EXPECT_GE(g.TrainSpeed[30], 30);
    EXPECT_LE(g.TrainSpeed[30], 40);
    EXPECT_EQ(g.SectLimit[1], 25);
    EXPECT_EQ(g.SectLimit[43], 15);
}

TEST_F(BlockWorking, AcceptanceRefusalsLeaveTheOfferStanding) {
    Train(31, 2, 3, 0, 700);
    Offer(3, 31);
    g.BoxBlock[3][1] = TrainOnLine;
    ExpectRefused(3, 3, "You lose 1 point for block instrument not at \"Blocked\"", 1);
    g.BoxBlock[3][1] = LineBlocked;
    Reverse({50});
    ExpectRefused(3, 3, "You lose 1 point for accepting train with home signal still at clear", 1);
    g.LeverNormal[50] = 1;
    g.SectTrain[43] = 12;
    ExpectRefused(3, 3, "You lose 2 points for accepting train with clearing point obstructed", 2);
    EXPECT_EQ(g.BoxBellShown[3], 3);
    EXPECT_EQ(g.TrainState[31], TrainBooked);
    EXPECT_EQ(g.TrainTimes[31][RegLineClearGiven], NoTime);
}

TEST_F(BlockWorking, AcceptanceAskedQuietlyAgreesWithTheRepeatedCode) {
    // Each box with its offer standing, in frames and occupations that refuse it for each of
    // the rules in turn and one that lets it through: the quiet question and the repeated
    // code always agree, and the question neither costs nor says anything.
    struct Case {
        int Box, Lever, Section;
        uint8_t Incoming;
    };
    const Case cases[] = {{3, 0, 0, LineBlocked},  {3, 50, 0, LineBlocked}, {3, 0, 43, LineBlocked},
                          {3, 0, 0, LineClear},    {1, 3, 0, LineBlocked},  {1, 0, 33, LineBlocked},
                          {2, 47, 0, LineBlocked}, {2, 13, 0, LineBlocked}, {4, 49, 0, LineBlocked},
                          {4, 0, 6, LineBlocked},  {1, 0, 0, LineBlocked},  {2, 0, 0, LineBlocked}};
    for (const Case& c : cases) {
        Train(40, 2, c.Box == 2 ? 4 : 3, 0, 700);
        Offer(c.Box, 40);
        g.BoxBlock[c.Box][1] = c.Incoming;
        if (c.Lever != 0) Reverse({c.Lever});
        if (c.Section != 0) g.SectTrain[c.Section] = 12;
        bool allowed = AcceptanceAllowed(g, c.Box);
        EXPECT_TRUE(host.Transcript.empty());
        Send(c.Box, g.BoxBellShown[c.Box]);
        EXPECT_EQ(allowed, g.TrainState[40] == TrainAccepted) << "box " << c.Box;
        EXPECT_EQ(allowed, g.Points == 0) << "box " << c.Box;
        if (c.Lever != 0) g.LeverNormal[c.Lever] = 1;
        if (c.Section != 0) g.SectTrain[c.Section] = 0;
        g.BoxBlock[c.Box] = {LineBlocked, LineBlocked};
        g.BoxBellShown[c.Box] = 0;
        g.Points = 0;
        host.Transcript.clear();
    }
}

TEST_F(BlockWorking, BranchAcceptanceWatchesBothHomesAndTheConflictingRoutes) {
    Train(32, 2, 1, 0, 700);
    Offer(2, 32);
    Reverse({13});
    ExpectRefused(2, 3, "You lose 1 point for accepting train with home signal still at clear", 1);
    EXPECT_EQ(g.BoxBellShown[2], 3);
    g.LeverNormal[13] = 1;
    Reverse({47});
    ExpectRefused(2, 3, "You lose 1 point for accepting train with conflicting route cleared", 1);
    // A train for the exchange sidings runs in by the down sidings: no conflict, other clearing
    // point.
    g.TrainTo[32] = 3;
    g.SectTrain[44] = 5;
    ExpectRefused(2, 3, "You lose 2 points for accepting train with clearing point obstructed", 2);
    g.SectTrain[44] = 0;
    Send(2, 3);
    EXPECT_EQ(g.TrainState[32], TrainAccepted);
    EXPECT_EQ(g.BoxBlock[2][1], LineClear);  // the branch instrument always works itself
}

TEST_F(BlockWorking, ApproachSpeedForATrainAlreadyAtTheSignal) {
    Train(33, 10, 1, 0, 603);  // group 3: at Hollowmer's signal from 10.00
    Offer(3, 33);
    Send(3, LineClearCode(10));
    EXPECT_EQ(g.TrainSpeed[33], 0);
    Train(34, 8, 1, 0, 603);  // group 2: due there 10.01, so already braking
    g.BoxBlock[4] = {LineBlocked, LineBlocked};
    Offer(4, 34);
    g.BoxLeadA[4] = {2, 2, 2};
    Send(4, LineClearCode(8));
    EXPECT_EQ(g.TrainSpeed[34], 7);  // 15 halved
}

TEST_F(BlockWorking, AnUnansweredEntryOrOutOfSectionBlocksOtherCodesToThatBoxOnly) {
    Ring(3, BellTrainEntering);
    g.BoxBlock[3][0] = LineClear;
    ExpectRefused(3, BellCancel, "First please acknowledge Train Entering Section", 0);
    EXPECT_EQ(g.BoxBlock[3][0], LineClear);
    Send(4, BellCallAttention);
    EXPECT_TRUE(Kept(4, BellCallAttention));
    g.AutoBlockInstruments = true;
    g.BoxBlock[3][1] = LineClear;
    Send(3, BellTrainEntering);
    EXPECT_EQ(g.BoxBellShown[3], 0);
    EXPECT_EQ(g.BoxRingPending[3], 0);
    EXPECT_EQ(g.BoxBlock[3][1], TrainOnLine);
    EXPECT_EQ(g.BoxBellSent[3], 0);
}

TEST_F(BlockWorking, TheRuleBooksAnswerTrainOutOfSectionDifferently) {
    // BR: repeated.
    Ring(1, BellTrainOut);
    ExpectRefused(1, BellCallAttention, "First please acknowledge Train Out Of Section", 0);
    Send(1, BellTrainOut);
    EXPECT_EQ(g.BoxBellShown[1], 0);
    EXPECT_EQ(g.BoxBellSent[1], 0);
    EXPECT_EQ(g.BoxRingPending[1], 0);
    // LMR: answered with one beat; the repeat is refused.
    g.Rules = RuleBook::LMR;
    Ring(1, BellTrainOut);
    ExpectRefused(1, BellTrainOut, "First please acknowledge Train Out Of Section", 0);
    Send(1, BellCallAttention);
    EXPECT_EQ(g.BoxBellShown[1], 0);
    EXPECT_EQ(g.BoxBellAnswered[1], 1);
    EXPECT_EQ(g.BoxBellSent[1], 0);
}

struct TrainOutOfSection : BlockWorking {
    TrainOutOfSection() {
        Train(35, 2, 4, 0, 700);
        g.BoxOfferedTrain[1] = 35;
        g.TrainState[35] = TrainRunning;
        g.BoxBlock[1][1] = TrainOnLine;
        g.RequireCallAttention = true;
    }
};

TEST_F(TrainOutOfSection, CallAttentionIsNeededExceptUnderWesternRules) {
    ExpectRefused(1, BellTrainOut, "You lose 1 point for Call Attention is required", 1);
    g.Rules = RuleBook::WR;
    Send(1, BellTrainOut);
    EXPECT_TRUE(Kept(1, BellTrainOut));
    EXPECT_EQ(g.TrainTimes[35][RegToosSent], 600);
    EXPECT_EQ(g.BoxOfferedTrain[1], 0);
    EXPECT_EQ(g.BoxBlock[1][1], TrainOnLine);  // worked by hand: left for the player
    ExpectRefused(1, BellTrainOut, "You lose 1 point for TOOS already sent", 1);
}

TEST_F(TrainOutOfSection, OnlyOnceTheTrainHasClearedAndTheHomeIsBackAtDanger) {
    g.BoxAttending[1] = 1;
    g.SectTrain[31] = 35;
    ExpectRefused(1, BellTrainOut, "You lose 1 point for sending TOOS before section is cleared",
                  1);
    g.SectTrain[31] = 0;
    Reverse({2});
    ExpectRefused(1, BellTrainOut, "You lose 2 points for section signal not returned to normal",
                  2);
    g.LeverNormal[2] = 1;
    g.BoxBlock[1][1] = LineBlocked;
    ExpectRefused(1, BellTrainOut, "You lose 1 point for no train leaving section", 1);
    g.BoxBlock[1][1] = TrainOnLine;
    g.AutoBlockInstruments = true;
    Send(1, BellTrainOut);
    EXPECT_EQ(g.BoxBlock[1][1], LineBlocked);
    EXPECT_TRUE(Kept(1, BellTrainOut));
}

TEST_F(TrainOutOfSection, BranchPassengerStandingAtThePlatformHasArrived) {
    g.BoxOfferedTrain[2] = 35;
    g.BoxAttending[2] = 1;
    g.BoxBlock[2][1] = TrainOnLine;
    g.SectTrain[33] = 35;
    g.TrainSpeed[35] = 10;
    ExpectRefused(2, BellTrainOut, "You lose 1 point for sending TOOS before section is cleared",
                  1);
    g.TrainSpeed[35] = 0;
    Send(2, BellTrainOut);
    EXPECT_EQ(g.BoxBlock[2][1], LineBlocked);
    EXPECT_EQ(g.TrainTimes[35][RegToosSent], 600);
}

TEST_F(BlockWorking, OffersAndTrainEnteringSectionForOurOwnTrains) {
    g.RequireCallAttention = true;
    ExpectRefused(1, 3, "You lose 1 point for Call Attention is required", 1);
    g.BoxAttending[1] = 1;
    g.BoxBlock[1][0] = LineClear;
    ExpectRefused(1, 3, "You lose 1 point for block instrument not at \"Blocked\"", 1);
    g.BoxBlock[1][0] = LineBlocked;
    Send(1, 3);
    EXPECT_TRUE(Kept(1, 3));
    // Train entering section: the starter is off and nothing is running towards Pellingford.
    Reverse({46});
    ExpectRefused(1, BellTrainEntering,
                  "You lose 1 point for sending TES with no train entering section", 1);
    g.SectTrain[14] = 36;
    ExpectRefused(1, BellTrainEntering,
                  "You lose 1 point for Sending TES with line clear not obtained", 1);
    g.BoxBlock[1][0] = LineClear;
    Send(1, BellTrainEntering);
    EXPECT_EQ(g.BoxTesTime[1], 600);
    g.BoxTrain[1] = Train(36, 1, 1, 14);
    g.ClockNow = 602;
    Send(1, BellTrainEntering);
    EXPECT_EQ(g.TrainTimes[36][RegTesSent], 602);
}

TEST_F(BlockWorking, TrainEnteringSectionFollowsTheRouteTowardsTheBox) {
    Reverse({6});
    EXPECT_FALSE(TrainEnteringSectionTowards(g, 4));
    g.SectTrain[37] = 9;
    EXPECT_FALSE(TrainEnteringSectionTowards(g, 4));  // 37 leads on to Hollowmer as set
    g.SectNext[37] = 40;
    g.SectNext[40] = 41;
    EXPECT_TRUE(TrainEnteringSectionTowards(g, 4));
    g.LeverNormal[6] = 1;
    g.SectTrain[37] = 0;
    EXPECT_TRUE(TrainEnteringSectionTowards(g, 4));  // signal back at danger behind the train
}

TEST_F(BlockWorking, CancelOnlyWhileTheStarterIsAtDanger) {
    g.BoxBlock[1][0] = TrainOnLine;
    Send(1, BellCancel);
    EXPECT_EQ(LastError(), "\"Cancel\" rejected - train already in section");
    EXPECT_EQ(g.BoxBellSent[1], 0);
    EXPECT_EQ(g.BoxBlock[1][0], TrainOnLine);
    g.BoxBlock[1][0] = LineBlocked;
    Send(1, BellCancel);
    EXPECT_EQ(LastError(), "\"Cancel\" rejected - line clear not given");
    g.BoxBlock[1][0] = LineClear;
    Reverse({46});
    Send(1, BellCancel);
    EXPECT_EQ(LastError(), "\"Cancel\" rejected - starting signal still clear");
    EXPECT_EQ(g.BoxBellSent[1], 0);
    g.LeverNormal[46] = 1;
    Send(1, BellCancel);
    EXPECT_EQ(LastError(), "Line Clear request cancelled");
    EXPECT_TRUE(Kept(1, BellCancel));
    EXPECT_EQ(g.Points, 0);
}

TEST_F(BlockWorking, WarningAcceptanceForUpTrainsOnly) {
    Train(37, 2, 4, 0, 700);
    Offer(3, 37);
    ExpectRefused(3, BellWarningAcceptance,
                  "You lose 1 point for Warning Acceptance only allowed for Up trains", 1);
    ExpectRefused(1, BellWarningAcceptance, "You lose 1 point for no line clear request waiting",
                  1);
    Offer(1, 37);
    Reverse({2});
    ExpectRefused(1, BellWarningAcceptance,
                  "You lose 3 points for accepting train with home signal still at clear", 3);
    g.LeverNormal[2] = 1;
    g.SectTrain[33] = 8;  // the clearing point is not looked at under warning
    Send(1, BellWarningAcceptance);
    EXPECT_TRUE(Kept(1, BellWarningAcceptance));
    EXPECT_EQ(g.BoxWarningGiven[1], 1);
    EXPECT_EQ(g.BoxAcceptedCode[1], 3);
    EXPECT_EQ(g.TrainState[37], TrainAccepted);
    EXPECT_EQ(g.SectLimit[30], 20);
    EXPECT_GE(g.TrainSpeed[37], 30);
    EXPECT_LE(g.TrainSpeed[37], 45);
    // Line now clear once the clearing point is clear again.
    g.BoxAttending[1] = 1;
    ExpectRefused(1, BellLineNowClear, "You lose 2 points for clearing point still obstructed", 2);
    g.SectTrain[33] = 0;
    g.SectLimit[30] = 5;
    Send(1, BellLineNowClear);
    EXPECT_EQ(g.BoxWarningGiven[1], 0);
    EXPECT_EQ(g.SectLimit[30], 5);  // no section limits this time
    EXPECT_GE(g.TrainSpeed[37], 45);
    ExpectRefused(1, BellLineNowClear, "You lose 1 point for no warning acceptance given", 1);
}

TEST_F(BlockWorking, NoticesForCodesNotWorkedAtTarrock) {
    Send(3, BellTrainApproaching);
    Send(3, BellAssistingInRear);
    Send(3, BellLineOccupied);
    EXPECT_EQ(Said(Output::Notice),
              (std::vector<std::string>{"Train Approaching is not authorised for use at Tarrock",
                                        "Assistance in rear is not authorised at Tarrock",
                                        "Permissive working is not in operation"}));
    EXPECT_EQ(g.BoxBellSent[3], 0);
    EXPECT_EQ(g.Points, 0);
}

TEST_F(BlockWorking, BlockingBackAndShuntingForwardWhereAllowed) {
    ExpectRefused(1, BellBlockingBack, "You lose 1 point for blocking back where not allowed", 1);
    g.BoxBlock[3][1] = LineClear;
    ExpectRefused(3, BellBlockingBack, "You lose 1 point for block instrument not at \"Blocked\"",
                  1);
    g.BoxBlock[3][1] = LineBlocked;
    Send(3, BellBlockingBack);
    EXPECT_TRUE(Kept(3, BellBlockingBack));
    ExpectRefused(3, BellShuntForward, "You lose 1 point for shunting forward not on LMS loop", 1);
    Send(4, BellShuntForward);
    EXPECT_TRUE(Kept(4, BellShuntForward));
    ExpectRefused(4, BellShuntWithdrawn,
                  "You lose 1 point for block instrument not at \"Train On Line\"", 1);
    g.BoxBlock[4][0] = TrainOnLine;
    g.SectTrain[41] = 4;
    ExpectRefused(4, BellShuntWithdrawn,
                  "You lose 1 point for sending shunt withdrawn before section is cleared", 1);
    g.SectTrain[41] = 0;
    Send(4, BellShuntWithdrawn);
    EXPECT_TRUE(Kept(4, BellShuntWithdrawn));
}

TEST_F(BlockWorking, CommutatorsStepRoundUnlessAutomatic) {
    TurnInstrument(g, 3);
    EXPECT_EQ(g.BoxBlock[3][1], LineClear);
    TurnInstrument(g, 3);
    EXPECT_EQ(g.BoxBlock[3][1], TrainOnLine);
    TurnInstrument(g, 3);
    EXPECT_EQ(g.BoxBlock[3][1], LineBlocked);
    EXPECT_EQ(g.BoxBlock[3][0], LineBlocked);
    TurnInstrument(g, 2);
    EXPECT_EQ(g.BoxBlock[2][1], LineBlocked);
    g.AutoBlockInstruments = true;
    TurnInstrument(g, 1);
    EXPECT_EQ(g.BoxBlock[1][1], LineBlocked);
}

}  // namespace
}  // namespace kv41
