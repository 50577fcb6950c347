#pragma once
// Told of every point given or taken, at the moment it is given, with the reason the player
// reads. Scoring does not know who listens: a capability that explains the score (the shift's
// review) watches here while it plays a recorded session again.
#include <string_view>

namespace kv41 {

struct GameState;

class ScoreWatch {
public:
    virtual ~ScoreWatch() = default;
    // points: positive for a gain, negative for a loss; Points already holds the new total.
    virtual void Scored(const GameState& g, int points, std::string_view reason) = 0;
};

}  // namespace kv41
