#pragma once
// The options window's choices and what OK does with them.
#include <string>
#include <string_view>

#include "framework/framework_state.h"

namespace kv41 {

struct GameState;

// Everything the options window shows and its OK takes back.
struct OptionValues {
    bool ScoreLogging = false;
    bool SoundOn = true;
    bool WaitOnError = false;
    bool AutoSave = false;  // shown only: the window cannot change it
    bool AutoBlockInstruments = false;
    bool RequireCallAttention = false;
    RuleBook Rules = RuleBook::BR;
    int MainFontSize = 10;
    int InfoFontSize = 10;
};

// The values the window opens with.
OptionValues CurrentOptions(const GameState& g);
// OK: takes every value back; a changed main font size lays the panel out again.
void ApplyOptions(GameState& g, const OptionValues& chosen);

// Options as the window's check boxes name them: "autoblock", "callattention", "log", "wait",
// "sound", "autosave". Returns false for an unknown name.
bool SetOption(GameState& g, const std::string& name, bool on);
// Bell rules: "BR", "WR" or "LMR". Returns false for an unknown name.
bool SetBellRules(GameState& g, const std::string& rules);
// The short name above of a rule book.
std::string_view RuleBookName(RuleBook rules);

}  // namespace kv41
