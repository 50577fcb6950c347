#pragma once
// Games with something to save, a platform that records the file dialogs it was asked for, and
// a private directory for the files the tests write.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "framework/messages.h"
#include "game_state.h"
#include "headless_platform.h"
#include "running/invariants.h"
#include "running/simulation_step.h"
#include "session/main_loop.h"
#include "session/new_game.h"
#include "session/position_file.h"
#include "test_support.h"

namespace kv41::testing {

class FileDialogHost : public HeadlessPlatform {
public:
    using HeadlessPlatform::HeadlessPlatform;
    std::vector<FileChoice> Asked;
    std::vector<std::string> BoxTexts;
    std::optional<std::string> Picked;  // what the player picks in the window's next dialog

    std::optional<std::string> ChooseFile(const FileChoice& choice) override {
        Asked.push_back(choice);
        return std::exchange(Picked, std::nullopt);
    }
    void ShowBox(const std::string& text, BoxType type, int helpContext) override {
        BoxTexts.push_back(text);
        HeadlessPlatform::ShowBox(text, type, helpContext);
    }
};

// A directory of the test's own, removed afterwards.
class ScratchDirectory {
public:
    ScratchDirectory() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("kv41-session-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~ScratchDirectory() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::string File(const std::string& name) const { return (path_ / name).string(); }
    std::string Path() const { return path_.string(); }

private:
    std::filesystem::path path_;
};

inline std::string ReadFileText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The lines of a file written with CR LF line ends.
inline std::vector<std::string> CrLfLines(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find("\r\n", start);
        lines.push_back(text.substr(start, end - start));
        start = end == std::string::npos ? text.size() : end + 2;
    }
    return lines;
}

inline void WriteFileText(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

// A program at its start screen, as it is before Resume Saved Game.
struct StartedProgram : GameOn<FileDialogHost> {
    explicit StartedProgram(uint32_t seed = 11) : GameOn(seed) { host.Transcript.clear(); }
};

// A game an hour into its shift, with a train on the move, levers pulled, instruments turned,
// messages in the history and options changed: every kind of value the file carries.
struct PlayedGame : StartedProgram {
    explicit PlayedGame(int shift = 1, int level = 2, uint32_t seed = 7) : StartedProgram(seed) {
        SetUpNewGame(g, shift, level);
        g.SessionRunning = true;
        g.StartScreen = false;
        for (int step = 0; step < 600; ++step) SimulationStep(g);
        g.Points = -37;
        g.OpeningPoints = 12;
        g.LogWrites = 3;
        g.LeverNormal[3] = 0;
        g.LeverNormal[45] = 0;
        g.BoxBlock[1] = {LineClear, TrainOnLine};
        g.BoxWarningGiven[4] = 1;
        g.BoxBellSent[2] = 17;
        g.BoxAcceptedCode[3] = 5;
        g.BoxLineClearTime[1] = g.ClockNow - 3;
        g.BoxToosDeadline[4] = g.ClockNow + 2;
        StoreMessage(g, "You lose 2 points for accepting train with clearing point obstructed");
        StoreMessage(g, " a message with a leading blank");
        g.YardTimer = 17;
        g.YardClear = false;
        g.AutoBlockInstruments = false;
        g.Rules = RuleBook::WR;
        PutTrainOnTheMove();
        host.Transcript.clear();
    }

    // A down train from Hollowmer Jn running into its entry section.
    void PutTrainOnTheMove() {
        int s = g.BoxEntrySect[3];
        for (int t = 1; t <= g.TrainCount; ++t) {
            if (g.TrainState[t] != TrainBooked || g.TrainFrom[t] != 4 || g.SectTrain[s] != 0) {
                continue;
            }
            g.TrainState[t] = TrainRunning;
            g.TrainSect[t] = s;
            g.SectTrain[s] = t;
            g.TrainSpeed[t] = 25;
            g.TrainToGo[t] = g.SectLength[s] / 2;
            g.TrainTimes[t][RegLineClearGiven] = g.ClockNow - 4;
            g.TrainTimes[t][RegTesReceived] = g.ClockNow - 1;
            ++g.TrainsInArea;
            Moving = t;
            return;
        }
    }
    int Moving = 0;
};

// Everything a failed load must leave as it was.
struct Snapshot {
    std::string Carried;
    int ClockNow, Difficulty;
    std::string PositionFileName;
    bool operator==(const Snapshot&) const = default;
};
inline Snapshot TakeSnapshot(const GameState& g) {
    return {PositionText(g), g.ClockNow, g.Difficulty, g.PositionFileName};
}
// The same, but with the message history of `before`: a refusal's own error message is kept
// among the recent messages like any other.
inline Snapshot SnapshotBesideMessages(const GameState& g, const GameState& before) {
    GameState copy = g;
    copy.MessageTime = before.MessageTime;
    copy.MessageText = before.MessageText;
    copy.MessageIndex = before.MessageIndex;
    return TakeSnapshot(copy);
}

}  // namespace kv41::testing
