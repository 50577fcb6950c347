#pragma once
// "Play again from here": the game taken back to the start of a minute of its session, by
// playing the recorded session again out of sight up to that minute, and the box handed to the
// player there. What was played after that minute is kept as a replay of its own; the session's
// recording goes on from the minute, so that it still replays from its start to its new end.
#include <string>

namespace kv41 {

struct GameState;

struct RewindResult {
    bool Done = false;
    std::string Abandoned;  // the replay file that keeps what was played after the minute
    std::string Refusal;    // why not, for the player
};

// The start of a minute: the first time the session waited for the player with the clock at
// that minute (the minute's first tenth, or where a resumed session began). The game, at a
// wait of its session or after its end, takes on the state the session had there, field for
// field; after its end the session is to run again (PlayOnAfterRating, or ContinueSession).
RewindResult RewindSession(GameState& g, int minute);

// The game takes every value of a game played again out of sight, except what belongs to this
// program's window and machine: the platform, the recorder, the panel as last drawn, the
// player's directories and the window's metrics and flags. The box is the player's.
void TakeOverGame(GameState& g, const GameState& again);

// The minute of "HH.MM" (or "H.MM", "HH:MM") within the session's shift: the evening before
// and the next morning are read as the shift's own hours. -1 when it is not a time.
int MinuteOfText(const GameState& g, const std::string& text);

}  // namespace kv41
