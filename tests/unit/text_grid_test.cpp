#include "framework/text_grid.h"

#include <gtest/gtest.h>

#include "framework/framework_start.h"
#include "recording_host.h"

namespace kv41 {

namespace {

void FillRow(GameState& g, int row, char c) {
    MoveCursor(g, 1, row);
    WriteText(g, std::string(GridColumns, c));
}

}  // namespace

TEST(TextGrid, CellMetricsComeFromThePanelFont) {
    testing::RecordingGame game;
    GameState& g = game.g;
    SetupPanelFont(g);
    EXPECT_EQ(g.CellWidth, HeadlessPlatform::FontCellWidth);
    EXPECT_EQ(g.CellHeight, HeadlessPlatform::FontTextHeight + 1);
    EXPECT_EQ(g.CellHalfHeight, g.CellHeight / 2);
    EXPECT_EQ(g.StatusHeight, 2 * g.CellHeight);
    MoveCursor(g, 3, 2);
    EXPECT_EQ(g.CursorX, 2 * g.CellWidth);
    EXPECT_EQ(g.CursorY, g.CellHeight + g.StatusHeight);
}

TEST(TextGrid, LostFontEndsTheProgramWithTheFatalBox) {
    testing::RecordingGame game;
    game.host.FontWidth = 0;
    EXPECT_THROW(StartFramework(game.g, "KV41"), ProgramEnd);
    ASSERT_EQ(game.host.Boxes.size(), 1u);
    EXPECT_EQ(game.host.Boxes[0].Text,
              "Program cannot continue:\r\nWindows has lost the Font file\r\n"
              "Please see Error Messages page in Help");
    EXPECT_EQ(game.host.Boxes[0].Type, BoxType::Error);
    EXPECT_EQ(game.host.Boxes[0].HelpContext, 261);
}

TEST(TextGrid, TextRunningPastTheRightEdgeContinuesOnTheNextRow) {
    testing::RecordingGame game;
    GameState& g = game.g;
    MoveCursor(g, 95, 5);
    WriteText(g, "ABCDEFGHIJ");
    EXPECT_EQ(game.host.Row(5).substr(94), "ABCDEF");
    EXPECT_EQ(game.host.Row(6).substr(0, 5), "GHIJ ");
    EXPECT_EQ(g.CursorRow, 6);
    WriteText(g, "K");
    EXPECT_EQ(game.host.Row(6).substr(0, 5), "GHIJK");
}

TEST(TextGrid, BlanksAreWrittenInPiecesOfSixtyAcrossRows) {
    testing::RecordingGame game;
    GameState& g = game.g;
    FillRow(g, 5, 'x');
    FillRow(g, 6, 'x');
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
    g.BottomRecording = true;
    MoveCursor(g, 1, 29);
    WriteText(g, "not kept");
    EXPECT_EQ(BottomLine(g, 30), "status");
    EXPECT_EQ(BottomLine(g, 31), "Pull lever");
    EXPECT_EQ(BottomLine(g, 29), "");
    ClearMessageLine(g);
    EXPECT_EQ(BottomLine(g, 31), "");
    EXPECT_EQ(BottomLine(g, 30), "status");
    EXPECT_EQ(game.host.Row(31), std::string(GridColumns, ' '));
    EXPECT_EQ(g.CursorRow, 31);
    EXPECT_EQ(g.CursorX, 0);
}

TEST(TextGrid, TextIsDrawnInTheCurrentColours) {
    testing::RecordingGame game;
    GameState& g = game.g;
    LegendColours(g);
    WriteText(g, "H");
    DefaultColours(g);
    WriteText(g, "R");
    ASSERT_EQ(game.host.Draws.size(), 2u);
    EXPECT_EQ(game.host.Draws[0].Fg, White);
    EXPECT_EQ(game.host.Draws[0].Bg, LegendBrown);
    EXPECT_EQ(game.host.Draws[1].Fg, LightGrey);
    EXPECT_EQ(game.host.Draws[1].Bg, Black);
}

TEST(TextGrid, PauseKeepsHandlingEventsAndEndsAcrossMidnight) {
    testing::RecordingGame game;
    constexpr int Day = 24 * 3600 * 1000;
    game.host.VirtualMs = Day - 500;
    Pause(game.g, 2000);
    EXPECT_GE(game.host.VirtualMs, 1500);
    EXPECT_LT(game.host.VirtualMs, 1700);

    game.g.SessionRunning = true;
    game.host.QueueClick(10, 4, 300);
    Pause(game.g, 1000);
    EXPECT_TRUE(game.g.ClickPending) << "a click during a pause is remembered";
}

TEST(TextGrid, TwoDigitsKeepsTheLeadingZero) {
    EXPECT_EQ(TwoDigits(5), "05");
    EXPECT_EQ(TwoDigits(0), "00");
    EXPECT_EQ(TwoDigits(59), "59");
}

}  // namespace kv41
