#pragma once
// The trains the signalman is working and where each stands on its way through the junction:
// what the train register, the track-circuit lamps and the trains held window tell him.
#include <array>

#include "game_state.h"

namespace kv41 {

constexpr int MaxTrainsInHand = 24;

// A train accepted from a box and not yet in, standing or running in the area, or a departure
// the yard or a down siding has called.
struct TrainsInHand {
    std::array<int, MaxTrainsInHand> Train{};
    int Count = 0;
};

// In the order they are to be worked: trains in the area by the time they came in, then the
// trains accepted and still to come, by the time they were accepted.
TrainsInHand FindTrainsInHand(const GameState& g);

// Where the train's head is: its section, or 0 while it is still on the line from the box in
// rear.
int HeadSection(const GameState& g, int train);

// The box a train leaves to (0 for the sidings).
inline int BoxAhead(const GameState& g, int train) {
    return BoxOfLine(g.TrainTo[train]);
}

// The box a train came from (0 for the sidings).
inline int BoxInRear(const GameState& g, int train) {
    return BoxOfLine(g.TrainFrom[train]);
}

// The first train in hand bound for box `box`: the one to offer to it, and the one its line
// clear is for. 0 if none.
int NextTrainFor(const GameState& g, const TrainsInHand& trains, int box);

// The held window shows the yard's next departure due (or expected) within ten minutes.
bool YardDepartureDue(const GameState& g);

// A departure for Radlow Rd Jn stands in the sidings or the held window shows the next one due
// within twenty minutes (and not long overdue): an up train for the sidings must not go into the
// LMS loop before it (it would stand in the departure's way, waiting for the yard road the
// departure holds). `ahead`: as it will be that many minutes from now.
bool RadlowDepartureDue(const GameState& g, int ahead = 0);

// The road of the sidings a train for them will run into stands empty: the yard road for the
// yard, a down siding for trains that end there.
bool ReceptionRoadFree(const GameState& g, int train);

// Train out of section to a box goes only once these sections, which the block rules look at,
// are clear (box 2's 33 counts unless a passenger stands there at the platform), and once the
// box's train is past our home signal: still before it, it may occupy none of them (a light
// engine on the approach to the Hollowmer home).
constexpr std::array<int, 8> OutOfSectionSections[BoxCount + 1] = {{},
                                                                   {29, 30, 31, 10, 32, 33},
                                                                   {27, 26, 25, 24, 28, 13, 32, 33},
                                                                   {1, 2, 3, 7, 8, 9},
                                                                   {4, 5, 6, 38, 7, 8, 9}};
constexpr std::array<int, 4> BeforeHomeSignal[BoxCount + 1] = {
    {}, {29, 30, 31}, {27, 26, 25}, {1, 43, 2}, {4, 5}};

// The box's train past our home signal whose train out of section is still to be sent; 0 if
// none.
int OutOfSectionStillDue(const GameState& g, int box);

// A section (other than the train's own) holds a train.
inline bool HeldByOther(const GameState& g, int section, int train) {
    int other = g.SectTrain[section];
    return other != 0 && other != train;
}

}  // namespace kv41
