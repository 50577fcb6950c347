#include "console.h"

#include <exception>
#include <istream>
#include <ostream>
#include <utility>

#include "command_words.h"
#include "debrief/replay_run.h"
#include "field_registry.h"
#include "session/main_loop.h"
#include "signalman/auto_play.h"

namespace kv41 {

namespace {

// Longer lines are refused whole: no command of the console comes near this.
constexpr std::size_t MaxLineLength = 1000;

const char* Prefix(Output kind) {
    switch (kind) {
    case Output::Error: return "error: ";
    case Output::Notice: return "notice: ";
    case Output::Bonus: return "bonus: ";
    case Output::Call: return "call: ";
    case Output::Line: return "line: ";
    case Output::Ring: return "ring: ";
    case Output::Ask: return "ask: ";
    case Output::Box: return "box: ";
    case Output::Sound: return "sound: ";
    case Output::Rating: return "rating: ";
    case Output::Signalman: return "auto: ";
    }
    return "";
}

// Plain printable text and tabs only: anything else is not a command typed or written.
bool IsPlainText(const std::string& line) {
    for (char c : line) {
        auto u = static_cast<unsigned char>(c);
        if ((u < 0x20 && c != '\t') || u >= 0x7f) return false;
    }
    return true;
}

// Keeps the count of command reads under way right even when a read ends by an exception
// (the end of the program thrown through the session's loop).
class DepthGuard {
public:
    explicit DepthGuard(int& depth) : depth_(depth) { ++depth_; }
    ~DepthGuard() { --depth_; }
    DepthGuard(const DepthGuard&) = delete;
    DepthGuard& operator=(const DepthGuard&) = delete;

private:
    int& depth_;
};

// A recorded "set" applied as the console applied it, when the debrief plays a session again.
bool ApplyRecordedSet(GameState& g, const std::string& line) {
    CommandWords words(line);
    if (words.Next() != "set") return false;
    try {
        SetField(g, words.Rest());
    } catch (const CommandRefused&) {
        return false;
    }
    return true;
}

}  // namespace

Console::Console(std::ostream& out, uint32_t seed, std::string programDirectory)
    : out_(out),
      programDirectory_(std::move(programDirectory)),
      recorder_(std::make_unique<ReplayRecorder>()) {
    SetReplayCommandHandler(ApplyRecordedSet);
    PrepareStart(seed);
}

void Console::PrepareStart(uint32_t seed) {
    auto game = std::make_unique<GameState>();
    auto host = std::make_unique<HeadlessPlatform>(*game);
    host->Seed = seed;
    host->Directory = programDirectory_;
    host->OnIdle = [this] { return ReadAndRunOne(); };
    host->OnReport = [this](Output kind, const std::string& text) { Print(kind, text); };
    game_ = std::move(game);
    host_ = std::move(host);
    game_->Recorder = recorder_.get();
    if (recorder_) recorder_->StartScreenPrepared();
    PrepareStartScreen(*game_);
}

void Console::Print(Output kind, const std::string& text) {
    if (kind == Output::Sound && !traceSounds_) return;
    if (kind == Output::Signalman) FlushAutoSteps();
    out_ << Prefix(kind) << text << '\n';
}

int Console::Run(std::vector<std::istream*> inputs) {
    inputs_ = std::move(inputs);
    current_ = 0;
    int exitCode = 0;
    try {
        while (ReadAndRunOne()) {
        }
    } catch (const ProgramEnd& end) {
        exitCode = end.ExitCode;
    }
    if (recorder_) recorder_->Finish(*game_);
    out_.flush();
    return exitCode != 0 ? exitCode : refused_ ? 1 : 0;
}

bool Console::ReadLine(std::string& line, bool& overlong) {
    while (current_ < inputs_.size()) {
        std::istream& in = *inputs_[current_];
        line.clear();
        overlong = false;
        bool any = false;
        for (int c = in.get(); c != std::char_traits<char>::eof(); c = in.get()) {
            any = true;
            if (c == '\n') break;
            if (line.size() < MaxLineLength) {
                line += static_cast<char>(c);
            } else {
                overlong = true;
            }
        }
        if (any) return true;
        ++current_;
    }
    return false;
}

bool Console::ReadAndRunOne() {
    DepthGuard guard(depth_);
    out_.flush();  // what the last command set going has been printed by now
    if (exitRequested_) return false;
    // (Paused, the clock stands: he waits, and the console reads commands again; unpause lets
    // him go on. Driven tick after tick meanwhile, he would wait for ever.)
    if (game_->AutoSignalman && game_->SessionRunning && depth_ > 1 && !game_->Paused) {
        if (autoUntil_ == 0 || game_->ClockNow < autoUntil_) {
            AutoPlayOne();
            return true;
        }
        SetAutoSignalman(*game_, false);
    }
    FlushAutoSteps();
    // Everything queued has been taken by now, so a bell code still waiting for its list was
    // not wanted by the click meant for it (the click went elsewhere, say to a lever prompt);
    // it must not answer a later, unrelated click.
    game_->Inputs.BellCodes.clear();
    std::string line;
    bool overlong = false;
    if (!ReadLine(line, overlong)) return false;
    if (overlong) {
        Refuse("line longer than " + std::to_string(MaxLineLength) + " characters", true);
    } else {
        RunLine(line);
    }
    out_.flush();
    return !exitRequested_;
}

void Console::AutoPlayOne() {
    // The signalman's moves are queued by the game's own wait; the console is only the clock.
    ++autoSteps_;
    game_->Inputs.Events.emplace_back();
}

void Console::FlushAutoSteps() {
    if (autoSteps_ == 0) return;
    out_ << "auto: step " << autoSteps_ << '\n';
    autoSteps_ = 0;
}

void Console::Refuse(const std::string& reason, bool malformed) {
    if (malformed) refused_ = true;
    out_ << "? " << reason << '\n';
}

void Console::RunLine(const std::string& text) {
    std::string line = text;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    CommandWords words(line);
    auto name = words.Next();
    if (!name || (*name)[0] == '#') return;
    if (!IsPlainText(line)) {
        Refuse("the line holds characters that are not plain text", true);
        return;
    }
    const Command* command = FindCommand(*name);
    if (!command) {
        Refuse("unknown command " + *name, true);
        return;
    }
    try {
        CheckAllowed(command->When);
        (this->*command->Handler)(words);
    } catch (const CommandRefused& refusal) {
        Refuse(refusal.Reason, refusal.Malformed);
    } catch (const std::exception& fault) {
        Refuse(std::string("internal error: ") + fault.what(), true);
    }
}

void Console::CheckAllowed(Allowed when) const {
    const GameState& g = *game_;
    bool topLevel = depth_ <= 1;
    switch (when) {
    case Allowed::Always: return;
    case Allowed::AtStart:
        if (g.SessionRunning || !topLevel) throw CommandRefused{"a session is running", false};
        if (!g.StartScreen) {
            throw CommandRefused{"the session is over (seed prepares a new start)", false};
        }
        return;
    case Allowed::NoSession:
        if (g.SessionRunning || !topLevel) throw CommandRefused{"a session is running", false};
        return;
    case Allowed::Recorded:
        if ((g.SessionRunning && !topLevel) || g.SessionOver) return;
        throw CommandRefused{"no session is running", false};
    case Allowed::InSession:
        if (!g.SessionRunning || topLevel) {
            throw CommandRefused{g.SessionOver ? "the session is over" : "no session is running",
                                 false};
        }
        return;
    }
}

void Console::PrintWindow(const InfoWindow& window) {
    out_ << "window: " << window.Caption << '\n';
    for (const std::string& head : window.Heads) out_ << "head: " << head << '\n';
    for (const std::string& text : window.Lines) out_ << "text: " << text << '\n';
    out_ << "end\n";
}

}  // namespace kv41
