#pragma once
// The state a replay is checked against: what a session ends with, written as the replay's last
// lines (comments, so that running the replay ignores them) and compared with the state that
// running it again leaves.
#include <string>
#include <vector>

namespace kv41 {

struct GameState;

// Every line starts "# end ": the clock, points and session values; the levers; each box's
// instruments and bells; the sections' occupation; each train's state, place and register times.
std::vector<std::string> EndStateLines(const GameState& g);

// The recorded end state: the lines of a replay's text that start "# end ".
std::vector<std::string> RecordedEndState(const std::string& replayText);

// The first difference between a recorded and a replayed end state, as a sentence for the
// player; empty when they agree.
std::string FirstDifference(const std::vector<std::string>& recorded,
                            const std::vector<std::string>& replayed);

}  // namespace kv41
