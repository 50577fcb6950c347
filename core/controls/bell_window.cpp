// The bell code list and the tapper sound of a code being sent.
#include "controls/bell_window.h"

#include <array>

#include "framework/player_dialogs.h"
#include "framework/sounds.h"
#include "framework/text_grid.h"
#include "game_state.h"
#include "model/bell_codes.h"
#include "platform/platform.h"

namespace kv41 {

namespace {

constexpr int NoAttentionColumn = 10;
constexpr int DittoColumn = 16;
constexpr int DescriptionColumn = 29;

void PutAt(std::string& line, std::size_t column, std::string_view text) {
    if (line.size() < column + text.size()) line.resize(column + text.size(), ' ');
    line.replace(column, text.size(), text);
}

}  // namespace

std::string BellListLine(int code) {
    if (code < 0 || code > BellCodeLast) return {};
    const BellCode& bell = BellCodeOf(code);
    std::string line;
    PutAt(line, 0, BellCodeLabel(code));
    if (code != BellNone && !bell.NeedsCallAttention) PutAt(line, NoAttentionColumn, "*");
    if (code == BellLineClearFirst) PutAt(line, NoAttentionColumn, "Is line clear for");
    if (code > BellLineClearFirst && code <= BellLineClearLast) PutAt(line, DittoColumn, "\"");
    PutAt(line, DescriptionColumn, bell.Description);
    return line;
}

std::string BellListCaption(const GameState& g, int box) {
    std::string caption = "Select bell code to send";
    if (box < 1 || box > BoxCount) return caption;
    std::string name = g.BoxName[static_cast<std::size_t>(box)].str();
    while (!name.empty() && name.back() == ' ') name.pop_back();
    return caption + " to " + name;
}

void ChooseBell(GameState& g, int box) {
    g.HelpContext = 414;
    g.PendingBellBox = box;
    g.PendingBellCode = 0;
    std::optional<int> chosen = ChooseBellCodeFor(g, box);
    const bool valid = chosen && *chosen > BellNone && *chosen <= BellCodeLast;
    if (g.Recorder) g.Recorder->BellChosen(valid ? *chosen : BellNone);
    if (valid) {
        g.PendingBellCode = *chosen;
        PlayBell(g, box, *chosen);
    }
}

void PlayBell(GameState& g, int box, int code) {
    if (box >= 1 && box <= BoxCount)
        g.BoxBellSent[static_cast<std::size_t>(box)] = static_cast<uint8_t>(code);
    const BellCode& bell = BellCodeOf(code);
    std::array<int, 3> groups{bell.Beats[0], bell.Beats[1], bell.Beats[2]};
    PlayTapperGroups(g, groups);
}

}  // namespace kv41
