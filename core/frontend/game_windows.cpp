#include "frontend/game_windows.h"

#include <algorithm>

#include "controls/bell_window.h"
#include "framework/window_places.h"
#include "frontend/help_topics.h"
#include "frontend/screen_fit.h"
#include "game_state.h"
#include "model/bell_codes.h"

namespace kv41 {

OptionsWindow OptionsWindowOf(const GameState& g) {
    OptionsWindow w;
    w.Caption = "TOLA Game Options";
    w.PreferencesTitle = "Preferences";
    // The clock box stays hidden: nothing in the game uses it, and OK always clears it.
    w.Preferences = {
        {"Score &Logging", &OptionValues::ScoreLogging},
        {"&Sound", &OptionValues::SoundOn},
        {"&Wait on error", &OptionValues::WaitOnError},
        {"AutoSave", &OptionValues::AutoSave, false},
    };
    const int largest = std::max(SmallestFontSize, static_cast<int>(g.MaxFontSize));
    w.FontBars = {
        {"Main Window", "F1", &OptionValues::MainFontSize, SmallestFontSize, largest},
        {"Info Windows", "F2", &OptionValues::InfoFontSize, SmallestFontSize, largest},
    };
    w.RulesTitle = "Bell Rules";
    w.Rules = {"BR Standard  1972", "WR 1960", "LMR 1960"};
    w.BlockTitle = "Block Working";
    w.Block = {
        {"Automatic Block Instruments", &OptionValues::AutoBlockInstruments},
        {"Require Call Attention", &OptionValues::RequireCallAttention},
    };
    w.FontBarRows = 8;
    w.HelpTopic = HelpTopic::Options;
    return w;
}

int RulesIndex(const OptionValues& values) {
    return static_cast<int>(values.Rules);
}

void SetRulesIndex(OptionValues& values, int index) {
    values.Rules = index == 1 ? RuleBook::WR : index == 2 ? RuleBook::LMR : RuleBook::BR;
}

int FontBarValue(const FontBar& bar, const OptionValues& values) {
    return std::clamp(values.*bar.Field, bar.Smallest, bar.Largest);
}

BellListWindow OpenBellList(GameState& g, int box, int suggested) {
    BellListWindow w;
    w.Caption = BellListCaption(g, box);
    w.Heading = "Bell Code      Meaning";
    for (int code = 0; code <= BellCodeLast; ++code) w.Lines.push_back(BellListLine(code));
    w.Chosen = std::clamp(suggested, 0, static_cast<int>(BellCodeLast));
    w.Columns = 80;
    w.Footnote = "* - Does not require Call Attention";
    w.FootnoteColumn = 6;
    w.CentreColumn = 40;
    w.ButtonColumns = 10;
    w.ButtonGapColumns = 3;
    w.ButtonRows = 2;
    w.Ok = "OK";
    w.Cancel = "Cancel";
    w.FontSize = g.FontSize;
    w.HelpTopic = HelpTopic::BellList;
    g.HelpContext = w.HelpTopic;
    return w;
}

InfoWindowShape InfoWindowShapeOf(const std::string& name) {
    if (name == "held") return {{{1, 3}, {1, 6}, {1, 3}, {2, 1, true}}, 85, true, 1};
    if (name == "register") return {{{3, 10}, {3, 10}}, 93, true, 1};
    if (name == "wtt") return {{{2, 10}, {2, 10}}, 70, true, 1};
    if (name == "approaching") return {{{2, 3}, {2, 3}, {2, 3}, {2, 3}}, 90, true, 2};
    return {{{1, 18}}, 80, false, 1};  // recent messages
}

int InfoWindowFontSize(const GameState& g, const std::string& name) {
    return name == "messages" ? g.FontSize : g.InfoFontSize;
}

Rect InfoWindowPlace(GameState& g, const std::string& name, Rect screen, Rect mainFrame,
                     int panelTop, Size frame) {
    // The panel's rows down to the block instruments' foot stay in sight where it can be.
    constexpr int InstrumentRows = 22;
    const ScreenBox area{screen.Left, screen.Top, screen.Width, screen.Height};
    if (auto place = RememberedWindowPlace(g, name, area, frame.Width, frame.Height)) {
        return {place->Left, place->Top, frame.Width, frame.Height};
    }
    const ScreenBox main{mainFrame.Left, mainFrame.Top, mainFrame.Width, mainFrame.Height};
    const ScreenBox box =
        PlaceInfoWindow(area, main, frame.Width, frame.Height, InfoWindowOrder(name),
                        panelTop + InstrumentRows * g.CellHeight);
    return {box.Left, box.Top, box.Width, box.Height};
}

}  // namespace kv41
