#include "model/timetable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "platform/platform.h"
#include "session/new_game.h"
#include "test_support.h"

namespace kv41 {
namespace {

using testing::FreshGame;

constexpr int Rows = 174;

// The generator state whose next draw from 0..range-1 gives value, so that a test can put a
// chosen number in front of the code under test.
uint32_t SeedGiving(int range, int value) {
    constexpr uint32_t multiplier = 134775813u;
    uint32_t inverse = multiplier;
    for (int i = 0; i < 5; ++i) inverse *= 2u - multiplier * inverse;
    const uint64_t wanted = ((static_cast<uint64_t>(value) << 32) + range - 1) / range;
    return (static_cast<uint32_t>(wanted) - 1u) * inverse;
}

bool IsSidings(const GameState& g, int t, bool entering) {
    return (entering ? g.TrainFrom[t] : g.TrainTo[t]) == 3;
}

// Booked times of every row as built, including rows that the build cancels on some days:
// gathered from as many seeds as it takes to see each of them run.
std::map<int, int> BookedTimes() {
    std::map<int, int> due;
    for (uint32_t seed = 1; seed < 200; ++seed) {
        FreshGame game(seed);
        for (int t = 1; t <= Rows; ++t)
            if (game.g.TrainDue[t] != NoTime) due[t] = game.g.TrainDue[t];
    }
    return due;
}

TEST(Timetable, BlankRowsAndCounts) {
    FreshGame game;
    const GameState& g = game.g;
    ASSERT_EQ(g.TrainCount, Rows);
    const std::set<int> blank{1,  5,  11, 14, 20, 24, 31,  38,  43,  47,  53,  58, 65,
                              80, 83, 86, 93, 96, 99, 103, 115, 119, 154, 166, 169};
    std::map<int, int> byLine, byClass;
    for (int t = 1; t <= Rows; ++t) {
        EXPECT_EQ(IsBlankRow(g, t), blank.count(t) == 1) << t;
        if (IsBlankRow(g, t)) {
            EXPECT_EQ(g.TrainState[t], TrainBlank) << t;
            EXPECT_EQ(g.TrainDue[t], NoTime) << t;
            continue;
        }
        ++byLine[g.TrainFrom[t]];
        ++byClass[g.TrainClass[t]];
        EXPECT_EQ(g.TrainTimes[t][RegLineClearGiven], NoTime);
        EXPECT_EQ(g.TrainTimes[t][RegToosReceived], NoTime);
        EXPECT_EQ(g.TrainSect[t], 0);
    }
    EXPECT_EQ(byLine, (std::map<int, int>{{1, 47}, {2, 10}, {3, 28}, {4, 59}, {5, 5}}));
    EXPECT_EQ(byClass, (std::map<int, int>{{1, 12},
                                           {2, 32},
                                           {3, 6},
                                           {4, 3},
                                           {6, 9},
                                           {7, 4},
                                           {8, 22},
                                           {9, 21},
                                           {10, 24},
                                           {11, 8},
                                           {12, 8}}));
}

TEST(Timetable, BookedTimesRunInOrderFromEveningToMorning) {
    const std::map<int, int> due = BookedTimes();
    ASSERT_EQ(due.size(), 149u);
    EXPECT_EQ(due.begin()->second, -109);
    EXPECT_EQ(due.rbegin()->second, 1515);
    int previous = -240;
    for (const auto& [row, time] : due) {
        EXPECT_GE(time, previous) << "row " << row;
        previous = time;
    }
    EXPECT_EQ(due.at(4), -93);
    EXPECT_EQ(due.at(101), 857);
    EXPECT_EQ(due.at(106), 890);
    EXPECT_EQ(due.at(121), 1025);
    EXPECT_EQ(due.at(129), 1075);
    EXPECT_EQ(due.at(147), 1231);
    EXPECT_EQ(due.at(148), 1252);
    EXPECT_EQ(due.at(160), 1347);
    EXPECT_EQ(due.at(170), 1470);  // 00.30 the next morning
}

struct Row {
    int Number, Due, From, To;
    const char *Origin, *Destination;
    int Class, Length, Engine, NextWorking;
};

// Rows whose details other parts of the game lean on; 0 stands for "any" in length and engine.
constexpr Row TellingRows[] = {
    {2, -109, 1, 4, "Elmsworth", "Kingsmeade", 10, 260, 41, 45},
    {45, 343, 4, 1, "Radlow", "Elmsworth", 3, 0, EngineUnknown, 0},
    {3, -100, 4, 3, "Radlow", "Exchange Sdg", 9, 20, 10, 7},
    {7, -70, 3, 5, "Exchange Sdg", "Eastmarsham", 11, 270, EngineUnknown, 0},
    {48, 378, 4, 2, "Pellock", "Coldmere", 12, 140, 0, 0},
    {39, 283, 1, 3, "Mistlebrook", "Down Sdgs", 10, 0, 5, 41},
    {41, 300, 3, 4, "Down Sdgs", "Pellock", 10, 0, EngineUnknown, 0},
    {54, 438, 1, 4, "Wendham", "Radlow", 2, 20, 0, 0},
    {174, 1515, 3, 5, "Exchange Sdg", "Rudby", 10, 0, 0, 0},
};

TEST(Timetable, TellingRows) {
    FreshGame game;
    const GameState& g = game.g;
    for (const Row& row : TellingRows) {
        const int t = row.Number;
        EXPECT_EQ(g.TrainDue[t], row.Due) << t;
        EXPECT_EQ(g.TrainFrom[t], row.From) << t;
        EXPECT_EQ(g.TrainTo[t], row.To) << t;
        EXPECT_EQ(g.TrainOrigin[t].str(), row.Origin) << t;
        EXPECT_EQ(g.TrainDest[t].str(), row.Destination) << t;
        EXPECT_EQ(g.TrainClass[t], row.Class) << t;
        if (row.Length != 0) {
            EXPECT_EQ(g.TrainLength[t], row.Length) << t;
        }
        if (row.Engine != 0) {
            EXPECT_EQ(g.TrainEngine[t], row.Engine) << t;
        }
        if (row.NextWorking != 0) {
            EXPECT_EQ(g.TrainNextWorking[t], row.NextWorking) << t;
        }
    }
}

// Engines pass from train to train along the next workings; each hand-over must be one that a
// railway could make: back off the line the engine went out on, with time to turn round.
TEST(Timetable, NextWorkingsFormAWorkableDay) {
    FreshGame game;
    const GameState& g = game.g;
    const std::map<int, int> due = BookedTimes();
    std::map<int, std::vector<int>> providers;
    int unknownEngines = 0, nextWorkings = 0;
    std::map<int, std::vector<int>> rowsOfEngine;
    for (int t = 1; t <= Rows; ++t) {
        if (IsBlankRow(g, t)) continue;
        if (g.TrainEngine[t] == EngineUnknown)
            ++unknownEngines;
        else
            rowsOfEngine[g.TrainEngine[t]].push_back(t);
        const int next = g.TrainNextWorking[t];
        if (next == 0) continue;
        ++nextWorkings;
        providers[next].push_back(t);
        ASSERT_GT(next, t) << "row " << t;
        ASSERT_LE(next, Rows);
        EXPECT_EQ(g.TrainEngine[next], EngineUnknown) << t << " -> " << next;
        // Out and back by the same line; the sidings keep exchange and down-siding engines
        // apart.
        EXPECT_EQ(g.TrainTo[t], g.TrainFrom[next]) << t << " -> " << next;
        const bool sidings = IsSidings(g, t, false);
        if (sidings) {
            const bool downSidings = g.TrainDest[t].view().starts_with("D");
            EXPECT_EQ(g.TrainOrigin[next].str(), downSidings ? "Down Sdgs" : "Exchange Sdg")
                << t << " -> " << next;
            EXPECT_EQ(g.TrainDest[t].str(), downSidings ? "Down Sdgs" : "Exchange Sdg");
        }
        EXPECT_GE(due.at(next) - due.at(t), sidings ? 10 : 20) << t << " -> " << next;
    }
    EXPECT_EQ(unknownEngines, 79);
    EXPECT_EQ(nextWorkings, 80);
    for (int t = 1; t <= Rows; ++t) {
        if (IsBlankRow(g, t) || g.TrainEngine[t] != EngineUnknown) continue;
        const std::vector<int>& from = providers[t];
        if (from.size() == 2)
            EXPECT_EQ(from, (std::vector<int>{121, 129})) << t;
        else
            EXPECT_EQ(from.size(), 1u) << "row " << t;
    }
    // 70 trains start with an engine of their own, 68 engines in all: the two Ketterworth
    // times share one, and so do the two evenings' Tarnwick trains.
    EXPECT_EQ(g.EngineCount, 68);
    ASSERT_EQ(rowsOfEngine.size(), 68u);
    int ownEngines = 0;
    for (const auto& [engine, rows] : rowsOfEngine) {
        EXPECT_GE(engine, 1);
        EXPECT_LE(engine, 68);
        ownEngines += static_cast<int>(rows.size());
        if (rows.size() > 1) {
            EXPECT_TRUE(rows == (std::vector<int>{121, 129}) || rows == (std::vector<int>{4, 160}))
                << "engine " << engine;
        }
    }
    EXPECT_EQ(ownEngines, 70);
}

// A train that may be cancelled must never be the only way an engine reaches a train that
// always runs, or that train would wait for ever.
TEST(Timetable, ConditionalTrainsPassTheirEnginesOnlyToEachOther) {
    FreshGame game;
    const GameState& g = game.g;
    EXPECT_EQ(g.TrainNextWorking[101], 106);
    EXPECT_EQ(g.TrainNextWorking[147], 148);
    for (int t : {4, 106, 148, 160}) EXPECT_EQ(g.TrainNextWorking[t], 0) << t;
    for (int t : {4, 101, 121, 129, 147, 160}) EXPECT_NE(g.TrainEngine[t], EngineUnknown) << t;
}

TEST(Timetable, LengthsFitTheTrainAndTheSidings) {
    FreshGame game;
    const GameState& g = game.g;
    for (int t = 1; t <= Rows; ++t) {
        if (IsBlankRow(g, t)) continue;
        const int length = g.TrainLength[t];
        if (g.TrainClass[t] == 9) {
            EXPECT_EQ(length, 20) << t;
        } else if (length == 20) {
            EXPECT_EQ(g.TrainClass[t], 2) << "only a railcar runs so short: row " << t;
        } else if (g.TrainClass[t] == 12 && (g.TrainFrom[t] == 2 || g.TrainTo[t] == 2)) {
            EXPECT_GE(length, 140) << t;
            EXPECT_LT(length, 200) << t;
        } else {
            EXPECT_GE(length, 200) << t;
            EXPECT_LE(length, 290) << t;
        }
        if (g.TrainOrigin[t].view().starts_with("D") || g.TrainDest[t].view().starts_with("D")) {
            EXPECT_LE(length, g.SectLength[19]) << "a down-siding road must hold row " << t;
        }
    }
}

TEST(Timetable, EngineNumbersAreUniqueAndRightAligned) {
    for (uint32_t seed = 1; seed <= 300; ++seed) {
        FreshGame game(seed);
        const GameState& g = game.g;
        ASSERT_EQ(g.EngineCount, 68);
        std::set<std::string> seen;
        for (int e = 1; e <= g.EngineCount; ++e) {
            const std::string& number = g.EngineNumber[e];
            ASSERT_EQ(number.size(), 5u) << seed << " engine " << e;
            EXPECT_NE(number.back(), ' ');
            EXPECT_TRUE(seen.insert(number).second) << "seed " << seed << " repeats " << number;
        }
        const std::string last = g.EngineNumber[68];
        EXPECT_TRUE(last >= "62031" && last <= "62040") << last;
    }
}

TEST(Timetable, PickEngineFavoursTheFirstCandidateAndSkipsTakenNumbers) {
    FreshGame game(7, false);
    GameState& g = game.g;
    const std::array<std::string_view, 4> list{" 2815", " 2834", " 2861", " 2807"};
    for (auto [draw, expected] :
         {std::pair{0, " 2815"}, {1, " 2815"}, {2, " 2834"}, {4, " 2807"}}) {
        g.EngineCount = 0;
        g.Random.Seed = SeedGiving(5, draw);
        PickEngine(g, list);
        EXPECT_EQ(g.EngineNumber[1].str(), expected) << "draw " << draw;
    }
    // Taken numbers are drawn again; a list with nothing left adds nothing rather than hang.
    g.EngineCount = 0;
    for (int i = 0; i < 4; ++i) PickEngine(g, list);
    EXPECT_EQ(g.EngineCount, 4);
    PickEngine(g, list);
    EXPECT_EQ(g.EngineCount, 4);
    PickEngine(g, {"2815", " 2834", "2861", "2807"});  // aligned, all taken
    EXPECT_EQ(g.EngineCount, 4);

    g.EngineCount = 0;
    g.Random.Seed = SeedGiving(10, 3);
    PickEngineInRange(g, "620", 31, 10);
    EXPECT_EQ(g.EngineNumber[1].str(), "62034");
    for (int i = 0; i < 12; ++i) PickEngineInRange(g, "620", 31, 10);
    EXPECT_EQ(g.EngineCount, 10);
}

TEST(Timetable, LatenessByClassAtItsBoundaries) {
    FreshGame game(7, false);
    GameState& g = game.g;
    auto lateness = [&g](int trainClass, int r) {
        g.Random.Seed = SeedGiving(200, r);
        return RandomLateness(g, trainClass);
    };
    EXPECT_EQ(lateness(9, 0), 0);
    EXPECT_EQ(lateness(9, 40), 40);
    EXPECT_EQ(lateness(9, 41), 8);
    EXPECT_EQ(lateness(12, 80), 16);
    EXPECT_EQ(lateness(10, 81), 0);
    EXPECT_EQ(lateness(11, 199), 0);
    EXPECT_EQ(lateness(1, 0), -2);
    EXPECT_EQ(lateness(8, 14), 12);
    EXPECT_EQ(lateness(2, 15), 1);
    EXPECT_EQ(lateness(6, 60), 6);
    EXPECT_EQ(lateness(3, 61), 0);
    EXPECT_EQ(lateness(4, 199), 0);
}

TEST(Timetable, ConditionalRowsByDrawAndDifficulty) {
    int tarnwickFirst = 0, tarnwickSecond = 0, ketterworthEarly = 0;
    const int seeds = 400;
    for (uint32_t seed = 1; seed <= seeds; ++seed) {
        FreshGame game(seed);
        const GameState& g = game.g;
        const bool early = g.TrainState[121] == TrainBooked;
        EXPECT_NE(early, g.TrainState[129] == TrainBooked) << "seed " << seed;
        EXPECT_EQ(g.TrainDue[early ? 129 : 121], NoTime);
        ketterworthEarly += early;
        tarnwickFirst += g.TrainState[4] == TrainBooked;
        tarnwickSecond += g.TrainState[160] == TrainBooked;
        for (int t : HardOnlyTrains) EXPECT_EQ(g.TrainState[t], TrainBooked);
    }
    // 21 draws in 100 run the Tarnwick trains, 51 the early Ketterworth.
    EXPECT_NEAR(tarnwickFirst, seeds * 21 / 100, 30);
    EXPECT_NEAR(tarnwickSecond, seeds * 21 / 100, 30);
    EXPECT_NEAR(ketterworthEarly, seeds * 51 / 100, 40);

    for (int difficulty : {5, 10, 15, 20, 25}) {
        FreshGame game;
        game.g.Difficulty = difficulty;
        ApplyDifficultyToTimetable(game.g);
        for (int t : HardOnlyTrains) {
            if (difficulty < 20) {
                EXPECT_EQ(game.g.TrainState[t], TrainGone) << difficulty;
                EXPECT_EQ(game.g.TrainDue[t], NoTime);
            } else {
                EXPECT_EQ(game.g.TrainState[t], TrainBooked) << difficulty;
            }
        }
    }
}

}  // namespace
}  // namespace kv41
