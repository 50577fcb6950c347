// Reading a position back. The file is read into a copy of the game; the copy replaces the game
// only when every line is there and every number lies in its range, so that a damaged or
// foreign file never leaves a half-loaded game (or points) behind, and no number read from a
// file is ever used to index a table it does not fit.
#include <algorithm>
#include <charconv>
#include <climits>

#include "framework/ini_file.h"
#include "game_state.h"
#include "running/invariants.h"
#include "running/section_entry.h"
#include "session/new_game.h"
#include "session/position_fields.h"
#include "session/position_file.h"

namespace kv41 {

namespace {

class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}

    // Takes the next line; false at the end of the file.
    bool Next() {
        if (next_ >= text_.size()) return false;
        std::size_t end = text_.find_first_of("\r\n", next_);
        if (end == std::string_view::npos) end = text_.size();
        line_ = text_.substr(next_, end - next_);
        next_ = end;
        if (next_ < text_.size() && text_[next_] == '\r') ++next_;
        if (next_ < text_.size() && text_[next_] == '\n') ++next_;
        column_ = 0;
        return true;
    }

    // The next blank-separated token of the line as a whole number in min..max.
    bool Number(long long& out, long long min, long long max) {
        while (column_ < line_.size() && line_[column_] == ' ') ++column_;
        std::size_t start = column_;
        while (column_ < line_.size() && line_[column_] != ' ') ++column_;
        if (start == column_) return false;
        long long value = 0;
        const char* first = line_.data() + start;
        const char* last = line_.data() + column_;
        auto [end, error] = std::from_chars(first, last, value);
        if (error != std::errc() || end != last || value < min || value > max) return false;
        out = value;
        return true;
    }

    // The text after the numbers: the rest of the line after their one separating blank.
    std::string_view Rest() {
        if (column_ < line_.size() && column_ > 0) ++column_;
        std::string_view rest = line_.substr(std::min(column_, line_.size()));
        column_ = line_.size();
        return rest;
    }

    // Nothing but blanks left on the line.
    bool AtEnd() {
        while (column_ < line_.size() && line_[column_] == ' ') ++column_;
        return column_ == line_.size();
    }

    std::string_view Line() const { return line_; }

private:
    std::string_view text_;
    std::size_t next_ = 0;
    std::string_view line_;
    std::size_t column_ = 0;
};

// A value the game keeps through another (a rule book flag), as the file gave it.
struct KeptThrough {
    const GameField* Field;
    int Index, Index2;
    long long Value;
};

// One line of the layout per row, each value in its field's range, a line without a text ending
// after its last number.
bool ReadLine(LineReader& in, GameState& s, const PositionLine& line, int index,
              std::vector<KeptThrough>& keptThrough) {
    if (!in.Next()) return false;
    bool text = false;
    for (const PositionItem& item : line.Items) {
        const GameField& field = *item.Field;
        if (field.Text) {
            std::get<TextSlot>(field.Slot(s, index, 0)).Assign(in.Rest());
            text = true;
            continue;
        }
        long long value = 0;
        if (!in.Number(value, LLONG_MIN, LLONG_MAX) || !field.Values.Allows(s, value)) {
            return false;
        }
        SetFieldValue(s, field, index, item.Index2, value);
        if (std::holds_alternative<RuleFlag>(field.Slot(s, index, item.Index2))) {
            keptThrough.push_back({&field, index, item.Index2, value});
        }
    }
    return text || in.AtEnd();
}

bool ReadLayout(LineReader& in, GameState& s) {
    std::vector<KeptThrough> keptThrough;
    for (const PositionLine& line : PositionLayout()) {
        if (line.Rows == Span::None) {
            if (!ReadLine(in, s, line, 0, keptThrough)) return false;
            continue;
        }
        for (int row = 1; row <= SpanCount(s, line.Rows); ++row) {
            if (!ReadLine(in, s, line, row, keptThrough)) return false;
        }
    }
    // Penalties follow the difficulty, which the file keeps only by name. A name that is none
    // of the five (a file edited by hand) is kept as text, and the game runs on at the level
    // it has.
    for (int level = 0; level < DifficultyCount; ++level) {
        if (SameName(s.DifficultyName.view(), DifficultyNames[level])) {
            s.Difficulty = 5 * (level + 1);
            break;
        }
    }
    // Every instrument is to be drawn afresh at the next paint.
    for (int k = 1; k <= BoxCount; ++k) {
        for (int i = 0; i < 2; ++i) {
            s.BoxInstrumentDrawn[k][i] = s.BoxBlock[k][i] == LineClear ? 2 : 1;
        }
    }
    // One rule book at a time: a flag that no longer reads as the file set it was undone by a
    // second book's.
    for (const KeptThrough& kept : keptThrough) {
        if (FieldValue(s, *kept.Field, kept.Index, kept.Index2) != kept.Value) return false;
    }
    return true;
}

// What each box was in the middle of (a call attention rung or answered, the code it awaits)
// is not in the file. A Restart must not carry it over from the game it abandons: the loaded
// game starts those exchanges afresh, as a game resumed from the start screen does.
void ForgetBoxExchanges(GameState& s) {
    for (int k = 1; k <= BoxCount; ++k) {
        s.BoxAttending[k] = 0;
        s.BoxAwaitingAttn[k] = 0;
        s.BoxHeldCode[k] = 0;
        s.BoxAttnAnswered[k] = 0;
        s.BoxRingPending[k] = 0;
        s.BoxLastRingTime[k] = NoTime;
    }
}

}  // namespace

LoadOutcome ReadPosition(GameState& g, std::string_view text) {
    GameState staged = g;
    LineReader in(text);
    // An empty file has no points to read: it counts as 0 and is refused at the identity.
    staged.Points = 0;
    if (in.Next()) {
        const GameField& points = *FindField("Points");
        long long value = 0;
        if (!in.Number(value, LLONG_MIN, LLONG_MAX) || !points.Values.Allows(staged, value)) {
            return LoadOutcome::NotInFormat;
        }
        staged.Points = static_cast<int32_t>(value);
    }
    std::string_view identity = in.Next() ? in.Line().substr(0, 10) : std::string_view();
    if (identity != SimIdentity) return LoadOutcome::OtherSimulation;

    bool ok = ReadLayout(in, staged);
    // Numbers in range can still contradict one another (a train in two places); such a file
    // would leave the running rules with a railway that cannot be.
    if (!ok || !CheckInvariants(staged).empty()) return LoadOutcome::ReadError;
    ForgetBoxExchanges(staged);
    DeriveOvertakingPaid(staged);
    g = staged;
    g.FullRedraw = true;
    return LoadOutcome::Loaded;
}

}  // namespace kv41
