#pragma once
// A random player for the soak: it plays through the console's commands, as a person at the
// window might in the worst case. It starts shifts of every kind (all five shifts, all five
// levels, each rule book, automatic or hand-worked instruments), clicks anywhere on the panel,
// types the letter keys and + and -, works levers and instruments, sends and taps bell codes in
// any rhythm, answers questions either way, changes options, pauses, saves, restarts from its
// own saves and resumes them after ending a shift. Most of the time it lets the clock run.
//
// It sees the game only to decide what a player could do now (a session running, a bell
// waiting); every decision is written as a command line, so the lines it gave are a console
// script that plays the same game again.
#include <cstdint>
#include <random>
#include <string>
#include <vector>

namespace kv41 {

struct GameState;

class SoakPlayer {
public:
    explicit SoakPlayer(uint64_t seed) : random_(seed) {}

    // The next command line for the game as it stands; "" once the player has played the
    // sessions it was given (the console then ends).
    std::string Next(const GameState& g);

    // A line to be given before any the player decides on (they come in the order queued).
    void Queue(std::string line) { pending_.push_back(std::move(line)); }

    // Sessions begun (new or resumed), and sessions the player may still begin.
    int SessionsBegun() const { return sessionsBegun_; }
    int SessionsLeft = 2;

private:
    int Below(int n) { return static_cast<int>(random_() % static_cast<uint64_t>(n)); }
    bool Chance(int percent) { return Below(100) < percent; }
    std::string AtStart();
    std::string InSession(const GameState& g);
    std::string Action(const GameState& g);
    std::string Tap();
    std::string SaveName() { return "soak" + std::to_string(1 + Below(3)) + ".sav"; }
    std::string SavedFile();

    std::mt19937_64 random_;
    int sessionsBegun_ = 0;
    bool needsSeed_ = false;          // the last session ended: the start screen is to be prepared
    int setUpLeft_ = 0;               // commands that choose the new shift's rules still to come
    std::vector<std::string> saved_;  // files this player has saved
    std::vector<std::string> pending_;  // lines already decided on, given before any other
};

}  // namespace kv41
