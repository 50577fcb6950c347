#include "debrief/debrief.h"

#include <algorithm>
#include <sstream>
#include <string_view>

#include "debrief/delay_causes.h"
#include "debrief/replay_run.h"
#include "debrief/score_reading.h"
#include "framework/score_watch.h"
#include "game_state.h"
#include "model/box_rules.h"
#include "replay/replay_recorder.h"
#include "signalman/auto_play.h"

namespace kv41 {

namespace {

constexpr int ClearRoadUp = 30, ClearRoadDown = 2;
constexpr int UpDistant = 1, DownDistant = 51;

// What the watch keeps of each train between ticks.
struct TrainWatch {
    int Box = 0;             // the box that offered it
    int LateIn = -1;         // its lateness when first offered or called, -1 not yet
    int Section = 0;         // its head's section at the last tick
    bool ErrorStop = false;  // stopped short of a wrong route; cleared when it runs again
    bool Stood = false;
    bool Ready = false;  // it could have come in from the last tick on
    TrainDelay Delay;
};

int ClearRoadPoints(int trainClass) {
    if (trainClass == 1) return 3;
    if (trainClass >= 2 && trainClass <= 4) return 2;
    if (trainClass >= 6 && trainClass <= 8) return 1;
    return 0;
}

class Watcher : public ScoreWatch {
public:
    explicit Watcher(Debrief& d) : d_(d) {}

    void Scored(const GameState& g, int points, std::string_view reason) override {
        ScoreEvent e;
        e.Time = g.ClockNow;
        e.Tenth = 10 - g.MinuteTick;
        e.Points = points;
        e.Kind = points < 0 ? ScoreKind::Loss : ScoreKind::Gain;
        e.Reason = std::string(reason);
        e.Message = PointsMessage(points, reason);
        e.Train = TrainOfReason(g, reason);
        e.Topic = RuleTopic(e.Kind, reason);
        total_ += points;
        e.Total = total_;
        if (e.Train != 0) {
            if (IsWrongRoute(reason)) trains_[e.Train].ErrorStop = true;
            if (IsDelayCharge(reason)) trains_[e.Train].Delay.PointsLost -= points;
        }
        if (IsOvertaking(reason)) d_.Overtakings.push_back(static_cast<int>(d_.Events.size()));
        d_.Events.push_back(std::move(e));
    }

    // At every wait of the game played again.
    void Look(const GameState& g) {
        if (!started_) {
            started_ = true;
            trains_.assign(static_cast<std::size_t>(MaxTrains) + 1, TrainWatch{});
            for (int t = 1; t <= g.TrainCount; ++t) trains_[t].Section = g.TrainSect[t];
            d_.ShiftStart = g.ShiftStart;
            d_.ShiftEnd = g.ShiftEnd;
            d_.Target = g.ShiftTarget;
            lastTick_ = TickOf(g);
        }
        // Points that no gain or loss explains: those of the position a session resumed or
        // restarted from.
        if (g.Points != total_) {
            if (d_.Events.empty() && d_.Curve.empty()) d_.StartPoints = g.Points;
            ScoreEvent e;
            e.Time = g.ClockNow;
            e.Tenth = 10 - g.MinuteTick;
            e.Points = g.Points - total_;
            e.Kind = ScoreKind::Position;
            e.Reason = "the points of the saved position";
            e.Message = "Position loaded with " + std::to_string(g.Points) + " points";
            e.Topic = RuleTopic(ScoreKind::Position, {});
            e.Total = total_ = g.Points;
            d_.Events.push_back(std::move(e));
        }
        const int tick = TickOf(g);
        if (tick != lastTick_) {
            const int ticks = tick > lastTick_ ? tick - lastTick_ : 1;
            lastTick_ = tick;
            for (int t = 1; t <= g.TrainCount; ++t) Tick(g, t, ticks);
            if (g.MinuteTick == 10) d_.Curve.push_back({g.ClockNow, g.Points});
        }
        if (d_.Curve.empty()) d_.Curve.push_back({g.ClockNow, g.Points});
        d_.EndPoints = g.Points;
        d_.EndTime = g.ClockNow;
    }

    void Finish(const GameState& g) {
        if (!started_) return;
        d_.EndPoints = g.Points;
        d_.EndTime = g.ClockNow;
        if (d_.Curve.back().Time != g.ClockNow || d_.Curve.back().Points != g.Points) {
            d_.Curve.push_back({g.ClockNow, g.Points});
        }
        d_.Trains.assign(static_cast<std::size_t>(g.TrainCount) + 1, TrainDelay{});
        for (int t = 1; t <= g.TrainCount; ++t) {
            TrainWatch& w = trains_[t];
            w.Delay.Train = t;
            w.Delay.Tenths[static_cast<int>(DelayCause::LateIn)] = std::max(0, w.LateIn) * 10;
            w.Delay.Accepted = g.TrainTimes[t][1];
            d_.Trains[t] = w.Delay;
            if (w.Delay.LostTenths() <= 0 && w.Delay.PointsLost == 0) continue;
            d_.Delays.push_back(w.Delay);
        }
        std::stable_sort(
            d_.Delays.begin(), d_.Delays.end(),
            [](const TrainDelay& a, const TrainDelay& b) { return a.Entered < b.Entered; });
    }

private:
    static int TickOf(const GameState& g) { return g.ClockNow * 10 + (10 - g.MinuteTick); }

