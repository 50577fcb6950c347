#include "console.h"

#include <istream>
#include <ostream>
#include <sstream>

#include "session/main_loop.h"
#include "session/new_game.h"

namespace kv41 {

Console::Console(std::ostream& out, uint32_t seed) : out_(out) {
    PrepareStart(seed);
}

void Console::PrepareStart(uint32_t seed) {
    game_ = std::make_unique<GameState>();
    host_ = std::make_unique<HeadlessPlatform>(*game_);
    host_->Seed = seed;
    host_->OnIdle = [this] { return ReadAndRunOne(); };
    PrepareStartScreen(*game_);
}

int Console::Run(std::vector<std::istream*> inputs) {
    inputs_ = std::move(inputs);
    current_ = 0;
    try {
        while (ReadAndRunOne()) {
        }
    } catch (const ProgramEnd&) {
    }
    out_.flush();
    return refused_ ? 1 : 0;
}

bool Console::ReadAndRunOne() {
    if (exitRequested_) return false;
    std::string line;
    while (current_ < inputs_.size()) {
        if (std::getline(*inputs_[current_], line)) {
            RunCommand(line);
            out_.flush();
            return !exitRequested_;
        }
        ++current_;
    }
    return false;
}

void Console::Refuse(const std::string& reason) {
    refused_ = true;
    out_ << "? " << reason << '\n';
}

void Console::RunCommand(const std::string& line) {
    std::istringstream words(line);
    std::string command;
    if (!(words >> command) || command[0] == '#') return;
    if (command == "exit") {
        exitRequested_ = true;
    } else if (command == "new") {
        int shift = 0, level = 0;
        if (!(words >> shift >> level) || shift < 1 || shift > 5 || level < 1 || level > 5) {
            Refuse("usage: new SHIFT LEVEL");
            return;
        }
        StartNewGame(*game_, shift - 1, level - 1);
    } else if (command == "step") {
        int count = 1;
        words >> count;
        for (int i = 0; i < count; ++i) host_->QueueTick();
    } else {
        Refuse("unknown command " + command);
    }
}

}  // namespace kv41
