#pragma once
// The exchange-sidings yard (the yard road, section 18, with its busy/clear indicator) and the
// two down sidings (sections 19 and 20), where trains from the sidings side terminate and
// their engines' next workings start.
namespace kv41 {

struct GameState;

constexpr int YardRoadSect = 18;
constexpr int DownSidingTwoSect = 19;
constexpr int DownSidingOneSect = 20;
constexpr int SidingsEntrySect = 17;
constexpr int YardLine = 3;

constexpr bool IsDownSiding(int sect) {
    return sect == DownSidingTwoSect || sect == DownSidingOneSect;
}

// The yard is setting a route inside the sidings: busy for 30..69 ticks. Called by the entry
// rules of section 17 and by the timer expiry.
void MarkYardBusy(GameState& g);

// Step 2 of the simulation step: counts YardTimer down and runs YardTimerExpired on the tick
// it reaches 0.
void YardTimerStep(GameState& g);

// The yard timer has run out: an arrival still on the yard road keeps the yard busy; a
// departure not cleared away is taken back into the yard; the yard shows clear.
void YardTimerExpired(GameState& g);

// Once a minute (step 11, before ClockNow advances): the next departure of line 3 is put on
// the yard road when it is due and nothing stands in its way.
void YardRelease(GameState& g);

// The departure the yard would put on the yard road at a release at minute `clock`, the down
// sidings aside (a train standing due there goes first); 0 when it would put out none.
int DepartureToPutOut(const GameState& g, int clock);

// Puts departure `train` on the yard road (state 4, section 18) and announces it ready.
void ReadyInYard(GameState& g, int train);

// Takes the departure standing on the yard road back into the yard (YardTrain, state 5).
void HoldInYard(GameState& g);

// An arrival has finished at the end of the yard road: a departure held in the yard is
// announced ready again and put back on the yard road. Does nothing when none is held.
void AnnounceHeldDeparture(GameState& g);

// The wait of the departure held in the yard has run out: "Departure waiting in Yard" again,
// and again after 50 more ticks.
void RemindHeldDeparture(GameState& g, int train);

// Train `train`, bound for line 3, has come to a stand in down siding `sect` (19 or 20): it
// finishes (FinishTrain, which hands its engine on) and its engine's next working takes its
// place in the siding, waiting until its departure time.
void TerminateInDownSiding(GameState& g, int train, int sect);

// The wait of departure `train` standing in a down siding has run out and the yard road is
// clear with no departure held: it is announced ready, and again every 50 ticks.
void DownSidingDepartureReady(GameState& g, int train);

}  // namespace kv41
