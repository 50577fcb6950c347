// The console's commands: each does what the player would do in the window, through the
// same core functions, or shows a part of the state.
#include <array>
#include <cctype>
#include <ostream>
#include <string_view>

#include "command_words.h"
#include "console.h"
#include "field_registry.h"
#include "framework/message_window.h"
#include "framework/options.h"
#include "model/train_tables.h"
#include "panel/click_regions.h"
#include "panel/key_map.h"
#include "record_format.h"
#include "running/invariants.h"
#include "session/main_loop.h"
#include "session/new_game.h"
#include "session/position_file.h"
#include "session/scripted_input.h"
#include "signalman/auto_play.h"
#include "signalman/hint_text.h"
#include "windows/info_windows.h"
#include "windows/wtt_file.h"

namespace kv41 {

namespace {

constexpr long long MaxSteps = 100000;  // about a week of simulated time
constexpr long long MaxGapMs = 60000;
constexpr std::size_t MaxGaps = 20;

// The game did not take up what was asked (no file dialog came, an empty window).
const CommandRefused NotOffered{"the game does not offer that now", false};

// "on" or "off" (also "yes" or "no" where a question is answered).
bool OnOff(CommandWords& words, std::string_view what, std::string_view on, std::string_view off) {
    std::string word = words.Word(what);
    if (word == on) return true;
    if (word == off) return false;
    throw CommandRefused{std::string(what) + " must be " + std::string(on) + " or " +
                         std::string(off) + ", not " + word};
}

template <std::size_t N>
std::string OneOf(CommandWords& words, std::string_view what,
                  const std::array<std::string_view, N>& names) {
    std::string word = words.Word(what);
    for (std::string_view name : names) {
        if (word == name) return word;
    }
    std::string list;
    for (std::string_view name : names) list += (list.empty() ? "" : "|") + std::string(name);
    throw CommandRefused{std::string(what) + " must be " + list + ", not " + word};
}

int BoxArgument(CommandWords& words) {
    return static_cast<int>(words.Number("box", 1, BoxCount));
}

}  // namespace

const Console::Command Console::Commands[] = {
    {"seed", Allowed::NoSession, &Console::SeedCommand},
    {"new", Allowed::AtStart, &Console::NewCommand},
    {"resume", Allowed::AtStart, &Console::ResumeCommand},
    {"step", Allowed::InSession, &Console::StepCommand},
    {"click", Allowed::InSession, &Console::ClickCommand},
    {"fast", Allowed::InSession, &Console::FastCommand},
    {"quit", Allowed::InSession, &Console::QuitCommand},
    {"position", Allowed::Always, &Console::PositionCommand},
    {"key", Allowed::InSession, &Console::KeyCommand},
    {"lever", Allowed::InSession, &Console::LeverCommand},
    {"bell", Allowed::InSession, &Console::BellCommand},
    {"tap", Allowed::InSession, &Console::TapCommand},
    {"instrument", Allowed::InSession, &Console::InstrumentCommand},
    {"answer", Allowed::Always, &Console::AnswerCommand},
    {"option", Allowed::InSession, &Console::OptionCommand},
    {"rules", Allowed::InSession, &Console::RulesCommand},
    {"pause", Allowed::InSession, &Console::PauseCommand},
    {"unpause", Allowed::InSession, &Console::UnpauseCommand},
    {"save", Allowed::InSession, &Console::SaveCommand},
    {"restart", Allowed::InSession, &Console::RestartCommand},
    {"wttfile", Allowed::InSession, &Console::WttFileCommand},
    {"exit", Allowed::Always, &Console::ExitCommand},
    {"show", Allowed::Always, &Console::ShowCommand},
    {"window", Allowed::Always, &Console::WindowCommand},
    {"trace", Allowed::Always, &Console::TraceCommand},
    {"check", Allowed::Always, &Console::CheckCommand},
    {"set", Allowed::Always, &Console::SetCommand},
    {"auto", Allowed::InSession, &Console::AutoCommand},
    {"hint", Allowed::InSession, &Console::HintCommand},
    {"debrief", Allowed::Recorded, &Console::DebriefCommand},
    {"rewind", Allowed::Recorded, &Console::RewindCommand},
    {"recover", Allowed::AtStart, &Console::RecoverCommand},
};

const Console::Command* Console::FindCommand(std::string_view name) {
    for (const Command& command : Commands) {
        if (command.Name == name) return &command;
    }
    return nullptr;
}

void Console::SeedCommand(CommandWords& words) {
    auto seed = static_cast<uint32_t>(words.Number("seed", 0, 4294967295LL));
    words.End();
    PrepareStart(seed);
}

void Console::NewCommand(CommandWords& words) {
    int shift = static_cast<int>(words.Number("shift", 1, 5));
    int level = static_cast<int>(words.Number("level", 1, 5));
    words.End();
    game_->Inputs.Files.clear();  // the timetable file offer is cancelled
    StartNewGame(*game_, shift - 1, level - 1);
}

void Console::ResumeCommand(CommandWords& words) {
    std::string file = words.Text("file name");
    words.End();
    file = HeldPositionFile(file);
    if (!WithFileChosen(*game_, file, [](GameState& g) { ResumeSavedGame(g); })) throw NotOffered;
}

void Console::StepCommand(CommandWords& words) {
    long long count = words.AtEnd() ? 1 : words.Number("count", 1, MaxSteps);
    words.End();
    for (long long i = 0; i < count; ++i) game_->Inputs.Events.emplace_back();
}

void Console::ClickCommand(CommandWords& words) {
    int column = static_cast<int>(words.Number("column", 1, GridColumns));
    int row = static_cast<int>(words.Number("row", 1, GridRows));
    int afterMs = -1;
    if (!words.AtEnd()) {
        static constexpr std::array<std::string_view, 1> After = {"after"};
        OneOf(words, "word", After);
        afterMs = static_cast<int>(words.Number("pause", 0, MaxGapMs));
    }
    words.End();
    game_->Inputs.Events.push_back(PlayerInput::Click(column, row, afterMs));
}

void Console::KeyCommand(CommandWords& words) {
    std::string name = words.Word("key");
    words.End();
    const int key = KeyFromName(name);
    const bool character = key >= ' ' && key < 127;
    const bool letter = character && std::isalpha(key) != 0;
    if (key == 0 || (character && !letter && !std::isdigit(key) && key != '+' && key != '-')) {
        throw CommandRefused{
            "key must be +, -, a letter, a digit, Enter, Esc, Backspace, F1..F12 or Shift+F1..F12, "
            "not " +
            name};
    }
    game_->Inputs.Events.push_back(PlayerInput::Typed(key));
}

void Console::LeverCommand(CommandWords& words) {
    int lever = static_cast<int>(words.Number("lever", 1, LeverCount));
    words.End();
    QueueLever(*game_, lever);
}

void Console::BellCommand(CommandWords& words) {
    int box = BoxArgument(words);
    int code = static_cast<int>(words.Number("code", 0, 26));
    words.End();
    QueueBell(*game_, box, code);
}

void Console::TapCommand(CommandWords& words) {
    int box = BoxArgument(words);
    std::vector<int> gaps;
    bool endedByNextClick = false;
    while (!words.AtEnd()) {
        std::string word = words.Word("gap");
        if (word == "then") {
            // No closing click: the next click ends the code, whatever it is.
            words.End();
            endedByNextClick = true;
            break;
        }
        if (gaps.size() == MaxGaps) {
            throw CommandRefused{"at most " + std::to_string(MaxGaps) + " gaps"};
        }
        gaps.push_back(static_cast<int>(CommandWords(word).Number("gap", 0, MaxGapMs)));
    }
    QueueTap(*game_, box, gaps, endedByNextClick);
}

void Console::InstrumentCommand(CommandWords& words) {
    int box = BoxArgument(words);
    words.End();
    if (!QueueInstrument(*game_, box)) {
        throw CommandRefused{"box " + std::to_string(box) + " has no commutator"};
    }
}

void Console::AnswerCommand(CommandWords& words) {
    bool yes = OnOff(words, "answer", "yes", "no");
    words.End();
    game_->Inputs.Answers.push_back(yes);
}

void Console::OptionCommand(CommandWords& words) {
    static constexpr std::array<std::string_view, 6> Names = {
        "autoblock", "callattention", "log", "wait", "sound", "autosave"};
    std::string name = OneOf(words, "option", Names);
    bool on = OnOff(words, "setting", "on", "off");
    words.End();
    if (!SetOption(*game_, name, on)) throw NotOffered;
}

void Console::RulesCommand(CommandWords& words) {
    static constexpr std::array<std::string_view, 3> Names = {"BR", "WR", "LMR"};
    std::string rules = OneOf(words, "rules", Names);
    words.End();
    if (!SetBellRules(*game_, rules)) throw NotOffered;
}

void Console::PauseCommand(CommandWords& words) {
    words.End();
    if (game_->Paused) throw CommandRefused{"already paused", false};
    TogglePause(*game_);
}

void Console::UnpauseCommand(CommandWords& words) {
    words.End();
    if (!game_->Paused) throw CommandRefused{"not paused", false};
    TogglePause(*game_);
}

void Console::SaveCommand(CommandWords& words) {
    std::string file = words.Text("file name");
    words.End();
    if (!WithFileChosen(*game_, file, SaveGameAs)) throw NotOffered;
}

void Console::RestartCommand(CommandWords& words) {
    std::string file = words.Text("file name");
    words.End();
    // Restart acts only while the game runs; the menu item does nothing while paused.
    if (game_->Paused) throw CommandRefused{"the game is paused", false};
    file = HeldPositionFile(file);
    if (!WithFileChosen(*game_, file, RestartGame)) throw NotOffered;
}

void Console::WttFileCommand(CommandWords& words) {
    std::string file = words.Text("file name");
    words.End();
    std::size_t reported = host_->Transcript.size();
    // A file that cannot be written is reported by the game itself.
    if (!WriteWttFile(*game_, file) && host_->Transcript.size() == reported) throw NotOffered;
}

void Console::ExitCommand(CommandWords& words) {
    words.End();
    exitRequested_ = true;
}

void Console::ShowCommand(CommandWords& words) {
    std::string kind = words.Word("what to show");
    if (kind == "game" || kind == "status") {
        words.End();
        out_ << (kind == "game" ? FormatGameRecord(*game_) : FormatStatusRecord(*game_)) << '\n';
        return;
    }
    const RecordKind* record = FindRecordKind(kind);
    if (!record) throw CommandRefused{"cannot show " + kind};
    int count = record->RowCount(*game_);
    int first = 1, last = count;
    if (auto which = words.Next(); which && *which == "all") {
        words.End();
    } else {
        if (!which) throw CommandRefused{"missing " + kind + " number or all"};
        CommandWords number(*which);
        if (count < 1) throw CommandRefused{"there is no " + kind};
        first = last = static_cast<int>(number.Number(kind, 1, count));
        words.End();
    }
    for (int i = first; i <= last; ++i) out_ << record->Format(*game_, i) << '\n';
}

void Console::WindowCommand(CommandWords& words) {
    static constexpr std::array<std::string_view, 6> Names = {"held",        "register", "wtt",
                                                              "approaching", "messages", "keys"};
    std::string name = OneOf(words, "window", Names);
    words.End();
    const GameState& g = *game_;
    InfoWindow window = name == "held"          ? BuildHeldWindow(g)
                        : name == "register"    ? BuildRegisterWindow(g)
                        : name == "wtt"         ? BuildWttWindow(g)
                        : name == "approaching" ? BuildApproachingWindow(g)
                        : name == "keys"        ? BuildKeyListWindow(g)
                                                : BuildMessagesWindow(g);
    if (window.Caption.empty() && window.Heads.empty() && window.Lines.empty()) {
        throw NotOffered;
    }
    PrintWindow(window);
}

void Console::TraceCommand(CommandWords& words) {
    static constexpr std::array<std::string_view, 1> Names = {"sounds"};
    OneOf(words, "trace", Names);
    traceSounds_ = OnOff(words, "setting", "on", "off");
    words.End();
}

void Console::CheckCommand(CommandWords& words) {
    words.End();
    std::vector<std::string> broken = CheckInvariants(*game_);
    if (broken.empty()) out_ << "check: ok\n";
    for (const std::string& rule : broken) out_ << "check: " << rule << '\n';
}

void Console::SetCommand(CommandWords& words) {
    std::string_view rest = words.Rest();
    SetField(*game_, rest);
    // A value changed by hand is part of the session: a replay must change it too.
    if (recorder_) recorder_->CommandGiven("set " + std::string(rest));
}

void Console::AutoCommand(CommandWords& words) {
    bool on = OnOff(words, "auto", "on", "off");
    int minutes = 0;
    if (on && !words.AtEnd()) minutes = static_cast<int>(words.Number("minutes", 1, 100000));
    words.End();
    autoUntil_ = on && minutes > 0 ? game_->ClockNow + minutes : 0;
    SetAutoSignalman(*game_, on);
}

// The command form, for scripts; "hint words" as the desktop's Hint tells the player.
void Console::HintCommand(CommandWords& words) {
    const bool playerWords = !words.AtEnd();
    if (playerWords && words.Word("words") != "words") {
        throw CommandRefused{"hint takes nothing, or \"words\""};
    }
    words.End();
    const SignalmanMove move = NextSignalmanMove(*game_);
    out_ << "hint: " << (playerWords ? PlayerHint(*game_, move) : MoveHint(*game_, move)) << '\n';
}

}  // namespace kv41
