#pragma once
// A replay watched in a window: after its start is made as the recorded session's was (the same
// seed, a new game or the position it was resumed from), its lines are given to the game one
// at a time as scripted input, a tick or an input per beat of the front end's timer. Each input
// is taken before the next is given, so that the game shows every one. A press on the panel or
// a key other than F1 ends the watching: the player has the game from then on.
#include <string>

#include "replay/replay_script.h"

namespace kv41 {

struct GameState;

// Real milliseconds between beats when no pace is asked for.
constexpr int DefaultReplayBeatMs = 100;

class ReplayPacing {
public:
    // Files that the replay saves and loads are kept in `directory`, not over the player's.
    ReplayPacing(ReplayScript script, std::string directory);

    const ReplayScript& Script() const { return script_; }
    // Where the position the replay starts from is written, when it starts from one; empty
    // for a replay of a new game.
    std::string WriteStartPosition() const;

    enum class Beat {
        Waiting,  // the last input given is not yet taken, or no session runs yet
        Gave,     // the next tick or input is queued for the game
        Ended,    // the replay has no more: the player has the game (TakeOver)
    };
    // One beat of the front end's timer.
    Beat NextBeat(GameState& g);
    // The player takes the game over: whatever was queued and not yet taken is dropped.
    void TakeOver(GameState& g);
    bool Playing() const { return playing_; }

private:
    ReplayScript script_;
    std::string directory_;
    std::size_t next_ = 0;  // the next line to give
    int ticksLeft_ = 0;     // of the "step" line being given
    std::string held_;      // "position" lines for the next restart
    bool playing_ = true;
};

}  // namespace kv41
