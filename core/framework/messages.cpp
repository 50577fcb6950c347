// Placeholder until messages and scoring land.
#include "framework/messages.h"

#include <string>

#include "game_state.h"
#include "platform/platform.h"

namespace kv41 {
void ShowError(GameState& g, std::string_view text) {
    g.Host->Report(Output::Error, std::string(text));
}
void ShowNotice(GameState& g, std::string_view text) {
    g.Host->Report(Output::Notice, std::string(text));
}
void ShowBonus(GameState& g, std::string_view text) {
    g.Host->Report(Output::Bonus, std::string(text));
}
void LosePoints(GameState& g, int points, std::string_view reason) {
    g.Points -= points;
    ShowError(g, "You lose " + std::to_string(points) + " points for " + std::string(reason));
}
void GainPoints(GameState& g, int points, std::string_view reason) {
    g.Points += points;
    ShowBonus(g, "You gain " + std::to_string(points) + " points for " + std::string(reason));
}
void StoreMessage(GameState&, std::string_view) {}
bool AskYesNo(GameState& g, std::string_view text) {
    return g.Host->AskYesNo(std::string(text), 0);
}
void FatalError(GameState& g, std::string_view reason) {
    g.Host->ShowBox("Program cannot continue:\r\n" + std::string(reason), BoxType::Error, 261);
    throw ProgramEnd{1};
}
}  // namespace kv41
