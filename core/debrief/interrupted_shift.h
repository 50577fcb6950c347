#pragma once
// A shift the program did not live to finish (a crash, a killed program, a machine switched
// off): its running replay holds every input up to the last seconds but no end, so the next
// start can play it again out of sight and hand the box back to the player where it stopped.
#include <string>

namespace kv41 {

struct GameState;

// The replay every session on the desktop is recorded into as it is played, beside the autosave.
std::string RunningReplayFile(const GameState& g);

// True when the file holds a session's start and inputs but no recorded end.
bool HoldsInterruptedShift(const std::string& file);

struct InterruptedShiftResult {
    bool Continued = false;  // the game stands where the record stopped: run ContinueSession
    std::string Kept;        // declined: the record kept as a replay of its own ("" none)
    std::string Refusal;     // the record could not be played again
};

// Plays the interrupted shift in file again out of sight to its last recorded input and asks the
// player whether to continue it. Yes: the game takes that state, the box in the player's hands,
// and the session's recorder goes on from those lines. No: the record is kept, with the state it
// reaches as its end, as a replay of its own, and the running replay is removed. Call it on the
// start screen, before any session.
InterruptedShiftResult OfferInterruptedShift(GameState& g, const std::string& file);

}  // namespace kv41
