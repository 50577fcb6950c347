// kv41-console: the game played from commands on standard input or in files.
#include <chrono>
#include <cstring>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "console.h"

int main(int argc, char** argv) {
    uint32_t seed = static_cast<uint32_t>(
        std::chrono::system_clock::now().time_since_epoch().count() & 0xffffffffu);
    std::vector<std::unique_ptr<std::ifstream>> files;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
            char* end = nullptr;
            unsigned long value = std::strtoul(argv[++i], &end, 10);
            if (end == argv[i] || *end != '\0') {
                std::cerr << "kv41-console: --seed takes a whole number\n";
                return 2;
            }
            seed = static_cast<uint32_t>(value);
            continue;
        }
        auto file = std::make_unique<std::ifstream>(argv[i]);
        if (!*file) {
            std::cerr << "kv41-console: cannot read " << argv[i] << '\n';
            return 2;
        }
        files.push_back(std::move(file));
    }
    std::vector<std::istream*> inputs;
    for (auto& f : files) inputs.push_back(f.get());
    if (inputs.empty()) inputs.push_back(&std::cin);
    kv41::Console console(std::cout, seed);
    return console.Run(inputs);
}
