// The exchange-sidings yard and the down sidings: when the yard is busy, when a departure is
// put on the yard road or taken back, and how a terminating train's engine starts its next
// working from a down siding.
#include "running/yard.h"

#include <algorithm>
#include <string>

#include "framework/text_grid.h"
#include "game_state.h"
#include "model/box_rules.h"
#include "model/clock.h"
#include "model/lever_names.h"
#include "running/call_messages.h"
#include "running/train_movement.h"

namespace kv41 {
namespace {

constexpr int YardHoldTicks = 50;

// Calls from the yard leave the message line clear behind them.
void YardCall(GameState& g, const std::string& text) {
    CallMessage(g, CallFromYard, text);
    DefaultColours(g);
    ClearMessageLine(g);
}

std::string DepartureText(const GameState& g, int train, std::string_view what) {
    return "Departure " + FormatClock(g.TrainDue[train]) + " " + g.TrainDest[train] +
           std::string(what);
}

// A train standing in a down siding whose time has come goes before any yard departure.
bool DownSidingTrainDue(const GameState& g) {
    for (int sect : {DownSidingTwoSect, DownSidingOneSect}) {
        const int t = g.SectTrain[sect];
        if (IsTrain(g, t) && g.TrainState[t] == TrainStanding && g.ClockNow >= DuePlusLate(g, t)) {
            return true;
        }
    }
    return false;
}

// The departure stands at the end of the yard road until the signalman sets its route (the
// lever movements set the road's next section and limit).
void PutOnYardRoad(GameState& g, int train) {
    ReadyInYard(g, train);
    g.SectNext[YardRoadSect] = 0;
    g.SectLimit[YardRoadSect] = 0;
}

// A departure from the sidings needs no offer from a box: it is taken as accepted and
// entering at once, and counts into the area.
void CountDepartureIn(GameState& g, int train) {
    g.TrainTimes[train][RegLineClearGiven] = g.ClockNow;
    g.TrainTimes[train][RegTesReceived] = g.ClockNow;
    g.TrackLampsDirty = true;
    ++g.TrainsInArea;
}

}  // namespace

void MarkYardBusy(GameState& g) {
    g.YardClear = false;
    g.YardTimer = 30 + g.Random.Next(40);
}

void YardTimerStep(GameState& g) {
    if (g.YardTimer <= 0) return;
    --g.YardTimer;
    if (g.YardTimer == 0) YardTimerExpired(g);
}

void YardTimerExpired(GameState& g) {
    const int t = g.SectTrain[YardRoadSect];
    if (IsTrain(g, t) && g.TrainTo[t] == YardLine) {
        // An arrival still running in keeps the yard busy.
        MarkYardBusy(g);
        return;
    }
    // A departure the signalman has not cleared away is taken back; one already on the move
    // out of the yard road is left to go.
    if (IsTrain(g, t) && g.TrainFrom[t] == YardLine && g.TrainSect[t] == YardRoadSect &&
        g.TrainSpeed[t] == 0) {
        HoldInYard(g);
    }
    g.YardClear = true;
}

int DepartureToPutOut(const GameState& g, int clock) {
    if (g.SectTrain[YardRoadSect] != 0 || g.YardTimer != 0) return 0;
    // While the exchange sidings home is off, a train may be coming in.
    if (g.LeverNormal[Levers::DownMainToExchangeSidingsHome] == 0) return 0;
    // A departure taken back waits for the next arrival before it is put out again.
    if (g.YardTrain != 0) return 0;
    const int t = g.LineTrains[YardLine][0];
    // Row 1 stands for no train on the line's queue.
    if (t <= 1 || !IsTrain(g, t) || !IsBookedOrReported(g, t)) return 0;
    if (clock < DuePlusLate(g, t) || g.TrainEngine[t] == EngineUnknown) return 0;
    return FromDownSidings(g, t) ? 0 : t;
}

void YardRelease(GameState& g) {
    if (DownSidingTrainDue(g)) return;
    const int t = DepartureToPutOut(g, g.ClockNow);
    if (t != 0) PutOnYardRoad(g, t);
}

void ReadyInYard(GameState& g, int train) {
    if (!IsTrain(g, train)) return;
    g.SectTrain[YardRoadSect] = train;
    g.TrainState[train] = TrainRunning;
    g.TrainSect[train] = YardRoadSect;
    g.TrainToGo[train] = g.SectLength[YardRoadSect];
    CountDepartureIn(g, train);
    EndSpeedUp(g);
    YardCall(g, DepartureText(g, train, " ready in Yard"));
}

void HoldInYard(GameState& g) {
    const int t = g.SectTrain[YardRoadSect];
    if (!IsTrain(g, t)) return;
    g.YardTrain = t;
    g.SectTrain[YardRoadSect] = 0;
    g.TrainState[t] = TrainStanding;
    g.TrainWait[t] = YardHoldTicks;
    g.TrackLampsDirty = true;
    LeaveArea(g);
    EndSpeedUp(g);
    YardCall(g, DepartureText(g, t, " held in Yard"));
}

void AnnounceHeldDeparture(GameState& g) {
    if (g.YardTrain == 0) return;
    // The arrival has left the yard road set for running in; the departure stands at its end.
    PutOnYardRoad(g, g.YardTrain);
    g.YardTrain = 0;
}

void RemindHeldDeparture(GameState& g, int train) {
    YardCall(g, "Departure waiting in Yard");
    if (IsTrain(g, train)) g.TrainWait[train] = YardHoldTicks;
}

void TerminateInDownSiding(GameState& g, int train, int sect) {
    if (!IsTrain(g, train) || !IsDownSiding(sect)) return;
    FinishTrain(g, train);
    const int next = g.TrainNextWorking[train];
    const bool hasNext = IsTrain(g, next);
    g.SectTrain[sect] = hasNext ? next : 0;
    if (hasNext) {
        g.TrainSect[next] = sect;
        g.SectNext[sect] = 0;
        g.SectLimit[sect] = 0;
        g.TrainToGo[next] = 5;
        // It waits for its booked departure, counting lateness; one already due waits a tick
        // (a wait of 0 would never run out).
        g.TrainWait[next] = std::max(1, 10 * (DuePlusLate(g, next) - g.ClockNow));
    }
    g.TrackLampsDirty = true;
    LeaveArea(g);
}

void DownSidingDepartureReady(GameState& g, int train) {
    if (!IsTrain(g, train)) return;
    const int sect = g.TrainSect[train];
    // The announcement repeats every 50 ticks while the train stands; it is counted into the
    // area only the first time.
    if (g.TrainTimes[train][RegTesReceived] == NoTime) CountDepartureIn(g, train);
    EndSpeedUp(g);
    YardCall(g, std::string("Departure ready in Down Siding No. ") +
                    (sect == DownSidingTwoSect ? "2" : "1"));
    g.TrainWait[train] = YardHoldTicks;
}

}  // namespace kv41