    void Tick(const GameState& g, int t, int ticks) {
        TrainWatch& w = trains_[t];
        const int state = g.TrainState[t];
        if (state == 0) return;
        TrainDelay& d = w.Delay;
        if (w.LateIn < 0) {
            for (int k = 1; k <= BoxCount; ++k) {
                if (g.BoxOfferedTrain[k] == t) {
                    w.Box = k;
                    w.LateIn = std::max(0, g.TrainLate[t]);
                }
            }
        }
        const int section = g.TrainSect[t];
        if (section != 0 && w.Section == 0 && (state == 4 || state == 5)) {
            if (w.LateIn < 0) w.LateIn = std::max(0, g.TrainLate[t]);
            d.Entered = g.ClockNow;
        }
        if (state == 6 && d.Through == 0 && d.Entered != 0) d.Through = g.ClockNow;
        // Kept out after it could have come in: not accepted, or not let in.
        if (section == 0 && state >= 1 && state <= 3 && w.Box != 0 &&
            g.BoxOfferedTrain[w.Box] == t &&
            g.ClockNow >= g.TrainDue[t] + w.LateIn - LeadA(g, w.Box, t)) {
            // The step after the one that made it due brings it in at the earliest.
            if (w.Ready) d.Tenths[static_cast<int>(DelayCause::Signal)] += ticks;
            w.Ready = true;
        }
        if ((section == ClearRoadDown || section == ClearRoadUp) && w.Section != section) {
            const int points = ClearRoadPoints(g.TrainClass[t]);
            const int distant = section == ClearRoadDown ? DownDistant : UpDistant;
            if (points > 0) {
                d_.Roads.push_back({t, g.ClockNow, points, g.LeverNormal[distant] == 0});
            }
        }
        if (Delayed(g, t, std::max(0, w.LateIn))) {
            const DelayCause cause = w.ErrorStop ? DelayCause::Errors : StandingCause(g, t);
            d.Tenths[static_cast<int>(cause)] += ticks;
            w.Stood = true;
        } else if (g.TrainSpeed[t] > 0 && w.Stood) {
            w.Stood = false;
            w.ErrorStop = false;
        }
        w.Section = section;
    }

    Debrief& d_;
    std::vector<TrainWatch> trains_;
    bool started_ = false;
    int total_ = 0;
    int lastTick_ = 0;
};

}  // namespace

int TrainDelay::LostTenths() const {
    int sum = 0;
    for (int c = 1; c < DelayCauseCount; ++c) sum += Tenths[c];
    return sum;
}

int Debrief::Gained() const {
    int sum = 0;
    for (const ScoreEvent& e : Events) {
        if (e.Kind == ScoreKind::Gain) sum += e.Points;
    }
    return sum;
}

int Debrief::Lost() const {
    int sum = 0;
    for (const ScoreEvent& e : Events) {
        if (e.Kind == ScoreKind::Loss) sum -= e.Points;
    }
    return sum;
}

namespace {

Debrief Explain(ReplayRun& run, bool signalman) {
    Debrief d;
    if (!run.Valid()) return d;
    Watcher watcher(d);
    GameState& g = run.Game();
    g.Scores = &watcher;
    run.Play([&](GameState& game) {
        if (signalman && !game.AutoSignalman) SetAutoSignalman(game, true);
        watcher.Look(game);
        return true;
    });
    watcher.Look(g);
    watcher.Finish(g);
    g.Scores = nullptr;
    d.Valid = !d.Curve.empty();
    return d;
}

// The start of a recorded session and the settings it was played with, nothing after.
std::string StartOnly(const std::string& replayText) {
    ReplayScript script;
    if (!script.Read(replayText)) return {};
    std::vector<std::string> all;
    std::istringstream in(replayText);
    for (std::string line; std::getline(in, line);) all.push_back(line);
    std::string text;
    const std::size_t head =
        all.size() >= script.Lines.size() ? all.size() - script.Lines.size() : 0;
    for (std::size_t i = 0; i < head; ++i) text += all[i] + "\n";
    for (const std::string& next : script.Lines) {
        if (next.rfind("set ", 0) != 0 && next.rfind("option ", 0) != 0) break;
        text += next + "\n";
    }
    return text;
}

}  // namespace

Debrief BuildDebrief(const std::string& replayText) {
    ReplayRun run(replayText);
    return Explain(run, false);
}

Debrief SignalmansShift(const std::string& replayText) {
    ReplayRun run(StartOnly(replayText));
    run.ClockRunsOn = true;
    return Explain(run, true);
}

Debrief DebriefOfSession(const GameState& g) {
    const ReplayRecorder* recorder = SessionRecorder(g);
    if (!recorder) return {};
    return BuildDebrief(recorder->Text());
}

}  // namespace kv41
