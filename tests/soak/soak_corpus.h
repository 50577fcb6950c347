#pragma once
// The saved positions kept with the tests: for every shift and every rule book, the random
// player plays a shift and the position is saved, by the game's own Save As, at the busiest
// moment it reaches (trains in the area, the yard road and the down sidings occupied, the yard
// busy). Each file must load and write back byte for byte in every later version.
#include <string>

namespace kv41 {

// Writes the fifteen files into directory; returns how many were written.
int MakePositionCorpus(const std::string& directory);

}  // namespace kv41
