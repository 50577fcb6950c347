#pragma once
// Regulation at the junction. Up trains from Pellingford and off the branch for Hollowmer Jn or
// Radlow Rd Jn meet on the up platform line, which one of them has at a time, and the first
// through takes the line to the box ahead too. Before either has its home signal the signalman
// reckons, from the timetable and the trains approaching, the register and the panel, when each
// would reach the platform if given the road and how late it may be there, and lets through
// first the one whose going first costs the fewer minutes lost and clear roads missed.
#include "signalman/trains_in_hand.h"

namespace kv41 {

// What a clear road earns a train of the class.
int ClearRoadPoints(int trainClass);

// Another train is to have the junction before this one: its home signal stays at danger, and
// it is not offered on to the box ahead, until that one has its road.
bool WaitsAtJunction(const GameState& g, const TrainsInHand& trains, int train);

// A train off the LMS loop for the sidings crosses the down main's road on its way in: it is not
// given the loop home while a down train for Pellingford or the branch would lose time at the
// platform waiting for it to be across, or an up train for Hollowmer Jn would want the up starter
// meanwhile (one standing there for the line ahead wants it once the train before is through).
bool WaitsForDownTrain(const GameState& g, const TrainsInHand& trains, int train);

// A train in the LMS loop backing out to the sidings stands across the up main's road to the
// starter and then across the down main: it is not backed out while a train from Pellingford
// that can still earn its clear road would want the starter before it is clear, or a down train
// for Pellingford or the branch would lose time waiting for it (for twenty-five minutes at most).
bool BacksOutLater(const GameState& g, const TrainsInHand& trains, int train);

// An up train from Pellingford for the sidings crosses the junction on its way into the LMS loop:
// it waits at the up home, off the junction, while a train off the branch for the up main would
// lose time waiting for it to be through, or while the loop is kept for a departure due.
bool WaitsOffTheJunction(const GameState& g, const TrainsInHand& trains, int train);

// A departure from the sidings for Pellingford draws out onto the LMS loop across the up
// main's road to the starter and comes back along the down main: it is not started, nor the line
// from Radlow Rd Jn blocked back for it, while an up passenger, or a train from Pellingford that
// can still earn its clear road, would want the starter before the departure is clear of it, or
// a down train would lose time behind it (up to a quarter of an hour past the departure's time).
// One on the yard road is held only while the yard shows clear: waiting there when the yard is
// done with something, it would be taken back.
bool DrawsOutLater(const GameState& g, const TrainsInHand& trains);

// A signal cleared for a train still far off on its approach, which stops the signalman
// accepting another box's offer, may go back for the moment and be cleared again once the offer
// is taken: the train is still on the line from its box, or in the long section beyond it.
bool FarFromSignal(const GameState& g, int train, int signal);

// A train from Pellingford that can still earn its clear road, with its signals cleared, is
// past its home before every box's waiting offer needs accepting for its train to start on
// time: the offers wait, and its signals stay off.
bool OfferWaitsForClearRoad(const GameState& g, int train);

// A departure for Pellingford, which draws out onto the LMS loop and back, stands in the sidings
// or the held window shows it due within ten minutes (and not long overdue): the loop is not
// given to an up train for the sidings before it, which would keep it there the longer.
bool PellingfordDepartureDue(const GameState& g);

}  // namespace kv41
