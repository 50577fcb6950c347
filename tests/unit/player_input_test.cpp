#include <gtest/gtest.h>

#include "block_fixture.h"
#include "panel/click_regions.h"
#include "session/event_wait.h"
#include "session/scripted_input.h"

namespace kv41 {
namespace {

// Scripted input is taken by the game's own waits: the platform is never asked to wait (it has
// no idle hook, so waiting on it would end the program).
struct ScriptedInput : ::testing::Test, testing::JunctionGame {
    ScriptedInput() { g.SoundOn = false; }

    void Click(PanelCell cell, int afterMs = -1) {
        g.Inputs.Events.push_back(PlayerInput::Click(cell.Column, cell.Row, afterMs));
    }
};

TEST_F(ScriptedInput, TheLeversConfirmingClickIsTakenByItsOwnWait) {
    Click(LeverCell(21));
    Click(LeverCell(21));
    WaitForAction(g);
    EXPECT_EQ(g.LeverNormal[21], 0);
    EXPECT_FALSE(g.AwaitingAction);
    EXPECT_FALSE(g.Inputs.Pending());
    // A tick ends the next wait as the timer's would.
    g.Inputs.Events.emplace_back();
    WaitForAction(g);
    EXPECT_TRUE(g.AwaitingAction);
}

TEST_F(ScriptedInput, TappedBeatsKeepTheirScriptedRhythmWhateverTheClockSays) {
    PanelCell plunger = TapperCell(3);
    Click(plunger);
    for (int gap : {300, 300, 1200}) Click(plunger, gap);
    Click(PanelCell{GridColumns, 1}, 0);
    for (int i = 0; i < 5; ++i) WaitForAction(g);
    EXPECT_EQ(g.BoxBellSent[3], 3);  // 3-1
    EXPECT_FALSE(g.BellTapping);
}

TEST_F(ScriptedInput, DialogsTakeQueuedAnswersAndReportThem) {
    g.Inputs.Answers.push_back(false);
    g.LearningMode = true;
    PanelCell plunger = TapperCell(1);
    Click(plunger);
    Click(PanelCell{GridColumns, 1}, 0);
    WaitForAction(g);
    WaitForAction(g);
    EXPECT_EQ(Said(Output::Ask),
              std::vector<std::string>{"Tap code 1      Call attention - OK? -> no"});
    EXPECT_EQ(g.PendingBellCode, 0);

    g.Inputs.BellCodes.push_back(16);
    Click(BoxNameCell(4));
    WaitForAction(g);
    EXPECT_EQ(g.BoxBellSent[4], 16);
    EXPECT_TRUE(g.Inputs.BellCodes.empty());
}

TEST_F(ScriptedInput, MenuCommandsActOnlyWhereTheWindowWouldLetThem) {
    PlayerInput pause = PlayerInput::Menu(InputKind::Pause, {}, true);
    EXPECT_TRUE(RunMenuCommand(g, pause));
    EXPECT_TRUE(g.Paused);
    EXPECT_FALSE(RunMenuCommand(g, pause));
    EXPECT_FALSE(RunMenuCommand(g, PlayerInput::Menu(InputKind::Restart, "x.sav")));
    // While paused a click is not taken, but the menu's unpause is.
    Click(LeverCell(21));
    g.Inputs.Events.push_back(PlayerInput::Menu(InputKind::Pause, {}, false));
    EXPECT_TRUE(TakeScriptedInput(g));
    EXPECT_TRUE(TakeScriptedInput(g));
    EXPECT_FALSE(g.Paused);
    EXPECT_FALSE(g.ClickPending);
    EXPECT_FALSE(RunMenuCommand(g, PlayerInput::Menu(InputKind::Option, "nosuch", true)));
    EXPECT_TRUE(RunMenuCommand(g, PlayerInput::Menu(InputKind::Rules, "WR")));
    EXPECT_EQ(g.Rules, RuleBook::WR);
}

}  // namespace
}  // namespace kv41
