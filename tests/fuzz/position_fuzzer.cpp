// libFuzzer target for the position loader. Each input either is a whole file (first byte 'R')
// or, to stay close to files the game writes, a list of edits applied to a good position: every
// four bytes give a place in the file, what to do there and a value. A refused file must leave
// the game exactly as it was; an accepted one must be consistent and write back as it read.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "framework/messages.h"
#include "game_state.h"
#include "platform/headless_platform.h"
#include "running/invariants.h"
#include "running/simulation_step.h"
#include "session/main_loop.h"
#include "session/new_game.h"
#include "session/position_file.h"

namespace {

using namespace kv41;

struct Base {
    GameState Game;
    HeadlessPlatform Host{Game};
    std::string Text;
    Base() {
        Host.Seed = 7;
        PrepareStartScreen(Game);
        SetUpNewGame(Game, 1, 2);
        Game.SessionRunning = true;
        for (int step = 0; step < 600; ++step) SimulationStep(Game);
        StoreMessage(Game, "a message kept in the history");
        Game.Points = -37;
        Text = PositionText(Game);
    }
};

const Base& TheBase() {
    static Base base;
    return base;
}

std::string Edited(const std::string& valid, const uint8_t* data, size_t size) {
    static const char* const Numbers[] = {"-241", "-240", "-5", "-4",  "-1",  "0",   "1",    "2",
                                          "3",    "6",    "7",  "16",  "17",  "26",  "27",   "44",
                                          "45",   "68",   "69", "174", "175", "999", "4321", "x"};
    std::string text = valid;
    for (size_t i = 0; i + 4 <= size && !text.empty(); i += 4) {
        size_t at = (static_cast<size_t>(data[i]) << 8 | data[i + 1]) % text.size();
        uint8_t value = data[i + 3];
        switch (data[i + 2] % 5) {
        case 0: {  // the token there replaced by a number at the edge of some table
            size_t start = text.find_last_of(" \n", at);
            start = start == std::string::npos ? 0 : start + 1;
            size_t end = text.find_first_of(" \r\n", at);
            if (end == std::string::npos) end = text.size();
            if (start <= end) {
                text.replace(start, end - start, Numbers[value % std::size(Numbers)]);
            }
            break;
        }
        case 1: text[at] = static_cast<char>(value); break;
        case 2: text.erase(at, value); break;
        case 3: text.insert(at, text.substr(at, value)); break;
        default: text.resize(at); break;
        }
    }
    return text;
}

[[noreturn]] void Fail(const char* what) {
    std::fprintf(stderr, "position fuzzer: %s\n", what);
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const Base& base = TheBase();
    std::string text = size > 0 && data[0] == 'R'
                           ? std::string(reinterpret_cast<const char*>(data) + 1, size - 1)
                           : Edited(base.Text, data, size);
    GameState game = base.Game;
    if (ReadPosition(game, text) != LoadOutcome::Loaded) {
        if (PositionText(game) != base.Text || game.ClockNow != base.Game.ClockNow ||
            game.Difficulty != base.Game.Difficulty) {
            Fail("a refused file changed the game");
        }
        return 0;
    }
    if (!CheckInvariants(game).empty()) Fail("an accepted file broke the game's rules");
    GameState again = base.Game;
    if (ReadPosition(again, PositionText(game)) != LoadOutcome::Loaded ||
        PositionText(again) != PositionText(game)) {
        Fail("an accepted position does not write back as it read");
    }
    return 0;
}
