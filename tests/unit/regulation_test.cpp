// Regulation at the junction: which of two up trains meeting there goes first (or whether the
// slower is put aside in a down siding instead), and whole days on which trains from Pellingford
// and off the branch once lost minutes to each other there.
#include "signalman/regulation.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>

#include "boxes_fixture.h"
#include "console.h"
#include "model/bell_codes.h"
#include "model/box_rules.h"
#include "signalman/overtaking.h"

namespace kv41 {
namespace {

using testing::BoxesGame;

// A slow freight off the branch at 10.11, on its way down it, and an express from Pellingford
// that its box offers now; both for Hollowmer Jn, at Very hard (an express has no minute over
// its time).
struct Meeting : BoxesGame {
    int Express = AddTrain(1, 620, 1, 4, 1);
    int Freight = AddTrain(2, 622, 2, 4, 12);
    Meeting() {
        g.Difficulty = 25;
        g.ClockNow = 612;
        g.TrainState[Freight] = TrainRunning;
        g.TrainSect[Freight] = 27;
        g.SectTrain[27] = Freight;
        g.TrainTimes[Freight][RegTesReceived] = 611;
        g.TrainState[Express] = TrainReported;
        g.BoxOfferedTrain[1] = Express;
    }
    bool Waits(int train) { return WaitsAtJunction(g, FindTrainsInHand(g), train); }
    // A departure stands in Down Siding No. 1: the freight cannot be put aside there.
    void FillSidingOne() {
        int departure = AddTrain(3, 700, 3, 4, 10);
        g.TrainState[departure] = TrainStanding;
        g.TrainSect[departure] = 20;
        g.SectTrain[20] = departure;
    }
};

TEST(Regulation, TheTrainThatWouldLoseMoreByWaitingHasTheJunctionFirst) {
    Meeting m;
    m.FillSidingOne();
    // Both would be there at 10.20: the freight has twenty minutes in hand, the express none.
    EXPECT_TRUE(m.Waits(m.Freight));
    EXPECT_FALSE(m.Waits(m.Express));
    // Accepted, the express is still first; the freight's line clear would be given up for it.
    m.g.TrainState[m.Express] = TrainAccepted;
    m.g.BoxBlock[3][0] = LineClear;
    m.g.BoxAcceptedCode[3] = 14;
    EXPECT_TRUE(m.Waits(m.Freight));
}

// With Down Siding No. 1 free the freight is not held at the junction but put aside there for
// the express, which it is not offered on before; once the express is past the end of the up
// platform, the freight goes.
TEST(Regulation, ASlowFreightIsPutAsideForTheExpressWhenSidingOneIsFree) {
    Meeting m;
    EXPECT_TRUE(GivesWay(m.g, m.Freight));
    EXPECT_FALSE(m.Waits(m.Freight));
    EXPECT_FALSE(m.Waits(m.Express));
    EXPECT_EQ(NextTrainFor(m.g, FindTrainsInHand(m.g), 3), 0);
    m.g.SectTrain[27] = 0;
    m.g.TrainSect[m.Freight] = 20;
    m.g.SectTrain[20] = m.Freight;
    m.g.TrainState[m.Express] = TrainRunning;
    m.g.TrainSect[m.Express] = 35;
    m.g.SectTrain[35] = m.Express;
    EXPECT_TRUE(PutAside(m.g, m.Freight));
    EXPECT_FALSE(GivesWay(m.g, m.Freight));
}

TEST(Regulation, ATrainFarBehindDoesNotHoldUpOneAtTheJunction) {
    Meeting m;
    // The express not due until 10.40: the freight is through long before.
    m.g.TrainDue[m.Express] = 640;
    EXPECT_FALSE(m.Waits(m.Freight));
    EXPECT_TRUE(m.Waits(m.Express));
    // With its home signal off, the freight has the junction, and the line ahead, first; a
    // train for somewhere else than Hollowmer Jn or Radlow Rd Jn is not in question.
    m.g.TrainDue[m.Express] = 620;
    m.g.LeverNormal[3] = 0;
    EXPECT_FALSE(m.Waits(m.Freight));
    EXPECT_TRUE(m.Waits(m.Express));
    m.g.LeverNormal[3] = 1;
    m.g.TrainTo[m.Express] = 3;
    EXPECT_FALSE(m.Waits(m.Freight));
}

// A freight off the LMS loop for the sidings, accepted from Radlow Rd Jn and due at 10.20, and
// an express from Hollowmer Jn for Pellingford due at the down platform at 10.20.
TEST(Regulation, ATrainOffTheLoopWaitsForADownExpressToCrossFirst) {
    BoxesGame game;
    GameState& g = game.g;
    g.Difficulty = 25;
    const int freight = game.AddTrain(1, 620, 5, 3, 11);
    const int express = game.AddTrain(2, 620, 4, 1, 1);
    g.ClockNow = 611;
    for (int t : {freight, express}) g.TrainState[t] = TrainAccepted;
    g.BoxOfferedTrain[4] = freight;
    g.BoxOfferedTrain[3] = express;
    auto waits = [&g, freight] { return WaitsForDownTrain(g, FindTrainsInHand(g), freight); };
    EXPECT_TRUE(waits());
    // An express not due for another half hour: the freight crosses first.
    g.TrainDue[express] = 650;
    EXPECT_FALSE(waits());
    // Nor does a down train for the sidings hold it up.
    g.TrainDue[express] = 620;
    g.TrainTo[express] = 3;
    EXPECT_FALSE(waits());
}

// A passenger from Pellingford entered the distant's section at 19.06 with its signals off;
// Brenley offers a passenger whose accepting would need the up home back at danger.
TEST(Regulation, AnOfferWaitsWhileATrainFromPellingfordRunsInForItsClearRoad) {
    BoxesGame game;
    GameState& g = game.g;
    const int passenger = game.AddTrain(1, 1150, 1, 4, 2);
    const int offered = game.AddTrain(2, 1161, 2, 4, 2);
    g.ClockNow = 1147;
    g.TrainState[passenger] = TrainRunning;
    g.TrainSect[passenger] = 29;
    g.SectTrain[29] = passenger;
    g.TrainTimes[passenger][RegTesReceived] = 1146;
    g.TrainState[offered] = TrainReported;
    g.BoxOfferedTrain[2] = offered;
    g.BoxBellShown[2] = static_cast<uint8_t>(LineClearCode(2, 4));
    // Its train would not start before 19.21 less the run in: the passenger is past by then.
    g.TrainDue[offered] = 1152 + LeadA(g, 2, offered);
    EXPECT_TRUE(OfferWaitsForClearRoad(g, passenger));
    // Wanted sooner, the offer is taken now.
    g.TrainDue[offered] = 1149 + LeadA(g, 2, offered);
    EXPECT_FALSE(OfferWaitsForClearRoad(g, passenger));
    // A train with no clear road to earn, or past the distant's section, does not keep it waiting.
    g.TrainDue[offered] = 1170;
    EXPECT_TRUE(OfferWaitsForClearRoad(g, passenger));
    g.TrainClass[passenger] = 10;
    EXPECT_FALSE(OfferWaitsForClearRoad(g, passenger));
    g.TrainClass[passenger] = 2;
    g.TrainSect[passenger] = 30;
    EXPECT_FALSE(OfferWaitsForClearRoad(g, passenger));
}

// A goods for the sidings came into the LMS loop at 20.54 to back out; a passenger from
// Pellingford, accepted, is due at 21.07.
TEST(Regulation, ATrainInTheLoopBacksOutAfterAnUpTrainThatCanEarnItsClearRoad) {
    BoxesGame game;
    GameState& g = game.g;
    const int goods = game.AddTrain(1, 1255, 1, 3, 10);
    const int passenger = game.AddTrain(2, 1267, 1, 4, 2);
    g.ClockNow = 1262;
    g.TrainState[goods] = TrainStanding;
    g.TrainTimes[goods][RegTesReceived] = 1254;
    g.TrainState[passenger] = TrainAccepted;
    g.BoxOfferedTrain[1] = passenger;
    auto waits = [&g, goods] { return BacksOutLater(g, FindTrainsInHand(g), goods); };
    EXPECT_TRUE(waits());
    // Not for a train due long after it is in the sidings, nor once its road is begun (the south
    // crossover, reversed for another train's road, does not begin it), nor after it has stood
    // there long.
    g.TrainDue[passenger] = 1300;
    EXPECT_FALSE(waits());
    g.TrainDue[passenger] = 1267;
    g.LeverNormal[33] = 0;
    EXPECT_TRUE(waits());
    g.LeverNormal[44] = 0;
    EXPECT_FALSE(waits());
    g.LeverNormal[44] = 1;
    g.ClockNow = 1280;
    EXPECT_FALSE(waits());
}

// Days on which, before the junction was regulated, the named train lost minutes there: an
// express behind a branch passenger given the road first, an express behind a slow freight off
// the branch, trains whose box's offer waited while a home signal stood off for a train still
// far down the other line, a departure for Pellingford kept off the LMS loop by an up train for
// the sidings, a down express and a passenger off the branch behind a freight crossing off the
// loop, an up passenger kept from its starter by a train in the LMS loop that could not back
// out; a down express behind a goods backed out of the loop across the down main, a passenger
// off the branch behind a goods for the sidings let onto the junction (once while the loop was
// kept for a departure, once as it ran slowly into the loop), and an express behind a departure
// for Pellingford drawn out onto the loop across its road, a down branch passenger behind such a
// departure, and a down express behind a train off the loop brought across the down main while
// the yard was busy, and a passenger off the branch kept off the junction by a goods for the
// sidings standing at the up starter while the loop was kept for a departure booked behind the
// one the held window showed. None of them may be held for good instead.
TEST(Regulation, TrainsOnceDelayedAtTheJunctionAreNotDelayed) {
    struct Day {
        uint32_t Seed;
        int Shift, Level;
        const char* Rules;
        const char* Train;
    };
    for (Day day :
         {Day{3, 2, 1, "BR", "1p37"}, Day{4, 3, 5, "WR", "7p31"}, Day{5, 3, 1, "BR", "5p23"},
          Day{1, 3, 3, "BR", "3p05"}, Day{5, 3, 5, "WR", "8p52"}, Day{8, 3, 1, "BR", "6p13"},
          Day{13, 3, 5, "BR", "7p15"}, Day{18, 2, 1, "BR", "9.41"}, Day{8, 2, 5, "WR", "10.07"},
          Day{26, 2, 1, "BR", "10.20"}, Day{18, 2, 5, "WR", "9.24"}, Day{32, 2, 5, "BR", "8.23"},
          Day{68, 2, 5, "WR", "8.18"}, Day{48, 2, 5, "WR", "10.07"},
          Day{85, 2, 5, "WR", "10.20"}}) {
        std::ostringstream out;
        Console console(out, day.Seed);
        std::istringstream in("new " + std::to_string(day.Shift) + " " + std::to_string(day.Level) +
                              "\nrules " + day.Rules + "\nauto on\n");
        console.Run({&in});
        std::string text = out.str();
        EXPECT_NE(text.find("rating: "), std::string::npos);
        EXPECT_EQ(text.find(std::string("delaying  ") + day.Train), std::string::npos)
            << "seed " << day.Seed << " shift " << day.Shift << " level " << day.Level;
        // Nor held for good: every train that came in has moved on within the hour.
        const GameState& g = console.Game();
        for (int t = 1; t <= g.TrainCount; ++t) {
            bool in = g.TrainState[t] == TrainRunning || g.TrainState[t] == TrainStanding;
            int since = g.TrainTimes[t][RegTesReceived];
            EXPECT_FALSE(in && since != NoTime && g.ClockNow - since > 60)
                << "seed " << day.Seed << " shift " << day.Shift << ": train " << t;
        }
    }
}

}  // namespace
}  // namespace kv41
