#include <gtest/gtest.h>

#include <algorithm>

#include "model/clock.h"
#include "panel/click_regions.h"
#include "session/event_wait.h"
#include "session/scripted_input.h"
#include "session/window_input.h"
#include "test_support.h"

namespace kv41 {
namespace {

struct EventWait : ::testing::Test, testing::FreshGame {
    EventWait() {
        g.SessionRunning = true;
        g.SoundOn = false;
    }

    // A click now, or so many ms after the last click.
    void Click(PanelCell cell, int afterMs = -1) {
        g.Inputs.Events.push_back(PlayerInput::Click(cell.Column, cell.Row, afterMs));
    }
    void Type(char key) { g.Inputs.Events.push_back(PlayerInput::Typed(key)); }
    void Tick() { g.Inputs.Events.emplace_back(); }

    long Reported(Output kind, const std::string& text) const {
        return std::ranges::count(Said(kind), text);
    }
};

TEST_F(EventWait, AClickEndsTheWaitWithoutAStepAndATickWithOne) {
    const int before = host.VirtualMs;
    Click({99, 5});
    WaitForAction(g);
    EXPECT_FALSE(g.AwaitingAction);
    EXPECT_FALSE(g.ClickPending);
    EXPECT_EQ(host.VirtualMs, before);  // taken at once: no pause after the press
    Tick();
    WaitForAction(g);
    EXPECT_TRUE(g.AwaitingAction);
    EXPECT_FALSE(g.TimerDue);
}

TEST_F(EventWait, AKeyEndsTheWaitAsAClickDoesAndBothAreTaken) {
    Type('l');
    WaitForAction(g);
    EXPECT_FALSE(g.AwaitingAction);  // no step for a key
    EXPECT_TRUE(g.LearningMode);
    EXPECT_FALSE(g.KeyActionPending);
    // A key typed just before a click is not lost to it.
    Type('W');
    Click({20, 29});  // "R Register"
    WaitForAction(g);
    WaitForAction(g);
    ASSERT_EQ(host.Windows.size(), 2u);
    EXPECT_EQ(host.Windows[0].Caption.substr(0, 17), "Working Timetable");
}

TEST_F(EventWait, AClickReplacesAKeyTypedInTheSameWait) {
    // Both come in one pass of the window's events.
    OnKeyPress(g, 'L');
    OnMouseDown(g, 89 * g.CellWidth + 1, g.StatusHeight + 28 * g.CellHeight + 1);  // "Q Quit"
    WaitForAction(g);
    EXPECT_FALSE(g.LearningMode);
    EXPECT_TRUE(g.EndRequested);
    EXPECT_FALSE(g.AwaitingAction);
}

TEST_F(EventWait, AnEndRequestEndsTheWaitAsADueStep) {
    g.EndRequested = true;
    Click({99, 5});
    WaitForAction(g);
    EXPECT_TRUE(g.AwaitingAction);
    EXPECT_TRUE(g.Inputs.Pending());  // the click was not waited for
}

TEST_F(EventWait, ASpeedChangeEndsTheWaitWithoutAStep) {
    Type('+');
    WaitForAction(g);
    EXPECT_FALSE(g.AwaitingAction);
    EXPECT_EQ(g.TickSeconds, 5);
}

TEST_F(EventWait, MenuIsEnabledForTheWaitAndDisabledForTheAction) {
    Click({99, 5});
    WaitForAction(g);
    EXPECT_FALSE(host.Menu["&Save"]);
    EXPECT_FALSE(host.Menu["Quit"]);
    Tick();
    WaitForAction(g);
    EXPECT_TRUE(host.Menu["&Save"]);
    EXPECT_TRUE(host.Menu["&Pause"]);
}

TEST_F(EventWait, FastRunningShowsItsNoticeOnceAndStopsWhenABoxRings) {
    g.FastMode = true;
    Tick();
    WaitForAction(g);
    EXPECT_EQ(host.TimerMs, 100);
    Tick();
    WaitForAction(g);
    EXPECT_EQ(Reported(Output::Line, " Speeded up until next need for action"), 1);
    g.BoxBellShown[3] = 3;  // Hollowmer's offer stands on its bell indicator
    Tick();
    WaitForAction(g);
    EXPECT_FALSE(g.FastMode);
    EXPECT_FALSE(g.SpeedUpNoticeShown);
    EXPECT_EQ(host.TimerMs, g.TickSeconds * 1000);
    // Asked for while the bell waits for its answer: refused, and the player is told why.
    FastClick(g);
    Tick();
    WaitForAction(g);
    EXPECT_FALSE(g.FastMode);
    EXPECT_EQ(Reported(Output::Line, " Not speeded up: Hollowmer Jn's bell waits for an answer"),
              1);
}

// The player's own click takes the box back from the automatic signalman, and he is told so.
TEST_F(EventWait, APlayersClickTakesTheBoxBackAndSaysSo) {
    g.AutoSignalman = true;
    OnMouseDown(g, 99 * g.CellWidth + 1, g.StatusHeight + 4 * g.CellHeight + 1);
    WaitForAction(g);
    EXPECT_FALSE(g.AutoSignalman);
    EXPECT_EQ(Reported(Output::Line, " You have the box: the automatic signalman has stopped"), 1);
}

// A script's tick after a code's last beat stands for the pause that ends it: the code ends as
// a click on nothing would end it, and the tick is then taken as a step, not lost.
TEST_F(EventWait, ATappedCodeEndsByItselfBeforeTheNextTick) {
    QueueTap(g, 3, {300}, true);
    g.Inputs.Events.push_back(PlayerInput{});
    WaitForAction(g);
    WaitForAction(g);
    EXPECT_TRUE(g.BellTapping);
    WaitForAction(g);
    EXPECT_FALSE(g.BellTapping);
    // Two beats are train entering section, judged as the click on nothing would judge them:
    // refused here, since no line clear was obtained.
    long judged = 0;
    for (Output kind : {Output::Error, Output::Notice, Output::Line})
        judged += Reported(kind, "You lose 1 point for Sending TES with line clear not obtained");
    EXPECT_EQ(judged, 1);
    EXPECT_TRUE(g.Inputs.Pending());
    WaitForAction(g);
    EXPECT_TRUE(g.AwaitingAction);  // the tick ended the wait with a step due
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

TEST_F(EventWait, TappedCodeIsJudgedByTheClickThatEndsIt) {
    PanelCell plunger = TapperCell(3);
    Click(plunger);
    Click(plunger, 400);
    Click(plunger, 400);  // "3"
    Click({100, 1}, 100);
    for (int i = 0; i < 4; ++i) {
        WaitForAction(g);
        EXPECT_FALSE(g.AwaitingAction);
    }
    EXPECT_FALSE(g.BellTapping);
    EXPECT_EQ(g.PendingBellBox, 0);
    EXPECT_EQ(g.PendingBellCode, 0);
}

// A click that ends one code and starts another on a second plunger is the new code's first
// beat, not the old code's first click. Learning mode asks about each code as it is read.
TEST_F(EventWait, EachCodeIsTimedFromItsOwnFirstBeat) {
    g.LearningMode = true;
    Click(TapperCell(1));
    Click(TapperCell(3), 400);   // ends "1" to box 1 and starts a code to box 3
    Click(TapperCell(3), 1950);  // its second beat, within the pause allowed
    Click({100, 1}, 100);
    for (int i = 0; i < 4; ++i) WaitForAction(g);
    // 2-1 to box 2, its first beat ending a one-beat code to box 4.
    g.BoxBlock[2][1] = LineClear;
    Click(TapperCell(4));
    Click(TapperCell(2), 500);
    Click(TapperCell(2), 200);
    Click(TapperCell(2), 900);
    Click({100, 1}, 100);
    for (int i = 0; i < 5; ++i) WaitForAction(g);
    auto codes = Said(Output::Ask);
    for (std::string& code : codes) code = code.substr(0, code.find("  "));
    EXPECT_EQ(codes,
              (std::vector<std::string>{"Tap code 1", "Tap code 2", "Tap code 1", "Tap code 2-1"}));
}

TEST_F(EventWait, ALateTapEndsTheCodeAndDoesNotStartAnother) {
    g.LearningMode = true;
    PanelCell plunger = TapperCell(1);
    Click(plunger);
    Click(plunger, 500);
    Click(plunger, 2500);
    for (int i = 0; i < 3; ++i) WaitForAction(g);
    EXPECT_FALSE(g.BellTapping);
    ASSERT_EQ(Said(Output::Ask).size(), 1u);
    EXPECT_EQ(Said(Output::Ask)[0].substr(0, 11), "Tap code 2 ");
}

// The window's timer goes on while a code is tapped; its expiry ends no wait. (A scripted tick
// stands for the pause that ends the code instead: ATappedCodeEndsByItselfBeforeTheNextTick.)
TEST_F(EventWait, TicksAreIgnoredWhileTapping) {
    PanelCell plunger = TapperCell(4);
    Click(plunger);
    WaitForAction(g);
    EXPECT_TRUE(g.BellTapping);
    OnTimer(g);
    EXPECT_FALSE(g.TimerDue);
    Click(plunger, 300);
    WaitForAction(g);
    EXPECT_FALSE(g.AwaitingAction);  // the tap ended the wait, not the tick
    EXPECT_EQ(g.TapCount, 3);
}

TEST_F(EventWait, ChosenBellIsPlayedAndTheNextStepComesAtOnce) {
    g.Inputs.BellCodes = {16};
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
    g.Inputs.BellCodes = {1};
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

// Repeating an offer and then working the instrument or the home signal for the train, as a
// signalman working by hand does: the code is judged before the click that ended it acts.
TEST_F(EventWait, ATappedCodeIsJudgedBeforeTheActionOfTheClickThatEndsIt) {
    g.AutoBlockInstruments = false;
    g.ClockNow = 600;
    for (int lever : {0, 50}) {
        const int train = testing::BookTrain(g, 30, 610, 4, 1, 2);  // 3-1 for Pellingford
        g.TrainTimes[train].fill(NoTime);
        g.BoxBlock[3][1] = LineBlocked;
        g.LeverNormal[50] = 1;
        g.BoxOfferedTrain[3] = train;
        g.BoxBellShown[3] = g.BoxRingPending[3] = 3;
        g.BoxBellAnswered[3] = 0;
        g.Points = 0;
        PanelCell plunger = TapperCell(3);
        Click(plunger);
        Click(plunger, 300);
        Click(plunger, 300);
        Click(plunger, 1200);
        PanelCell next = lever == 0 ? InstrumentHandleCell(3) : LeverCell(lever);
        Click(next, 100);
        if (lever != 0) Click(next, 1000);  // the confirming click
        for (int i = 0; i < 5; ++i) WaitForAction(g);
        EXPECT_EQ(g.TrainState[train], TrainAccepted) << "lever " << lever;
        EXPECT_EQ(g.Points, 0) << (Said(Output::Error).empty() ? "" : Said(Output::Error).back());
    }
    EXPECT_EQ(g.BoxBlock[3][1], LineBlocked);  // the lever case left it for the player
    EXPECT_EQ(g.LeverNormal[50], 0);
}

TEST_F(EventWait, CancelledBellListSendsNothing) {
    Click(BoxNameCell(2));
    WaitForAction(g);
    EXPECT_EQ(g.PendingBellCode, 0);
    EXPECT_EQ(g.BoxBellSent[2], 0);
}

}  // namespace
}  // namespace kv41
