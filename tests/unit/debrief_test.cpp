#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <numeric>
#include <sstream>
#include <streambuf>
#include <string>
#include <vector>

#include "console.h"
#include "debrief/debrief.h"
#include "debrief/delay_causes.h"
#include "debrief/interrupted_shift.h"
#include "debrief/replay_run.h"
#include "debrief/review_model.h"
#include "debrief/rewind.h"
#include "replay/end_state.h"
#include "replay/replay_recorder.h"
#include "state_compare.h"

namespace kv41 {

namespace {

// A console in a directory of its own, keeping what it printed.
struct Played {
    std::filesystem::path dir;
    std::ostringstream out;
    Console console;

    explicit Played(uint32_t seed, const std::string& name = "debrief")
        : dir(MakeDir(name)), console(out, seed, dir.string()) {}
    ~Played() { std::filesystem::remove_all(dir); }
    std::string Run(const std::string& script) {
        std::istringstream in(script);
        const auto before = std::filesystem::current_path();
        std::filesystem::current_path(dir);
        console.Run({&in});
        std::filesystem::current_path(before);
        return out.str();
    }
    GameState& Game() { return console.Game(); }

    static std::filesystem::path MakeDir(const std::string& name) {
        static int made = 0;
        auto dir =
            std::filesystem::temp_directory_path() /
            ("kv41-" + name + "-" + std::to_string(::getpid()) + "-" + std::to_string(++made));
        std::filesystem::create_directories(dir);
        return dir;
    }
};

// The gains and losses the console printed, in order, as the player read them.
std::vector<std::string> PrintedPoints(const std::string& out) {
    std::vector<std::string> messages;
    std::istringstream in(out);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("error: You lose ", 0) == 0) messages.push_back(line.substr(7));
        if (line.rfind("bonus: You gain ", 0) == 0) messages.push_back(line.substr(7));
    }
    return messages;
}

// The debrief of the console's session explains exactly the points it shows and the messages
// it printed.
void ExpectExplained(Played& played, const std::string& out, const std::string& what) {
    const Debrief d = DebriefOfSession(played.Game());
    ASSERT_TRUE(d.Valid) << what;
    int sum = 0;
    std::vector<std::string> messages;
    for (const ScoreEvent& e : d.Events) {
        sum += e.Points;
        if (e.Kind != ScoreKind::Position) messages.push_back(e.Message);
    }
    EXPECT_EQ(sum, played.Game().Points) << what;
    EXPECT_EQ(d.EndPoints, played.Game().Points) << what;
    int positions = 0;
    for (const ScoreEvent& e : d.Events) positions += e.Kind == ScoreKind::Position ? e.Points : 0;
    EXPECT_EQ(d.Gained() - d.Lost() + positions, played.Game().Points) << what;
    EXPECT_EQ(messages, PrintedPoints(out)) << what;
    ASSERT_FALSE(d.Curve.empty());
    EXPECT_EQ(d.Curve.back().Points, played.Game().Points) << what;
}

}  // namespace

// Every shift under every rule book, with the signalman's good work and some bad moves of the
// player's own (levers against the locking, bells out of turn), and one shift to its end.
TEST(Debrief, EventsAddUpToThePointsShownInEveryShiftAndRuleBook) {
    const char* rules[] = {"BR", "WR", "LMR"};
    for (int shift = 1; shift <= 5; ++shift) {
        for (const char* book : rules) {
            Played played(static_cast<uint32_t>(shift * 7 + book[0]));
            const std::string out = played.Run(
                "new " + std::to_string(shift) + " 1\nrules " + book +
                "\nauto on 45\nlever 43\nlever 6\nbell 1 17\nbell 3 16\nlever 51\nauto on 45\n");
            ExpectExplained(played, out, "shift " + std::to_string(shift) + " " + book);
        }
    }
    Played whole(4);
    const std::string out = whole.Run("new 4 2\nauto on\n");
    ASSERT_TRUE(whole.Game().SessionOver);
    ExpectExplained(whole, out, "a whole Learning shift");

    // The review window's model: both curves on one scale, rows sorted by a column.
    const ReviewModel review = ReviewOfSession(whole.Game());
    ASSERT_TRUE(review.Valid);
    const ReviewChart& chart = review.Chart;
    EXPECT_EQ(chart.Yours.back().Points, whole.Game().Points);
    ASSERT_FALSE(chart.Signalmans.empty());
    for (const auto* curve : {&chart.Yours, &chart.Signalmans}) {
        for (const CurvePoint& p : *curve) {
            EXPECT_TRUE(p.Points >= chart.Low && p.Points <= chart.High);
            EXPECT_TRUE(p.Time >= chart.Start && p.Time <= chart.End + 1);
        }
    }
    EXPECT_TRUE(chart.Low <= 0 && chart.High >= chart.Target);
    const std::vector<ReviewRow>& events = review.Tables.Events;
    ASSERT_GT(events.size(), 1U);
    const std::vector<std::size_t> byPoints = SortedRows(events, 1, false);
    for (std::size_t i = 1; i < byPoints.size(); ++i) {
        EXPECT_GE(events[byPoints[i - 1]].SortKeys[1], events[byPoints[i]].SortKeys[1]);
    }
    EXPECT_EQ(review.Tables.DelayColumns.back(), "The signalman");
}

