#pragma once
// The plain-text score log in the player's data directory (beside the program unless it is
// installed): one line per gain or loss while score logging is on.
#include <string>
#include <string_view>

namespace kv41 {

struct GameState;

// "KV41 log.txt" in the data directory: the one name for creating and appending.
std::string ScoreLogName(const GameState& g);
// The time of an entry: two-digit 12-hour clock hour, "." before noon or "p" from noon, minutes.
std::string LogTime(int time);
// Writes one entry; the first of a game starts the file afresh, later ones (also after the
// game is saved and restored) append to it.
void LogScore(GameState& g, int points, std::string_view reason);

}  // namespace kv41
