// Damaged position files: thousands of random changes to a good file, each of which the loader
// must either refuse, leaving the game exactly as it was, or take as a consistent game.
#include <gtest/gtest.h>

#include <iostream>
#include <random>

#include "position_fixture.h"

namespace kv41 {
namespace {

using testing::PlayedGame;
using testing::TakeSnapshot;

class Mutator {
public:
    Mutator(const GameState& g, uint32_t seed) : random_(seed) {
        for (int value : {-241, -240, -5, -4, -1, 0,   1,   2,    3,    6,    7,    10,
                          11,   16,   17, 26, 27, 998, 999, 1000, 4320, 4321, 99999}) {
            numbers_.push_back(std::to_string(value));
        }
        for (int count : {g.TrainCount, g.SectCount, g.EngineCount}) {
            numbers_.push_back(std::to_string(count));
            numbers_.push_back(std::to_string(count + 1));
        }
    }

    std::string Mutate(std::string text) {
        int changes = Pick(3) + 1;
        for (int i = 0; i < changes && !text.empty(); ++i) MutateOnce(text);
        return text;
    }

private:
    int Pick(int n) { return std::uniform_int_distribution<int>(0, n - 1)(random_); }
    std::size_t Position(const std::string& text) {
        return static_cast<std::size_t>(Pick(static_cast<int>(text.size())));
    }
    // The start and end of the token around a position (a run of non-blanks).
    std::pair<std::size_t, std::size_t> TokenAt(const std::string& text, std::size_t at) {
        auto blank = [&](std::size_t i) {
            return text[i] == ' ' || text[i] == '\r' || text[i] == '\n';
        };
        while (at < text.size() && blank(at)) ++at;
        std::size_t start = at, end = at;
        while (start > 0 && !blank(start - 1)) --start;
        while (end < text.size() && !blank(end)) ++end;
        return {start, end};
    }
    std::pair<std::size_t, std::size_t> LineAt(const std::string& text, std::size_t at) {
        std::size_t start = text.rfind('\n', at);
        start = start == std::string::npos ? 0 : start + 1;
        std::size_t end = text.find('\n', at);
        end = end == std::string::npos ? text.size() : end + 1;
        return {start, end};
    }

    void MutateOnce(std::string& text) {
        std::size_t at = Position(text);
        switch (Pick(7)) {
        case 0: {  // a number replaced by one at or beyond the edge of some table
            auto [start, end] = TokenAt(text, at);
            const std::string& value =
                numbers_[static_cast<std::size_t>(Pick(static_cast<int>(numbers_.size())))];
            text.replace(start, end - start, value);
            break;
        }
        case 1: text[at] = static_cast<char>(Pick(256)); break;  // any byte
        case 2: {                                                // a line lost
            auto [start, end] = LineAt(text, at);
            text.erase(start, end - start);
            break;
        }
        case 3: {  // a line twice
            auto [start, end] = LineAt(text, at);
            text.insert(end, text.substr(start, end - start));
            break;
        }
        case 4: text.resize(at); break;  // cut short
        case 5: {                        // a digit changed
            auto [start, end] = TokenAt(text, at);
            if (start < end)
                text[start + static_cast<std::size_t>(Pick(int(end - start)))] =
                    static_cast<char>('0' + Pick(10));
            break;
        }
        default: text.insert(at, Pick(2) ? " 7" : " x"); break;  // a token more
        }
    }

    std::mt19937 random_;
    std::vector<std::string> numbers_;
};

TEST(PositionFuzz, DamagedFilesAreRefusedCleanlyOrLoadConsistently) {
    PlayedGame played;
    const std::string valid = PositionText(played.g);
    GameState target = played.g;  // the game that is running when the files are loaded
    target.Points = 4321;
    target.ClockNow += 7;
    const auto before = TakeSnapshot(target);

    Mutator mutator(played.g, 20261208);
    constexpr int Executions = 5000;
    int refused = 0, loaded = 0;
    for (int run = 0; run < Executions; ++run) {
        std::string damaged = mutator.Mutate(valid);
        GameState game = target;
        LoadOutcome outcome = ReadPosition(game, damaged);
        if (outcome != LoadOutcome::Loaded) {
            ++refused;
            ASSERT_TRUE(TakeSnapshot(game) == before) << "refused file changed the game:\n"
                                                      << damaged;
            continue;
        }
        ++loaded;
        std::vector<std::string> broken = CheckInvariants(game);
        ASSERT_TRUE(broken.empty()) << broken.front() << "\n" << damaged;
        // What was taken is written back as a file that loads to the same position.
        GameState again = target;
        ASSERT_EQ(ReadPosition(again, PositionText(game)), LoadOutcome::Loaded);
        ASSERT_EQ(PositionText(again), PositionText(game));
    }
    std::cout << "position fuzz: " << Executions << " executions, " << refused << " refused, "
              << loaded << " loaded\n";
    RecordProperty("refused", refused);
    RecordProperty("loaded", loaded);
    EXPECT_GT(refused, Executions / 2);
}

}  // namespace
}  // namespace kv41
