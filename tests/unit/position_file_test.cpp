#include <gtest/gtest.h>

#include <iomanip>
#include <iterator>
#include <sstream>

#include "auto_signalman.h"
#include "framework/ini_file.h"
#include "position_fixture.h"
#include "state_compare.h"
#include "windows/wtt_file.h"

namespace kv41 {
namespace {

using testing::FileDialogHost;
using testing::PlayedGame;
using testing::ReadFileText;
using testing::ScratchDirectory;
using testing::SnapshotBesideMessages;
using testing::StartedProgram;
using testing::TakeSnapshot;
using testing::WriteFileText;

std::vector<std::string> Lines(const std::string& text) {
    return testing::CrLfLines(text);
}

std::string Join(const std::vector<std::string>& lines, std::size_t count) {
    std::string text;
    for (std::size_t i = 0; i < count && i < lines.size(); ++i) text += lines[i] + "\r\n";
    return text;
}

// Every value the file carries.
void ExpectSameRunningState(const GameState& a, const GameState& b) {
    EXPECT_EQ(testing::FirstDifference(a, b), "");
}

TEST(PositionFile, SavedGameLoadsIntoAFreshProgramUnchanged) {
    ScratchDirectory dir;
    PlayedGame played;
    ASSERT_NE(played.Moving, 0);
    ASSERT_TRUE(CheckInvariants(played.g).empty());
    played.g.Inputs.Files.push_back(dir.File("game.sav"));
    SaveGameAs(played.g);

    StartedProgram fresh(99);  // other engine numbers drawn
    fresh.g.Inputs.Files.push_back(dir.File("game.sav"));
    ASSERT_TRUE(LoadPositionDialog(fresh.g));
    ExpectSameRunningState(played.g, fresh.g);
    EXPECT_EQ(fresh.g.Difficulty, 15);  // Moderate, from its name
    EXPECT_EQ(fresh.g.PositionFileName, dir.File("game.sav"));
    EXPECT_TRUE(fresh.host.Transcript.empty());
    // Every block instrument is drawn afresh at the next paint.
    EXPECT_EQ(fresh.g.BoxInstrumentDrawn[1][0], 2);
    EXPECT_EQ(fresh.g.BoxInstrumentDrawn[1][1], 1);
}

TEST(PositionFile, EveryHourOfABusyDayLoadsBackWhole) {
    StartedProgram day(11);
    testing::AutoSignalman::SetUpDay(day.g);
    StartedProgram other(23);
    int hours = 0, steps = 0;
    while (!day.g.EndRequested && steps < 20000) {
        testing::AutoSignalman::BeforeStep(day.g);
        SimulationStep(day.g);
        ++steps;
        if (day.g.MinuteTick != 10 || day.g.ClockNow % 60 != 0) continue;
        SCOPED_TRACE("at " + std::to_string(day.g.ClockNow));
        ASSERT_EQ(ReadPosition(other.g, PositionText(day.g)), LoadOutcome::Loaded);
        ExpectSameRunningState(day.g, other.g);
        ++hours;
    }
    EXPECT_EQ(hours, 24);
}

TEST(PositionFile, FileIsLaidOutInFixedWidthsWithCrLf) {
    PlayedGame played;
    GameState& g = played.g;
    std::string text = PositionText(g);
    std::vector<std::string> lines = Lines(text);
    std::size_t expected = 4 + 5 + g.TrainCount + g.SectCount + 51 + 4 + g.EngineCount + 16 + 2;
    ASSERT_EQ(lines.size(), expected);
    EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
    EXPECT_EQ(lines[0], "  -37 " + g.ProgramDate.str());
    EXPECT_EQ(lines[1], "KV41");
    std::ostringstream line3;
    line3 << "  " << g.ClockNow << "  " << g.MinuteTick << "  12" << std::setw(3) << g.MessageIndex
          << std::setw(3) << g.TrainsInArea << "    3 0" << std::setw(4) << g.TickSeconds
          << "  360  840  2  40 Early";
    EXPECT_EQ(lines[2], line3.str());
    EXPECT_EQ(lines[3], "Moderate");
    std::size_t firstLever = 4 + 5 + g.TrainCount + g.SectCount;
    EXPECT_EQ(lines[firstLever + 2], " 0");  // lever 3 pulled
    EXPECT_EQ(lines[firstLever], " 1");
    EXPECT_EQ(lines[firstLever + 51].substr(0, 4), " 1 0");  // box 1's instruments
    EXPECT_EQ(lines[firstLever + 52].substr(7, 3), " 17");   // box 2's code sent
    EXPECT_EQ(lines[expected - 1], " 0 0 1 0 1");
}

TEST(PositionFile, NumbersTooWideForTheirFieldsStillReadBack) {
    ScratchDirectory dir;
    PlayedGame played;
    played.g.OpeningPoints = -12345;  // wider than its field of 4
    played.g.TrainsInArea = 0;
    ASSERT_TRUE(WritePosition(played.g, dir.File("wide.sav")));
    StartedProgram fresh;
    ASSERT_EQ(ReadPosition(fresh.g, ReadFileText(dir.File("wide.sav"))), LoadOutcome::Loaded);
    EXPECT_EQ(fresh.g.OpeningPoints, -12345);
}

TEST(PositionFile, NightShiftBeforeMidnightKeepsItsNegativeClock) {
    PlayedGame played(0, 4);
    played.g.ClockNow = -75;  // 22.45 the evening before
    StartedProgram fresh;
    ASSERT_EQ(ReadPosition(fresh.g, PositionText(played.g)), LoadOutcome::Loaded);
    EXPECT_EQ(fresh.g.ClockNow, -75);
    EXPECT_EQ(fresh.g.ShiftName.str(), "Night");
    EXPECT_EQ(fresh.g.Difficulty, 25);
    // 23.59 is a time like any other, not a marker of a failed load.
    played.g.ClockNow = -1;
    ASSERT_EQ(ReadPosition(fresh.g, PositionText(played.g)), LoadOutcome::Loaded);
    EXPECT_EQ(fresh.g.ClockNow, -1);
}

TEST(PositionFile, SaveAsAsksThenSaveWritesTheSameFileWithoutAsking) {
    ScratchDirectory dir;
    PlayedGame played;
    GameState& g = played.g;
    played.host.Picked = dir.File("first.sav");
    int before = played.host.VirtualMs;
    SaveGame(g);  // no file yet: as Save As
    ASSERT_EQ(played.host.Asked.size(), 1u);
    const FileChoice& asked = played.host.Asked[0];
    EXPECT_TRUE(asked.Save);
    EXPECT_EQ(asked.Title, "Save your position");
    EXPECT_EQ(asked.DefaultName, "KV41");
    EXPECT_EQ(asked.DefaultExt, "sav");
    EXPECT_EQ(asked.Filter, "Saved positions|*.sav|All|*.*");
    EXPECT_EQ(asked.InitialDir, g.ProgramDirectory);
    EXPECT_EQ(g.LastDirectory, dir.Path());
    EXPECT_EQ(played.Said(Output::Line),
              std::vector<std::string>{"Position saved in file " + dir.File("first.sav")});
    EXPECT_GE(played.host.VirtualMs - before, 2000);

    g.Points = 5;
    SaveGame(g);
    EXPECT_EQ(played.host.Asked.size(), 1u);
    EXPECT_EQ(Lines(ReadFileText(dir.File("first.sav")))[0].substr(0, 5), "    5");

    played.host.Transcript.clear();
    SaveGameAs(g);  // cancelled: nothing
    EXPECT_EQ(g.PositionFileName, dir.File("first.sav"));
    EXPECT_TRUE(played.host.Transcript.empty());
}

TEST(PositionFile, FailedSaveKeepsTheOldFileAndWithdrawsTheEnd) {
    ScratchDirectory dir;
    PlayedGame played;
    GameState& g = played.g;
    std::string file = dir.File("kept.sav");
    ASSERT_TRUE(WritePosition(g, file));
    std::string old = ReadFileText(file);

    g.Points = 999;
    g.EndRequested = true;
    // The disk fills half-way through the file.
    auto halfWritten = [](const std::string& path, const std::string& text) {
        WriteFileText(path, text.substr(0, text.size() / 2));
        return false;
    };
    EXPECT_FALSE(WritePosition(g, file, halfWritten));
    EXPECT_EQ(ReadFileText(file), old);
    // Nothing left beside it.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.Path()), {}), 1);
    EXPECT_FALSE(g.EndRequested);
    EXPECT_EQ(
        played.Said(Output::Error),
        std::vector<std::string>{"Unable to write file - disk may be full or write-protected"});

    // A directory that does not exist: the same report, and no confirmation.
    played.host.Transcript.clear();
    g.PositionFileName = dir.File("no such directory/x.sav");
    SaveGame(g);
    EXPECT_EQ(played.Said(Output::Error).size(), 1u);
    EXPECT_TRUE(played.Said(Output::Line).empty());
}

// A file marked read-only, or one in a folder that is read-only or missing, is never written:
// the position, the timetable file and the settings file alike. The old file keeps its bytes
// and its permissions; a file that may be written keeps its permissions when replaced.
TEST(PositionFile, ReadOnlyTargetsAreRefusedAndLeftAsTheyWere) {
    namespace fs = std::filesystem;
    ScratchDirectory dir;
    PlayedGame played;
    GameState& g = played.g;
    const std::string unable = "Unable to write file - disk may be full or write-protected";
    const std::string kept = dir.File("kept.sav");
    WriteFileText(kept, "old bytes\r\n");
    const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read;
    fs::permissions(kept, readOnly);
    fs::create_directory(dir.File("locked"));
    fs::permissions(dir.File("locked"), fs::perms::owner_read | fs::perms::owner_exec);
#ifdef _WIN32
    // Windows keeps no more than a read-only mark, and a folder's does not stop its files being
    // made.
    const auto mark = [](fs::perms p) { return p & fs::perms::owner_write; };
    const std::vector<std::string> targets = {kept, dir.File("gone/new.sav")};
#else
    const auto mark = [](fs::perms p) { return p; };
    const std::vector<std::string> targets = {kept, dir.File("locked/new.sav"),
                                              dir.File("gone/new.sav")};
#endif

    for (const std::string& target : targets) {
        SCOPED_TRACE(target);
        played.host.Transcript.clear();
        g.EndRequested = true;
        EXPECT_FALSE(WritePosition(g, target));
        EXPECT_EQ(played.Said(Output::Error), std::vector<std::string>{unable});
        EXPECT_FALSE(g.EndRequested);
        played.host.Transcript.clear();
        EXPECT_FALSE(WriteWttFile(g, target));
        EXPECT_EQ(played.Said(Output::Error), std::vector<std::string>{unable});
        EXPECT_FALSE(WriteIniValue(target, "KV41", "Speed", "3"));
    }
    EXPECT_EQ(ReadFileText(kept), "old bytes\r\n");
    EXPECT_EQ(mark(fs::status(kept).permissions()), mark(readOnly));
    EXPECT_TRUE(fs::is_empty(dir.File("locked")));
    EXPECT_EQ(std::distance(fs::directory_iterator(dir.Path()), {}), 2);  // nothing left beside

    fs::permissions(kept, readOnly | fs::perms::owner_write);
    EXPECT_TRUE(WritePosition(g, kept));
    EXPECT_EQ(mark(fs::status(kept).permissions()), mark(readOnly | fs::perms::owner_write));
    EXPECT_EQ(ReadFileText(kept), PositionText(g));
    fs::permissions(dir.File("locked"), fs::perms::owner_all);
}

// A position that cannot be loaded: the messages, then the game exactly as it was.
struct RefusedLoad {
    std::string Name;
    std::string Text;
    std::vector<std::string> Errors;
};

TEST(PositionFile, RefusedFilesLeaveTheGameAsItWasWithTheirMessages) {
    ScratchDirectory dir;
    PlayedGame played;
    std::string valid = PositionText(played.g);
    std::vector<std::string> lines = Lines(valid);
    std::string otherSim = valid;
    otherSim.replace(otherSim.find("KV41"), 4, "KV42");
    const std::string wrongSim = "Can't continue - saved position not for this simulation";
    const std::vector<RefusedLoad> cases = {
        {"empty.sav", "", {wrongSim}},
        {"other.sav", otherSim, {wrongSim}},
        {"letters.sav", "abc 01/01/2026\r\nKV41\r\n", {"Saved file not in correct format"}},
        {"cut.sav", Join(lines, 40), {}},
        {"garbage.sav", Join(lines, 4) + "   1   2   x   4  -240\r\n", {}},
    };
    StartedProgram target;
    target.g = played.g;  // a game in progress, to be kept
    target.g.Host = &target.host;
    target.g.PositionFileName = dir.File("current.sav");
    GameState kept = target.g;
    auto before = TakeSnapshot(kept);
    for (const RefusedLoad& refused : cases) {
        SCOPED_TRACE(refused.Name);
        WriteFileText(dir.File(refused.Name), refused.Text);
        target.host.Transcript.clear();
        target.host.BoxTexts.clear();
        target.g.Inputs.Files.push_back(dir.File(refused.Name));
        EXPECT_FALSE(LoadPositionDialog(target.g));
        EXPECT_EQ(target.Said(Output::Error), refused.Errors);
        ASSERT_EQ(target.host.BoxTexts.size(), 1u);
        EXPECT_EQ(target.host.BoxTexts[0],
                  ("Invalid saved game \r\n" + dir.File(refused.Name) + "\r\nPlease choose again.")
                      .substr(0, 80));
        EXPECT_TRUE(SnapshotBesideMessages(target.g, kept) == before);
    }
    target.host.Transcript.clear();
    target.g.Inputs.Files.push_back(dir.File("missing.sav"));
    EXPECT_FALSE(LoadPositionDialog(target.g));
    EXPECT_EQ(target.Said(Output::Error), std::vector<std::string>{"Saved file not found"});
    EXPECT_TRUE(SnapshotBesideMessages(target.g, kept) == before);
}

TEST(PositionFile, FileCutShortAtAnyLineIsRefused) {
    PlayedGame played;
    std::vector<std::string> lines = Lines(PositionText(played.g));
    StartedProgram target;
    auto before = TakeSnapshot(target.g);
    for (std::size_t kept = 0; kept < lines.size(); ++kept) {
        LoadOutcome outcome = ReadPosition(target.g, Join(lines, kept));
        ASSERT_NE(outcome, LoadOutcome::Loaded) << kept << " lines";
        ASSERT_TRUE(TakeSnapshot(target.g) == before) << kept << " lines";
    }
    // The last line without its line end is still whole.
    std::string whole = Join(lines, lines.size());
    EXPECT_EQ(ReadPosition(target.g, whole.substr(0, whole.size() - 2)), LoadOutcome::Loaded);
}

// Replaces token `token` (0-based) of line `line` (0-based) of the file.
std::string WithToken(const std::string& text, std::size_t line, int token,
                      const std::string& value) {
    std::vector<std::string> lines = Lines(text);
    std::istringstream words(lines.at(line));
    std::vector<std::string> tokens{std::istream_iterator<std::string>(words), {}};
    tokens.at(static_cast<std::size_t>(token)) = value;
    std::string joined;
    for (const std::string& word : tokens) joined += " " + word;
    lines[line] = joined;
    return Join(lines, lines.size());
}

TEST(PositionFile, NumbersOutsideTheirTablesAreRefused) {
    PlayedGame played;
    GameState& g = played.g;
    std::string valid = PositionText(g);
    const std::size_t trains = 9, sections = trains + g.TrainCount;
    const std::size_t boxes = sections + g.SectCount + 51;
    const std::size_t tail = boxes + 4 + g.EngineCount + 16;
    const std::string trainPast = std::to_string(g.TrainCount + 1);
    struct Bad {
        std::size_t Line;
        int Token;
        std::string Value;
    };
    const std::vector<Bad> bad = {
        {2, 1, "11"},                                    // MinuteTick
        {2, 3, "17"},                                    // MessageIndex
        {2, 7, "0"},                                     // TickSeconds
        {2, 10, "6"},                                    // ShiftNumber
        {4, 0, trainPast},                               // LineTrains
        {4, 2, "-1"},                                    // LineTrains
        {trains, 2, std::to_string(g.EngineCount + 1)},  // TrainEngine
        {trains, 2, "998"},
        {trains, 3, std::to_string(g.SectCount + 1)},  // TrainSect
        {trains, 6, "7"},                              // TrainState
        {trains, 7, "99999"},                          // TrainTimes
        {sections, 0, trainPast},                      // SectTrain
        {sections, 1, "-5"},                           // SectNext
        {sections, 1, std::to_string(g.SectCount + 1)},
        {sections, 2, "-1"},     // SectBehind
        {boxes - 1, 0, "2"},     // LeverNormal
        {boxes, 0, "3"},         // outgoing instrument
        {boxes, 1, "-1"},        // incoming instrument
        {boxes, 2, "27"},        // BoxBellShown
        {boxes, 5, trainPast},   // BoxOfferedTrain
        {boxes, 13, "27"},       // BoxAcceptedCode
        {boxes, 14, trainPast},  // BoxToosTrain
        {tail, 0, "0"},          // MessageIndex again
        {tail, 2, trainPast},    // YardTrain
        {tail + 1, 3, "1"},      // LMR with WR
        {tail + 1, 0, "2"},      // a flag
        {trains, 0, "12x"},      // not a number
        {trains, 0, "99999999999999999999"},
    };
    StartedProgram target;
    target.g.Points = 250;
    auto before = TakeSnapshot(target.g);
    for (const Bad& b : bad) {
        SCOPED_TRACE("line " + std::to_string(b.Line + 1) + " token " + std::to_string(b.Token) +
                     " = " + b.Value);
        EXPECT_EQ(ReadPosition(target.g, WithToken(valid, b.Line, b.Token, b.Value)),
                  LoadOutcome::ReadError);
        EXPECT_TRUE(TakeSnapshot(target.g) == before);
    }
    // A line with a number too many or one missing.
    std::vector<std::string> lines = Lines(valid);
    for (std::size_t line : {trains, sections}) {
        for (const std::string& changed : {lines[line] + " 5", lines[line].substr(0, 10)}) {
            std::vector<std::string> edited = lines;
            edited[line] = changed;
            EXPECT_EQ(ReadPosition(target.g, Join(edited, edited.size())), LoadOutcome::ReadError)
                << changed;
        }
    }
}

// The file keeps the difficulty by name only: one of the five in any capitals gives its level,
// any other name is kept as text and the game keeps the level it runs at.
TEST(PositionFile, DifficultyNameIsKeptAndItsLevelDerivedWhereKnown) {
    PlayedGame played;  // Moderate
    std::vector<std::string> lines = Lines(PositionText(played.g));
    StartedProgram target;
    target.g.Difficulty = 10;
    for (const auto& [name, level] : std::vector<std::pair<std::string, int>>{
             {"VERY HARD", 25}, {"very easy", 5}, {"Impossible", 5}, {"", 5}, {"hard", 20}}) {
        std::vector<std::string> edited = lines;
        edited[3] = name;
        ASSERT_EQ(ReadPosition(target.g, Join(edited, edited.size())), LoadOutcome::Loaded) << name;
        EXPECT_EQ(target.g.DifficultyName.str(), name);
        EXPECT_EQ(target.g.Difficulty, level) << name;
    }
}

TEST(PositionFile, RestartLoadsIntoTheRunningGameAndSetsTheCaption) {
    ScratchDirectory dir;
    PlayedGame night(0, 3);
    ASSERT_TRUE(WritePosition(night.g, dir.File("night.sav")));

    PlayedGame early(1, 0);
    GameState& g = early.g;
    g.GameTitle = "Tarrock Junction Signal Box Summer 1954";
    early.g.Inputs.Files.push_back(dir.File("night.sav"));
    RestartGame(g);
    EXPECT_EQ(g.ShiftName.str(), "Night");
    EXPECT_EQ(g.Difficulty, 20);
    EXPECT_EQ(early.host.Caption,
              "Tarrock Junction Signal Box Summer 1954     Night shift     Hard");

    // Cancelled: the clock and everything else stay; paused: not even a dialog.
    auto before = TakeSnapshot(g);
    early.host.Transcript.clear();
    RestartGame(g);
    EXPECT_TRUE(TakeSnapshot(g) == before);
    EXPECT_TRUE(early.host.Transcript.empty());
    g.Paused = true;
    std::size_t asked = early.host.Asked.size();
    RestartGame(g);
    EXPECT_EQ(early.host.Asked.size(), asked);
}

TEST(PositionFile, AutoSaveWritesInTheDataDirectoryWithoutAWord) {
    ScratchDirectory dir, elsewhere;
    PlayedGame played;
    GameState& g = played.g;
    g.DataDirectory = dir.Path();
    g.PositionFileName = elsewhere.File("mine.sav");
    AutoSavePosition(g);
    EXPECT_TRUE(played.host.Transcript.empty());
    EXPECT_EQ(ReadFileText(dir.File("KV41 autosave.sav")), PositionText(g));
    EXPECT_FALSE(std::filesystem::exists(elsewhere.File("KV41 autosave.sav")));
}

}  // namespace
}  // namespace kv41
