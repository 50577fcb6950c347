#pragma once
// Every judgement and message the player gets: errors, notices, bonuses, points, questions.
#include <string_view>

namespace kv41 {

struct GameState;

void ShowError(GameState& g, std::string_view text);
void ShowNotice(GameState& g, std::string_view text);
void ShowBonus(GameState& g, std::string_view text);
void LosePoints(GameState& g, int points, std::string_view reason);
void GainPoints(GameState& g, int points, std::string_view reason);
void StoreMessage(GameState& g, std::string_view text);
bool AskYesNo(GameState& g, std::string_view text);
// Shows the fatal box and ends the program (throws ProgramEnd).
[[noreturn]] void FatalError(GameState& g, std::string_view reason);

}  // namespace kv41
