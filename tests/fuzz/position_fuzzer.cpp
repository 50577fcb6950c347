// libFuzzer target for the position loader. An input is a whole file, and the seed corpus is
// the saved positions kept with the tests (every shift under every rule book), which the fuzzer
// then damages its own ways. An input that begins with 'E' is instead a list of edits to a good
// position, to stay close to files the game writes: every four bytes give a place in the file,
// what to do there and a value. A refused file must leave the game exactly as it was; an
// accepted one must be consistent and write back as it read.
//
// The game is prepared once; each input works on a copy of it, compared table by table
// rather than written out, so that an input costs a load and little more.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "framework/messages.h"
#include "game_state.h"
#include "headless_platform.h"
#include "running/invariants.h"
#include "running/simulation_step.h"
#include "session/main_loop.h"
#include "session/new_game.h"
#include "session/position_file.h"
#include "state_compare.h"

namespace {

using namespace kv41;

struct Base {
    GameState Game;
    HeadlessPlatform Host{Game};
    std::string Text;
    // The copies that each input loads into, kept so that their texts' storage is reused.
    GameState Loaded;
    GameState Again;
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

Base& TheBase() {
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

[[noreturn]] void Fail(const char* what, const std::string& detail = {}) {
    std::fprintf(stderr, "position fuzzer: %s %s\n", what, detail.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Base& base = TheBase();
    std::string text = size > 0 && data[0] == 'E'
                           ? Edited(base.Text, data + 1, size - 1)
                           : std::string(reinterpret_cast<const char*>(data), size);
    // A refused file leaves the copy as it was, ready for the next input; only a load that was
    // taken needs a fresh one.
    static bool fresh = false;
    GameState& game = base.Loaded;
    if (!fresh) game = base.Game;
    fresh = true;
    if (ReadPosition(game, text) != LoadOutcome::Loaded) {
        std::string changed = testing::FirstDifference(game, base.Game);
        if (!changed.empty()) Fail("a refused file changed the game:", changed);
        return 0;
    }
    fresh = false;
    if (!CheckInvariants(game).empty()) Fail("an accepted file broke the game's rules");
    GameState& again = base.Again;
    again = base.Game;
    if (ReadPosition(again, PositionText(game)) != LoadOutcome::Loaded) {
        Fail("an accepted position is refused once written back");
    }
    std::string changed = testing::FirstDifference(again, game);
    if (!changed.empty()) Fail("an accepted position does not write back as it read:", changed);
    return 0;
}
