#pragma once
// The information windows' contents, built afresh each time they are asked for: a snapshot of
// the timetable and the traffic that never changes the game.
#include "platform/platform.h"

namespace kv41 {

struct GameState;

// Trains standing at the box's signals and in the yard, and the next yard departure.
InfoWindow BuildHeldWindow(const GameState& g);
// The train register: the ten latest up and down trains with their bell times.
InfoWindow BuildRegisterWindow(const GameState& g);
// The working timetable: the next ten up and down trains of the shift.
InfoWindow BuildWttWindow(const GameState& g);
// The next train of each group on each approach from a neighbouring box.
InfoWindow BuildApproachingWindow(const GameState& g);
// Every key and what it does.
InfoWindow BuildKeyListWindow(const GameState& g);

}  // namespace kv41
