// kv41-soak: plays many whole shifts with no person at the window and checks the game after
// every tick. A failure (a broken consistency rule, a refused command, a crash or a sanitizer's
// report) prints the seed and the console script that plays the failing game again.
//
//     kv41-soak [--ticks N] [--seed S] [--check-replay]
//     kv41-soak --corpus DIRECTORY    (writes the saved positions kept with the tests)
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <string_view>

#include "soak_corpus.h"
#include "soak_game.h"

// Under AddressSanitizer, its report is followed by the script too.
#if defined(__SANITIZE_ADDRESS__)
#define KV41_SANITIZER_CALLBACK 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define KV41_SANITIZER_CALLBACK 1
#endif
#endif
#ifdef KV41_SANITIZER_CALLBACK
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

const kv41::SoakGame* currentGame = nullptr;

void WriteOut(std::string_view text) {
    while (!text.empty()) {
        ssize_t written = ::write(STDERR_FILENO, text.data(), text.size());
        if (written <= 0) return;
        text.remove_prefix(static_cast<std::size_t>(written));
    }
}

// Called as the program dies: builds nothing, only writes what is there.
void PrintScriptOfCurrentGame() {
    const kv41::SoakGame* game = currentGame;
    currentGame = nullptr;  // once only
    if (game == nullptr) return;
    char number[64];
    std::snprintf(number, sizeof number, "%u", game->ConsoleSeed());
    WriteOut("\nkv41-soak: the game died; seed ");
    WriteOut(number);
    WriteOut(". Run this script with kv41-console in an empty directory:\n# args: --seed ");
    WriteOut(number);
    WriteOut("\n");
    for (const std::string& line : game->Lines()) {
        WriteOut(line);
        WriteOut("\n");
    }
    if (game->StepsNotYetWritten() > 0) {
        std::snprintf(number, sizeof number, "step %lld\n", game->StepsNotYetWritten());
        WriteOut(number);
    }
}

void OnFatalSignal(int signal) {
    PrintScriptOfCurrentGame();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void InstallCrashReports() {
    std::set_terminate([] {
        PrintScriptOfCurrentGame();
        std::abort();
    });
    for (int signal : {SIGSEGV, SIGFPE, SIGILL, SIGABRT}) std::signal(signal, OnFatalSignal);
#ifdef SIGBUS  // not on Windows
    std::signal(SIGBUS, OnFatalSignal);
#endif
#ifdef KV41_SANITIZER_CALLBACK
    __sanitizer_set_death_callback(PrintScriptOfCurrentGame);
#endif
}

// A well-mixed 64-bit number from a seed and a game's index.
uint64_t Mix(uint64_t value) {
    value += 0x9e3779b97f4a7c15ULL;
    value = (value ^ (value >> 30)) * 0xbf58476d1ce4e5b9ULL;
    value = (value ^ (value >> 27)) * 0x94d049bb133111ebULL;
    return value ^ (value >> 31);
}

bool ParseCount(const char* text, long long& out) {
    char* end = nullptr;
    long long value = std::strtoll(text, &end, 10);
    if (end == text || *end != '\0' || value < 0) return false;
    out = value;
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    long long ticks = 1'000'000;
    long long seed = static_cast<long long>(
        std::chrono::system_clock::now().time_since_epoch().count() & 0x7fffffff);
    if (argc == 3 && std::string_view(argv[1]) == "--corpus") {
        return kv41::MakePositionCorpus(argv[2]) == 15 ? 0 : 1;
    }
    bool checkReplay = false;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        if (arg == "--check-replay") {
            checkReplay = true;
            continue;
        }
        bool ok = i + 1 < argc && (arg == "--ticks" || arg == "--seed") &&
                  ParseCount(argv[i + 1], arg == "--ticks" ? ticks : seed);
        if (!ok) {
            std::cerr << "usage: kv41-soak [--ticks N] [--seed S] [--check-replay] | --corpus "
                         "DIRECTORY\n";
            return 2;
        }
        ++i;
    }
    InstallCrashReports();
    namespace fs = std::filesystem;
    const fs::path home = fs::current_path();
    const auto start = std::chrono::steady_clock::now();
    kv41::SoakFigures figures;
    int games = 0;
    long long nextReport = 1'000'000;
    std::cout << "kv41-soak: seed " << seed << ", " << ticks << " ticks" << std::endl;
    while (figures.Ticks < ticks) {
        const uint64_t mixed = Mix(static_cast<uint64_t>(seed) * 1'000'003ULL + games);
        const auto consoleSeed = static_cast<uint32_t>(mixed >> 32);
        const fs::path directory =
            fs::temp_directory_path() /
            ("kv41-soak-" + std::to_string(::getpid()) + "-" + std::to_string(games));
        fs::remove_all(directory);
        fs::create_directories(directory);
        kv41::SoakGame game(consoleSeed, Mix(mixed), ticks - figures.Ticks, directory.string());
        currentGame = &game;
        bool passed = game.Play(figures);
        currentGame = nullptr;
        fs::remove_all(directory);
        if (passed && checkReplay) {
            fs::create_directories(directory);
            std::string difference = game.ReplayDifference(directory.string());
            fs::remove_all(directory);
            if (!difference.empty()) {
                std::cerr << "kv41-soak: game " << games + 1 << " (seed " << consoleSeed
                          << ") played again from its script differs in " << difference << ":\n"
                          << game.Script();
                return 1;
            }
        }
        ++games;
        if (figures.Ticks >= nextReport && figures.Ticks < ticks) {
            std::cout << "kv41-soak: " << figures.Ticks << " ticks, " << figures.Sessions
                      << " sessions so far" << std::endl;
            nextReport += 1'000'000;
        }
        if (!passed) {
            const fs::path saved = home / ("soak-failure-" + std::to_string(consoleSeed) + ".kv41");
            std::ofstream(saved) << game.Script();
            std::cerr << "kv41-soak: FAILED in game " << games << ", seed " << consoleSeed << ": "
                      << game.Failure() << "The script that plays it again (saved as "
                      << saved.string() << "; run it with kv41-console in an empty directory):\n"
                      << game.Script();
            return 1;
        }
    }
    const double seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::cout << "kv41-soak: " << figures.Ticks << " ticks, " << figures.Sessions
              << " sessions begun (" << figures.ShiftsCompleted << " shifts played to their end), "
              << games << " games, " << figures.Commands << " commands, 0 violations, " << seconds
              << " s (" << static_cast<long long>(static_cast<double>(figures.Ticks) / seconds)
              << " ticks/s)" << std::endl;
    return 0;
}
