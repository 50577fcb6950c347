#include "framework/messages.h"

#include <gtest/gtest.h>

#include "framework/message_window.h"
#include "framework/text_grid.h"
#include "recording_host.h"

namespace kv41 {

using Entry = std::pair<Output, std::string>;

TEST(Messages, PointsTextsUseTheSingularAndAreCutTo79) {
    testing::RecordingGame game;
    LosePoints(game.g, 1, "no train leaving section");
    GainPoints(game.g, 3, std::string(100, 'r'));
    EXPECT_EQ(game.g.Points, 2);
    EXPECT_EQ(game.Said(Output::Error),
              std::vector<std::string>{"You lose 1 point for no train leaving section"});
    auto bonus = game.Said(Output::Bonus);
    ASSERT_EQ(bonus.size(), 1u);
    EXPECT_EQ(bonus[0], ("You gain 3 points for " + std::string(100, 'r')).substr(0, 79));
}

TEST(Messages, FlashShowsTheTextInItsColoursForTwoSecondsThenClearsTheLine) {
    testing::RecordingGame game;
    GameState& g = game.g;
    int start = game.host.VirtualMs;
    ShowError(g, "Lever locked");
    EXPECT_GE(game.host.VirtualMs - start, 2000);
    ASSERT_EQ(game.host.Draws.size(), 1u);
    EXPECT_EQ(game.host.Draws[0].Fg, White);
    EXPECT_EQ(game.host.Draws[0].Bg, ErrorRed);
    EXPECT_EQ(game.host.Draws[0].Y, (MessageLineRow - 1) * g.CellHeight + g.StatusHeight);
    EXPECT_EQ(game.host.Row(MessageLineRow), std::string(GridColumns, ' '));
    EXPECT_EQ(game.host.Transcript, (std::vector<Entry>{{Output::Sound, "snderror.wav"},
                                                        {Output::Error, "Lever locked"}}));

    ShowBonus(g, "Bonus");
    EXPECT_EQ(game.host.Draws[1].Bg, BonusGreen);
    // The bonus chime comes after the text is written.
    EXPECT_EQ(std::vector<Entry>(game.host.Transcript.end() - 2, game.host.Transcript.end()),
              (std::vector<Entry>{{Output::Bonus, "Bonus"}, {Output::Sound, "sndbonus.wav"}}));
}

TEST(Messages, LongMessageStaysOnTheMessageLine) {
    testing::RecordingGame game;
    GameState& g = game.g;
    MoveCursor(g, 1, GridRows);
    WriteText(g, "status line");
    ShowNotice(g, std::string(150, 'n'));
    EXPECT_EQ(game.host.Row(GridRows).substr(0, 12), "status line ");
    EXPECT_EQ(game.Said(Output::Notice)[0].size(), 150u);
    EXPECT_EQ(g.MessageText[g.MessageIndex].size(), 100u);
}

TEST(Messages, WaitOnErrorUsesBoxesOfTheRightTypeAndNoFlash) {
    testing::RecordingGame game;
    GameState& g = game.g;
    g.WaitOnError = true;
    int start = game.host.VirtualMs;
    ShowError(g, "E");
    ShowNotice(g, "N");
    ShowBonus(g, "B");
    EXPECT_EQ(game.host.VirtualMs, start);
    EXPECT_TRUE(game.host.Draws.empty());
    ASSERT_EQ(game.host.Boxes.size(), 3u);
    EXPECT_EQ(game.host.Boxes[0].Type, BoxType::Error);
    EXPECT_EQ(game.host.Boxes[1].Type, BoxType::Warning);
    EXPECT_EQ(game.host.Boxes[2].Type, BoxType::Information);
    EXPECT_EQ(game.Said(Output::Notice), std::vector<std::string>{"N"});
    EXPECT_EQ(game.Said(Output::Sound).back(), "sndbonus.wav");
    EXPECT_EQ(g.MessageText[g.MessageIndex], "B");
}

TEST(MessagesWindow, KeepsTheLatestSixteenOldestFirst) {
    testing::RecordingGame game;
    GameState& g = game.g;
    for (int i = 1; i <= 17; ++i) {
        g.ClockNow = i == 17 ? -1 : 360 + i;  // -1: a minute to midnight before a Night shift
        StoreMessage(g, "message " + std::to_string(i));
    }
    InfoWindow window = BuildMessagesWindow(g);
    EXPECT_EQ(window.Heads, std::vector<std::string>{"Time   Message"});
    ASSERT_EQ(window.Lines.size(), 16u);
    EXPECT_EQ(window.Lines.front(), " 6.02  message 2");
    EXPECT_EQ(window.Lines.back(), "11p59  message 17");
}

TEST(MessagesWindow, LongTextSplitsAtTheLastBlankWithinSeventyTwo) {
    std::string exact(72, 'a');
    EXPECT_EQ(MessageLines(365, exact), std::vector<std::string>{" 6.05  " + exact});

    std::string longer = std::string(60, 'a') + " " + std::string(12, 'b');  // 73
    EXPECT_EQ(MessageLines(750, longer),
              (std::vector<std::string>{"12p30  " + std::string(60, 'a') + " ",
                                        "       " + std::string(12, 'b')}));

    auto lines = MessageLines(1455, std::string(30, 'a') + " " + std::string(69, 'c'));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], " 0*15  " + std::string(30, 'a') + " ");
    EXPECT_EQ(lines[1], "       " + std::string(60, 'c'));
}

}  // namespace kv41
