// libFuzzer target for the console's command lines. An input is a script: up to 40 lines, each
// run by a fresh console as if read from a file. Its seed corpus is the console scenarios.
// Whatever the lines, the console must not fail inside ("? internal error"), crash or trip a
// sanitizer, and after every command the game must pass its consistency check, except after a
// "set", which may make a railway that cannot be: the script ends there.
//
// The console's files, and those that commands name, are kept to the fuzzer's own directory, and
// long runs of steps are cut short, so that an input takes milliseconds.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

#include "console.h"
#include "line_source.h"
#include "running/invariants.h"

namespace {

constexpr std::size_t MaxLines = 40;
constexpr long MaxSteps = 50;

std::string FirstWord(const std::string& line) {
    std::size_t start = line.find_first_not_of(" \t");
    if (start == std::string::npos) return "";
    std::size_t end = line.find_first_of(" \t", start);
    return line.substr(start, end == std::string::npos ? std::string::npos : end - start);
}

// The fuzzer's own directory, for the console's files and those that commands name.
const std::string& Scratch() {
    static const std::string scratch = [] {
        auto path = std::filesystem::temp_directory_path() /
                    ("kv41-console-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path.string();
    }();
    return scratch;
}

// The line as the fuzzer lets the console have it: files only in the scratch directory, and a
// few steps at a time.
std::string Tamed(const std::string& line) {
    const std::string word = FirstWord(line);
    if (word == "save" || word == "restart" || word == "resume" || word == "wttfile") {
        std::size_t name = line.find_first_not_of(" \t", line.find(word) + word.size());
        bool plain = name != std::string::npos &&
                     line.find_first_of("/\"", name) == std::string::npos && line[name] != '.';
        return word + " " + Scratch() + "/" + (plain ? line.substr(name) : "fuzz.sav");
    }
    if (word == "step") {
        std::size_t at = line.find("step") + 4;
        char* end = nullptr;
        long steps = std::strtol(line.c_str() + at, &end, 10);
        if (end != line.c_str() + at && steps > MaxSteps) return "step " + std::to_string(MaxSteps);
    }
    return line;
}

[[noreturn]] void Fail(const std::string& what) {
    std::fprintf(stderr, "console fuzzer: %s\n", what.c_str());
    std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> lines;
    std::string text(reinterpret_cast<const char*>(data), size);
    std::istringstream split(text);
    for (std::string line; lines.size() < MaxLines && std::getline(split, line);) {
        lines.push_back(Tamed(line));
    }

    std::ostringstream out;
    kv41::Console console(out, 7, Scratch());
    std::size_t next = 0;
    bool lastWasSet = false;
    kv41::LineSource source([&]() -> std::string {
        std::vector<std::string> broken = kv41::CheckInvariants(console.Game());
        if (!broken.empty()) {
            if (lastWasSet) return "";  // a railway that cannot be: nothing more to learn
            Fail("the consistency check broke after \"" + lines[next - 1] + "\": " + broken[0]);
        }
        if (next >= lines.size()) return "";
        const std::string& line = lines[next++];
        lastWasSet = FirstWord(line) == "set";
        // An empty line would read as the end of the input.
        return line.empty() ? std::string("#") : line;
    });
    std::istream in(&source);
    console.Run({&in});
    if (out.str().find("? internal error") != std::string::npos) {
        Fail("a command failed inside the console:\n" + out.str());
    }
    return 0;
}
