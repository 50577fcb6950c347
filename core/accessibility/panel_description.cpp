#include "accessibility/panel_description.h"

#include <sstream>
#include <string_view>

#include "framework/text_grid.h"
#include "game_state.h"
#include "model/bell_codes.h"
#include "model/clock.h"
#include "panel/click_regions.h"

namespace kv41 {

namespace {

std::string Trimmed(std::string text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos) return "";
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string InstrumentText(int value) {
    switch (value) {
    case 0: return "Train On Line";
    case 1: return "Line Clear";
    default: return "Line Blocked";
    }
}

std::string BellText(int code) {
    const BellCode& bell = BellCodeOf(code);
    return std::string(BellCodeLabel(code)) + " (" + std::string(bell.Meaning) + ")";
}

// The mechanical locking: every lever that the locking rows want normal or reversed stands so.
bool LockingAllows(const GameState& g, int lever) {
    const auto& row =
        g.LeverNormal[lever] != 0 ? g.LeverPullLock[lever] : g.LeverRestoreLock[lever];
    for (int32_t entry : row) {
        const int other = entry < 0 ? -entry : entry;
        if (other < 1 || other > LeverCount) continue;
        const bool normal = g.LeverNormal[other] != 0;
        if ((entry > 0 && !normal) || (entry < 0 && normal)) return false;
    }
    return true;
}

std::string BoxState(const GameState& g, int box) {
    const auto b = static_cast<std::size_t>(box);
    std::string state = "outgoing instrument " + InstrumentText(g.BoxBlock[b][0]);
    state += ", incoming instrument " + InstrumentText(g.BoxBlock[b][1]);
    if (g.BoxBellShown[b] != 0) {
        state += ", last bell rung " + BellText(g.BoxBellShown[b]);
        state += g.BoxBellAnswered[b] != 0 ? ", answered" : ", not answered";
    } else {
        state += ", no bell shown";
    }
    if (g.BoxBellSent[b] != 0) state += ", you sent " + BellText(g.BoxBellSent[b]);
    return state;
}

std::string OccupiedTracks(const GameState& g) {
    std::string list;
    for (int section = 1; section <= MaxSections; ++section) {
        const auto s = static_cast<std::size_t>(section);
        if (g.SectTrain[s] == 0) continue;
        // A section without a name on the diagram is called by its number.
        std::string name = Trimmed(g.SectName[s].str());
        if (name.empty()) name = "section " + std::to_string(section);
        if (!list.empty()) list += ", ";
        list += name;
    }
    return list.empty() ? "none occupied" : "occupied: " + list;
}

std::string StatusState(const GameState& g) {
    const StatusTexts status = ComputeStatus(g);
    // The time without the marks that show the minute's tenths passing.
    std::string state = "time " + Trimmed(status.Time.substr(0, 5)) + ", speed " + status.Speed +
                        ", " + status.PointsCaption + " " + status.PointsValue;
    if (g.Paused) state += ", paused";
    if (g.FastMode) state += ", running fast";
    if (!status.Signalman.empty()) state += ", " + status.Signalman;
    return state;
}

// The signalman's move as the console writes it ("lever 42", "bell 3 16", "instrument 2"),
// said as a listener would want it: what he worked and, for a bell, the code and its meaning.
std::string SignalmanMoveInWords(const GameState& g, const std::string& move) {
    std::istringstream words(move);
    std::string kind;
    int number = 0, code = 0;
    words >> kind >> number >> code;
    if (kind == "lever" && number >= 1 && number <= LeverCount)
        return "Signalman moves lever " + std::to_string(number) + ", " + g.LeverName[number].str();
    if (number < 1 || number > BoxCount) return "Signalman: " + move;
    const std::string box = Trimmed(g.BoxName[static_cast<std::size_t>(number)].str());
    if (kind == "bell" && code >= 1 && code <= BellCodeLast)
        return "Signalman sends " + BellText(code) + " to " + box;
    if (kind == "instrument") return "Signalman turns the block instrument to " + box;
    return "Signalman: " + move;
}

}  // namespace

std::string LeverState(const GameState& g, int lever) {
    if (g.LeverKind[lever] == LeverSpare) return "spare";
    std::string state = g.LeverNormal[lever] != 0 ? "Normal" : "Reversed";
    return state + (LockingAllows(g, lever) ? ", free" : ", locked");
}

std::vector<PanelPart> DescribePanel(const GameState& g) {
    std::vector<PanelPart> parts;
    for (int lever = 1; lever <= LeverCount; ++lever) {
        if (g.LeverKind[lever] == LeverGap) continue;
        PanelPart part;
        part.Role = PartRole::Lever;
        part.Index = lever;
        part.Name = "Lever " + TwoDigits(lever) + ", " + g.LeverName[lever].str();
        part.State = LeverState(g, lever);
        part.Column = lever + 1;
        part.Row = 24;
        part.Rows = 5;
        part.Selected = g.KeyFocus.Kind == FocusKind::Lever && g.KeyFocus.Index == lever;
        parts.push_back(part);
    }
    for (int box = 1; box <= BoxCount; ++box) {
        PanelPart part;
        part.Role = PartRole::Box;
        part.Index = box;
        part.Name =
            "Box " + std::to_string(box) + ", " + g.BoxName[static_cast<std::size_t>(box)].str();
        part.State = BoxState(g, box);
        part.Column = BoxNameCell(box).Column;
        part.Row = 13;
        part.Columns = 18;
        part.Rows = 9;
        part.Selected = g.KeyFocus.Kind != FocusKind::None && g.KeyFocus.Kind != FocusKind::Lever &&
                        g.KeyFocus.Index == box;
        parts.push_back(part);
    }
    parts.push_back({PartRole::TrackCircuits, 0, "Track circuits", OccupiedTracks(g), 1, 1,
                     GridColumns, 11, false});
    parts.push_back({PartRole::Status, 0, "Status", StatusState(g), 1, 1, GridColumns, 1, false});
    parts.push_back({PartRole::MessageLine, 0, "Message line",
                     Trimmed(BottomLine(g, g.GridRowCount - 1)), 1, g.GridRowCount - 1, GridColumns,
                     1, false});
    return parts;
}

std::string Announcement(const GameState& g, Output kind, const std::string& text) {
    switch (kind) {
    case Output::Ring: {
        // "BOX CODE" as the box's bell reports it.
        const int box = text.empty() ? 0 : text[0] - '0';
        if (box < 1 || box > BoxCount) return text;
        const std::string label = Trimmed(text.substr(1));
        std::string rung = label;
        for (int code = 1; code <= BellCodeLast; ++code) {
            if (BellCodeLabel(code) == label) rung = BellText(code);
        }
        return Trimmed(g.BoxName[static_cast<std::size_t>(box)].str()) + " rings " + rung;
    }
    case Output::Sound:
    case Output::Ask: return "";
    case Output::Signalman: return SignalmanMoveInWords(g, text.substr(0, text.find(" - ")));
    default: return Trimmed(text);
    }
}

}  // namespace kv41
