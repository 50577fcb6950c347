#include "running/boxes.h"

#include <gtest/gtest.h>

#include "boxes_fixture.h"

namespace kv41 {
namespace {

using testing::BoxesGame;

// Box 3 (Hollowmer Jn, line 4) leads an express in 2 minutes and has it 3 minutes earlier.
TEST(BoxOffers, LineHandsTrainToBoxAtLeadTimesAndLateTakingMakesItLater) {
    BoxesGame game;
    GameState& g = game.g;
    const int t = game.AddTrain(5, 620, 4, 1, 1);
    g.LineTrains[4] = {t, t, 0, 0};

    g.ClockNow = 614;
    OfferFromLines(g);
    EXPECT_EQ(g.BoxOfferedTrain[3], 0);

    g.ClockNow = 617;
    OfferFromLines(g);
    EXPECT_EQ(g.BoxOfferedTrain[3], t);
    EXPECT_EQ(g.LineLastTime[1], 617);  // the exit line's spacing starts now
    EXPECT_EQ(g.TrainLate[t], 2);       // taken two minutes after its offer time
}

TEST(BoxOffers, TrainsForOneExitLineAreSpacedByThatLinesHeadway) {
    BoxesGame game;
    GameState& g = game.g;
    const int a = game.AddTrain(5, 620, 4, 2, 1);  // Hollowmer to the branch
    const int b = game.AddTrain(6, 625, 1, 2, 1);  // Pellingford to the branch
    g.LineTrains[4] = {a, a, 0, 0};
    g.LineTrains[1] = {b, b, 0, 0};
    g.ClockNow = 615;
    OfferFromLines(g);
    EXPECT_EQ(g.BoxOfferedTrain[3], a);
    EXPECT_EQ(g.BoxOfferedTrain[1], 0);  // the branch's 11 minutes have not run

    g.ClockNow = 625;
    OfferFromLines(g);
    EXPECT_EQ(g.BoxOfferedTrain[1], 0);
    g.ClockNow = 626;
    OfferFromLines(g);
    EXPECT_EQ(g.BoxOfferedTrain[1], b);

    // A box holding a train takes no other.
    const int c = game.AddTrain(7, 600, 4, 1, 1);
    g.LineTrains[4] = {c, c, 0, 0};
    OfferFromLines(g);
    EXPECT_EQ(g.BoxOfferedTrain[3], a);
}

TEST(BoxOffers, BoxRingsItsTrainsCodeOnceAMinuteAndAllowsItRunningTime) {
    BoxesGame game;
    GameState& g = game.g;
    const int t = game.AddTrain(5, 620, 4, 1, 2);  // ordinary passenger: 3-1
    g.BoxOfferedTrain[3] = t;

    g.ClockNow = 615;  // the offer time itself is not yet past
    OfferPendingTrain(g, 3);
    EXPECT_TRUE(game.Said(Output::Ring).empty());

    g.ClockNow = 619;
    OfferPendingTrain(g, 3);
    EXPECT_EQ(game.Said(Output::Ring), std::vector<std::string>{"3 3-1"});
    EXPECT_EQ(game.Said(Output::Sound),
              (std::vector<std::string>{"sndBell33.wav", "sndBell3.wav"}));
    EXPECT_EQ(g.BoxBellShown[3], 3);
    EXPECT_EQ(g.BoxRingPending[3], 3);
    EXPECT_EQ(g.TrainLate[t], 2);  // 619 - 620 + 2 + 1

    // Still unanswered: it is not rung again.
    OfferPendingTrain(g, 3);
    EXPECT_EQ(game.Said(Output::Ring).size(), 1u);

    // Nothing is offered while the incoming instrument is off Line Blocked.
    g.BoxBellShown[3] = 0;
    g.BoxBlock[3][1] = LineClear;
    g.ClockNow = 620;
    OfferPendingTrain(g, 3);
    EXPECT_EQ(game.Said(Output::Ring).size(), 1u);
}

// Box 3 offers an express for Pellingford, ringing call attention first.
int OfferWithCallAttention(BoxesGame& game) {
    GameState& g = game.g;
    g.RequireCallAttention = true;
    const int t = game.AddTrain(5, 620, 4, 1, 1);
    g.BoxOfferedTrain[3] = t;
    g.ClockNow = 619;
    OfferPendingTrain(g, 3);
    return t;
}

TEST(BoxOffers, WithCallAttentionTheCodeFollowsOnlyAfterTheAnswer) {
    BoxesGame game;
    GameState& g = game.g;
    OfferWithCallAttention(game);
    EXPECT_EQ(game.Said(Output::Ring), std::vector<std::string>{"3 1"});
    EXPECT_EQ(g.BoxAwaitingAttn[3], 1);
    EXPECT_EQ(g.BoxHeldCode[3], 2);
    EXPECT_EQ(g.BoxRingPending[3], 1);

    OfferPendingTrain(g, 3);  // no answer yet: nothing more
    EXPECT_EQ(game.Said(Output::Ring).size(), 1u);

    g.BoxBellSent[3] = 1;  // the signalman answers with one beat
    AnswerPlayerBell(g, 3);
    EXPECT_EQ(game.Said(Output::Ring).size(), 1u);  // the box does not answer an answer
    EXPECT_EQ(g.BoxAttnAnswered[3], 1);
    EXPECT_EQ(g.BoxAwaitingAttn[3], 0);
    EXPECT_EQ(g.BoxBellSent[3], 0);

    OfferPendingTrain(g, 3);
    EXPECT_EQ(game.Said(Output::Ring), (std::vector<std::string>{"3 1", "3 4"}));
    EXPECT_EQ(g.BoxAttnAnswered[3], 0);
    EXPECT_EQ(g.BoxHeldCode[3], 0);
    EXPECT_EQ(g.BoxRingPending[3], 2);
}

// A call attention rung for an offer, then the option switched off: the box rings the offer
// itself. Once the train is accepted and in the area, a call attention from the signalman must
// not bring its offer round again (accepting it twice would take it back out of the area).
TEST(BoxOffers, AnOfferMadeWithoutItsCallAttentionIsNotMadeAgain) {
    BoxesGame game;
    GameState& g = game.g;
    const int t = OfferWithCallAttention(game);
    EXPECT_EQ(g.BoxHeldCode[3], 2);

    g.RequireCallAttention = false;
    g.BoxBellAnswered[3] = 1;  // the indicator answered by another code
    g.ClockNow = 620;
    OfferPendingTrain(g, 3);
    EXPECT_EQ(game.Said(Output::Ring), (std::vector<std::string>{"3 1", "3 4"}));
    EXPECT_EQ(g.BoxHeldCode[3], 0);
    EXPECT_EQ(g.BoxAwaitingAttn[3], 0);

    // Accepted and running in; the signalman then rings call attention to the box.
    g.TrainState[t] = TrainRunning;
    g.BoxBellShown[3] = 0;
    g.BoxHeldCode[3] = 2;  // as a game saved with the old exchange standing would hold it
    g.BoxAwaitingAttn[3] = 1;
    g.BoxBellSent[3] = 1;
    AnswerPlayerBell(g, 3);
    g.ClockNow = 625;
    OfferPendingTrain(g, 3);
    EXPECT_EQ(game.Said(Output::Ring).size(), 2u);
    EXPECT_EQ(g.BoxHeldCode[3], 0);
    EXPECT_EQ(g.TrainState[t], TrainRunning);
}

struct BookAnswers {
    RuleBook Rules;
    const char* TrainOutAnswer;  // ring for the player's 2-1, "" none
    const char* TrainEnteringAnswer;
};

TEST(BoxAnswers, TrainEnteringAndTrainOutOfSectionByRuleBook) {
    const BookAnswers books[] = {
        {RuleBook::BR, "1 2-1", "1 2"}, {RuleBook::WR, "", "1 2"}, {RuleBook::LMR, "1 1", ""}};
    for (const BookAnswers& book : books) {
        BoxesGame game;
        GameState& g = game.g;
        g.Rules = book.Rules;
        g.BoxBlock[1][0] = LineClear;

        g.BoxBellSent[1] = 16;
        AnswerPlayerBell(g, 1);
        EXPECT_EQ(g.BoxBlock[1][0], TrainOnLine);
        EXPECT_EQ(g.BoxBellSent[1], 0);
        auto rings = game.Said(Output::Ring);
        EXPECT_EQ(rings.empty() ? "" : rings.back(), std::string(book.TrainEnteringAnswer));

        game.Forget();
        g.ClockNow += 1;
        g.BoxBellSent[1] = 17;
        AnswerPlayerBell(g, 1);
        rings = game.Said(Output::Ring);
        EXPECT_EQ(rings.empty() ? "" : rings.back(), std::string(book.TrainOutAnswer));
        EXPECT_EQ(g.BoxBellSent[1], 0);
        EXPECT_EQ(g.BoxBellAnswered[1], 1);
    }
}

TEST(BoxAnswers, OfferIsAcceptedOnlyOnceTheOutgoingInstrumentIsBackAtLineBlocked) {
    BoxesGame game;
    GameState& g = game.g;
    g.BoxBlock[4][0] = TrainOnLine;
    g.BoxBellSent[4] = 10;
    AnswerPlayerBell(g, 4);
    EXPECT_EQ(g.BoxBellSent[4], 10);  // left pending
    EXPECT_TRUE(game.Said(Output::Ring).empty());

    g.BoxBlock[4][0] = LineBlocked;
    AnswerPlayerBell(g, 4);
    EXPECT_EQ(game.Said(Output::Ring), std::vector<std::string>{"4 3-2"});
    EXPECT_EQ(g.BoxBlock[4][0], LineClear);
    EXPECT_EQ(g.BoxAcceptedCode[4], 10);
    EXPECT_EQ(g.BoxBellSent[4], 0);
    EXPECT_EQ(g.BoxLineClearTime[4], 600);  // no train identified yet: held for it

    // Cancelled: the box restores its instrument and forgets the line clear.
    g.BoxBellSent[4] = 20;
    AnswerPlayerBell(g, 4);
    EXPECT_EQ(g.BoxBlock[4][0], LineBlocked);
    EXPECT_EQ(g.BoxLineClearTime[4], NoTime);
    EXPECT_EQ(g.BoxBellShown[4], 0);
}

TEST(BoxAnswers, ShuntingForwardWaitsForLineBlockedAndUnansweredCodesStayPending) {
    BoxesGame game;
    GameState& g = game.g;
    g.BoxBlock[4][0] = LineClear;
    g.BoxBellSent[4] = 25;
    AnswerPlayerBell(g, 4);
    EXPECT_EQ(g.BoxBellSent[4], 25);
    g.BoxBlock[4][0] = LineBlocked;
    AnswerPlayerBell(g, 4);
    EXPECT_EQ(g.BoxShuntForward[4], 1);
    EXPECT_EQ(g.BoxBlock[4][0], TrainOnLine);

    g.BoxBellSent[2] = 18;  // train approaching gets no answer
    AnswerPlayerBell(g, 2);
    EXPECT_EQ(g.BoxBellSent[2], 18);
    EXPECT_EQ(game.Said(Output::Ring), std::vector<std::string>{"4 3-3-2"});
}

TEST(BoxEntry, AcceptedTrainEntersAtItsTimeAndTheBoxRingsTrainEnteringSection) {
    BoxesGame game;
    GameState& g = game.g;
    const int t = game.AddTrain(5, 620, 4, 1, 1);
    const int after = game.AddTrain(9, 700, 4, 1, 3);
    game.AddTrain(8, 650, 4, 1, 10);  // another group: not the next of t's group
    g.LineTrains[4] = {t, t, 0, 0};
    g.BoxOfferedTrain[3] = t;
    g.TrainState[t] = TrainAccepted;
    g.BoxBlock[3][1] = LineClear;

    g.ClockNow = 617;  // due 620 less 2 minutes' running: not yet
    EnterTrainsFromBoxes(g);
    EXPECT_EQ(g.TrainState[t], TrainAccepted);

    g.ClockNow = 618;
    g.BoxBellShown[3] = 1;  // a bell still shown holds it back
    EnterTrainsFromBoxes(g);
    EXPECT_EQ(g.TrainState[t], TrainAccepted);

    g.BoxBellShown[3] = 0;
    EnterTrainsFromBoxes(g);
    EXPECT_EQ(g.TrainState[t], TrainRunning);
    EXPECT_EQ(g.TrainSect[t], 1);
    EXPECT_EQ(g.SectTrain[1], t);
    EXPECT_EQ(g.TrainToGo[t], g.SectLength[1]);
    EXPECT_EQ(g.TrainTimes[t][RegTesReceived], 618);
    EXPECT_EQ(game.Said(Output::Ring), std::vector<std::string>{"3 2"});
    EXPECT_EQ(g.BoxRingPending[3], 16);
    EXPECT_EQ(g.TrainsInArea, 1);
    EXPECT_EQ(g.LineTrains[4][1], after);
    EXPECT_EQ(g.LineTrains[4][0], after);
}

TEST(BoxTrainOut, BoxSendsTrainOutOfSectionWithCallAttentionExceptUnderWr) {
    for (bool wr : {false, true}) {
        BoxesGame game;
        GameState& g = game.g;
        g.RequireCallAttention = true;
        g.Rules = wr ? RuleBook::WR : RuleBook::BR;
        g.BoxTrainGone[1] = 1;
        g.BoxBlock[1][0] = TrainOnLine;
        g.BoxAcceptedCode[1] = 2;

        g.BoxBellShown[1] = 16;  // the player's own 2 not yet cleared from the bell
        SendTrainsOutOfSection(g);
        EXPECT_TRUE(game.Said(Output::Ring).empty());
        g.BoxBellShown[1] = 0;

        SendTrainsOutOfSection(g);
        if (!wr) {
            EXPECT_EQ(game.Said(Output::Ring), std::vector<std::string>{"1 1"});
            EXPECT_EQ(g.BoxHeldCode[1], 17);
            EXPECT_EQ(g.BoxTrainGone[1], 1);
            g.BoxBellSent[1] = 1;
            AnswerPlayerBell(g, 1);
            SendTrainsOutOfSection(g);
        }
        EXPECT_EQ(game.Said(Output::Ring).back(), "1 2-1");
        EXPECT_EQ(g.BoxBlock[1][0], LineBlocked);
        EXPECT_EQ(g.BoxTrainGone[1], 0);
        EXPECT_EQ(g.BoxAcceptedCode[1], 0);
        EXPECT_EQ(g.BoxRingPending[1], wr ? 0 : 17);
        EXPECT_EQ(g.BoxBellAnswered[1], wr ? 1 : 0);
    }
}

TEST(BoxDeadlines, TrainOutOfSectionNotSentInTimeCostsAPoint) {
    BoxesGame game;
    GameState& g = game.g;
    const int late = game.AddTrain(5, 615, 1, 4, 1, "Pellingford");
    const int sent = game.AddTrain(6, 615, 2, 4, 1, "Brenley");
    g.BoxToosTrain[1] = late;
    g.BoxToosDeadline[1] = 605;
    g.BoxToosTrain[2] = sent;
    g.BoxToosDeadline[2] = 605;
    g.TrainTimes[sent][RegToosSent] = 603;
    g.ClockNow = 604;
    CheckToosDeadlines(g);
    EXPECT_EQ(g.Points, 0);
    g.ClockNow = 605;
    CheckToosDeadlines(g);
    CheckToosDeadlines(g);  // a deadline is judged once
    EXPECT_EQ(g.Points, -1);
    EXPECT_EQ(game.Said(Output::Error),
              std::vector<std::string>{
                  "You lose 1 point for Train Out Of Section not sent for 10.15 from Pellingford"});
    EXPECT_EQ(g.BoxToosDeadline[1], 0);
    EXPECT_EQ(g.BoxToosDeadline[2], 0);
}

TEST(BoxLines, NextTrainIsTheEarliestGroupHeadSpacedByTheHeadway) {
    BoxesGame game;
    GameState& g = game.g;
    g.ClockNow = 500;  // trains well over an hour away are not reported
    const int express = game.AddTrain(5, 640, 5, 1, 1);
    const int goods = game.AddTrain(6, 636, 5, 1, 7);
    const int slow = game.AddTrain(7, 644, 5, 1, 11);
    const int beyond = game.AddTrain(8, 1441, 5, 1, 11);
    g.LineTrains[5] = {1, express, goods, slow};
    ChooseNextOnLine(g, 5);
    EXPECT_EQ(g.LineTrains[5][0], goods);
    // The express follows the goods at 9 minutes, the slow goods the express.
    EXPECT_EQ(g.TrainLate[express], 5);
    EXPECT_EQ(g.TrainLate[slow], 10);
    EXPECT_EQ(g.TrainLate[goods], 0);

    g.LineTrains[5] = {1, 0, 0, beyond};
    ChooseNextOnLine(g, 5);
    EXPECT_EQ(g.LineTrains[5][0], 0);
    ChooseNextOnLine(g, 5);  // a line run dry stays so
    EXPECT_EQ(g.LineTrains[5][0], 0);
}

TEST(BoxLines, NextTrainCannotArriveSoonerThanTheBoxsRunningTimeAndHeadway) {
    BoxesGame game;
    GameState& g = game.g;
    const int t = game.AddTrain(5, 603, 1, 4, 1, "Pellingford", "Hollowmer");
    g.TrainLate[t] = 2;
    g.LineTrains[1] = {1, t, 0, 0};
    ChooseNextOnLine(g, 1);
    EXPECT_EQ(g.TrainLate[t], 10);  // 600 + 4 + 9 = 613
    EXPECT_EQ(g.TrainState[t], TrainReported);
    EXPECT_EQ(game.Said(Output::Call),
              std::vector<std::string>{
                  "Call from Pellingford : 10.03 from Pellingford to Hollowmer reported 10 minutes "
                  "late"});
}

TEST(BoxBells, SameCodeRingsAtMostOnceAMinute) {
    BoxesGame game;
    GameState& g = game.g;
    RingBell(g, 4, 26);
    RingBell(g, 4, 26);
    EXPECT_EQ(game.Said(Output::Ring), std::vector<std::string>{"4 8"});
    EXPECT_EQ(game.Said(Output::Sound), std::vector<std::string>{"sndBell48.wav"});
    RingBell(g, 4, 1);
    g.ClockNow += 1;
    RingBell(g, 4, 1);
    EXPECT_EQ(game.Said(Output::Ring).size(), 3u);
    EXPECT_EQ(g.BoxLastRingTime[4], 601);
}

}  // namespace
}  // namespace kv41