// A resumed session starts with its position's points; a restart takes on another's.
TEST(Debrief, ResumedAndRestartedSessionsAddUpWithTheirPositionsPoints) {
    Played first(11, "first");
    first.Run("new 2 1\nauto on 150\nbell 1 17\nsave early.sav\n");
    const int saved = first.Game().Points;
    ASSERT_NE(saved, 0);
    Played second(12, "second");
    std::filesystem::copy_file(first.dir / "early.sav", second.dir / "early.sav");
    const std::string out =
        second.Run("resume early.sav\nauto on 40\nlever 6\nrestart early.sav\nauto on 20\n");
    ExpectExplained(second, out, "resumed and restarted");
    const Debrief d = DebriefOfSession(second.Game());
    int positions = 0;
    for (const ScoreEvent& e : d.Events) positions += e.Kind == ScoreKind::Position;
    EXPECT_EQ(d.StartPoints, saved);
    EXPECT_EQ(positions, 2);  // the resume and the restart
}

namespace {

const TrainDelay* DelayOf(const Debrief& d, int train) {
    for (const TrainDelay& delay : d.Delays) {
        if (delay.Train == train) return &delay;
    }
    return nullptr;
}

int Tenths(const TrainDelay* d, DelayCause cause) {
    return d ? d->Tenths[static_cast<int>(cause)] : -1;
}

}  // namespace

// Played: a train kept out by offers never accepted brings its own lateness and waits at
// signals; a wrong route stops a train by the player's own error. Then each standing cause as
// the panel shows it.
TEST(Debrief, DelayCauses) {
    Played kept(3);
    kept.Run("new 2 1\nstep 300\nauto on 40\n");
    const Debrief late = DebriefOfSession(kept.Game());
    bool keptOut = false, broughtLateness = false;
    for (const TrainDelay& d : late.Delays) keptOut |= Tenths(&d, DelayCause::Signal) > 0;
    for (const TrainDelay& d : late.Trains) broughtLateness |= Tenths(&d, DelayCause::LateIn) > 0;
    EXPECT_TRUE(keptOut);
    EXPECT_TRUE(broughtLateness);

    // The 10.07 express runs onto the sidings points with the exchange sidings home off.
    Played wrong(7);
    wrong.Run(
        "new 2 1\nset LineTrains 1 0 0\nset LineTrains 2 0 0\nset LineTrains 3 0 0\n"
        "set LineTrains 4 0 0\nset LineTrains 5 0 0\nset ClockNow 600\nset TrainLate 75 0\n"
        "set TrainEngine 75 5\nset TrainState 75 4\nset TrainSect 75 3\nset SectTrain 3 75\n"
        "set TrainToGo 75 5\nset TrainSpeed 75 15\nset LeverNormal 43 0\nstep 60\n");
    const Debrief error = DebriefOfSession(wrong.Game());
    ASSERT_FALSE(error.Events.empty());
    EXPECT_EQ(error.Events.front().Train, 75);
    EXPECT_EQ(error.Events.front().Points, -10);
    EXPECT_GT(Tenths(DelayOf(error, 75), DelayCause::Errors), 0);
    EXPECT_EQ(Tenths(DelayOf(error, 75), DelayCause::Signal), 0);

    // Built: the 10.07 express for Pellingford standing at the advanced starter, then a train
    // for the yard at the exchange sidings home.
    Played played(7);
    played.Run("new 2 1\n");
    GameState& g = played.Game();
    const int t = 75;
    ASSERT_EQ(g.TrainTo[t], 1);
    g.ClockNow = 600;
    g.TrainState[t] = 5;
    g.TrainSect[t] = 14;
    g.SectTrain[14] = t;
    g.TrainToGo[t] = 0;
    g.TrainSpeed[t] = 0;
    ASSERT_TRUE(Delayed(g, t, 0));
    g.BoxBlock[1][0] = LineBlocked;
    EXPECT_EQ(StandingCause(g, t), DelayCause::LineClear);
    g.BoxBlock[1][0] = LineClear;
    EXPECT_EQ(StandingCause(g, t), DelayCause::Signal);
    g.SectTrain[15] = t + 1;  // another train in the section ahead
    EXPECT_EQ(StandingCause(g, t), DelayCause::Regulating);
    g.SectTrain[15] = 0;

    int yard = 0;
    for (int u = 1; u <= g.TrainCount && yard == 0; ++u) {
        if (g.TrainTo[u] == 3 && g.TrainFrom[u] == 4) yard = u;
    }
    ASSERT_NE(yard, 0);
    g.TrainState[yard] = 5;
    g.TrainSect[yard] = 7;
    g.SectTrain[7] = yard;
    g.TrainToGo[yard] = 0;
    g.TrainSpeed[yard] = 0;
    g.YardClear = false;
    EXPECT_EQ(StandingCause(g, yard), DelayCause::Yard);
    // A train at a booked stop is not delayed.
    g.TrainState[yard] = 4;
    g.TrainWait[yard] = 3;
    EXPECT_FALSE(Delayed(g, yard, 0));
}

