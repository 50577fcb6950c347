// The tapper: beats are grouped by their pauses. A pause stands out when it is more than three
// times as long as each of the pauses it is compared with.
#include "controls/tapper.h"

#include <algorithm>
#include <initializer_list>
#include <string>
#include <vector>

#include "controls/bell_window.h"
#include "framework/messages.h"
#include "framework/text_grid.h"
#include "game_state.h"
#include "model/bell_codes.h"
#include "platform/platform.h"

namespace kv41 {

namespace {

constexpr int DayMs = 24 * 3600 * 1000;

// Milliseconds from one time of day to a later one, across midnight too.
int ElapsedMs(int from, int to) {
    int elapsed = (to - from) % DayMs;
    return elapsed < 0 ? elapsed + DayMs : elapsed;
}

class Gaps {
public:
    explicit Gaps(std::span<const int> times) {
        for (std::size_t i = 1; i < times.size(); ++i)
            gaps_.push_back(ElapsedMs(times[i - 1], times[i]));
    }
    // Whether gap `gap` (1-based) stands out against each of `others`.
    bool StandsOut(int gap, std::initializer_list<int> others) const {
        for (int other : others) {
            if (At(other) * 3 >= At(gap)) return false;
        }
        return true;
    }
    // Whether the gaps in `long` stand out against the rest.
    bool OnlyLong(std::initializer_list<int> longGaps) const {
        for (int gap : longGaps) {
            for (int other = 1; other <= Count(); ++other) {
                bool isLong = false;
                for (int g : longGaps) isLong = isLong || g == other;
                if (!isLong && At(other) * 3 >= At(gap)) return false;
            }
        }
        return true;
    }

