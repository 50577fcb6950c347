#include "replay/end_state.h"

#include <sstream>
#include <string_view>

#include "framework/options.h"
#include "game_state.h"
#include "session/position_fields.h"

namespace kv41 {

namespace {

constexpr std::string_view Prefix = "# end ";

// A value on an end line: the text before it, then a field by its name in the game's own
// description of its fields, every element of it (between commas) when it has a second index.
// No field: the rule book by its short name, which that description keeps as two flags.
struct EndItem {
    std::string_view Before;
    std::string_view Field;
};

// The values of the game (no rows), one line per row of a table with the row's number after
// the head, or every row of a table on the one line.
enum class Rows { Game, LinePerRow, OneLine };

struct EndLine {
    std::string_view Head;
    Rows Kind;
    Span Table;
    std::vector<EndItem> Items;
};

// Replays already written end with these lines, word for word: a line changed here no longer
// matches them.
const std::vector<EndLine>& EndLayout() {
    static const std::vector<EndLine> layout = {
        {"game",
         Rows::Game,
         Span::None,
         {{" clock=", "ClockNow"},
          {".", "MinuteTick"},
          {" points=", "Points"},
          {" area=", "TrainsInArea"},
          {" speed=", "TickSeconds"},
          {" fast=", "FastMode"},
          {" quiet=", "QuietTicks"},
          {" learning=", "LearningMode"},
          {" paused=", "Paused"},
          {" ended=", "SessionOver"},
          {" rules=", ""},
          {" autoblock=", "AutoBlockInstruments"},
          {" callattention=", "RequireCallAttention"},
          {" yard=", "YardTimer"},
          {",", "YardTrain"},
          {",", "YardClear"},
          {" messages=", "MessageIndex"}}},
        {"levers ", Rows::OneLine, Span::Lever, {{"", "LeverNormal"}}},
        {"box ",
         Rows::LinePerRow,
         Span::Box,
         {{" instruments=", "BoxBlock"},
          {" shown=", "BoxBellShown"},
          {" sent=", "BoxBellSent"},
          {" answered=", "BoxBellAnswered"},
          {" pending=", "BoxRingPending"},
          {" offered=", "BoxOfferedTrain"},
          {" train=", "BoxTrain"},
          {" gone=", "BoxTrainGone"}}},
        {"sections",
         Rows::OneLine,
         Span::Section,
         {{" ", "SectTrain"}, {">", "SectNext"}, {"/", "SectLimit"}}},
        {"train ",
         Rows::LinePerRow,
         Span::Train,
         {{" state=", "TrainState"},
          {" sect=", "TrainSect"},
          {" speed=", "TrainSpeed"},
          {" togo=", "TrainToGo"},
          {" late=", "TrainLate"},
          {" wait=", "TrainWait"},
          {" times=", "TrainTimes"}}},
    };
    return layout;
}

void WriteItems(std::ostringstream& text, const GameState& g, const EndLine& line, int row) {
    for (const EndItem& item : line.Items) {
        text << item.Before;
        if (item.Field.empty()) {
            text << RuleBookName(g.Rules);
            continue;
        }
        const GameField& field = *FindField(item.Field);
        if (!field.HasSecondIndex()) {
            text << FieldValue(g, field, row, 0);
            continue;
        }
        for (int j = field.First2; j <= field.Last2; ++j) {
            text << (j > field.First2 ? "," : "") << FieldValue(g, field, row, j);
        }
    }
}

}  // namespace

std::vector<std::string> EndStateLines(const GameState& g) {
    std::vector<std::string> lines;
    for (const EndLine& line : EndLayout()) {
        const int rows = SpanCount(g, line.Table);
        if (line.Kind == Rows::LinePerRow) {
            for (int row = 1; row <= rows; ++row) {
                std::ostringstream text;
                text << Prefix << line.Head << row;
                WriteItems(text, g, line, row);
                lines.push_back(text.str());
            }
            continue;
        }
        std::ostringstream text;
        text << Prefix << line.Head;
        if (line.Kind == Rows::Game) WriteItems(text, g, line, 0);
        for (int row = 1; line.Kind == Rows::OneLine && row <= rows; ++row) {
            WriteItems(text, g, line, row);
        }
        lines.push_back(text.str());
    }
    return lines;
}

std::vector<std::string> RecordedEndState(const std::string& replayText) {
    std::vector<std::string> lines;
    std::istringstream in(replayText);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.starts_with(Prefix)) lines.push_back(line);
    }
    return lines;
}

std::string FirstDifference(const std::vector<std::string>& recorded,
                            const std::vector<std::string>& replayed) {
    for (std::size_t i = 0; i < recorded.size() || i < replayed.size(); ++i) {
        std::string was = i < recorded.size() ? recorded[i].substr(Prefix.size()) : "(nothing)";
        std::string now = i < replayed.size() ? replayed[i].substr(Prefix.size()) : "(nothing)";
        if (was != now) return "recorded: " + was + "\nreplayed: " + now;
    }
    return {};
}

}  // namespace kv41
