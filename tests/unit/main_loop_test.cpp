#include <gtest/gtest.h>

#include "input/player_input.h"
#include "session/main_loop.h"
#include "session/window_input.h"
#include "test_support.h"

namespace kv41 {
namespace {

struct MainLoop : ::testing::Test, testing::FreshGame {
    MainLoop() {
        g.ShiftStart = 360;
        g.ShiftEnd = 840;
        g.ShiftTarget = 40;
        g.ShiftName = "Early";
        g.ClockNow = 400;
        g.SoundOn = false;
    }

    // Runs the session until it ends or the scripted input runs out; true when it ended.
    bool Run() {
        try {
            RunSession(g);
            return true;
        } catch (const ProgramEnd&) {
            return false;
        }
    }
};

TEST_F(MainLoop, QuitAnsweredNoGoesOnPlaying) {
    g.Inputs.Events.push_back(PlayerInput::Click(90, 29));
    g.Inputs.Answers = {false};
    EXPECT_FALSE(Run());
    EXPECT_EQ(Said(Output::Ask), std::vector<std::string>{"Do you really want to quit? -> no"});
    EXPECT_FALSE(g.EndRequested);
    EXPECT_FALSE(g.QuitConfirmed);
    EXPECT_TRUE(g.SessionRunning);
}

TEST_F(MainLoop, ConfirmedQuitEndsTheSessionWithTheRating) {
    g.Inputs.Events.push_back(PlayerInput::Typed('q'));
    g.Inputs.Events.emplace_back();
    EXPECT_TRUE(Run());
    EXPECT_TRUE(g.QuitConfirmed);
    EXPECT_TRUE(g.SessionOver);
    EXPECT_FALSE(g.SessionRunning);
    EXPECT_TRUE(host.TerminateRequested);
    std::vector<std::string> rating = Said(Output::Rating);
    ASSERT_EQ(rating.size(), 3u);
    EXPECT_EQ(rating[0], "Your rating is fair.");
    EXPECT_FALSE(host.Menu["&Save"]);
}

TEST_F(MainLoop, QuitAtTheShiftsLastMinuteNeedsNoQuestion) {
    g.ClockNow = g.ShiftEnd;
    g.Inputs.Events.push_back(PlayerInput::Click(90, 29));
    EXPECT_TRUE(Run());
    EXPECT_TRUE(Said(Output::Ask).empty());
    EXPECT_EQ(Said(Output::Rating).size(), 3u);
}

TEST_F(MainLoop, ClosingTheWindowDuringASessionAsksTheQuestion) {
    g.SessionRunning = true;
    g.StartScreen = false;
    g.FirstActivation = false;
    EXPECT_FALSE(MayCloseWindow(g));
    EXPECT_TRUE(g.EndRequested);
    g.EndRequested = false;
    g.InputBlocked = true;
    EXPECT_FALSE(MayCloseWindow(g));
    EXPECT_FALSE(g.EndRequested);
    g.SessionRunning = false;
    g.InputBlocked = false;
    g.StartScreen = true;
    EXPECT_TRUE(MayCloseWindow(g));
}

// The window's close button while the game is paused: the question comes at once, not only
// when the player finds the Pause item again.
TEST_F(MainLoop, ClosingWhilePausedAsksAtOnce) {
    g.FirstActivation = false;
    g.Paused = true;
    bool closed = false;
    host.OnIdle = [&] {
        if (closed) return false;
        closed = true;
        EXPECT_FALSE(MayCloseWindow(g));
        g.Inputs.Events
            .emplace_back();  // the wait ends on something; a paused timer does not count
        return true;
    };
    g.Inputs.Answers = {true};
    EXPECT_TRUE(Run());
    EXPECT_EQ(Said(Output::Ask), std::vector<std::string>{"Do you really want to quit? -> yes"});
    EXPECT_TRUE(g.QuitConfirmed);
    EXPECT_TRUE(g.SessionOver);
}

TEST_F(MainLoop, ClicksAndKeysAreIgnoredWhilePaused) {
    g.SessionRunning = true;
    TogglePause(g);
    EXPECT_EQ(
        Said(Output::Box),
        std::vector<std::string>{"Simulation paused -  / Uncheck Pause in Game menu to continue"});
    OnMouseDown(g, 50, 200);
    OnKeyPress(g, 'Q');
    OnTimer(g);
    EXPECT_FALSE(g.ClickPending);
    EXPECT_FALSE(g.KeyActionPending);
    EXPECT_FALSE(g.TimerDue);
    TogglePause(g);
    OnTimer(g);
    EXPECT_TRUE(g.TimerDue);
}

}  // namespace
}  // namespace kv41