    long long Length(int gap) const { return At(gap); }

private:
    int Count() const { return static_cast<int>(gaps_.size()); }
    long long At(int gap) const { return gaps_[static_cast<std::size_t>(gap - 1)]; }
    std::vector<int> gaps_;
};

int ThreeTaps(const Gaps& gaps, bool trainOutLikely) {
    if (gaps.OnlyLong({1})) return 15;                    // 1-2
    if (gaps.OnlyLong({2}) && trainOutLikely) return 17;  // 2-1
    return 14;                                            // 3
}

int FourTaps(const Gaps& gaps) {
    if (gaps.OnlyLong({1})) return 4;      // 1-3
    if (gaps.OnlyLong({2})) return 19;     // 2-2
    if (gaps.OnlyLong({1, 3})) return 18;  // 1-2-1
    if (gaps.OnlyLong({3})) return 3;      // 3-1
    return 2;                              // 4
}

int FiveTaps(const Gaps& gaps) {
    if (gaps.OnlyLong({1})) return 12;    // 1-4
    if (gaps.OnlyLong({2})) return 11;    // 2-3
    if (gaps.OnlyLong({3})) return 10;    // 3-2
    if (gaps.OnlyLong({4})) return 13;    // 4-1
    if (gaps.OnlyLong({1, 4})) return 5;  // 1-3-1
    if (gaps.OnlyLong({1, 3})) return 9;  // 1-2-2
    if (gaps.OnlyLong({2, 4})) return 6;  // 2-2-1
    return 8;                             // 5
}

int EightTaps(const Gaps& gaps) {
    if (gaps.OnlyLong({3})) return 20;                                                  // 3-5
    if (gaps.StandsOut(3, {1, 2, 4, 5}) && gaps.StandsOut(6, {4, 5, 7})) return 25;     // 3-3-2
    if (gaps.StandsOut(2, {1, 3, 4, 5}) && gaps.StandsOut(6, {3, 4, 5, 7})) return 23;  // 2-4-2
    return 26;                                                                          // 8
}

std::string TappedCodeQuestion(int code) {
    const BellCode& bell = BellCodeOf(code);
    return "Tap code " + std::string(bell.Text) + "  " + std::string(bell.Meaning) + " - OK?";
}

}  // namespace

std::string TapNotation(std::span<const int> tapTimes) {
    if (tapTimes.empty()) return {};
    const Gaps gaps(tapTimes);
    const int count = static_cast<int>(tapTimes.size()) - 1;
    int shortest = 1;
    for (int gap = 2; gap <= count; ++gap) {
        if (gaps.Length(gap) < gaps.Length(shortest)) shortest = gap;
    }
    std::string text;
    int group = 1;
    for (int gap = 1; gap <= count; ++gap) {
        if (gaps.StandsOut(gap, {shortest})) {
            text += std::to_string(group) + "-";
            group = 0;
        }
        ++group;
    }
    return text + std::to_string(group);
}

void ShowTapProgress(GameState& g) {
    if (!g.BellTapping || g.TapBox < 1 || g.TapBox > BoxCount || g.TapCount < 2) return;
    const auto taps = static_cast<std::size_t>(std::min(g.TapCount - 1, MaxTaps));
    std::string name = g.BoxName[static_cast<std::size_t>(g.TapBox)].str();
    while (!name.empty() && name.back() == ' ') name.pop_back();
    const std::string text = "Tapping to " + name + ": " +
                             TapNotation(std::span<const int>(g.TapTimes).subspan(1, taps));
    ShowLineMessage(g, text, White, Black);
}

int TapEndTime(const GameState& g) {
    const int last = g.TapTimes[static_cast<std::size_t>(std::clamp(g.TapCount - 1, 1, MaxTaps))];
    return (last + TapPauseLimitMs + 1) % DayMs;
}

int TapEndsInMs(const GameState& g, int nowMs) {
    const int last = g.TapTimes[static_cast<std::size_t>(std::clamp(g.TapCount - 1, 1, MaxTaps))];
    const int since = ElapsedMs(last, nowMs);
    if (since > DayMs / 2) return TapPauseLimitMs + 1;  // "now" is before the beat
    return since > TapPauseLimitMs ? 0 : TapPauseLimitMs + 1 - since;
}

int TappedCode(std::span<const int> tapTimes, bool trainOutLikely) {
    const Gaps gaps(tapTimes);
    switch (tapTimes.size()) {
    case 1: return 1;
    case 2: return 16;
    case 3: return ThreeTaps(gaps, trainOutLikely);
    case 4: return FourTaps(gaps);
    case 5: return FiveTaps(gaps);
    case 6: return gaps.OnlyLong({3}) ? 24 : 0;  // 3-3
    case 8: return EightTaps(gaps);
    case 11: return 22;  // 3-3-5
    case 13: return 21;  // 3-5-5
    default: return 0;
    }
}

void StartTapping(GameState& g, int box) {
    if (g.BellTapping || box < 1 || box > BoxCount) return;
    g.BellTapping = true;
    g.TapBox = box;
    for (int i = 2; i <= MaxTaps; ++i) g.TapTimes[static_cast<std::size_t>(i)] = 0;
    g.TapCount = 2;
    // The timer stands still while the code is tapped; the next wait starts it again.
    g.TimerIntervalMs = 0;
    g.Host->SetTimerInterval(0);
}

void RecordTap(GameState& g) {
    RecordTap(g, g.Host->TimeOfDayMs());
}

void RecordTap(GameState& g, int t) {
    if (!g.BellTapping) return;
    // The table has room for the longest code and some; a tap beyond it ends the code rather
    // than being stored past its end.
    if (g.TapCount < 2 || g.TapCount > MaxTaps) {
        DecodeTaps(g);
        return;
    }
    const auto slot = static_cast<std::size_t>(g.TapCount);
    g.TapTimes[slot] = t;
    if (ElapsedMs(g.TapTimes[slot - 1], t) <= TapPauseLimitMs) {
        ++g.TapCount;
    } else {
        DecodeTaps(g);
    }
}

void DecodeTaps(GameState& g) {
    if (!g.BellTapping) return;
    g.BellTapping = false;
    const int box = g.TapBox;
    const auto b = static_cast<std::size_t>(box);
    const int taps = g.TapCount - 1;
    int code = 0;
    bool use = true;
    if (box >= 1 && box <= BoxCount && taps >= 1 && taps <= MaxTaps) {
        const bool trainOutLikely = g.BoxBlock[b][1] != LineBlocked || g.BoxBellShown[b] == 17;
        code = TappedCode(std::span<const int>(g.TapTimes).subspan(1, taps), trainOutLikely);
        const int expected = g.BoxRingPending[b];
        if (g.LearningMode) {
            use = AskYesNo(g, TappedCodeQuestion(code));
        } else if (taps == 2 && expected == BellTrainOut) {
            use = AskYesNo(g,
                           "Train Out Of Section (2-1) expected. Was that what you meant to send?");
        } else if (expected != 0 && code != expected && taps == BellCodeBeatCount(expected)) {
            // The right number of beats with the rhythm a little off: take the code the box is
            // waiting for.
            if (taps == 3) code = expected == BellTrainOut ? BellTrainOut : 14;
            if (taps == 4) code = expected;
            if (taps == 5 && code == 8) code = expected;
        }
    } else {
        use = false;
    }
    if (use) {
        g.PendingBellBox = box;
        g.PendingBellCode = code;
        if (code != 0) PlayBell(g, box, code);
    }
    g.TapBox = 0;
    g.TapCount = 1;
}

}  // namespace kv41
