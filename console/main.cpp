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

namespace {

// The directory of the running program file, as the desktop program takes its own; the current
// directory when the system cannot say.
std::string OwnDirectory(const char* argv0) {
    std::error_code error;
    std::filesystem::path self = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error) self = std::filesystem::absolute(argv0, error);
    if (error || !self.has_parent_path()) return ".";
    return self.parent_path().string();
}

}  // namespace

int main(int argc, char** argv) {
    std::string programDirectory = OwnDirectory(argv[0]);
    auto seed = static_cast<uint32_t>(std::chrono::system_clock::now().time_since_epoch().count() &
                                      0xffffffffu);
    std::vector<std::unique_ptr<std::ifstream>> files;
    std::string recordFile, verifyFile;
    for (int i = 1; i < argc; ++i) {
        if (std::string_view(argv[i]) == "--seed") {
            auto value = i + 1 < argc ? kv41::ParseWholeNumber(argv[++i]) : std::nullopt;
            if (!value || *value < 0 || *value > 0xffffffffLL) {
                std::cerr << "kv41-console: --seed takes a whole number 0..4294967295\n";
                return 2;
            }
            seed = static_cast<uint32_t>(*value);
            continue;
        }
        if (std::string_view(argv[i]) == "--dir") {
            if (i + 1 >= argc) {
                std::cerr << "kv41-console: --dir takes a directory\n";
                return 2;
            }
            programDirectory = argv[++i];
            continue;
        }
        if (std::string_view(argv[i]) == "--record" || std::string_view(argv[i]) == "--verify") {
            if (i + 1 >= argc) {
                std::cerr << "kv41-console: " << argv[i] << " takes a file\n";
                return 2;
            }
            (std::string_view(argv[i]) == "--record" ? recordFile : verifyFile) = argv[i + 1];
            ++i;
            continue;
        }
        auto file = std::make_unique<std::ifstream>(argv[i], std::ios::binary);
        if (!*file) {
            std::cerr << "kv41-console: cannot read " << argv[i] << '\n';
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
