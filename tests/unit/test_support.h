#pragma once
// A fresh game on the headless platform, as the start screen leaves it.
#include <memory>

#include "game_state.h"
#include "platform/headless_platform.h"
#include "session/main_loop.h"

namespace kv41::testing {

struct FreshGame {
    std::unique_ptr<GameState> state = std::make_unique<GameState>();
    HeadlessPlatform host{*state};
    GameState& g = *state;

    explicit FreshGame(uint32_t seed = 7, bool prepare = true) {
        host.Seed = seed;
        if (prepare) PrepareStartScreen(g);
    }
};

}  // namespace kv41::testing
