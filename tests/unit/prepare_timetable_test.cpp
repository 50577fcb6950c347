// Bringing the timetable up to a shift: engines of trains already run, headways, the start.
#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "model/timetable.h"
#include "session/new_game.h"
#include "test_support.h"

namespace kv41 {
namespace {

using testing::FreshGame;

// A hand-made timetable on the built layout, every train exactly on time.
struct SmallDay {
    FreshGame game;
    GameState& g = game.g;

    SmallDay(int start, int end) {
        g.TrainCount = 0;
        g.ShiftStart = start;
        g.ShiftEnd = end;
        g.ClockNow = start;
    }
    int Add(int due, int engine, int next = 0, int from = 1, int trainClass = 2,
            std::string_view origin = "Wendham") {
        AddTrain(g, 0, due, from, 4, engine, next, 200, origin, "Radlow", trainClass);
        g.TrainLate[g.TrainCount] = 0;
        return g.TrainCount;
    }
    // A chain of trains before the start listed latest first, so that each hand-over of the
    // engine takes one more pass: the last row has the engine, each row works the row above.
    void AddBackwardChain(int rows) {
        const int first = g.TrainCount + 1;
        for (int k = 0; k < rows; ++k) {
            const bool last = k == rows - 1;
            Add(100 + k, last ? 5 : EngineUnknown, k == 0 ? 0 : first + k - 1);
        }
    }
};

TEST(PrepareTimetable, EnginesPassAlongTrainsThatRanBeforeTheStart) {
    SmallDay day(600, 1080);
    GameState& g = day.g;
    const int early = day.Add(500, 7, 3);
    const int backward = day.Add(520, EngineUnknown);
    const int middle = day.Add(560, EngineUnknown, 5);
    const int later = day.Add(530, 8, backward);  // hands back to a row above it
    const int afterStart = day.Add(650, EngineUnknown);
    const int ownAfterStart = day.Add(640, 9, 0);
    g.TrainLate[ownAfterStart] = -2;

    PrepareTimetable(g);
    for (int t : {early, backward, middle, later}) EXPECT_EQ(g.TrainState[t], TrainGone) << t;
    EXPECT_EQ(g.TrainEngine[backward], 8);
    EXPECT_EQ(g.TrainEngine[middle], 7);
    EXPECT_EQ(g.TrainEngine[afterStart], 7);
    EXPECT_EQ(g.TrainState[afterStart], TrainBooked);
    EXPECT_EQ(g.TrainState[ownAfterStart], TrainBooked);
    EXPECT_EQ(g.ClockNow, 600);
}

TEST(PrepareTimetable, ChainsNeedingTwentyOnePassesStillWork) {
    SmallDay day(600, 1080);
    day.AddBackwardChain(21);
    EXPECT_NO_THROW(PrepareTimetable(day.g));
    for (int t = 1; t <= 21; ++t) {
        EXPECT_EQ(day.g.TrainState[t], TrainGone) << t;
        EXPECT_EQ(day.g.TrainEngine[t], 5) << t;
    }
}

// The caller then shows "No loco for train N" and ends the program.
TEST(PrepareTimetable, TrainStillWithoutEngineAfterTwentyPassesIsReported) {
    SmallDay day(600, 1080);
    day.AddBackwardChain(22);
    EXPECT_EQ(PrepareTimetable(day.g), 1);
}

// A train booked 30 minutes or more after the shift's end takes no part, even if it never
// gets an engine; one booked a minute earlier is a broken timetable.
TEST(PrepareTimetable, TrainsLongAfterTheShiftTakeNoPartInTheEngineCheck) {
    {
        SmallDay day(600, 1080);
        day.AddBackwardChain(21);
        day.Add(1110, EngineUnknown);
        EXPECT_EQ(PrepareTimetable(day.g), 0);
    }
    SmallDay day(600, 1080);
    day.AddBackwardChain(21);
    const int orphan = day.Add(1109, EngineUnknown);
    EXPECT_EQ(PrepareTimetable(day.g), orphan);
}

TEST(PrepareTimetable, TrainsOfAGroupAreSpacedByTheLinesHeadway) {
    SmallDay day(600, 1080);
    GameState& g = day.g;
    const int first = day.Add(700, 3);
    const int close = day.Add(703, 4, 0, 1, 1);
    const int goods = day.Add(705, 5, 0, 1, 8);  // another group: not held back
    const int third = day.Add(710, 6);
    const int cancelled = day.Add(701, 7);
    CancelTrain(g, cancelled);
    const int gone = day.Add(590, EngineUnknown, 0, 4);
    const int otherLine = day.Add(702, 8, 0, 4);

    PrepareTimetable(g);
    EXPECT_EQ(g.TrainLate[first], 0);
    EXPECT_EQ(g.TrainDue[close] + g.TrainLate[close], 709);
    EXPECT_EQ(g.TrainLate[goods], 0);
    EXPECT_EQ(g.TrainDue[third] + g.TrainLate[third], 718);
    EXPECT_EQ(g.TrainState[gone], TrainGone);  // past the start, engine or none
    EXPECT_EQ(g.TrainLate[otherLine], 0);
    EXPECT_EQ(g.LineTrains[1][1], first);
    EXPECT_EQ(g.LineTrains[1][2], goods);
    EXPECT_EQ(g.LineTrains[1][3], 0);
    EXPECT_EQ(g.LineTrains[4][1], otherLine);
}

TEST(PrepareTimetable, DownSidingsDeparturesKeepTheirTimesOnTheExchangeLine) {
    SmallDay day(600, 1080);
    GameState& g = day.g;
    const int yard = day.Add(800, 3, 0, 3, 9, "Exchange Sdg");
    const int sidings = day.Add(800, 4, 0, 3, 9, "Down Sdgs");
    const int yardAgain = day.Add(800, 5, 0, 3, 9, "Exchange Sdg");
    PrepareTimetable(g);
    EXPECT_EQ(g.TrainLate[yard], 0);
    EXPECT_EQ(g.TrainLate[sidings], 0);
    EXPECT_EQ(g.TrainLate[yardAgain], 1);
    EXPECT_EQ(g.LineTrains[3][2], yard);
}

// The whole built day, brought up to each shift at an easy and a hard level: nothing already
// past is left to run, no train that will run has lost the engine it waits for, and trains
// entering by a line keep their headway.
TEST(PrepareTimetable, EveryShiftStartsWithAWorkableTimetable) {
    for (uint32_t seed = 1; seed <= 12; ++seed) {
        for (int shift = 0; shift < 5; ++shift) {
            for (int level : {0, 3}) {
                FreshGame game(seed);
                GameState& g = game.g;
                ASSERT_NO_THROW(SetUpNewGame(g, shift, level));
                const std::string where = "seed " + std::to_string(seed) + " shift " +
                                          std::to_string(shift) + " level " +
                                          std::to_string(level) + " train ";
                ASSERT_EQ(g.ClockNow, g.ShiftStart);
                std::array<std::array<int, 4>, 6> last{};
                for (auto& line : last) line.fill(NoTime);
                for (int t = 1; t <= g.TrainCount; ++t) {
                    if (IsBlankRow(g, t) || g.TrainState[t] == TrainGone) continue;
                    const int due = g.TrainDue[t] + g.TrainLate[t];
                    EXPECT_GE(due, g.ShiftStart) << where << t;
                    if (g.TrainEngine[t] == EngineUnknown) {
                        bool provided = false;
                        for (int p = 1; p < t; ++p)
                            provided = provided ||
                                       (g.TrainNextWorking[p] == t && g.TrainState[p] != TrainGone);
                        EXPECT_TRUE(provided) << where << t << " has lost its engine";
                    }
                    const int line = g.TrainFrom[t];
                    if (line == 3 && g.TrainOrigin[t].view().starts_with("D")) continue;
                    int& previous = last[line][ClassGroup(g.TrainClass[t])];
                    if (previous != NoTime)
                        EXPECT_GE(due - previous, g.LineHeadway[line]) << where << t;
                    else
                        EXPECT_EQ(g.LineTrains[line][ClassGroup(g.TrainClass[t])], t) << where;
                    previous = due;
                }
            }
        }
    }
}

TEST(PrepareTimetable, NightShiftLosesNoTrain) {
    FreshGame game(5);
    GameState& g = game.g;
    SetUpNewGame(g, 0, 3);
    ASSERT_EQ(g.ShiftStart, -120);
    for (int t = 1; t <= g.TrainCount; ++t) {
        if (IsBlankRow(g, t)) continue;
        // Only the trains cancelled for the day are gone.
        EXPECT_EQ(g.TrainState[t] == TrainGone, g.TrainDue[t] == NoTime) << t;
    }
}

}  // namespace
}  // namespace kv41
