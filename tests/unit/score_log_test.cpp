#include "framework/score_log.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "framework/messages.h"
#include "recording_host.h"

namespace kv41 {

namespace {

std::string ReadLog() {
    std::ifstream in("KV41 log.txt");
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

void WriteFile(const std::string& name, const std::string& text) {
    std::ofstream(name) << text;
}

class ScoreLog : public testing::InTemporaryDirectory {
protected:
    void SetUp() override {
        InTemporaryDirectory::SetUp();
        g.ScoreLogging = true;
        g.ClockNow = 365;
        g.DataDirectory = "";  // the temporary current directory
    }
    testing::RecordingGame game;
    GameState& g = game.g;
};

}  // namespace

TEST(ScoreLogTime, TwelveHourClockOnEitherSideOfTheShiftDay) {
    EXPECT_EQ(LogTime(365), "06.05");
    EXPECT_EQ(LogTime(0), "00.00");
    EXPECT_EQ(LogTime(720), "12p00");
    EXPECT_EQ(LogTime(810), "01p30");
    EXPECT_EQ(LogTime(-120), "10p00");
    EXPECT_EQ(LogTime(-90), "10p30");
    EXPECT_EQ(LogTime(1515), "01.15");
}

TEST_F(ScoreLog, NothingIsWrittenWhileLoggingIsOff) {
    g.ScoreLogging = false;
    LosePoints(g, 2, "accepting train with clearing point obstructed");
    EXPECT_FALSE(std::filesystem::exists("KV41 log.txt"));
    EXPECT_EQ(g.LogWrites, 0);
}

TEST_F(ScoreLog, FirstEntryOfAGameReplacesAnEarlierLog) {
    WriteFile("KV41 log.txt", "Score log for KV41\nfrom an earlier game\n");
    LosePoints(g, 2, "accepting train with clearing point obstructed");
    g.ClockNow = 370;
    std::string longReason = "giving down 6.10 express a clear road" + std::string(60, '!');
    GainPoints(g, 3, longReason);
    // The message is cut to 79 characters; the log keeps the whole reason.
    EXPECT_EQ(ReadLog(),
              "Score log for KV41\n"
              "06.05    -2 accepting train with clearing point obstructed\n"
              "06.10     3 " +
                  longReason + "\n");
    EXPECT_EQ(g.LogWrites, 2);
}

TEST_F(ScoreLog, RestoredGameAppendsToItsLogUnderTheSameName) {
    WriteFile("KV41 log.txt", "Score log for KV41\n06.01    -1 earlier\n");
    g.LogWrites = 1;  // as a restored position brings it
    LosePoints(g, 1, "TOOS already sent");
    EXPECT_EQ(ReadLog(),
              "Score log for KV41\n06.01    -1 earlier\n06.05    -1 TOOS already sent\n");
    EXPECT_EQ(g.LogWrites, 2);
    EXPECT_EQ(game.Said(Output::Error).size(), 1u) << "only the points message";
}

TEST_F(ScoreLog, RestoredGameWhoseLogHasGoneStartsANewOne) {
    g.LogWrites = 4;
    LosePoints(g, 1, "TOOS already sent");
    EXPECT_EQ(
        game.Said(Output::Error),
        (std::vector<std::string>{"You lose 1 point for TOOS already sent",
                                  "Unable to write to existing log file - creating new file"}));
    EXPECT_EQ(ReadLog(),
              "Score log for KV41\n"
              "New log file - original file for saved game not found\n"
              "   -1 TOOS already sent\n");
    EXPECT_EQ(g.LogWrites, 5);
    EXPECT_TRUE(g.ScoreLogging);
}

TEST_F(ScoreLog, LogThatCannotBeCreatedSwitchesLoggingOff) {
    std::filesystem::create_directory("KV41 log.txt");
    LosePoints(g, 1, "TOOS already sent");
    EXPECT_EQ(game.Said(Output::Error).back(),
              "Unable to write log file - disk may be full or write-protected");
    EXPECT_FALSE(g.ScoreLogging);
    EXPECT_EQ(g.LogWrites, 0);
    LosePoints(g, 1, "TOOS already sent");
    EXPECT_EQ(game.Said(Output::Error).size(), 3u) << "no second complaint";
    EXPECT_EQ(g.Points, -2);
}

}  // namespace kv41
