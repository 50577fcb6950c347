#include "running/yard.h"

#include <gtest/gtest.h>

#include "boxes_fixture.h"
#include "controls/routes.h"
#include "running/train_movement.h"

namespace kv41 {
namespace {

using testing::BoxesGame;

struct YardGame : BoxesGame {
    int departure = AddTrain(4, 600, 3, 4, 7, "Exch Sdgs", "Hollowmer");
    YardGame() { g.LineTrains[3] = {departure, 0, departure, 0}; }
};

TEST(Yard, BusyForThreeToSevenMinutes) {
    BoxesGame game;
    for (int i = 0; i < 200; ++i) {
        MarkYardBusy(game.g);
        EXPECT_FALSE(game.g.YardClear);
        EXPECT_GE(game.g.YardTimer, 30);
        EXPECT_LE(game.g.YardTimer, 69);
    }
}

TEST(Yard, NothingIsPutOutWhileSomethingStandsInTheWay) {
    YardGame game;
    GameState& g = game.g;
    const int t = game.departure;
    g.ClockNow = 605;

    g.LeverNormal[43] = 0;  // a train may be coming into the sidings
    YardRelease(g);
    g.LeverNormal[43] = 1;
    g.YardTimer = 3;
    YardRelease(g);
    g.YardTimer = 0;
    g.TrainEngine[t] = EngineUnknown;
    YardRelease(g);
    g.TrainEngine[t] = 1;
    g.YardTrain = 9;  // a departure already taken back waits for the next arrival
    YardRelease(g);
    g.YardTrain = 0;
    const int siding = game.AddTrain(6, 605, 3, 1, 7, "Dn Sdg");
    g.SectTrain[DownSidingOneSect] = siding;
    g.TrainState[siding] = TrainStanding;
    YardRelease(g);
    EXPECT_EQ(g.SectTrain[YardRoadSect], 0);

    g.TrainLate[siding] = 1;  // the siding train is not yet due
    YardRelease(g);
    EXPECT_EQ(g.SectTrain[YardRoadSect], t);
}

TEST(Yard, DepartureNotClearedAwayIsHeldAndPutOutAfterTheNextArrival) {
    YardGame game;
    GameState& g = game.g;
    const int t = game.departure;
    g.ClockNow = 600;
    YardRelease(g);
    MarkYardBusy(g);  // a train reaches the sidings entry
    while (g.YardTimer > 0) YardTimerStep(g);
    EXPECT_TRUE(g.YardClear);
    EXPECT_EQ(g.YardTrain, t);
    EXPECT_EQ(g.SectTrain[YardRoadSect], 0);
    EXPECT_EQ(g.TrainState[t], TrainStanding);
    EXPECT_EQ(g.TrainWait[t], 50);
    EXPECT_EQ(g.TrainsInArea, 0);
    EXPECT_EQ(game.Said(Output::Call).back(),
              "Call from Yard: Departure 10.00 Hollowmer held in Yard");

    RemindHeldDeparture(g, t);
    EXPECT_EQ(game.Said(Output::Call).back(), "Call from Yard: Departure waiting in Yard");
    EXPECT_EQ(g.TrainWait[t], 50);

    g.SectLimit[YardRoadSect] = 10;  // as the arrival that ran in left it
    AnnounceHeldDeparture(g);
    EXPECT_EQ(g.SectLimit[YardRoadSect], 0);
    EXPECT_EQ(g.YardTrain, 0);
    EXPECT_EQ(g.SectTrain[YardRoadSect], t);
    EXPECT_EQ(g.TrainState[t], TrainRunning);
    EXPECT_EQ(game.Said(Output::Call).back(),
              "Call from Yard: Departure 10.00 Hollowmer ready in Yard");

    // It stands until its route is set, then leaves as a first put-out does.
    for (int i = 0; i < 10; ++i) MoveTrain(g, t);
    EXPECT_EQ(g.TrainSect[t], YardRoadSect);
    g.LeverNormal[33] = 0;  // out across the south crossover
    SetRoute(g, 30);        // Exchange Sidings Up Starter
    for (int i = 0; i < 60 && g.TrainSect[t] == YardRoadSect; ++i) MoveTrain(g, t);
    EXPECT_EQ(g.TrainSect[t], 17);
    EXPECT_EQ(g.TrainState[t], TrainRunning);
}

TEST(Yard, ArrivalStillOnTheYardRoadKeepsTheYardBusy) {
    BoxesGame game;
    GameState& g = game.g;
    const int arrival = game.AddTrain(4, 590, 4, 3, 7);
    g.SectTrain[YardRoadSect] = arrival;
    g.YardClear = false;
    g.YardTimer = 1;
    YardTimerStep(g);
    EXPECT_FALSE(g.YardClear);
    EXPECT_GE(g.YardTimer, 30);

    // A departure already moving out is let go.
    const int leaving = game.AddTrain(5, 590, 3, 4, 7);
    g.SectTrain[YardRoadSect] = leaving;
    g.TrainSect[leaving] = YardRoadSect;
    g.TrainSpeed[leaving] = 5;
    YardTimerExpired(g);
    EXPECT_TRUE(g.YardClear);
    EXPECT_EQ(g.YardTrain, 0);
    EXPECT_EQ(g.SectTrain[YardRoadSect], leaving);
}

TEST(DownSidings, DepartureAnnouncesItselfAndCountsIntoTheAreaOnce) {
    BoxesGame game;
    GameState& g = game.g;
    const int out = game.AddTrain(7, 600, 3, 1, 7, "Dn Sdg", "Pellingford");
    g.TrainSect[out] = DownSidingOneSect;
    g.TrainState[out] = TrainStanding;
    DownSidingDepartureReady(g, out);
    g.ClockNow = 605;
    DownSidingDepartureReady(g, out);
    EXPECT_EQ(g.TrainsInArea, 1);
    EXPECT_EQ(g.TrainTimes[out][RegTesReceived], 600);
    EXPECT_EQ(g.TrainWait[out], 50);
    EXPECT_EQ(game.Said(Output::Call),
              std::vector<std::string>(2, "Call from Yard: Departure ready in Down Siding No. 1"));
}

}  // namespace
}  // namespace kv41
