#pragma once
// The signalman's route cards: for each way a train can take through the junction, the signals
// he clears for it one after another, each with the points and locks to set first, the places
// of the train from which it still needs that signal, and the sections that must be clear
// before he clears it.
#include <array>

namespace kv41 {

struct GameState;

// A train still on the line from the box in rear, in the lists of places below.
constexpr int Coming = 99;

struct Leg {
    int Signal = 0;
    std::array<int, 6> Points{};  // reversed first, in this order (0 ends the list)
    // Head sections from which the train still needs the signal: up to the next signal, so that
    // the leg is held, and nothing crosses it, until the train has run through it.
    std::array<int, 16> Before{};
    std::array<int, 8> Clear{};   // sections no other train may hold when it is cleared
    int Precondition = 0;         // a block working that must come first (below)
    std::array<int, 3> Normal{};  // levers that must stand normal beyond the locking's demands
};

// Preconditions of a leg.
enum : int {
    NeedsShuntForward = 1,  // Radlow Rd Jn has given permission to shunt into the LMS loop
    NeedsBlockedBack = 2,   // the line from Radlow Rd Jn is blocked back to its home signal
};

struct Route {
    std::array<const Leg*, 6> Legs{};
    int Count = 0;
};

// The legs the train's route still holds from where it is now, in the order they are cleared.
Route RouteOf(const GameState& g, int train);

// The train's head stands at a place from which it still needs the leg's signal.
bool StillNeeds(const Leg& leg, int head);

// The train has still to pass the leg's signal itself: the signal goes back to danger as soon as
// the train is past it, while its points stay held as long as Before says.
bool SignalStillNeeded(const Leg& leg, int head);

// The leg's precondition is met.
bool PreconditionMet(const GameState& g, const Leg& leg);

template <std::size_t N>
bool ListHolds(const std::array<int, N>& list, int value) {
    for (int v : list) {
        if (v == 0) return false;
        if (v == value) return true;
    }
    return false;
}

}  // namespace kv41
