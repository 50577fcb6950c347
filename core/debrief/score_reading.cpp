#include "debrief/score_reading.h"

#include <charconv>

#include "game_state.h"
#include "model/clock.h"

namespace kv41 {

namespace {

constexpr std::size_t MaxPointsText = 79;
constexpr int LeversTopic = 416;
constexpr int BlockTopic = 430;
constexpr int PenaltiesTopic = 610;
constexpr int BonusesTopic = 620;
constexpr int SavingTopic = 720;

bool Has(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

bool Starts(std::string_view text, std::string_view part) {
    return text.substr(0, part.size()) == part;
}

// How likely a train is the one meant, where several share a booked time: one in the area
// or just gone from it before one still to come or long gone.
int Standing(const GameState& g, int t) {
    switch (g.TrainState[t]) {
    case 4:
    case 5: return 3;
    case 6: return g.TrainTimes[t][6] == g.ClockNow ? 2 : 0;
    case 3: return 1;
    default: return 0;
    }
}

int TrainByMinutes(const GameState& g, int minutes, bool wantStanding) {
    int best = 0, bestScore = -1;
    for (int t = 1; t <= g.TrainCount; ++t) {
        if (g.TrainState[t] == 0 || g.TrainDue[t] != minutes) continue;
        int score = Standing(g, t);
        if (wantStanding && g.TrainSect[t] == 20) score = -1;
        if (score > bestScore) best = t, bestScore = score;
    }
    return best;
}

}  // namespace

std::string PointsMessage(int points, std::string_view reason) {
    const int n = points < 0 ? -points : points;
    std::string text = std::string(points < 0 ? "You lose " : "You gain ") + std::to_string(n) +
                       " point" + (n > 1 ? "s" : "") + " for " + std::string(reason);
    return text.substr(0, MaxPointsText);
}

int TrainOfReason(const GameState& g, std::string_view reason) {
    if (IsOvertaking(reason)) {
        // The faster train's booked time in minutes leads the text.
        int minutes = 0;
        std::from_chars(reason.data(), reason.data() + reason.size(), minutes);
        return TrainByMinutes(g, minutes, true);
    }
    int best = 0, bestScore = -1;
    for (int t = 1; t <= g.TrainCount; ++t) {
        if (g.TrainState[t] == 0) continue;
        const std::string due = FormatClock(g.TrainDue[t]);
        const std::size_t at = reason.find(due);
        if (at == std::string_view::npos) continue;
        // A time is a whole word: " 6.18" must not be read inside "16.18".
        const std::size_t end = at + due.size();
        if (end < reason.size() && reason[end] != ' ') continue;
        int score = Standing(g, t) * 2;
        if (Has(reason, " from ") && !g.TrainOrigin[t].empty() &&
            Has(reason.substr(end), g.TrainOrigin[t].str())) {
            score += 10;
        }
        if (score > bestScore) best = t, bestScore = score;
    }
    return best;
}

int RuleTopic(ScoreKind kind, std::string_view reason) {
    if (kind == ScoreKind::Position) return SavingTopic;
    if (kind == ScoreKind::Gain) return BonusesTopic;
    if (Starts(reason, "interlocking error") || Starts(reason, "no permission to block back") ||
        Starts(reason, "line clear not given") || Starts(reason, "routing train to yard")) {
        return LeversTopic;
    }
    if (IsDelayCharge(reason) || IsWrongRoute(reason)) return PenaltiesTopic;
    return BlockTopic;
}

bool IsWrongRoute(std::string_view reason) {
    return Starts(reason, "trying to route") || Starts(reason, "not routing terminating");
}

bool IsDelayCharge(std::string_view reason) {
    return Starts(reason, "delaying ");
}

bool IsOvertaking(std::string_view reason) {
    return Has(reason, "overtaking slower ");
}

}  // namespace kv41