namespace {

// Gives a console its script a line at a time, only when the game asks for the next command,
// so that the game can be looked at between two commands as it stands in that wait.
class LineFeed : public std::streambuf {
public:
    LineFeed(std::vector<std::string> lines, std::function<void()> beforeEach)
        : lines_(std::move(lines)), beforeEach_(std::move(beforeEach)) {}

protected:
    int_type underflow() override {
        if (next_ >= lines_.size()) return traits_type::eof();
        beforeEach_();
        current_ = lines_[next_++] + "\n";
        setg(current_.data(), current_.data(), current_.data() + current_.size());
        return traits_type::to_int_type(current_[0]);
    }

private:
    std::vector<std::string> lines_;
    std::function<void()> beforeEach_;
    std::size_t next_ = 0;
    std::string current_;
};

// A replay's lines with each "step N" given as N single steps.
std::vector<std::string> SingleSteps(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        if (line.rfind("step", 0) == 0) {
            const int n = line.size() > 5 ? std::stoi(line.substr(5)) : 1;
            for (int i = 0; i < n; ++i) lines.emplace_back("step");
        } else {
            lines.push_back(line);
        }
    }
    return lines;
}

// The session's recording, saved with its end state, replays to that state.
void ExpectRecordReplays(Played& played) {
    const std::filesystem::path replay = played.dir / "recorded.kv41";
    ASSERT_TRUE(SessionRecorder(played.Game())->SaveCopy(played.Game(), replay.string()));
    std::ostringstream out;
    Console verify(out, 1, played.dir.string());
    EXPECT_EQ(verify.Verify(replay.string()), 0) << out.str();
}

}  // namespace

