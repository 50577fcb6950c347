#pragma once
// Reading a gain or loss as the player got it: the message on the line, the train its reason
// names, the help topic of its rule.
#include <string>
#include <string_view>

#include "debrief/debrief.h"

namespace kv41 {

struct GameState;

// "You lose 2 points for " + reason, cut as the message line cuts it.
std::string PointsMessage(int points, std::string_view reason);

// The train a reason names by its booked time (and origin, where it gives one), looked for
// among the trains as they stand when the points are given; 0 where it names none.
int TrainOfReason(const GameState& g, std::string_view reason);

// The help topic that explains the rule.
int RuleTopic(ScoreKind kind, std::string_view reason);

bool IsWrongRoute(std::string_view reason);   // the train is stopped short of the route
bool IsDelayCharge(std::string_view reason);  // charged for a train's delay
bool IsOvertaking(std::string_view reason);

}  // namespace kv41
