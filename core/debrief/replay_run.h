#pragma once
// A recorded session played again out of sight: a game of its own on the headless platform, in
// a scratch directory (so that its score log and saves never touch the player's), started as the
// recorded session was (the same seed, a new game or the position it was resumed from) and
// given the recorded inputs line by line, each taken at the wait where the session took it.
// The game is deterministic from its replay, so the game played again passes through exactly
// the states the recorded one did.
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/scratch_directory.h"
#include "replay/replay_script.h"

namespace kv41 {

struct GameState;
class ReplayRecorder;
class UnseenPlatform;

// The recorder of the session the game plays, when what watches its input is one.
ReplayRecorder* SessionRecorder(const GameState& g);

// A line of a replay that the game's own reader does not take: the console's commands that
// change the game by hand ("set ..."), which a console session records as it was given. The
// console, which alone gives them, registers how they are applied; true when it applied one.
using ReplayCommandHandler = bool (*)(GameState& g, const std::string& line);
void SetReplayCommandHandler(ReplayCommandHandler handler);

class ReplayRun {
public:
    explicit ReplayRun(const std::string& replayText);
    ~ReplayRun();
    ReplayRun(const ReplayRun&) = delete;
    ReplayRun& operator=(const ReplayRun&) = delete;

    // False when the text holds no session's start.
    bool Valid() const { return valid_; }

    // Looked at whenever the game waits for the player, before the next input is given; a
    // false answer stops the run there, with the game standing in that wait.
    using Watch = std::function<bool(GameState&)>;
    // Plays until the recording runs out, the session ends or the watch stops it. True when
    // the watch stopped it.
    bool Play(const Watch& watch);

    GameState& Game() { return *game_; }
    // When the recording runs out, the clock goes on to the shift's end (for a game that
    // someone in the game plays on: the automatic signalman).
    bool ClockRunsOn = false;
    // The replay's lines as far as they were given: its head and start, then the inputs, the
    // last "step" cut to the ticks given. Run alone, they bring a game to where this one stands.
    std::vector<std::string> LinesGiven() const;

private:
    bool GiveNext();

    std::unique_ptr<GameState> game_;
    std::unique_ptr<UnseenPlatform> host_;
    ScratchDirectory directory_;
    ReplayScript script_;
    std::vector<std::string> head_;
    bool valid_ = false;
    std::size_t next_ = 0;  // the next line of script_.Lines to give
    int ticksLeft_ = 0;     // of the "step" line being given
    int ticksGiven_ = 0;    // of it so far
    std::string held_;      // "position" lines for the next restart
};

}  // namespace kv41
