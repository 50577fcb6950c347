// The options window's effect on the game: what its OK takes back.
#include "framework/options.h"

#include "framework/sounds.h"
#include "framework/text_grid.h"
#include "game_state.h"

namespace kv41 {

namespace {

constexpr int SmallestFontSize = 6;

}  // namespace

OptionValues CurrentOptions(const GameState& g) {
    OptionValues values;
    values.ScoreLogging = g.ScoreLogging;
    values.SoundOn = g.SoundOn;
    values.WaitOnError = g.WaitOnError;
    values.AutoSave = g.AutoSave;
    values.AutoBlockInstruments = g.AutoBlockInstruments;
    values.RequireCallAttention = g.RequireCallAttention;
    values.Rules = g.Rules;
    values.MainFontSize = g.FontSize;
    values.InfoFontSize = g.InfoFontSize;
    return values;
}

void ApplyOptions(GameState& g, const OptionValues& chosen) {
    const OptionValues before = CurrentOptions(g);
    g.ScoreLogging = chosen.ScoreLogging;
    // Switched off mid-bell, the bell stops at once.
    if (g.SoundOn && !chosen.SoundOn) StopSounds(g);
    g.SoundOn = chosen.SoundOn;
    g.WaitOnError = chosen.WaitOnError;
    // The clock box is hidden in the window and always comes back unticked.
    g.ClockRunning = false;
    g.AutoSave = chosen.AutoSave;
    if (chosen.MainFontSize != g.FontSize && chosen.MainFontSize >= SmallestFontSize &&
        chosen.MainFontSize <= g.MaxFontSize) {
        g.FontSize = chosen.MainFontSize;
        SetupPanelFont(g);
        g.FullRedraw = true;
    }
    if (chosen.InfoFontSize >= SmallestFontSize && chosen.InfoFontSize <= g.MaxFontSize) {
        g.InfoFontSize = chosen.InfoFontSize;
    }
    g.AutoBlockInstruments = chosen.AutoBlockInstruments;
    g.RequireCallAttention = chosen.RequireCallAttention;
    g.Rules = chosen.Rules;
    if (g.Recorder) g.Recorder->OptionsChanged(before, CurrentOptions(g));
}

bool SetOption(GameState& g, const std::string& name, bool on) {
    OptionValues values = CurrentOptions(g);
    if (name == "autoblock") {
        values.AutoBlockInstruments = on;
    } else if (name == "callattention") {
        values.RequireCallAttention = on;
    } else if (name == "log") {
        values.ScoreLogging = on;
    } else if (name == "wait") {
        values.WaitOnError = on;
    } else if (name == "sound") {
        values.SoundOn = on;
    } else if (name == "autosave") {
        values.AutoSave = on;
    } else {
        return false;
    }
    ApplyOptions(g, values);
    return true;
}

bool SetBellRules(GameState& g, const std::string& rules) {
    OptionValues values = CurrentOptions(g);
    for (RuleBook book : {RuleBook::BR, RuleBook::WR, RuleBook::LMR}) {
        if (rules != RuleBookName(book)) continue;
        values.Rules = book;
        ApplyOptions(g, values);
        return true;
    }
    return false;
}

std::string_view RuleBookName(RuleBook rules) {
    switch (rules) {
    case RuleBook::WR: return "WR";
    case RuleBook::LMR: return "LMR";
    case RuleBook::BR: break;
    }
    return "BR";
}

}  // namespace kv41
