#pragma once
// The options window's choices and what OK does with them.
#include <string>

namespace kv41 {

struct GameState;

// Options as the window's check boxes name them: "autoblock", "callattention", "log", "wait",
// "sound", "autosave". Returns false for an unknown name.
bool SetOption(GameState& g, const std::string& name, bool on);
// Bell rules: "BR", "WR" or "LMR". Returns false for an unknown name.
bool SetBellRules(GameState& g, const std::string& rules);

}  // namespace kv41
