#include "soak_corpus.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <iostream>
#include <sstream>

#include "console.h"
#include "line_source.h"
#include "soak_player.h"

namespace kv41 {

namespace {

constexpr std::array<const char*, 5> ShiftFiles = {"night", "early", "late", "learning",
                                                   "marathon"};
constexpr std::array<const char*, 3> RuleBooks = {"BR", "WR", "LMR"};

// How much a position holds for the loader to read: trains in the area, the yard road and
// the down sidings occupied, the yard busy, a departure held back.
int Busyness(const GameState& g) {
    if (g.TrainsInArea < 1) return 0;
    int score = std::min(g.TrainsInArea, 4) * 4;
    for (int sect : {18, 19, 20}) score += g.SectTrain[sect] != 0 ? 3 : 0;
    score += g.YardClear ? 0 : 2;
    score += g.YardTrain != 0 ? 2 : 0;
    return score;
}

// Plays one attempt; the busyness of the position saved (0: none was).
int SavePlayedShift(int shift, int rules, int attempt, const std::filesystem::path& target) {
    namespace fs = std::filesystem;
    const fs::path before = fs::current_path();
    const fs::path scratch = fs::temp_directory_path() / ("kv41-corpus-" + target.stem().string());
    fs::remove_all(scratch);
    fs::create_directories(scratch);
    fs::current_path(scratch);

    std::ostringstream ignored;
    Console console(ignored, static_cast<uint32_t>(1000 * attempt + 10 * shift + rules), ".");
    SoakPlayer player(static_cast<uint64_t>(1000 * attempt + 77 + 10 * shift + rules));
    player.SessionsLeft = 0;
    player.Queue("new " + std::to_string(shift) + " " + std::to_string(1 + (shift + rules) % 5));
    player.Queue(std::string("rules ") + RuleBooks[static_cast<std::size_t>(rules)]);
    player.Queue(std::string("option autoblock ") + (rules % 2 == 0 ? "on" : "off"));
    int best = 0;
    LineSource source([&]() -> std::string {
        const GameState& g = console.Game();
        if (g.SessionOver) return "";
        // A position well into the shift, when it is busier than any saved so far.
        if (g.SessionRunning && g.ClockNow >= g.ShiftStart + 20 && !g.Paused) {
            int busy = Busyness(g);
            if (busy > best) {
                best = busy;
                return "save corpus.sav";
            }
            if (best >= 20) return "";
        }
        // The shift keeps the rule book and instruments it was started with.
        std::string line = player.Next(g);
        bool setUp = line.rfind("rules", 0) == 0 || line.rfind("option autoblock", 0) == 0;
        return setUp && g.SessionRunning && g.ClockNow > g.ShiftStart ? "step" : line;
    });
    std::istream in(&source);
    console.Run({&in});
    if (best > 0) fs::copy_file("corpus.sav", target, fs::copy_options::overwrite_existing);
    fs::current_path(before);
    fs::remove_all(scratch);
    return best;
}

}  // namespace

int MakePositionCorpus(const std::string& directory) {
    namespace fs = std::filesystem;
    fs::create_directories(directory);
    const fs::path where = fs::absolute(directory);
    int written = 0;
    for (int shift = 1; shift <= 5; ++shift) {
        for (int rules = 0; rules < 3; ++rules) {
            std::string name = std::string(ShiftFiles[static_cast<std::size_t>(shift - 1)]) + "-" +
                               RuleBooks[static_cast<std::size_t>(rules)] + ".sav";
            std::transform(name.begin(), name.end(), name.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            // The busiest of a few games.
            int best = 0;
            const fs::path attempt = where / (name + ".new");
            for (int i = 1; i <= 8 && best < 15; ++i) {
                int busy = SavePlayedShift(shift, rules, i, attempt);
                if (busy > best) {
                    best = busy;
                    fs::rename(attempt, where / name);
                }
            }
            fs::remove(attempt);
            std::cout << name << ": busyness " << best << "\n";
            if (best > 0) ++written;
        }
    }
    return written;
}

}  // namespace kv41
