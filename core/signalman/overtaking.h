#pragma once
// Putting a slow train aside: a goods train off the branch for Hollowmer Jn or Radlow Rd Jn that
// would hold up a faster train for the same line coming up the main behind it goes into Down
// Siding No. 1 instead of onto the up main, waits there while the faster train runs past the up
// platform, and then leaves by the exchange sidings up starter across the south crossover.
// He judges it from what he can see: the trains he has accepted or that stand or run in the
// area, the train a box is offering, and the trains approaching window's expected times.
#include <string>

namespace kv41 {

struct GameState;

// The train goes (or has gone) by Down Siding No. 1: chosen while it is still to reach the up
// branch home, held to once its road into the siding is set, and true on its way out again.
bool PutAside(const GameState& g, int train);

// The train, put aside, waits for a faster train for its line that has still to pass: it is not
// offered to the box ahead meanwhile.
bool GivesWay(const GameState& g, int train);

// The words a move for the train adds when it is put aside ("" when it is not): which train it
// makes way for.
std::string AsideWords(const GameState& g, int train);

}  // namespace kv41
