#include "framework/text_grid.h"

#include <gtest/gtest.h>

#include "framework/framework_start.h"
#include "recording_host.h"
#include "session/window_input.h"

namespace kv41 {

namespace {

// A window whose events the game handles while it pauses: a press on the panel comes at PressMs.
struct PressDuringPause : HeadlessPlatform {
    explicit PressDuringPause(GameState& g) : HeadlessPlatform(g), game(g) {}
    void ProcessEvents() override {
        if (PressMs < 0 || VirtualMs < PressMs) return;
        PressMs = -1;
        ClickCell(game, 10, 4, VirtualMs);
    }
    GameState& game;
    int PressMs = -1;
};

}  // namespace

TEST(TextGrid, LostFontEndsTheProgramWithTheFatalBox) {
    testing::RecordingGame game;
    game.host.FontWidth = 0;
    EXPECT_THROW(StartFramework(game.g, "KV41"), ProgramEnd);
    ASSERT_EQ(game.host.Boxes.size(), 1u);
    EXPECT_EQ(game.host.Boxes[0].Text,
              "Program cannot continue:\r\nWindows has lost the Font file\r\n"
              "Please see Error Messages page in Help");
    EXPECT_EQ(game.host.Boxes[0].HelpContext, 261);
}

TEST(TextGrid, TextRunningPastTheRightEdgeContinuesOnTheNextRow) {
    testing::RecordingGame game;
    MoveCursor(game.g, 95, 5);
    WriteText(game.g, "ABCDEFGHIJ");
    WriteText(game.g, "K");
    EXPECT_EQ(game.host.Row(5).substr(94), "ABCDEF");
    EXPECT_EQ(game.host.Row(6).substr(0, 6), "GHIJK ");
}

TEST(TextGrid, BlanksAreWrittenInPiecesOfSixtyAcrossRows) {
    testing::RecordingGame game;
    GameState& g = game.g;
    for (int row : {5, 6}) {
        MoveCursor(g, 1, row);
        WriteText(g, std::string(GridColumns, 'x'));
    }
    game.host.Draws.clear();
    MoveCursor(g, 1, 5);
    WriteBlanks(g, 130);
    EXPECT_EQ(game.host.Row(5), std::string(GridColumns, ' '));
    EXPECT_EQ(game.host.Row(6), std::string(30, ' ') + std::string(70, 'x'));
    std::vector<std::size_t> sizes;
    for (const auto& drawn : game.host.Draws) sizes.push_back(drawn.Text.size());
    // 60, then the second piece of 60 split at the edge, then 10.
    EXPECT_EQ(sizes, (std::vector<std::size_t>{60, 40, 20, 10}));
}

TEST(TextGrid, BottomRowsRememberWhatWasWrittenUntilCleared) {
    testing::RecordingGame game;
    GameState& g = game.g;
    MoveCursor(g, 1, 30);
    WriteText(g, "status");
    MoveCursor(g, 1, 31);
    WriteText(g, "Pull ");
    WriteText(g, "lever");
    g.BottomRecording = false;
    WriteText(g, " unseen");
    EXPECT_EQ(BottomLine(g, 31), "Pull lever");
    ClearMessageLine(g);
    EXPECT_EQ(BottomLine(g, 31), "");
    EXPECT_EQ(BottomLine(g, 30), "status");
    EXPECT_EQ(game.host.Row(31), std::string(GridColumns, ' '));
}

TEST(TextGrid, PauseKeepsHandlingEventsAndEndsAcrossMidnight) {
    testing::GameOn<PressDuringPause> game(7);
    game.host.VirtualMs = 24 * 3600 * 1000 - 500;
    game.g.SessionRunning = true;
    game.host.PressMs = game.host.VirtualMs + 300;
    Pause(game.g, 2000);
    EXPECT_GE(game.host.VirtualMs, 1500);
    EXPECT_LT(game.host.VirtualMs, 1700);
    EXPECT_TRUE(game.g.ClickPending) << "a click during a pause is remembered";
}

}  // namespace kv41
