// The front-end model: what every front end shows and how the window's commands reach the game.
#include <gtest/gtest.h>

#include "controls/bell_window.h"
#include "frontend/dialogs.h"
#include "frontend/game_windows.h"
#include "frontend/help_topics.h"
#include "frontend/menus.h"
#include "frontend/replay_pacing.h"
#include "frontend/screen_fit.h"
#include "frontend/window_commands.h"
#include "test_support.h"

namespace kv41 {
namespace {

struct FrontEnd : ::testing::Test, testing::FreshGame, FrontEndWindows {
    std::vector<int> helpOpened;
    std::optional<OptionValues> answer;
    MenuSwitches switches;
    int optionsAsked = 0, optionsTaken = 0, helpWhileAsked = 0;

    std::optional<OptionValues> ChooseOptions() override {
        ++optionsAsked;
        helpWhileAsked = g.HelpContext;
        return answer;
    }
    void OptionsTaken() override { ++optionsTaken; }
    void OpenHelp(int topic) override { helpOpened.push_back(topic); }

    const MenuItem& Item(WindowCommand command) {
        static std::vector<MenuBarEntry> menu;
        menu = MainMenu(g, switches);
        for (const MenuBarEntry& entry : menu) {
            for (const MenuItem& item : entry.Items) {
                if (item.Command == command) return item;
            }
        }
        ADD_FAILURE() << "no item";
        return menu.front().Items.front();
    }
    bool OptionsEnabled() { return MainMenu(g, switches)[1].Enabled; }
};

TEST_F(FrontEnd, TheMenusFollowTheGamesState) {
    const std::vector<MenuBarEntry> menu = MainMenu(g, switches);
    ASSERT_EQ(menu.size(), 3u);
    EXPECT_EQ(menu[0].Title, "&Game");
    std::vector<std::string> texts;
    for (const MenuItem& item : menu[0].Items) texts.push_back(item.Text);
    EXPECT_EQ(texts, (std::vector<std::string>{"&Save", "Save &As", "&Pause", "Save Replay As...",
                                               "Restart", "", "A&utomatic signalman", "&Hint",
                                               "Shift re&view", "", "Quit"}));
    EXPECT_EQ(menu[2].Items[3].Text, "&Keys");
    EXPECT_EQ(menu[1].Command, WindowCommand::Options);
    EXPECT_EQ(menu[2].Items.back().Command, WindowCommand::About);
    // The start screen: only what needs no session.
    for (WindowCommand off : {WindowCommand::Save, WindowCommand::SaveAs, WindowCommand::Restart,
                              WindowCommand::SaveReplayAs, WindowCommand::AutoSignalman,
                              WindowCommand::Hint, WindowCommand::Review}) {
        EXPECT_FALSE(Item(off).Enabled);
    }
    EXPECT_TRUE(Item(WindowCommand::Quit).Enabled);
    EXPECT_TRUE(Item(WindowCommand::Introduction).Enabled);
    EXPECT_FALSE(OptionsEnabled());
    EXPECT_EQ(Item(WindowCommand::Hint).Shortcut, 'N');

    // A session whose wait is open, paused, with the signalman at work.
    g.SessionRunning = true;
    for (const char* item : {"&Save", "Save &As", "&Pause", "Restart", "Quit", "&Options",
                             "A&utomatic signalman", "&Hint"}) {
        EXPECT_TRUE(RecordMenuSwitch(switches, item, true));
    }
    EXPECT_FALSE(RecordMenuSwitch(switches, "Nothing", true));
    g.Paused = true;
    g.AutoSignalman = true;
    EXPECT_TRUE(Item(WindowCommand::Save).Enabled);
    EXPECT_TRUE(Item(WindowCommand::SaveReplayAs).Enabled);
    EXPECT_TRUE(Item(WindowCommand::Review).Enabled);
    EXPECT_TRUE(OptionsEnabled());
    EXPECT_TRUE(Item(WindowCommand::Pause).Checked);
    EXPECT_TRUE(Item(WindowCommand::AutoSignalman).Checked);
    // An action under way closes the game menu but not the signalman's items.
    for (const char* item : {"Quit", "&Save", "Save &As", "Restart", "&Pause", "&Options"}) {
        RecordMenuSwitch(switches, item, false);
    }
    EXPECT_FALSE(Item(WindowCommand::Restart).Enabled);
    EXPECT_FALSE(Item(WindowCommand::Pause).Enabled);
    EXPECT_FALSE(OptionsEnabled());
    EXPECT_TRUE(Item(WindowCommand::Hint).Enabled);
}

TEST_F(FrontEnd, CommandsGivenWhileTheGameIsAtWorkWaitForItsNextWait) {
    CommandQueue queue;
    queue.Give(g, {WindowCommand::Penalties}, *this);
    EXPECT_EQ(helpOpened, std::vector<int>{HelpTopic::Penalties});
    EXPECT_FALSE(queue.RunHeld(g, *this));

    g.SessionRunning = true;
    g.StartScreen = false;
    queue.SetAtWork(true);
    queue.Give(g, {WindowCommand::Pause}, *this);
    queue.Give(g, {WindowCommand::Quit}, *this);
    queue.Give(g, Command::Typed('+'), *this);
    EXPECT_FALSE(g.Paused);
    EXPECT_FALSE(g.EndRequested);
    EXPECT_EQ(queue.Held(), 3u);
    queue.SetAtWork(false);
    const int speedBefore = g.TickSeconds;
    EXPECT_TRUE(queue.RunHeld(g, *this));
    EXPECT_TRUE(g.Paused);
    EXPECT_TRUE(g.EndRequested);
    EXPECT_EQ(g.TickSeconds, speedBefore);  // keys are not taken while paused
    EXPECT_EQ(queue.Held(), 0u);
    EXPECT_FALSE(queue.RunHeld(g, *this));
}

TEST_F(FrontEnd, TheOptionsWindowOpensOnlyOutsideAnotherModalStep) {
    g.SoundOn = false;
    g.InputBlocked = true;
    RunWindowCommand(g, {WindowCommand::Options}, *this);
    EXPECT_EQ(optionsAsked, 0);

    g.InputBlocked = false;
    g.HelpContext = 410;
    RunWindowCommand(g, {WindowCommand::Options}, *this);  // cancelled
    EXPECT_EQ(optionsAsked, 1);
    EXPECT_EQ(helpWhileAsked, HelpTopic::Options);
    EXPECT_EQ(optionsTaken, 0);

    answer = CurrentOptions(g);
    answer->WaitOnError = true;
    RunWindowCommand(g, {WindowCommand::Options}, *this);
    EXPECT_TRUE(g.WaitOnError);
    EXPECT_EQ(optionsTaken, 1);
    EXPECT_EQ(g.HelpContext, 410);
    EXPECT_FALSE(g.InputBlocked);
}

TEST_F(FrontEnd, HelpTopicsGoFromTheWindowToTheBoxToTheGame) {
    g.HelpContext = 410;
    EXPECT_EQ(HelpTopicInForce(g, 424, 261), 424);
    EXPECT_EQ(HelpTopicInForce(g, 0, 261), 261);
    EXPECT_EQ(HelpTopicInForce(g, 0, 0), 410);
    OpenNewGameWindow(g);
    EXPECT_EQ(g.HelpContext, HelpTopic::NewGame);
    const BellListWindow list = OpenBellList(g, 1, 99);
    EXPECT_EQ(g.HelpContext, HelpTopic::BellList);
    EXPECT_EQ(list.Caption, BellListCaption(g, 1));
    EXPECT_EQ(list.Lines.size(), 27u);
    EXPECT_EQ(list.Chosen, 26);
}

// Each cell: a width and twice it in height, one pixel per point.
CellSize Linear(int size) {
    return {size, 2 * size};
}

TEST_F(FrontEnd, TheLargestFontThatFitsTheAreaAndItsChrome) {
    const Margins chrome{4, 50, 4, 4};
    EXPECT_EQ(PanelSizeFor({9, 17}).Width, 905);
    EXPECT_EQ(PanelSizeFor({9, 17}).Height, 583);
    EXPECT_EQ(LargestFittingFontSize({1366, 768}, chrome, Linear), 10);  // the height decides
    EXPECT_EQ(LargestFittingFontSize({1920, 1080}, chrome, Linear), 15);
    EXPECT_EQ(LargestFittingFontSize({1200, 4000}, chrome, Linear), 11);  // the width decides
    EXPECT_EQ(LargestFittingFontSize({200, 200}, chrome, Linear), SmallestFontSize);
    EXPECT_EQ(LargestFittingFontSize({100000, 100000}, chrome, Linear), LargestFontSize);
}

TEST_F(FrontEnd, AResizedWindowTakesTheLargestFontThatFitsUnlessBackAtItsOwnSize) {
    const WindowSizing sized{{900, 650}, 9};
    EXPECT_EQ(FontForResizedWindow(sized, {900, 650}, false, {900, 600}, Linear), 9);
    // Maximised at the very size it had: the area decides, as at any other size.
    EXPECT_EQ(FontForResizedWindow(sized, {900, 650}, true, {1920, 1000}, Linear),
              LargestFittingFontSize({1920, 1000}, {}, Linear));
    EXPECT_EQ(FontForResizedWindow(sized, {700, 500}, false, {700, 450}, Linear),
              LargestFittingFontSize({700, 450}, {}, Linear));
}

TEST_F(FrontEnd, WindowsArePlacedOnTheScreen) {
    const Rect screen{0, 0, 1366, 768};
    const Rect centred = CentredOnScreen(screen, {1000, 700});
    EXPECT_EQ(centred.Left, 183);
    EXPECT_EQ(centred.Top, 34);
    // Too large: its caption and left edge stay on the screen.
    const Rect large = CentredOnScreen({100, 20, 800, 600}, {1000, 700});
    EXPECT_EQ(large.Left, 100);
    EXPECT_EQ(large.Top, 20);
    const Rect beside = BesideThePanel({0, 0, 1920, 1080}, {700, 500}, 16);
    EXPECT_EQ(beside.Left, 1169);
    EXPECT_EQ(beside.Top, 16);
    EXPECT_EQ(BesideThePanel(screen, {1400, 500}, 16).Left, 0);
}

bool Within(const CellRect& r, Size cells) {
    return r.Column >= 0 && r.Row >= 0 && r.Column + r.Columns <= cells.Width &&
           r.Row + r.Rows <= cells.Height;
}

TEST_F(FrontEnd, DialogsHoldTheirChoicesWithinTheirCells) {
    const NewGameWindow newGame = OpenNewGameWindow(g);
    EXPECT_EQ(newGame.Shifts.Items.size(), 5u);
    EXPECT_EQ(newGame.Levels.Items.size(), 5u);
    EXPECT_EQ(newGame.Shifts.Chosen, 3);  // the learning shift
    for (const CellRect& r : {newGame.Levels.Place, newGame.Shifts.Place, newGame.Ok.Place,
                              newGame.Cancel.Place, PicturePlace}) {
        EXPECT_TRUE(Within(r, newGame.Cells));
    }
    EXPECT_EQ(newGame.Cancel.Text, "Cancel");
    const EndWindow end = EndWindowOf("Your rating is fair.", "a", "b");
    EXPECT_EQ(end.Lines.front().Text, "Your rating is fair.");
    for (const CellRect& r :
         {end.Name.Place, end.Ok.Place, end.Review.Place, end.Lines.back().Place}) {
        EXPECT_TRUE(Within(r, end.Cells));
    }

    g.MaxFontSize = 14;
    const OptionsWindow options = OptionsWindowOf(g);
    OptionValues values = CurrentOptions(g);
    for (int rules = 0; rules < 3; ++rules) {
        SetRulesIndex(values, rules);
        EXPECT_EQ(RulesIndex(values), rules);
    }
    values.MainFontSize = 30;
    EXPECT_EQ(FontBarValue(options.FontBars[0], values), 14);
    EXPECT_FALSE(options.Preferences.back().Enabled);  // AutoSave is shown only
    EXPECT_EQ(ShownCaption("KV41", true), "KV41     (Paused)");
}

TEST_F(FrontEnd, AReplayIsGivenOneInputAtATimeThenHandedOver) {
    ReplayScript script;
    ASSERT_TRUE(script.Read("seed 5\nnew 4 1\nstep 2\nkey h\n"));
    ReplayPacing pacing(script, testing::TestProgramDirectory());
    EXPECT_EQ(pacing.NextBeat(g), ReplayPacing::Beat::Waiting);  // no session yet
    g.SessionRunning = true;
    std::vector<InputKind> given;
    for (int beat = 0; beat < 10 && pacing.Playing(); ++beat) {
        if (pacing.NextBeat(g) == ReplayPacing::Beat::Gave) {
            EXPECT_EQ(pacing.NextBeat(g), ReplayPacing::Beat::Waiting);  // not yet taken
            given.push_back(g.Inputs.Events.front().Kind);
            g.Inputs.Events.clear();
        }
    }
    EXPECT_EQ(given, (std::vector<InputKind>{InputKind::Tick, InputKind::Tick, InputKind::Key}));
    EXPECT_FALSE(pacing.Playing());
    EXPECT_EQ(pacing.NextBeat(g), ReplayPacing::Beat::Ended);
}

}  // namespace
}  // namespace kv41
