#include "replay/end_state.h"

#include <sstream>

#include "game_state.h"

namespace kv41 {

namespace {

constexpr std::string_view Prefix = "# end ";

std::string Flag(bool on) {
    return on ? "1" : "0";
}

}  // namespace

std::vector<std::string> EndStateLines(const GameState& g) {
    std::vector<std::string> lines;
    auto add = [&](const std::ostringstream& text) {
        lines.push_back(std::string(Prefix) + text.str());
    };
    std::ostringstream game;
    game << "game clock=" << g.ClockNow << '.' << g.MinuteTick << " points=" << g.Points
         << " area=" << g.TrainsInArea << " speed=" << g.TickSeconds << " fast=" << Flag(g.FastMode)
         << " quiet=" << g.QuietTicks << " learning=" << Flag(g.LearningMode)
         << " paused=" << Flag(g.Paused) << " ended=" << Flag(g.SessionOver) << " rules="
         << (g.RulesLMR  ? "LMR"
             : g.RulesWR ? "WR"
                         : "BR")
         << " autoblock=" << Flag(g.AutoBlockInstruments)
         << " callattention=" << Flag(g.RequireCallAttention) << " yard=" << g.YardTimer << ','
         << g.YardTrain << ',' << Flag(g.YardClear) << " messages=" << g.MessageIndex;
    add(game);
    std::ostringstream levers;
    levers << "levers ";
    for (int lever = 1; lever <= LeverCount; ++lever) levers << int{g.LeverNormal[lever]};
    add(levers);
    for (int box = 1; box <= BoxCount; ++box) {
        const auto b = static_cast<std::size_t>(box);
        std::ostringstream text;
        text << "box " << box << " instruments=" << int{g.BoxBlock[b][0]} << ','
             << int{g.BoxBlock[b][1]} << " shown=" << int{g.BoxBellShown[b]}
             << " sent=" << int{g.BoxBellSent[b]} << " answered=" << int{g.BoxBellAnswered[b]}
             << " pending=" << int{g.BoxRingPending[b]} << " offered=" << g.BoxOfferedTrain[b]
             << " train=" << g.BoxTrain[b] << " gone=" << int{g.BoxTrainGone[b]};
        add(text);
    }
    std::ostringstream sections;
    sections << "sections";
    for (int s = 1; s <= g.SectCount; ++s) {
        const auto i = static_cast<std::size_t>(s);
        sections << ' ' << g.SectTrain[i] << '>' << g.SectNext[i] << '/' << g.SectLimit[i];
    }
    add(sections);
    for (int t = 1; t <= g.TrainCount; ++t) {
        const auto i = static_cast<std::size_t>(t);
        std::ostringstream train;
        train << "train " << t << " state=" << int{g.TrainState[i]} << " sect=" << g.TrainSect[i]
              << " speed=" << g.TrainSpeed[i] << " togo=" << g.TrainToGo[i]
              << " late=" << g.TrainLate[i] << " wait=" << g.TrainWait[i] << " times=";
        for (int r = 1; r <= 6; ++r) train << (r > 1 ? "," : "") << g.TrainTimes[i][r];
        add(train);
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