// The signalman's session played again from its replay, watched at every command: the state at
// the start of 7.10 is kept; after a rewind to 7.10 the game is in that state field for field,
// and what is played from there is recorded so that the replay reproduces it. After the shift's
// end, a rewind takes the game back into it.
TEST(Debrief, RewindReachesTheStateOfThatMinuteAndPlayOnReplays) {
    Played original(5, "original");
    original.Run("new 2 1\nauto on 100\nbell 4 17\n");
    const std::string record = SessionRecorder(original.Game())->Text();

    Played again(5, "again");
    std::unique_ptr<GameState> atMinute;
    std::vector<std::string> lines = SingleSteps(record);
    lines.push_back("rewind 7.10");
    lines.push_back("auto on 20");
    LineFeed feed(lines, [&] {
        const GameState& g = again.Game();  // "seed" makes the game afresh
        if (!atMinute && g.SessionRunning && g.ClockNow == 430) {
            atMinute = std::make_unique<GameState>(g);
        }
    });
    std::istream in(&feed);
    again.console.Run({&in});
    ASSERT_TRUE(atMinute);
    // Not where it stood at the end of the original, but where it stood at 7.10, to the last
    // random number drawn.
    const std::string out = again.out.str();
    ASSERT_NE(out.find("rewind: back at 7.10"), std::string::npos) << out;
    ASSERT_NE(out.find("KV41 replay abandoned at 7.40.kv41"), std::string::npos);

    // Rewound once more, without the play after it: compared field by field.
    Played check(5, "check");
    check.Run(record + "rewind 7.10\n");
    EXPECT_EQ(testing::FirstDifference(*atMinute, check.Game()), "");
    EXPECT_EQ(atMinute->Random.Seed, check.Game().Random.Seed);
    EXPECT_EQ(EndStateLines(*atMinute), EndStateLines(check.Game()));

    // Play on from the rewound minute: the recording replays to the same end.
    ExpectRecordReplays(again);
    EXPECT_EQ(again.Game().ClockNow, 450);

    // A minute the session never reached is refused, and nothing changes.
    const int before = check.Game().ClockNow;
    EXPECT_FALSE(RewindSession(check.Game(), 900).Done);
    EXPECT_EQ(check.Game().ClockNow, before);

    // After the shift's end the game goes back into it and plays on to a new end.
    Played ended(9, "ended");
    ended.Run("new 4 1\nauto on\nrewind 7.30\nauto on 10\n");
    const GameState& g = ended.Game();
    EXPECT_TRUE(g.SessionRunning);
    EXPECT_FALSE(g.SessionOver);
    EXPECT_EQ(g.ClockNow, 460);
    ExpectRecordReplays(ended);
}

// A shift whose program was killed: its running replay has no end. The next start asks; yes
// brings the game to where the record stops, field for field, and play from there is recorded
// and replays; no keeps the record as a replay of its own that verifies. A finished record is
// no interrupted shift.
TEST(Debrief, AnInterruptedShiftContinuesFromItsRecordOrIsKept) {
    Played original(5, "killed");
    original.Run("new 2 1\nauto on 90\nbell 1 17\nstep 7\n");
    const std::string record = SessionRecorder(original.Game())->Text();
    const auto crashed = [&record](Played& p) {
        std::ofstream(p.dir / "crashed.kv41", std::ios::binary) << record;
    };

    Played resumed(8, "resumed");
    crashed(resumed);
    const std::string out = resumed.Run("answer yes\nrecover crashed.kv41\n");
    ASSERT_NE(out.find("interrupted at 7.30"), std::string::npos) << out;
    ASSERT_NE(out.find("recover: the shift goes on from 7.30"), std::string::npos) << out;
    EXPECT_EQ(testing::FirstDifference(original.Game(), resumed.Game()), "");
    EXPECT_EQ(EndStateLines(original.Game()), EndStateLines(resumed.Game()));

    Played playedOn(8, "played-on");
    crashed(playedOn);
    playedOn.Run("answer yes\nrecover crashed.kv41\nauto on 15\n");
    EXPECT_EQ(playedOn.Game().ClockNow, original.Game().ClockNow + 15);
    ExpectRecordReplays(playedOn);

    Played declined(8, "declined");
    crashed(declined);
    const std::string no = declined.Run("answer no\nrecover crashed.kv41\nrecover crashed.kv41\n");
    EXPECT_FALSE(std::filesystem::exists(declined.dir / "crashed.kv41"));
    const std::filesystem::path kept = declined.dir / "KV41 replay interrupted at 7.30.kv41";
    ASSERT_TRUE(std::filesystem::exists(kept)) << no;
    EXPECT_FALSE(declined.Game().SessionRunning);
    EXPECT_NE(no.find("? no interrupted shift in crashed.kv41"), std::string::npos) << no;
    std::ostringstream verifyOut;
    Console verify(verifyOut, 1, declined.dir.string());
    EXPECT_EQ(verify.Verify(kept.string()), 0) << verifyOut.str();
    EXPECT_FALSE(HoldsInterruptedShift(kept.string()));
}

}  // namespace kv41
