#pragma once
// A fresh game on the headless platform, as the start screen leaves it.
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "game_state.h"
#include "headless_platform.h"
#include "session/main_loop.h"

namespace kv41::testing {

// A program directory of the test process's own, so that a session that ends and writes its
// settings leaves nothing behind for later tests to read; it goes when the process ends.
inline std::string TestProgramDirectory() {
    struct Directory {
        std::filesystem::path Path =
            std::filesystem::temp_directory_path() / ("kv41-tests-" + std::to_string(::getpid()));
        Directory() { std::filesystem::create_directories(Path); }
        ~Directory() {
            std::error_code ignored;
            std::filesystem::remove_all(Path, ignored);
        }
    };
    static const Directory directory;
    return directory.Path.string();
}

// Writes timetable row `row` as a booked train running to time; the caller fills in the rest.
inline int BookTrain(GameState& g, int row, int due, int from, int to, int trainClass) {
    g.TrainDue[row] = due;
    g.TrainLate[row] = 0;
    g.TrainFrom[row] = from;
    g.TrainTo[row] = to;
    g.TrainClass[row] = static_cast<uint8_t>(trainClass);
    g.TrainState[row] = TrainBooked;
    return row;
}

// A game on a headless platform of the test's choice (one that records more, say), with its
// program directory in the test's own, prepared as the start screen leaves it unless told not.
template <typename Host>
struct GameOn {
    std::unique_ptr<GameState> state = std::make_unique<GameState>();
    Host host{*state};
    GameState& g = *state;

    explicit GameOn(uint32_t seed, bool prepare = true) {
        host.Seed = seed;
        host.Directory = TestProgramDirectory();
        if (prepare) PrepareStartScreen(g);
    }

    // The texts the game reported of one kind, in order.
    std::vector<std::string> Said(Output kind) const {
        std::vector<std::string> texts;
        for (const auto& [k, text] : host.Transcript) {
            if (k == kind) texts.push_back(text);
        }
        return texts;
    }
};

struct FreshGame : GameOn<HeadlessPlatform> {
    explicit FreshGame(uint32_t seed = 7, bool prepare = true) : GameOn(seed, prepare) {}
};

}  // namespace kv41::testing
