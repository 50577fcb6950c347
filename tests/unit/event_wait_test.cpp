#include <gtest/gtest.h>

#include <algorithm>

#include "controls/event_wait.h"
#include "panel/click_regions.h"
#include "test_support.h"

namespace kv41 {
namespace {

struct EventWait : ::testing::Test, testing::FreshGame {
    EventWait() {
        g.SessionRunning = true;
        g.SoundOn = false;
    }

    void Click(PanelCell cell, int afterMs = 0) { host.QueueClick(cell.Column, cell.Row, afterMs); }

    long Reported(Output kind, const std::string& text) const {
        return std::ranges::count(Said(kind), text);
    }
};

TEST_F(EventWait, AClickEndsTheWaitWithoutAStepAndATickWithOne) {
    host.QueueClick(99, 5);
    WaitForAction(g);
    EXPECT_FALSE(g.AwaitingAction);
    EXPECT_FALSE(g.ClickPending);
    host.QueueTick();
    WaitForAction(g);
    EXPECT_TRUE(g.AwaitingAction);
    EXPECT_FALSE(g.TimerDue);
}

TEST_F(EventWait, AKeyWaitsForTheTickAndIsDispatchedBeforeTheStep) {
    host.QueueKey('l');
    host.QueueTick();
    WaitForAction(g);
    EXPECT_TRUE(g.AwaitingAction);
    EXPECT_TRUE(g.LearningMode);
    EXPECT_FALSE(g.KeyActionPending);
    host.QueueKey('L');
    host.QueueTick();
    WaitForAction(g);
    EXPECT_FALSE(g.LearningMode);
}

TEST_F(EventWait, AClickReplacesAKeyTypedInTheSameWait) {
    host.QueueKey('L');
    host.QueueClick(90, 29);  // "Q Quit"
    WaitForAction(g);
    EXPECT_FALSE(g.LearningMode);
    EXPECT_TRUE(g.EndRequested);
    EXPECT_FALSE(g.AwaitingAction);
}

TEST_F(EventWait, AnEndRequestEndsTheWaitAsADueStep) {
    g.EndRequested = true;
    host.QueueClick(99, 5);
    WaitForAction(g);
    EXPECT_TRUE(g.AwaitingAction);
    EXPECT_TRUE(host.HasPendingEvents());  // the click was not waited for
}

TEST_F(EventWait, ASpeedChangeEndsTheWaitWithoutAStep) {
    host.QueueKey('+');
    WaitForAction(g);
    EXPECT_FALSE(g.AwaitingAction);
    EXPECT_EQ(g.TickSeconds, 5);
}

TEST_F(EventWait, ClickOnTheLegendOpensItsWindow) {
    host.QueueClick(20, 29);  // "R Register"
    host.QueueKey('W');       // dispatched at the tick of the next wait
    WaitForAction(g);
    EXPECT_EQ(host.Windows.size(), 1u);
    host.QueueTick();
    WaitForAction(g);
    EXPECT_EQ(host.Windows.size(), 2u);
}

TEST_F(EventWait, MenuIsEnabledForTheWaitAndDisabledForTheAction) {
    host.QueueClick(99, 5);
    WaitForAction(g);
    EXPECT_FALSE(host.Menu["&Save"]);
    EXPECT_FALSE(host.Menu["Quit"]);
    host.QueueTick();
    WaitForAction(g);
    EXPECT_TRUE(host.Menu["&Save"]);
    EXPECT_TRUE(host.Menu["&Pause"]);
}

TEST_F(EventWait, FastRunningShowsItsNoticeOnceAndStopsWhenABoxRings) {
    g.FastMode = true;
    host.QueueTick();
    WaitForAction(g);
    EXPECT_EQ(host.TimerMs, 100);
    host.QueueTick();
    WaitForAction(g);
    EXPECT_EQ(Reported(Output::Line, " Speeded up until next need for action"), 1);
    g.BoxBellShown[3] = 3;  // Hollowmer's offer stands on its bell indicator
    host.QueueTick();
    WaitForAction(g);
    EXPECT_FALSE(g.FastMode);
    EXPECT_FALSE(g.SpeedUpNoticeShown);
    EXPECT_EQ(host.TimerMs, g.TickSeconds * 1000);
}

TEST_F(EventWait, OnlyAnUnansweredBellOnTheIndicatorNeedsTheSignalman) {
    g.BoxBellShown[1] = 1;  // call attention before train out of section
    EXPECT_TRUE(PlayerNeeded(g));
    g.BoxBellAnswered[1] = 1;
    EXPECT_FALSE(PlayerNeeded(g));
    g.BoxBellShown[1] = 0;
    g.BoxRingPending[3] = 16;  // acknowledged by the instrument under the LMR book
    EXPECT_FALSE(PlayerNeeded(g));
}

TEST_F(EventWait, TrainsInTheAreaStopFastRunningAndANegativeCountIsMended) {
    g.TrainsInArea = -2;
    EXPECT_FALSE(PlayerNeeded(g));
    EXPECT_EQ(g.TrainsInArea, 0);
    g.TrainsInArea = 1;
    EXPECT_TRUE(PlayerNeeded(g));
}

TEST_F(EventWait, TappedCodeIsLeftForTheNextWait) {
    PanelCell plunger = TapperCell(3);
    Click(plunger);
    Click(plunger, 400);
    Click(plunger, 400);  // "3"
    host.QueueClick(100, 1, 100);
    for (int i = 0; i < 4; ++i) {
        WaitForAction(g);
        EXPECT_FALSE(g.AwaitingAction);
    }
    EXPECT_FALSE(g.BellTapping);
    EXPECT_EQ(g.PendingBellBox, 3);
    EXPECT_EQ(g.PendingBellCode, 14);
    EXPECT_EQ(g.BoxBellSent[3], 14);
}

TEST_F(EventWait, ALateTapDoesNotStartAnotherCode) {
    PanelCell plunger = TapperCell(1);
    Click(plunger);
    Click(plunger, 500);
    Click(plunger, 2500);
    for (int i = 0; i < 3; ++i) WaitForAction(g);
    EXPECT_FALSE(g.BellTapping);
    EXPECT_EQ(g.PendingBellCode, 16);
}

TEST_F(EventWait, TicksAreIgnoredWhileTapping) {
    PanelCell plunger = TapperCell(4);
    Click(plunger);
    WaitForAction(g);
    EXPECT_TRUE(g.BellTapping);
    host.QueueTick();
    Click(plunger, 300);
    WaitForAction(g);
    EXPECT_FALSE(g.AwaitingAction);  // the tap ended the wait, not the tick
    EXPECT_EQ(g.TapCount, 3);
}

TEST_F(EventWait, ChosenBellIsPlayedAndTheNextStepComesAtOnce) {
    host.BellChoices = {16};
    Click(BoxNameCell(1));
    WaitForAction(g);
    EXPECT_EQ(g.PendingBellBox, 1);
    EXPECT_EQ(g.PendingBellCode, 16);
    EXPECT_EQ(g.BoxBellSent[1], 16);
    WaitForAction(g);  // no input needed: the code is judged and the step is due
    EXPECT_TRUE(g.AwaitingAction);
    EXPECT_EQ(g.PendingBellBox, 0);
    EXPECT_EQ(g.PendingBellCode, 0);
}

TEST_F(EventWait, TappedCodeIsJudgedBeforeTheListReplacesIt) {
    host.BellChoices = {1};
    Click(TapperCell(3));
    Click(TapperCell(3), 300);   // 2: train entering section, with no line clear from box 3
    Click(BoxNameCell(1), 100);  // ends the tapping and opens box 1's list
    for (int i = 0; i < 3; ++i) WaitForAction(g);
    EXPECT_EQ(g.BoxBellSent[3], 0);  // refused, so box 3 will not answer it
    EXPECT_FALSE(host.Transcript.empty());
    EXPECT_EQ(host.Transcript.back().first, Output::Error);
    EXPECT_EQ(g.PendingBellBox, 1);
    EXPECT_EQ(g.PendingBellCode, 1);
}

TEST_F(EventWait, CancelledBellListSendsNothing) {
    Click(BoxNameCell(2));
    WaitForAction(g);
    EXPECT_EQ(g.PendingBellCode, 0);
    EXPECT_EQ(g.BoxBellSent[2], 0);
}

}  // namespace
}  // namespace kv41
