// Reading a position back. The file is read into a copy of the game; the copy replaces the game
// only when every line is there and every number lies in its range, so that a damaged or
// foreign file never leaves a half-loaded game (or points) behind, and no number read from a
// file is ever used to index a table it does not fit.
#include <algorithm>
#include <charconv>

#include "framework/ini_file.h"
#include "game_state.h"
#include "running/invariants.h"
#include "running/section_entry.h"
#include "session/new_game.h"
#include "session/position_file.h"

namespace kv41 {

namespace {

// Times run from the evening before a Night shift to the morning after a Marathon.
constexpr int EarliestTime = -1440;
constexpr int LatestTime = 4320;
// Plain quantities (points, lateness, yards, countdowns): far beyond anything a shift makes,
// small enough that the game's sums over them never overflow.
constexpr int LargestAmount = 1'000'000;
constexpr int LastBellCode = 26;

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
    template <typename T>
    bool Number(T& out, long long min, long long max) {
        while (column_ < line_.size() && line_[column_] == ' ') ++column_;
        std::size_t start = column_;
        while (column_ < line_.size() && line_[column_] != ' ') ++column_;
        if (start == column_) return false;
        long long value = 0;
        const char* first = line_.data() + start;
        const char* last = line_.data() + column_;
        auto [end, error] = std::from_chars(first, last, value);
        if (error != std::errc() || end != last || value < min || value > max) return false;
        out = static_cast<T>(value);
        return true;
    }
    bool Flag(uint8_t& out) { return Number(out, 0, 1); }
    bool Flag(bool& out) {
        uint8_t value = 0;
        if (!Flag(value)) return false;
        out = value != 0;
        return true;
    }

