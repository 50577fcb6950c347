#include "soak_game.h"

#include <deque>
#include <filesystem>
#include <ostream>
#include <sstream>
#include <streambuf>
#include <utility>

#include "console.h"
#include "line_source.h"
#include "running/invariants.h"
#include "soak_player.h"
#include "state_compare.h"

namespace kv41 {

namespace {

// The console's output: only the last lines are kept, for a failure's report.
class OutputTail : public std::streambuf {
public:
    std::string Text() const {
        std::string text;
        for (const std::string& line : lines_) text += "  " + line + "\n";
        return text;
    }

protected:
    int_type overflow(int_type c) override {
        if (c == traits_type::eof()) return traits_type::not_eof(c);
        if (c == '\n') {
            lines_.push_back(std::move(current_));
            current_.clear();
            if (lines_.size() > 12) lines_.pop_front();
        } else if (current_.size() < 300) {
            current_ += static_cast<char>(c);
        }
        return c;
    }

private:
    std::deque<std::string> lines_;
    std::string current_;
};

// The position of the clock in ticks, so that a step can be told from a stand-still.
long long TickOf(const GameState& g) {
    return static_cast<long long>(g.ClockNow) * 10 + (10 - g.MinuteTick);
}

}  // namespace

SoakGame::SoakGame(uint32_t consoleSeed, uint64_t playerSeed, long long tickBudget,
                   std::string directory)
    : consoleSeed_(consoleSeed),
      playerSeed_(playerSeed),
      tickBudget_(tickBudget),
      directory_(std::move(directory)) {}

void SoakGame::Keep(const std::string& line) {
    if (line == "step") {
        ++steps_;
        return;
    }
    if (steps_ > 0) lines_.push_back("step " + std::to_string(steps_));
    steps_ = 0;
    lines_.push_back(line);
}

std::string SoakGame::Script() const {
    std::string script = "# args: --seed " + std::to_string(consoleSeed_) + "\n";
    script += "# Played by kv41-soak (player seed " + std::to_string(playerSeed_) +
              "); run it in an empty directory.\n";
    for (const std::string& line : lines_) script += line + "\n";
    if (steps_ > 0) script += "step " + std::to_string(steps_) + "\n";
    return script + "check\n";
}

bool SoakGame::Play(SoakFigures& figures) {
    namespace fs = std::filesystem;
    const fs::path before = fs::current_path();
    fs::current_path(directory_);

    OutputTail tail;
    std::ostream out(&tail);
    Console console(out, consoleSeed_, ".");
    SoakPlayer player(playerSeed_);
    player.SessionsLeft = 1 + static_cast<int>(playerSeed_ % 3);
    long long ticks = 0;
    long long lastTick = TickOf(console.Game());
    const GameState* lastGame = &console.Game();
    bool lastWasStep = false;
    bool endCounted = false;

    LineSource source([&]() -> std::string {
        const GameState& g = console.Game();
        if (console.AnyRefused()) {
            failure_ = "a command was refused:\n" + tail.Text();
            return "";
        }
        std::vector<std::string> broken = CheckInvariants(g);
        if (!broken.empty()) {
            failure_ = "the consistency check broke:\n";
            for (const std::string& rule : broken) failure_ += "  check: " + rule + "\n";
            return "";
        }
        const long long tick = TickOf(g);
        if (lastWasStep && &g == lastGame && tick == lastTick + 1) ++ticks;
        lastTick = tick;
        lastGame = &g;
        if (g.SessionRunning) endCounted = false;
        if (g.SessionOver && !endCounted) {
            endCounted = true;
            if (g.ClockNow > g.ShiftEnd) ++figures.ShiftsCompleted;
        }
        if (ticks >= tickBudget_) return "";
        std::string line = player.Next(g);
        if (line.empty()) return "";
        Keep(line);
        ++figures.Commands;
        lastWasStep = line == "step";
        return line;
    });
    std::istream in(&source);
    int status = console.Run({&in});
    if (failure_.empty() && status != 0) {
        failure_ = "the console ended with status " + std::to_string(status) + ":\n" + tail.Text();
    }
    figures.Ticks += ticks;
    figures.Sessions += player.SessionsBegun();
    final_ = std::make_shared<const GameState>(console.Game());
    fs::current_path(before);
    return failure_.empty();
}

std::string SoakGame::ReplayDifference(const std::string& directory) const {
    namespace fs = std::filesystem;
    if (!final_) return "the game was not played";
    const fs::path before = fs::current_path();
    fs::current_path(directory);
    std::ostringstream ignored;
    Console console(ignored, consoleSeed_, ".");
    std::istringstream script(Script());
    console.Run({&script});
    std::string difference = testing::FirstDifference(*final_, console.Game());
    fs::current_path(before);
    return difference;
}

}  // namespace kv41
