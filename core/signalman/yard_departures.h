#pragma once
// The yard's departures as the signalman reckons them. The yard puts out one departure at a time,
// in the order of its line, on the yard road, and nothing more until that one has gone and the
// yard is done with it: a departure kept waiting there, or a train for the sidings brought in
// just as the yard is done, holds every departure behind it. He sees the held window (the next
// departure's time and lateness), the working timetable (the others' booked times), the
// register (when each departure was put out and when it started away) and the yard's sign.
#include "signalman/trains_in_hand.h"

namespace kv41 {

// The yard's next departure still to come out: the line's next train or, once that stands on
// the yard road, the one the working timetable books after it. 0 or 1 when none.
int NextYardDeparture(const GameState& g);

// The yard puts its next departure out at the turn of the minute once it is due, unless it shows
// busy, the yard road is taken, a departure taken back waits there, the sidings home is off or a
// train in a down siding is due first. One due by the last turn and not put out, with none of
// those in the way, waits for its engine, which comes only with an arrival, after which the yard
// is busy for some minutes: it cannot come out meanwhile. He sees it just after the turn (the
// yard's sign then is as the yard found it); once he has taken the loop for a train into the
// sidings on the strength of it, it holds for as long as nothing else changes.
bool EngineAwaited(const GameState& g, int departure);

// The departure is overdue by no more than a few minutes counted from when the yard was first
// free to put it out (its time, booked with its lateness, or later, when a departure put out
// after that time started away from the yard road): longer, with the yard free all the while,
// it is waiting for its engine.
bool NotLongOverdue(const GameState& g, int departure, int now);

// The yard's next departure will be past its allowance within `within` minutes, every minute
// more costing a point (one for Radlow Rd Jn is never timed: it passes no platform), and nothing
// but the yard itself has held it up lately (overdue for long with the yard free, it waits for
// its engine).
bool YardDepartureCharged(const GameState& g, int within);

// A departure the yard has still to put out, and which is timed, is past its allowance: every
// minute the yard is held up costs a point.
bool YardQueueLate(const GameState& g);

// A departure on the yard road goes before the train the box's line clear was asked for, while
// that one is still on the line from the box in rear with time in hand, when a departure behind
// it is past its allowance or, the train's clear road being worth a point at most, the departure
// after it is due.
bool YardRoadFirst(const GameState& g, const TrainsInHand& trains, int box);

// A goods from Pellingford with time in hand waits at the up home, off the up main that every
// departure from the sidings crosses on its way out, while a departure behind is past its
// allowance and the next is out on the yard road with its line ahead to be had, or is due and
// will be put out when the yard is done.
bool WaitsForYardDeparture(const GameState& g, int train);

}  // namespace kv41