    // The text after the numbers: the rest of the line after their one separating blank, cut
    // to the field's capacity.
    template <typename Text>
    void Rest(Text& out) {
        if (column_ < line_.size() && column_ > 0) ++column_;
        out = line_.substr(std::min(column_, line_.size()));
        column_ = line_.size();
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

bool Time(LineReader& in, int32_t& out) {
    return in.Number(out, EarliestTime, LatestTime);
}
bool Amount(LineReader& in, int32_t& out) {
    return in.Number(out, -LargestAmount, LargestAmount);
}

bool ReadClockAndShift(LineReader& in, GameState& s) {
    if (!in.Next()) return false;
    bool ok = Time(in, s.ClockNow) && in.Number(s.MinuteTick, 0, 10) &&
              Amount(in, s.OpeningPoints) && in.Number(s.MessageIndex, 1, MessageSlots) &&
              in.Number(s.TrainsInArea, 0, s.TrainCount) &&
              in.Number(s.LogWrites, 0, LargestAmount) && in.Flag(s.ScoreLogging) &&
              in.Number(s.TickSeconds, 1, 86400) && Time(in, s.ShiftStart) &&
              Time(in, s.ShiftEnd) && in.Number(s.ShiftNumber, 1, 5) && Amount(in, s.ShiftTarget);
    if (!ok) return false;
    in.Rest(s.ShiftName);
    if (!in.Next()) return false;
    s.DifficultyName = in.Line();
    // Penalties follow the difficulty, which the file keeps only by name. A name that is none
    // of the five (a file edited by hand) is kept as text, and the game runs on at the level
    // it has.
    for (int level = 0; level < DifficultyCount; ++level) {
        if (SameName(s.DifficultyName.view(), DifficultyNames[level])) {
            s.Difficulty = 5 * (level + 1);
            break;
        }
    }
    return true;
}

bool ReadLinesAndTrains(LineReader& in, GameState& s) {
    for (int line = 1; line <= LineCount; ++line) {
        if (!in.Next()) return false;
        for (int entry = 0; entry < 4; ++entry) {
            if (!in.Number(s.LineTrains[line][entry], 0, s.TrainCount)) return false;
        }
        if (!Time(in, s.LineLastTime[line]) || !in.AtEnd()) return false;
    }
    for (int t = 1; t <= s.TrainCount; ++t) {
        if (!in.Next()) return false;
        bool ok = Time(in, s.TrainDue[t]) && Amount(in, s.TrainLate[t]) &&
                  in.Number(s.TrainEngine[t], 0, EngineUnknown) &&
                  (s.TrainEngine[t] <= s.EngineCount || s.TrainEngine[t] == EngineUnknown) &&
                  in.Number(s.TrainSect[t], 0, s.SectCount) &&
                  in.Number(s.TrainSpeed[t], 0, 1000) && Amount(in, s.TrainToGo[t]) &&
                  in.Number(s.TrainState[t], TrainBlank, TrainGone);
        for (int i = 1; ok && i <= 6; ++i) ok = Time(in, s.TrainTimes[t][i]);
        if (!ok || !Amount(in, s.TrainWait[t]) || !in.AtEnd()) return false;
    }
    return true;
}

bool ReadRailway(LineReader& in, GameState& s) {
    for (int sect = 1; sect <= s.SectCount; ++sect) {
        if (!in.Next()) return false;
        bool ok = in.Number(s.SectTrain[sect], 0, s.TrainCount) &&
                  in.Number(s.SectNext[sect], -BoxCount, s.SectCount) &&
                  in.Number(s.SectBehind[sect], 0, s.SectCount) &&
                  in.Number(s.SectLimit[sect], 0, 1000);
        if (!ok || !in.AtEnd()) return false;
    }
    for (int lever = 1; lever <= LeverCount; ++lever) {
        if (!in.Next() || !in.Flag(s.LeverNormal[lever]) || !in.AtEnd()) return false;
    }
    for (int k = 1; k <= BoxCount; ++k) {
        if (!in.Next()) return false;
        bool ok = in.Number(s.BoxBlock[k][0], TrainOnLine, LineBlocked) &&
                  in.Number(s.BoxBlock[k][1], TrainOnLine, LineBlocked) &&
                  in.Number(s.BoxBellShown[k], 0, LastBellCode) &&
                  in.Number(s.BoxBellSent[k], 0, LastBellCode) && in.Flag(s.BoxBellAnswered[k]) &&
                  in.Number(s.BoxOfferedTrain[k], 0, s.TrainCount) &&
                  in.Flag(s.BoxWarningGiven[k]) && in.Flag(s.BoxShuntForward[k]) &&
                  in.Flag(s.BoxBlockedBack[k]) && in.Flag(s.BoxTrainGone[k]) &&
                  in.Number(s.BoxTrain[k], 0, s.TrainCount) && Time(in, s.BoxLineClearTime[k]) &&
                  Time(in, s.BoxTesTime[k]) && in.Number(s.BoxAcceptedCode[k], 0, LastBellCode) &&
                  in.Number(s.BoxToosTrain[k], 0, s.TrainCount) && Time(in, s.BoxToosDeadline[k]);
        if (!ok || !in.AtEnd()) return false;
        // Every instrument is to be drawn afresh at the next paint.
        for (int i = 0; i < 2; ++i) {
            s.BoxInstrumentDrawn[k][i] = s.BoxBlock[k][i] == LineClear ? 2 : 1;
        }
    }
    return true;
}

bool ReadEnginesMessagesAndOptions(LineReader& in, GameState& s) {
    for (int e = 1; e <= s.EngineCount; ++e) {
        if (!in.Next()) return false;
        s.EngineNumber[e] = in.Line();
    }
    for (int m = 1; m <= MessageSlots; ++m) {
        if (!in.Next() || !Time(in, s.MessageTime[m])) return false;
        in.Rest(s.MessageText[m]);
    }
    if (!in.Next()) return false;
    bool ok = in.Number(s.MessageIndex, 1, MessageSlots) && Amount(in, s.YardTimer) &&
              in.Number(s.YardTrain, 0, s.TrainCount) && in.Flag(s.YardClear) && in.AtEnd();
    if (!ok || !in.Next()) return false;
    ok = in.Flag(s.AutoSave) && in.Flag(s.AutoBlockInstruments) &&
         in.Flag(s.RequireCallAttention) && in.Flag(s.RulesLMR) && in.Flag(s.RulesWR) && in.AtEnd();
    // One rule book at a time.
    return ok && !(s.RulesLMR && s.RulesWR);
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
    if (in.Next() && !in.Number(staged.Points, -LargestAmount, LargestAmount)) {
        return LoadOutcome::NotInFormat;
    }
    std::string_view identity = in.Next() ? in.Line().substr(0, 10) : std::string_view();
    if (identity != SimIdentity) return LoadOutcome::OtherSimulation;

    bool ok = ReadClockAndShift(in, staged) && ReadLinesAndTrains(in, staged) &&
              ReadRailway(in, staged) && ReadEnginesMessagesAndOptions(in, staged);
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
