#pragma once
// The consistency check of the running state: what must always hold between the tables.
#include <string>
#include <vector>

namespace kv41 {

struct GameState;

// One text for each rule that the state breaks; empty when all hold.
std::vector<std::string> CheckInvariants(const GameState& g);

}  // namespace kv41
