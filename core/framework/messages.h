#pragma once
// Every judgement and message the player gets: errors, notices, bonuses, points, questions.
#include <string_view>

#include "framework/framework_state.h"

namespace kv41 {

struct GameState;

// Presented for two seconds on the message line, or in a box that waits for OK when "Wait on
// error" is on; then kept among the recent messages.
void ShowError(GameState& g, std::string_view text);
void ShowNotice(GameState& g, std::string_view text);
void ShowBonus(GameState& g, std::string_view text);
// "You lose n point(s) for " + reason on screen (cut to 79); the whole reason goes to the log.
void LosePoints(GameState& g, int points, std::string_view reason);
void GainPoints(GameState& g, int points, std::string_view reason);
// Any other text for the message line (a prompt, a warning, a report of a file written):
// written in the given colours and reported as a line; with pauseMs > 0 it stays that long
// and the line is cleared again, else it stays until the line is next cleared.
void ShowLineMessage(GameState& g, std::string_view text, Rgb textColour, Rgb backColour,
                     int pauseMs = 0);
// A message that may be longer than the line (a hint): whole, wrapped at a blank onto the
// status line below, which goes again with the message line.
void ShowLongLineMessage(GameState& g, std::string_view text, Rgb textColour, Rgb backColour);
void StoreMessage(GameState& g, std::string_view text);
// Empties the 16 slots of the recent messages.
void ClearMessages(GameState& g);
bool AskYesNo(GameState& g, std::string_view text);
// Shows the fatal box and ends the program (throws ProgramEnd).
[[noreturn]] void FatalError(GameState& g, std::string_view reason);

}  // namespace kv41
