#include "framework/messages.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "framework/message_window.h"
#include "framework/text_grid.h"
#include "recording_host.h"

namespace kv41 {

using Entry = std::pair<Output, std::string>;

TEST(Messages, PointsTextsUseTheSingularForOnePoint) {
    testing::RecordingGame game;
    GameState& g = game.g;
    LosePoints(g, 1, "no train leaving section");
    LosePoints(g, 10, "a wrong route");
    GainPoints(g, 3, "overtaking");
    EXPECT_EQ(g.Points, -8);
    EXPECT_EQ(game.host.Reported(Output::Error),
              (std::vector<std::string>{"You lose 1 point for no train leaving section",
                                        "You lose 10 points for a wrong route"}));
    EXPECT_EQ(game.host.Reported(Output::Bonus),
              std::vector<std::string>{"You gain 3 points for overtaking"});
}

TEST(Messages, PointsTextIsCutTo79Characters) {
    testing::RecordingGame game;
    std::string reason(100, 'r');
    LosePoints(game.g, 2, reason);
    auto errors = game.host.Reported(Output::Error);
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_EQ(errors[0].size(), 79u);
    EXPECT_EQ(errors[0].substr(0, 22), "You lose 2 points for ");
    EXPECT_EQ(game.g.MessageText[2], errors[0]);
}

TEST(Messages, FlashShowsTheTextInItsColoursForTwoSecondsThenClearsTheLine) {
    testing::RecordingGame game;
    GameState& g = game.g;
    int start = game.host.VirtualMs;
    ShowError(g, "Lever locked");
    EXPECT_GE(game.host.VirtualMs - start, 2000);
    ASSERT_EQ(game.host.Draws.size(), 1u);
    const auto& drawn = game.host.Draws[0];
    EXPECT_EQ(drawn.Text, "Lever locked");
    EXPECT_EQ(drawn.Fg, White);
    EXPECT_EQ(drawn.Bg, ErrorRed);
    EXPECT_EQ(drawn.Y, (MessageLineRow - 1) * g.CellHeight + g.StatusHeight);
    EXPECT_EQ(game.host.Row(MessageLineRow), std::string(GridColumns, ' '));
    EXPECT_EQ(g.TextColour, LightGrey);
    EXPECT_EQ(game.host.Transcript, (std::vector<Entry>{{Output::Sound, "snderror.wav"},
                                                        {Output::Error, "Lever locked"}}));

    game.host.Draws.clear();
    ShowNotice(g, "Notice");
    ShowBonus(g, "Bonus");
    ASSERT_EQ(game.host.Draws.size(), 2u);
    EXPECT_EQ(game.host.Draws[0].Fg, Black);
    EXPECT_EQ(game.host.Draws[0].Bg, NoticeYellow);
    EXPECT_EQ(game.host.Draws[1].Fg, Black);
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
    EXPECT_EQ(game.host.Reported(Output::Notice)[0].size(), 150u);
    EXPECT_EQ(g.MessageText[g.MessageIndex].size(), 100u);
}

TEST(Messages, WaitOnErrorUsesBoxesOfTheRightTypeAndNoFlash) {
    testing::RecordingGame game;
    GameState& g = game.g;
    g.WaitOnError = true;
    g.HelpContext = 410;
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
    EXPECT_EQ(game.host.Boxes[2].HelpContext, 410);
    EXPECT_EQ(game.host.Reported(Output::Error), std::vector<std::string>{"E"});
    EXPECT_EQ(game.host.Reported(Output::Notice), std::vector<std::string>{"N"});
    // The bonus chime plays before the box opens.
    auto bonus = std::find(game.host.Transcript.begin(), game.host.Transcript.end(),
                           Entry{Output::Bonus, "B"});
    ASSERT_NE(bonus, game.host.Transcript.begin());
    EXPECT_EQ(*(bonus - 1), (Entry{Output::Sound, "sndbonus.wav"}));
    EXPECT_EQ(g.MessageText[g.MessageIndex], "B");
}

TEST(Messages, SoundOffPlaysNothing) {
    testing::RecordingGame game;
    game.g.SoundOn = false;
    LosePoints(game.g, 1, "x");
    EXPECT_TRUE(game.host.Reported(Output::Sound).empty());
}

TEST(Messages, LineMessageIsReportedAndStaysUnlessPaused) {
    testing::RecordingGame game;
    GameState& g = game.g;
    ShowLineMessage(g, "Pull lever 12 again", White, LegendBrown);
    EXPECT_EQ(game.host.Row(MessageLineRow).substr(0, 19), "Pull lever 12 again");
    EXPECT_EQ(game.host.Reported(Output::Line), std::vector<std::string>{"Pull lever 12 again"});
    EXPECT_EQ(g.TextColour, LightGrey);
    ShowLineMessage(g, "615 train held", White, Rgb{160, 32, 32}, 2000);
    EXPECT_EQ(game.host.Row(MessageLineRow), std::string(GridColumns, ' '));
    EXPECT_TRUE(game.host.Reported(Output::Error).empty());
}

TEST(Messages, FatalErrorShowsItsBoxAndEndsTheProgram) {
    testing::RecordingGame game;
    try {
        FatalError(game.g, "No loco for train 12");
        FAIL() << "FatalError returned";
    } catch (const ProgramEnd& end) {
        EXPECT_EQ(end.ExitCode, 1);
    }
    EXPECT_EQ(game.g.HelpContext, 261);
    EXPECT_EQ(game.host.Reported(Output::Box),
              std::vector<std::string>{"Program cannot continue: / No loco for train 12 / "
                                       "Please see Error Messages page in Help"});
}

TEST(MessagesWindow, NewGameHasNoMessages) {
    testing::RecordingGame game;
    InfoWindow window = BuildMessagesWindow(game.g);
    EXPECT_EQ(window.Name, "messages");
    EXPECT_EQ(window.Caption, "Recent messages");
    EXPECT_EQ(window.Heads, std::vector<std::string>{"No messages recorded"});
    EXPECT_TRUE(window.Lines.empty());
}

TEST(MessagesWindow, KeepsTheLatestSixteenOldestFirst) {
    testing::RecordingGame game;
    GameState& g = game.g;
    for (int i = 1; i <= 17; ++i) {
        g.ClockNow = 360 + i;
        StoreMessage(g, "message " + std::to_string(i));
    }
    InfoWindow window = BuildMessagesWindow(g);
    EXPECT_EQ(window.Heads, std::vector<std::string>{"Time   Message"});
    ASSERT_EQ(window.Lines.size(), 16u);
    EXPECT_EQ(window.Lines.front(), " 6.02  message 2");
    EXPECT_EQ(window.Lines.back(), " 6.17  message 17");
}

TEST(MessagesWindow, MessageAtOneMinuteToMidnightOfANightShiftIsShown) {
    testing::RecordingGame game;
    game.g.ClockNow = -1;
    StoreMessage(game.g, "late call");
    EXPECT_EQ(BuildMessagesWindow(game.g).Lines, std::vector<std::string>{"11p59  late call"});
}

TEST(MessagesWindow, LongTextSplitsAtTheLastBlankWithinSeventyTwo) {
    std::string exact(72, 'a');
    EXPECT_EQ(MessageLines(365, exact), std::vector<std::string>{" 6.05  " + exact});

    std::string longer = std::string(60, 'a') + " " + std::string(12, 'b');  // 73
    EXPECT_EQ(MessageLines(750, longer),
              (std::vector<std::string>{"12p30  " + std::string(60, 'a') + " ",
                                        "       " + std::string(12, 'b')}));

    std::string hundred = std::string(30, 'a') + " " + std::string(69, 'c');
    auto lines = MessageLines(-30, hundred);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0], "11p30  " + std::string(30, 'a') + " ");
    EXPECT_EQ(lines[1], "       " + std::string(60, 'c'));

    EXPECT_EQ(MessageLines(1455, std::string(80, 'x'))[0].substr(0, 7), " 0*15  ");
}

}  // namespace kv41
