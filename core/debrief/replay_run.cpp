#include "debrief/replay_run.h"

#include <sstream>

#include "debrief/unseen_platform.h"
#include "framework/file_replace.h"
#include "game_state.h"
#include "replay/replay_recorder.h"
#include "session/main_loop.h"
#include "session/new_game.h"
#include "session/position_file.h"
#include "session/scripted_input.h"

namespace kv41 {

namespace {

ReplayCommandHandler commandHandler = nullptr;

bool IsCommand(const std::string& line) {
    const std::size_t first = line.find_first_not_of(" \t");
    return first != std::string::npos && line[first] != '#';
}

}  // namespace

ReplayRecorder* SessionRecorder(const GameState& g) {
    return dynamic_cast<ReplayRecorder*>(g.Recorder);
}

void SetReplayCommandHandler(ReplayCommandHandler handler) {
    commandHandler = handler;
}

ReplayRun::ReplayRun(const std::string& replayText) : game_(std::make_unique<GameState>()) {
    valid_ = script_.Read(replayText) && !directory_.Path().empty();
    host_ = std::make_unique<UnseenPlatform>(*game_, directory_.Path(), script_.Seed);
    std::istringstream in(replayText);
    std::vector<std::string> all;
    for (std::string line; std::getline(in, line);) all.push_back(line);
    const std::size_t headCount =
        all.size() >= script_.Lines.size() ? all.size() - script_.Lines.size() : 0;
    head_.assign(all.begin(), all.begin() + static_cast<std::ptrdiff_t>(headCount));
}

ReplayRun::~ReplayRun() = default;

bool ReplayRun::GiveNext() {
    GameState& g = *game_;
    if (ticksLeft_ > 0) {
        --ticksLeft_;
        ++ticksGiven_;
        g.Inputs.Events.emplace_back();
        return true;
    }
    while (next_ < script_.Lines.size()) {
        const std::string& line = script_.Lines[next_++];
        const int ticks = QueueReplayLine(g, line, directory_.Path(), held_);
        if (ticks < 0) {
            if (commandHandler && IsCommand(line)) commandHandler(g, line);
            continue;
        }
        ticksGiven_ = 0;
        if (ticks > 0) {
            ticksLeft_ = ticks - 1;
            ticksGiven_ = 1;
            g.Inputs.Events.emplace_back();
        }
        return true;
    }
    if (ClockRunsOn) {
        g.Inputs.Events.emplace_back();
        return true;
    }
    return false;
}

bool ReplayRun::Play(const Watch& watch) {
    if (!valid_) return false;
    GameState& g = *game_;
    bool stopped = false;
    host_->OnIdle = [&] {
        if (g.SessionRunning && watch && !watch(g)) {
            stopped = true;
            return false;
        }
        return GiveNext();
    };
    try {
        PrepareStartScreen(g);
        // What the console was told before the session began (its own commands).
        for (const std::string& line : head_) {
            if (commandHandler && line.rfind("set ", 0) == 0) commandHandler(g, line);
        }
        if (script_.Shift > 0) {
            g.Inputs.Files.clear();  // the timetable file offer is cancelled
            StartNewGame(g, script_.Shift - 1, script_.Level - 1);
        } else {
            const std::string file = FileInDirectory(directory_.Path(), script_.StartFile);
            ReplaceFile(file, script_.StartText);
            WithFileChosen(g, file, [](GameState& game) { ResumeSavedGame(game); });
        }
    } catch (const ProgramEnd&) {
    }
    host_->OnIdle = nullptr;
    return stopped;
}

std::vector<std::string> ReplayRun::LinesGiven() const {
    std::vector<std::string> lines = head_;
    lines.insert(lines.end(), script_.Lines.begin(),
                 script_.Lines.begin() + static_cast<std::ptrdiff_t>(next_));
    if (ticksLeft_ > 0 && !lines.empty()) {
        lines.back() = ticksGiven_ == 1 ? "step" : "step " + std::to_string(ticksGiven_);
    }
    return lines;
}

}  // namespace kv41
