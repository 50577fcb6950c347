// kv41-console: the game played from commands on standard input or in files.
//   --record FILE   record the session as a replay in FILE
//   --verify FILE   run the replay in FILE and check that it ends as recorded (exit 1 if not)
#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "command_words.h"
#include "console.h"
#include "program_host.h"

int main(int argc, char** argv) {
    kv41::UseBinaryStandardStreams();
    const std::vector<std::string> args = kv41::Utf8Arguments(argc, argv);
    std::string programDirectory = kv41::OwnProgramDirectory(argv[0]);
    auto seed = static_cast<uint32_t>(std::chrono::system_clock::now().time_since_epoch().count() &
                                      0xffffffffu);
    std::vector<std::unique_ptr<std::ifstream>> files;
    std::string recordFile, verifyFile;
    for (size_t i = 0; i < args.size(); ++i) {
        if (std::string_view(args[i]) == "--seed") {
            auto value = i + 1 < args.size() ? kv41::ParseWholeNumber(args[++i]) : std::nullopt;
            if (!value || *value < 0 || *value > 0xffffffffLL) {
                std::cerr << "kv41-console: --seed takes a whole number 0..4294967295\n";
                return 2;
            }
            seed = static_cast<uint32_t>(*value);
            continue;
        }
        if (std::string_view(args[i]) == "--dir") {
            if (i + 1 >= args.size()) {
                std::cerr << "kv41-console: --dir takes a directory\n";
                return 2;
            }
            programDirectory = args[++i];
            continue;
        }
        if (std::string_view(args[i]) == "--record" || std::string_view(args[i]) == "--verify") {
            if (i + 1 >= args.size()) {
                std::cerr << "kv41-console: " << args[i] << " takes a file\n";
                return 2;
            }
            (std::string_view(args[i]) == "--record" ? recordFile : verifyFile) = args[i + 1];
            ++i;
            continue;
        }
        auto file = std::make_unique<std::ifstream>(args[i], std::ios::binary);
        if (!*file) {
            std::cerr << "kv41-console: cannot read " << args[i] << '\n';
            return 2;
        }
        files.push_back(std::move(file));
    }
    kv41::Console console(std::cout, seed, programDirectory);
    if (!verifyFile.empty()) {
        if (!files.empty() || !recordFile.empty()) {
            std::cerr << "kv41-console: --verify runs its file alone\n";
            return 2;
        }
        if (!std::ifstream(verifyFile)) {
            std::cerr << "kv41-console: cannot read " << verifyFile << '\n';
            return 2;
        }
        return console.Verify(verifyFile);
    }
    console.RecordTo(recordFile);
    std::vector<std::istream*> inputs;
    for (auto& f : files) inputs.push_back(f.get());
    if (inputs.empty()) inputs.push_back(&std::cin);
    return console.Run(inputs);
}
