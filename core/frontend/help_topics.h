#pragma once
// The help topics that the front end's own windows and menu items open, and the rule that
// picks the topic F1 opens.
namespace kv41 {

struct GameState;

namespace HelpTopic {
constexpr int Introduction = 100;
constexpr int NewGame = 110;
constexpr int BellList = 425;
constexpr int Penalties = 610;
constexpr int Bonuses = 620;
constexpr int Rating = 630;
constexpr int Options = 710;
}  // namespace HelpTopic

// F1 opens the topic of the window that has the keyboard (0: it has none of its own), else
// that of a message box being shown (0: none), else the game's topic of the moment.
int HelpTopicInForce(const GameState& g, int windowTopic, int boxTopic);

}  // namespace kv41
