#pragma once
// Telephone calls from the yard and the neighbouring boxes, and the delay reports they give.
#include <string_view>

namespace kv41 {

struct GameState;

// Call sources: 0 the yard, 1..4 the boxes.
constexpr int CallFromYard = 0;

// Shows one call on the message line under "Call from <caller>: ", stores it in the message
// history and, from the start of the shift on, rings and holds it for two seconds.
void CallMessage(GameState& g, int source, std::string_view text);

// About an hour before a train is due, its box (or the yard) reports it once if it runs six
// minutes or more late. Moves the train from state 1 to 2 whether or not a call follows.
void ReportDelay(GameState& g, int train);

}  // namespace kv41
