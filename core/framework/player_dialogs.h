#pragma once
// The questions and choices the game puts to the player: a scripted answer when one is queued
// (GameState::Inputs), else the platform's dialog; every answer is told to the input watcher.
#include <optional>
#include <string>

namespace kv41 {

struct GameState;
struct FileChoice;

// The dialogs: a scripted answer when one is queued, else the platform's.
bool AskPlayer(GameState& g, const std::string& text);
std::optional<int> ChooseBellCodeFor(GameState& g, int box);
std::optional<std::string> ChooseFileFor(GameState& g, const FileChoice& choice);

}  // namespace kv41
