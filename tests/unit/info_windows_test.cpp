#include <gtest/gtest.h>

#include <string>

#include "position_fixture.h"
#include "windows/info_windows.h"

namespace kv41 {
namespace {

// The built junction at 10.00 in an Early shift, with the timetable emptied so that each test
// runs only the trains it adds.
struct WindowGame : testing::StartedProgram {
    WindowGame() {
        g.ShiftStart = 360;
        g.ShiftEnd = 840;
        g.ClockNow = 600;
        for (int t = 1; t <= g.TrainCount; ++t) {
            g.TrainState[t] = TrainBlank;
            g.TrainDue[t] = NoTime;
            g.TrainTimes[t].fill(NoTime);
        }
        for (int line = 1; line <= LineCount; ++line) g.LineTrains[line] = {0, 0, 0, 0};
        g.SectTrain.fill(0);
        g.YardTrain = 0;
        g.EngineNumber[1] = " 2815";
        g.EngineNumber[2] = "48898";
    }
    int Train(int row, int due, int from, int to, int trainClass, const char* origin,
              const char* dest) {
        testing::BookTrain(g, row, due, from, to, trainClass);
        g.TrainOrigin[row] = origin;
        g.TrainDest[row] = dest;
        g.TrainEngine[row] = EngineUnknown;
        g.TrainSect[row] = 0;
        g.TrainSpeed[row] = 0;
        return row;
    }
    // A train standing (or still moving at speed) at the end of a section.
    void Standing(int t, int sect, int speed = 0) {
        g.TrainState[t] = TrainRunning;
        g.TrainSect[t] = sect;
        g.SectTrain[sect] = t;
        g.TrainSpeed[t] = speed;
    }
};

TEST(RegisterWindow, LinesShowBellsEngineSpeedAndTheTimesOnEachSide) {
    WindowGame w;
    GameState& g = w.g;
    int up = w.Train(1, 598, 2, 1, 2, "Brenley", "Pellingford");
    g.TrainEngine[up] = 1;
    g.TrainTimes[up][1] = 590;
    g.TrainTimes[up][2] = 595;
    g.TrainTimes[up][4] = 597;
    w.Standing(up, 25, 30);
    int toYard = w.Train(2, 596, 5, 3, 11, "Radlow Rd", "Exchange");  // accepted, not yet in
    g.TrainTimes[toYard][1] = 592;
    int fromYard = w.Train(3, 610, 3, 4, 6, "Exchange", "Hollowmer");
    g.TrainEngine[fromYard] = 2;
    g.TrainTimes[fromYard][1] = 599;  // never set for a yard train; shows it is not used
    g.TrainTimes[fromYard][2] = 601;
    g.TrainTimes[fromYard][4] = 604;
    w.Standing(fromYard, 18);

    InfoWindow window = BuildRegisterWindow(g);
    EXPECT_EQ(window.Name, "register");
    EXPECT_EQ(window.Caption, "Train Register at 10.00");
    EXPECT_EQ(window.HelpContext, 424);
    ASSERT_EQ(window.Heads.size(), 6u);
    EXPECT_EQ(window.Heads[0], "Train Register - Up Trains");
    EXPECT_EQ(window.Heads[3], "Train Register - Down Trains");
    EXPECT_EQ(window.Heads[2],
              "Due   From           To            Bells  Engine Speed  Acc.  TES   TOOS  Acc.  "
              "TES   TOOS");
    EXPECT_EQ(window.Lines,
              (std::vector<std::string>{
                  " 9.58 Brenley        Pellingford    3-1     2815    30  9.50  9.55        9.57"
                  "            ",
                  "10.10 Exchange       Hollowmer      5      48898     0                   10.04"
                  "            ",
                  " 9.56 Radlow Rd      Exchange       4-1                 9.52                  "
                  "            "}));
}

TEST(RegisterWindow, KeepsTheTenLatestOfEachDirectionOldestFirst) {
    WindowGame w;
    GameState& g = w.g;
    for (int i = 0; i < 12; ++i) {
        int t = w.Train(10 + i, 500 + i, 1, 5, 1, "Up", "Train");
        g.TrainTimes[t][1] = 480 + i;
    }
    int tie = w.Train(30, 700, 1, 4, 1, "Tie", "Later row");
    g.TrainTimes[tie][1] = 491;  // the same as row 21, scanned later: placed before it
    InfoWindow window = BuildRegisterWindow(g);
    ASSERT_EQ(window.Lines.size(), 10u);
    EXPECT_EQ(window.Lines[0].substr(0, 5), " 8.23");  // rows 10 and 11 dropped, and row 12
    EXPECT_EQ(window.Lines[8].substr(0, 5), "11.40");
    EXPECT_EQ(window.Lines[9].substr(0, 5), " 8.31");
}

TEST(WttWindow, ListsTheNextTenOfEachDirectionWithinTheShift) {
    WindowGame w;
    GameState& g = w.g;
    w.Train(1, 598, 2, 1, 2, "Brenley", "Pellingford");  // down: entry above exit
    w.Train(2, 605, 4, 5, 9, "Hollowmer", "Radlow Rd");  // up
    w.Train(3, 346, 1, 5, 1, "Early", "Listed");         // 14 minutes before the start
    w.Train(4, 345, 1, 5, 1, "Earlier", "Not listed");   // 15 minutes before
    w.Train(5, 571, 1, 5, 1, "Gone", "Still listed");    // gone 29 minutes ago
    g.TrainState[5] = TrainGone;
    w.Train(6, 570, 1, 5, 1, "Gone", "Not listed");
    g.TrainState[6] = TrainGone;
    w.Train(7, 854, 1, 5, 1, "Late", "Listed");
    w.Train(8, 855, 1, 5, 1, "Later", "Not listed");

    InfoWindow window = BuildWttWindow(g);
    EXPECT_EQ(window.Caption, "Working Timetable at 10.00");
    EXPECT_EQ(window.HelpContext, 423);
    EXPECT_EQ(window.Heads, (std::vector<std::string>{
                                "Up Trains", "Due   From              To                Type",
                                "Down Trains", "Due   From              To                Type"}));
    ASSERT_EQ(window.Lines.size(), 5u);
    EXPECT_EQ(window.Lines[0], " 5.46  PF  Early          RR  Listed         Express passenger");
    EXPECT_EQ(window.Lines[1].substr(0, 5), " 9.31");
    EXPECT_EQ(window.Lines[2], "10.05  HO  Hollowmer      RR  Radlow Rd      Light engine(s)");
    EXPECT_EQ(window.Lines[3].substr(0, 5), " 2p14");
    EXPECT_EQ(window.Lines[4], " 9.58  BL  Brenley        PF  Pellingford    Ordinary passenger");
}

TEST(WttWindow, TenEarliestOnlyAndNothingWhenNoneQualify) {
    WindowGame w;
    EXPECT_TRUE(BuildWttWindow(w.g).Lines.empty());
    for (int i = 0; i < 12; ++i) w.Train(20 + i, 700 - i, 2, 1, 3, "Row", "Down");
    w.Train(40, 690, 2, 1, 3, "Higher row", "First");
    InfoWindow window = BuildWttWindow(w.g);
    ASSERT_EQ(window.Lines.size(), 10u);
    EXPECT_EQ(window.Lines[0].substr(0, 5), "11.29");
    // Among equal times the higher row stays ahead.
    EXPECT_EQ(window.Lines[1], "11.30  BL  Higher row     PF  First          Parcels");
    EXPECT_EQ(window.Lines[9].substr(0, 5), "11.37");
}

TEST(ApproachingWindow, EachPaneHasThreeLinesForItsGroups) {
    WindowGame w;
    GameState& g = w.g;
    int far = w.Train(1, 650, 1, 4, 1, "Pellingford", "Hollowmer");
    g.TrainLate[far] = 15;  // due in 50 minutes but expected in 65
    g.LineTrains[1][1] = far;
    int late = w.Train(2, 620, 4, 2, 6, "Hollowmer", "Brenley");
    g.TrainLate[late] = 7;
    g.LineTrains[4][2] = late;
    int gone = w.Train(3, 590, 5, 1, 12, "Radlow Rd", "Pellingford");
    g.TrainState[gone] = TrainGone;
    g.LineTrains[5][3] = gone;

    InfoWindow window = BuildApproachingWindow(g);
    EXPECT_EQ(window.Caption, "Trains approaching at 10.00");
    EXPECT_EQ(window.HelpContext, 422);
    ASSERT_EQ(window.Heads.size(), 8u);
    EXPECT_EQ(window.Heads[6], "Next arrivals from  Radlow Road Junction");
    EXPECT_EQ(window.Heads[7], "           Due   Expected   From          Via To            Type");
    ASSERT_EQ(window.Lines.size(), 12u);
    const std::string nothing = "Nothing expected in next hour";
    EXPECT_EQ(window.Lines[0], "Passenger: " + nothing);
    EXPECT_EQ(window.Lines[1], "Fast frt:  " + nothing);
    EXPECT_EQ(window.Lines[7],
              "Fast frt:  10.20 10.27      Hollowmer     BL  Brenley       Class D freight");
    EXPECT_EQ(window.Lines[11], "Slow frt:  " + nothing);
}

TEST(HeldWindow, EmptyRailwayStillHasEveryRow) {
    WindowGame w;
    InfoWindow window = BuildHeldWindow(w.g);
    EXPECT_EQ(window.Caption, "Trains held at 10.00");
    EXPECT_EQ(window.HelpContext, 421);
    EXPECT_EQ(window.Heads, (std::vector<std::string>{"Up Trains Held", "Down Trains Held",
                                                      "Trains waiting to leave yard",
                                                      "Next departure from Exchange Sidings",
                                                      "Due   Expected   To                Type"}));
    std::vector<std::string> expected(12, "     ");
    expected.push_back("Nothing expected in next hour");
    EXPECT_EQ(window.Lines, expected);
}

TEST(HeldWindow, TrainsStandingAtSignalsShowTheLeverThatLetsThemGo) {
    WindowGame w;
    GameState& g = w.g;
    int home = w.Train(1, 605, 4, 1, 1, "Hollowmer", "Pellingford");
    w.Standing(home, 8, 12);  // still slowing to a stand
    EXPECT_EQ(BuildHeldWindow(g).Lines[6], "     ");
    g.TrainSpeed[home] = 0;
    EXPECT_EQ(BuildHeldWindow(g).Lines[6],
              "48 Down Home               10.05  Hollowmer to Pellingford (Express passenger)");
    g.TrainTo[home] = 3;
    EXPECT_EQ(BuildHeldWindow(g).Lines[6].substr(0, 3), "43 ");

    int starter = w.Train(2, 610, 5, 2, 11, "Radlow Rd", "Brenley");
    w.Standing(starter, 11);
    EXPECT_EQ(BuildHeldWindow(g).Lines[7].substr(0, 16), "42 Down Starter ");
    g.TrainTo[starter] = 1;
    EXPECT_EQ(BuildHeldWindow(g).Lines[7].substr(0, 16), "47 Down Starter ");

    int upBranch = w.Train(3, 600, 2, 3, 12, "Brenley", "Exchange");
    w.Standing(upBranch, 25);
    EXPECT_EQ(BuildHeldWindow(g).Lines[1].substr(0, 18), "13 Up Branch Home ");
}

TEST(HeldWindow, YardTrainShowsItsTimeInBracketsUntilItIsDue) {
    WindowGame w;
    GameState& g = w.g;
    int t = w.Train(1, 605, 3, 2, 12, "Exchange", "Brenley");
    g.TrainState[t] = TrainStanding;
    g.YardTrain = t;
    EXPECT_EQ(BuildHeldWindow(g).Lines[11],
              "30 Exchange Sidings       (10.05) Exchange to Brenley (Pickup freight)");
    g.ClockNow = 605;
    EXPECT_EQ(BuildHeldWindow(g).Lines[11],
              "30 Exchange Sidings        10.05  Exchange to Brenley (Pickup freight)");
}

TEST(HeldWindow, NextYardDepartureWithinTheHour) {
    WindowGame w;
    GameState& g = w.g;
    int t = w.Train(1, 640, 3, 2, 12, "Exchange", "Brenley");
    g.TrainLate[t] = 21;  // expected in 61 minutes
    g.LineTrains[3][0] = t;
    EXPECT_EQ(BuildHeldWindow(g).Lines[12], "Nothing expected in next hour");
    g.TrainLate[t] = 5;  // in 45
    EXPECT_EQ(BuildHeldWindow(g).Lines[12], "10.40 10.45      BL  Brenley       Pickup freight");
    g.TrainLate[t] = 20;  // in 60
    EXPECT_EQ(BuildHeldWindow(g).Lines[12].substr(0, 11), "10.40 11.00");
}

}  // namespace
}  // namespace kv41
