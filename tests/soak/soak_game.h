#pragma once
// One soak game: a console, in process, fed by the random player one command line at a time.
// Before each line the game's consistency check runs, so it runs after every tick and every
// action. Every line given is kept as a script (runs of single steps written as one "step N")
// that plays the same game again in kv41-console, from an empty directory, with the same seed.
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace kv41 {

struct SoakFigures {
    long long Ticks = 0;      // simulation steps run
    long long Commands = 0;   // command lines given
    int Sessions = 0;         // sessions begun, new or resumed
    int ShiftsCompleted = 0;  // sessions that ran to the end of their shift
};

struct GameState;

class SoakGame {
public:
    // Plays in directory (made empty by the caller) until tickBudget steps have run or the
    // player has played its sessions.
    SoakGame(uint32_t consoleSeed, uint64_t playerSeed, long long tickBudget,
             std::string directory);

    // Plays; false when the check broke, a command was refused or the program ended on its
    // own, with the reason in Failure().
    bool Play(SoakFigures& figures);

    // Plays the script again in a fresh console in directory (made empty by the caller) and
    // tells whether it ends in the very game that Play ended in: "" when it does, else the
    // first value that differs.
    std::string ReplayDifference(const std::string& directory) const;

    const std::string& Failure() const { return failure_; }
    uint32_t ConsoleSeed() const { return consoleSeed_; }
    // The script so far, ready to be run by kv41-console --seed ConsoleSeed().
    std::string Script() const;
    // The lines kept so far and the steps given since the last of them: what a crash report
    // prints, without building anything.
    const std::vector<std::string>& Lines() const { return lines_; }
    long long StepsNotYetWritten() const { return steps_; }

private:
    void Keep(const std::string& line);

    uint32_t consoleSeed_;
    uint64_t playerSeed_;
    long long tickBudget_;
    std::string directory_;
    std::string failure_;
    std::vector<std::string> lines_;
    long long steps_ = 0;                     // single steps given since the last line kept
    std::shared_ptr<const GameState> final_;  // the game as Play left it
};

}  // namespace kv41
