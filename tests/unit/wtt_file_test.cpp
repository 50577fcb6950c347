#include <gtest/gtest.h>

#include <filesystem>

#include "position_fixture.h"
#include "windows/wtt_file.h"

namespace kv41 {
namespace {

using testing::ReadFileText;
using testing::ScratchDirectory;
using testing::StartedProgram;
using testing::WriteFileText;

std::vector<std::string> TrainLines(const std::string& text) {
    std::vector<std::string> lines = testing::CrLfLines(text);
    // Three heading lines before, two empty lines after.
    return {lines.begin() + 3, lines.end() - 2};
}

TEST(WttFile, NightShiftListsTheTrainsStillToComeIncludingThoseAfterSix) {
    StartedProgram program;
    GameState& g = program.g;
    SetUpNewGame(g, 0, 0);
    ASSERT_GT(g.TrainCount, 0);
    std::vector<std::string> lines = TrainLines(WttFileText(g, "night.txt"));
    std::size_t expected = 0, afterSix = 0;
    for (int t = 1; t <= g.TrainCount; ++t) {
        if (g.TrainDue[t] == NoTime || g.TrainState[t] == TrainGone) continue;
        // A train that ran before 22.00 the evening before is not to come.
        EXPECT_GE(g.TrainDue[t] + g.TrainLate[t], g.ShiftStart) << "train " << t;
        ++expected;
        if (g.TrainDue[t] > g.ShiftEnd) ++afterSix;
    }
    EXPECT_EQ(lines.size(), expected);
    EXPECT_GT(afterSix, 0u);
}

TEST(WttFile, LinesInTimetableOrderLeaveOutGoneAndCancelledTrains) {
    StartedProgram program;
    GameState& g = program.g;
    g.TrainCount = 4;
    auto train = [&](int t, int due, int from, int cls, uint8_t state, const char* origin,
                     const char* dest) {
        g.TrainDue[t] = due;
        g.TrainFrom[t] = from;
        g.TrainClass[t] = cls;
        g.TrainState[t] = state;
        g.TrainOrigin[t] = origin;
        g.TrainDest[t] = dest;
    };
    train(1, 1515, 2, 2, TrainBooked, "Brenley", "Pellingford");
    train(2, 600, 4, 6, TrainGone, "Gone", "Before");
    train(3, NoTime, 1, 1, TrainBooked, "Cancelled", "Row");
    train(4, 598, 3, 13, TrainReported, "Exchange", "Nowhere");  // no such class
    EXPECT_EQ(WttFileText(g, "C:/tt/KV41WTT.txt"),
              "Working Timetable for Tarrock Junction, Summer weekday 1954\r\n"
              "  Saved as file C:/tt/KV41WTT.txt\r\n"
              "Time  Line From             To                  Class\r\n"
              " 1*15  BL  Brenley         Pellingford    Ordinary passenger\r\n"
              " 9.58  EX  Exchange        Nowhere        \r\n"
              "\r\n\r\n");
}

TEST(WttFile, OfferAsksWritesAndConfirmsOnTheMessageLine) {
    ScratchDirectory dir;
    StartedProgram program;
    GameState& g = program.g;
    SetUpNewGame(g, 1, 0);
    program.host.Transcript.clear();
    OfferWttFile(g);  // cancelled
    ASSERT_EQ(program.host.Asked.size(), 1u);
    const FileChoice& asked = program.host.Asked[0];
    EXPECT_TRUE(asked.Save);
    EXPECT_EQ(asked.Title, "Create a WTT file");
    EXPECT_EQ(asked.DefaultName, "KV41WTT");
    EXPECT_EQ(asked.DefaultExt, "txt");
    EXPECT_EQ(asked.Filter, "WTT files|*.txt|All|*.*");
    EXPECT_EQ(asked.InitialDir, g.LastDirectory);
    EXPECT_TRUE(program.host.Transcript.empty());

    std::string file = dir.File("early.txt");
    program.g.Inputs.Files.push_back(file);
    int before = program.host.VirtualMs;
    OfferWttFile(g);
    EXPECT_EQ(ReadFileText(file), WttFileText(g, file));
    EXPECT_EQ(g.LastDirectory, dir.Path());
    EXPECT_EQ(program.Said(Output::Line),
              std::vector<std::string>{"WTT file " + file + " created"});
    EXPECT_GE(program.host.VirtualMs - before, 3000);
}

TEST(WttFile, FileThatCannotBeWrittenIsReportedAndTheOldOneKept) {
    ScratchDirectory dir;
    StartedProgram program;
    GameState& g = program.g;
    std::string file = dir.File("old.txt");
    WriteFileText(file, "the player's earlier timetable");
    auto failing = [](const std::string&, const std::string&) { return false; };
    EXPECT_FALSE(WriteWttFile(g, file, failing));
    EXPECT_EQ(ReadFileText(file), "the player's earlier timetable");
    EXPECT_EQ(
        program.Said(Output::Error),
        std::vector<std::string>{"Unable to write file - disk may be full or write-protected"});
    EXPECT_TRUE(program.Said(Output::Line).empty());
}

}  // namespace
}  // namespace kv41
