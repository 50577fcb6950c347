#include "soak_player.h"

#include <array>

#include "game_state.h"

namespace kv41 {

namespace {

constexpr std::array<const char*, 6> Options = {"autoblock", "callattention", "log",
                                                "wait",      "sound",         "autosave"};
constexpr std::array<const char*, 3> RuleBooks = {"BR", "WR", "LMR"};
constexpr std::array<const char*, 5> Windows = {"held", "register", "wtt", "approaching",
                                                "messages"};
constexpr const char* Keys = "HRTWML+-";
constexpr const char* OtherKeys = "abhlmrtwzABCDXYZEFGK";  // some mean nothing, some in lower case
constexpr std::array<int, 3> BoxesWithHandles = {1, 3, 4};

// A bell standing on a box's indicator that the signalman has not yet answered.
int BoxWaitingForAnswer(const GameState& g) {
    for (int box = 1; box <= BoxCount; ++box) {
        if (g.BoxBellShown[box] != 0 && g.BoxBellAnswered[box] == 0) return box;
    }
    return 0;
}

}  // namespace

std::string SoakPlayer::Next(const GameState& g) {
    if (!pending_.empty()) {
        std::string line = pending_.front();
        pending_.erase(pending_.begin());
        return line;
    }
    if (g.SessionRunning) return InSession(g);
    if (SessionsLeft <= 0) return "";
    if (!g.StartScreen) return "seed " + std::to_string(random_() & 0xffffffffu);
    return AtStart();
}

std::string SoakPlayer::AtStart() {
    --SessionsLeft;
    ++sessionsBegun_;
    if (!saved_.empty() && Chance(30)) return "resume " + SavedFile();
    setUpLeft_ = 2;
    // One draw a statement, so that a seed plays the same game whatever order the compiler
    // gives the operands of an expression; the second number is drawn first, as the seeds'
    // games have always been played here.
    const int level = 1 + Below(5);
    const int shift = 1 + Below(5);
    return "new " + std::to_string(shift) + " " + std::to_string(level);
}

std::string SoakPlayer::InSession(const GameState& g) {
    if (setUpLeft_ > 0) {
        // The new shift's rule book and instruments, before anything else happens.
        --setUpLeft_;
        if (setUpLeft_ == 1) return std::string("rules ") + RuleBooks[Below(3)];
        return std::string("option autoblock ") + (Chance(50) ? "on" : "off");
    }
    if (g.Paused && Chance(70)) return "unpause";
    if (Chance(88)) return "step";
    return Action(g);
}

std::string SoakPlayer::Action(const GameState& g) {
    int roll = Below(100);
    auto box = [this] { return std::to_string(1 + Below(BoxCount)); };
    if ((roll -= 15) < 0) {
        const int row = 1 + Below(GridRows);  // drawn first, as in AtStart
        const int column = 1 + Below(GridColumns);
        return "click " + std::to_string(column) + " " + std::to_string(row);
    }
    if ((roll -= 13) < 0) return "lever " + std::to_string(1 + Below(LeverCount));
    if ((roll -= 8) < 0) return std::string("key ") + Keys[Below(8)];
    if ((roll -= 1) < 0) {
        // Quit: nearly always thought better of, so that most shifts are played whole.
        if (!g.Inputs.Answers.empty()) return "step";
        pending_.push_back("key Q");
        return Chance(95) ? "answer no" : "answer yes";
    }
    if ((roll -= 9) < 0) {
        const int code = Below(27);  // drawn first, as in AtStart
        return "bell " + box() + " " + std::to_string(code);
    }
    if ((roll -= 12) < 0) {
        // Answer what a box rings with the same code, as the signalman would.
        int waiting = BoxWaitingForAnswer(g);
        if (waiting == 0) return "step";
        return "bell " + std::to_string(waiting) + " " + std::to_string(g.BoxBellShown[waiting]);
    }
    if ((roll -= 9) < 0) return Tap();
    if ((roll -= 8) < 0) return "instrument " + std::to_string(BoxesWithHandles[Below(3)]);
    if ((roll -= 5) < 0) {
        // One answer waiting at a time, so that a later question is answered as meant.
        if (!g.Inputs.Answers.empty()) return "step";
        return Chance(50) ? "answer yes" : "answer no";
    }
    if ((roll -= 4) < 0) {
        const bool on = Chance(50);  // drawn first, as in AtStart
        return std::string("option ") + Options[Below(6)] + (on ? " on" : " off");
    }
    if ((roll -= 2) < 0) return std::string("rules ") + RuleBooks[Below(3)];
    if ((roll -= 2) < 0) return "pause";
    if ((roll -= 4) < 0) {
        std::string name = SaveName();
        saved_.push_back(name);
        return "save " + name;
    }
    if ((roll -= 2) < 0) return saved_.empty() ? "step" : "restart " + SavedFile();
    if ((roll -= 1) < 0) return "wttfile soak.txt";
    if ((roll -= 2) < 0) return std::string("window ") + Windows[Below(5)];
    if ((roll -= 2) < 0) return std::string("key ") + OtherKeys[Below(20)];
    return "step";
}

// A code tapped in any rhythm: beats within a group, pauses between groups, and now and then a
// pause long enough to end the code.
std::string SoakPlayer::Tap() {
    std::string line = "tap " + std::to_string(1 + Below(BoxCount));
    int gaps = Below(15);
    for (int i = 0; i < gaps; ++i) {
        int kind = Below(20);
        int gap = kind < 12 ? 100 + Below(400) : kind < 19 ? 700 + Below(1300) : 2001 + Below(1000);
        line += " " + std::to_string(gap);
    }
    return line;
}

std::string SoakPlayer::SavedFile() {
    return saved_[static_cast<std::size_t>(Below(static_cast<int>(saved_.size())))];
}

}  // namespace kv41
