#pragma once
// A fresh game on the headless platform, as the start screen leaves it.
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <string>

#include "game_state.h"
#include "platform/headless_platform.h"
#include "session/main_loop.h"

namespace kv41::testing {

// A program directory of the test process's own, so that a session that ends and writes its
// settings leaves nothing behind for later tests to read.
inline std::string TestProgramDirectory() {
    static const std::string directory = [] {
        auto path = std::filesystem::temp_directory_path() /
                    ("kv41-tests-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path.string();
    }();
    return directory;
}

struct FreshGame {
    std::unique_ptr<GameState> state = std::make_unique<GameState>();
    HeadlessPlatform host{*state};
    GameState& g = *state;

    explicit FreshGame(uint32_t seed = 7, bool prepare = true) {
        host.Seed = seed;
        host.Directory = TestProgramDirectory();
        if (prepare) PrepareStartScreen(g);
    }
};

}  // namespace kv41::testing
