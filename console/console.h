#pragma once
// The text console: plays a session from commands, one a line, printing what the player
// would see or hear.
#include <iosfwd>
#include <memory>
#include <string>
#include <vector>

#include "game_state.h"
#include "platform/headless_platform.h"

namespace kv41 {

class Console {
public:
    Console(std::ostream& out, uint32_t seed);

    // Reads and runs commands from these streams in turn until they end or "exit".
    // Returns the exit status: 0, or 1 when any command was refused.
    int Run(std::vector<std::istream*> inputs);

    GameState& Game() { return *game_; }
    HeadlessPlatform& Host() { return *host_; }

private:
    bool ReadAndRunOne();  // false at the end of input
    void RunCommand(const std::string& line);
    void Refuse(const std::string& reason);
    void PrepareStart(uint32_t seed);

    std::ostream& out_;
    std::unique_ptr<GameState> game_;
    std::unique_ptr<HeadlessPlatform> host_;
    std::vector<std::istream*> inputs_;
    std::size_t current_ = 0;
    bool refused_ = false;
    bool exitRequested_ = false;
};

}  // namespace kv41
