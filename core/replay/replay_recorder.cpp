#include "replay/replay_recorder.h"

#include <algorithm>
#include <ctime>
#include <sstream>

#include "framework/file_replace.h"
#include "framework/options.h"
#include "game_state.h"
#include "panel/click_regions.h"
#include "replay/end_state.h"
#include "replay/program_version.h"
#include "session/new_game.h"

namespace kv41 {

namespace {

constexpr int DayMs = 24 * 3600 * 1000;
// The console takes pauses up to a minute; any pause over two seconds ends a tapped code alike.
constexpr int LongestGapMs = 60000;
// Ticks are written at least this often, so that a crash loses little of a quiet stretch.
constexpr long long StepsPerLine = 100;
// The frame's levers stand in columns 2..52; a click beyond does nothing.
constexpr int LastLeverColumn = LeverCount + 1;

// A text as one word of the console's language: in double quotes, with \" and \\ inside.
std::string Quoted(const std::string& text) {
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') quoted += '\\';
        quoted += c;
    }
    return quoted + "\"";
}

std::string OnOff(bool on) {
    return on ? "on" : "off";
}

std::string BaseName(const std::string& file) {
    std::size_t slash = file.find_last_of("/\\");
    return slash == std::string::npos ? file : file.substr(slash + 1);
}

int GapMs(int from, int to) {
    int gap = ((to - from) % DayMs + DayMs) % DayMs;
    return std::min(gap, LongestGapMs);
}

std::string Today() {
    std::time_t now = std::time(nullptr);
    char text[32] = "";
    if (const std::tm* local = std::localtime(&now)) {
        std::strftime(text, sizeof text, "%Y-%m-%d %H:%M", local);
    }
    return text;
}

int LevelOf(const GameState& g) {
    for (int level = 0; level < DifficultyCount; ++level) {
        if (g.DifficultyName.str() == DifficultyNames[level]) return level + 1;
    }
    return std::clamp((g.Difficulty - 5) / 5 + 1, 1, DifficultyCount);
}

std::string StepLine(long long steps) {
    return steps == 1 ? "step" : "step " + std::to_string(steps);
}

}  // namespace

ReplayRecorder::ReplayRecorder(std::string path) : path_(std::move(path)) {}

void ReplayRecorder::Write(const std::string& line) {
    lines_.push_back(line);
    if (file_.is_open()) {
        file_ << line << '\n';
        file_.flush();
    }
}

void ReplayRecorder::FlushSteps() {
    if (steps_ == 0) return;
    Write(StepLine(steps_));
    steps_ = 0;
}

void ReplayRecorder::Begin(Open kind, std::string line) {
    Close();
    open_ = kind;
    openLines_ = {std::move(line)};
}

std::vector<std::string> ReplayRecorder::PendingLines() const {
    std::vector<std::string> lines;
    if (steps_ > 0) lines.push_back(StepLine(steps_));
    if (open_ == Open::None) return lines;
    lines.insert(lines.end(), answers_.begin(), answers_.end());
    if (open_ == Open::Tap) {
        lines.push_back(TapLine(true));
    } else {
        lines.insert(lines.end(), openLines_.begin(), openLines_.end());
    }
    if (stepsAfter_ > 0) lines.push_back(StepLine(stepsAfter_));
    return lines;
}

// The ticks taken with the input stay counted after it, as they may go on.
void ReplayRecorder::Close() {
    if (open_ == Open::None) return;
    const long long after = stepsAfter_;
    stepsAfter_ = 0;
    for (const std::string& line : PendingLines()) Write(line);
    steps_ = after;
    answers_.clear();
    openLines_.clear();
    open_ = Open::None;
}

std::string ReplayRecorder::TapLine(bool endedByNextClick) const {
    std::string line = "tap " + std::to_string(tapBox_);
    for (int gap : tapGaps_) line += " " + std::to_string(gap);
    return endedByNextClick ? line + " then" : line;
}

void ReplayRecorder::WritePosition(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        Write("position " + Quoted(line));
    }
}

void ReplayRecorder::PositionRead(const GameState& g, const std::string& file,
                                  const std::string& text) {
    if (!g.SessionRunning) {
        if (text.empty()) return;  // nothing was loaded: the start screen stays
        startFile_ = BaseName(file);
        startText_ = text;
        return;
    }
    if (!started_ || finished_) return;
    Close();
    FlushSteps();
    WritePosition(text);
    Begin(Open::Plain, "restart " + Quoted(BaseName(file)));
}

void ReplayRecorder::StartAfresh() {
    lines_.clear();
    if (!path_.empty()) {
        file_.close();
        file_.open(path_, std::ios::binary | std::ios::trunc);
    }
    started_ = true;
    finished_ = false;
    steps_ = 0;
    stepsAfter_ = 0;
    open_ = Open::None;
    answers_.clear();
    openLines_.clear();
}

void ReplayRecorder::SessionStarted(const GameState& g) {
    StartAfresh();
    const bool resumed = !startText_.empty();
    Write("# KV41 replay: run it with kv41-console FILE, check it with kv41-console --verify FILE");
    Write("# program: kv41 " + ProgramVersion());
    Write("# recorded: " + Today());
    Write("# shift: " + g.ShiftName.str() + ", level: " + g.DifficultyName.str() +
          (resumed ? ", resumed from " + startFile_ : ", new game"));
    Write("# rules: " + std::string(RuleBookName(g.Rules)) + ", options: autoblock " +
          OnOff(g.AutoBlockInstruments) + ", callattention " + OnOff(g.RequireCallAttention) +
          ", log " + OnOff(g.ScoreLogging) + ", wait " + OnOff(g.WaitOnError) + ", sound " +
          OnOff(g.SoundOn) + ", autosave " + OnOff(g.AutoSave) + ", speed " +
          std::to_string(g.TickSeconds));
    Write("seed " + std::to_string(g.StartSeed));
    for (const std::string& command : beforeStart_) Write(command);
    beforeStart_.clear();
    if (resumed) {
        WritePosition(startText_);
        Write("resume " + Quoted(startFile_));
        startText_.clear();
    } else {
        Write("new " + std::to_string(g.ShiftNumber) + " " + std::to_string(LevelOf(g)));
    }
    // What the settings file gave this session, so that the replay does not take another's.
    Write("set ProgramDate " + Quoted(g.ProgramDate.str()));
    Write("set TickSeconds " + std::to_string(g.TickSeconds));
    Write("option log " + OnOff(g.ScoreLogging));
    Write("option wait " + OnOff(g.WaitOnError));
    Write("option sound " + OnOff(g.SoundOn));
    Write("option autosave " + OnOff(g.AutoSave));
}

void ReplayRecorder::Finish(const GameState& g) {
    if (!started_ || finished_) return;
    Close();
    FlushSteps();
    for (const std::string& line : EndStateLines(g)) Write(line);
    finished_ = true;
}

bool ReplayRecorder::SaveCopy(const GameState& g, const std::string& file) {
    std::string text;
    for (const std::string& line : lines_) text += line + "\n";
    if (!finished_) {
        for (const std::string& line : PendingLines()) text += line + "\n";
        for (const std::string& line : EndStateLines(g)) text += line + "\n";
    }
    return ReplaceFile(file, text);
}

std::string ReplayRecorder::Text() const {
    std::string text;
    for (const std::string& line : lines_) {
        if (line.rfind("# end ", 0) == 0) break;
        text += line + "\n";
    }
    if (!finished_) {
        for (const std::string& line : PendingLines()) text += line + "\n";
    }
    return text;
}

void ReplayRecorder::ContinueFrom(const std::vector<std::string>& lines) {
    StartAfresh();
    for (const std::string& line : lines) Write(line);
}

void ReplayRecorder::ClickTaken(const GameState& g) {
    if (!started_ || finished_ || g.ClickWasTap) return;  // a beat was taken by the tapper
    const int column = g.ClickColumn, row = g.ClickRow;
    const int code = HitTest(g, column, row);
    if (open_ == Open::Tap) {
        if (!tapEnded_ && code == ActionNone) {
            // A click on nothing that ends the code: the console's own way of ending one.
            openLines_ = {TapLine(false)};
            open_ = Open::Plain;
            Close();
            lastClickMs_ = g.ClickTime;
            return;
        }
        Close();
    }
    lastClickMs_ = g.ClickTime;
    openColumn_ = column;
    const std::string click = "click " + std::to_string(column) + " " + std::to_string(row);
    if (code == ActionLeverFrame && column <= LastLeverColumn) {
        Begin(Open::Lever, click);
    } else if (code >= ActionBoxNameFirst && code <= ActionBoxNameLast) {
        openBox_ = code - 80;
        Begin(Open::Bell, "bell " + std::to_string(openBox_) + " 0");
    } else if (code >= ActionTapperFirst && code <= ActionTapperLast) {
        Begin(Open::Tap, {});
        tapBox_ = code - 70;
        tapGaps_.clear();
        tapEnded_ = false;
    } else if (code >= ActionInstrumentFirst && code <= ActionInstrumentLast) {
        Begin(Open::Plain, "instrument " + std::to_string(code - 90));
    } else {
        Begin(Open::Plain, click);
    }
}

void ReplayRecorder::ConfirmingClickTaken(const GameState& g) {
    if (!started_ || finished_) return;
    const std::string click =
        "click " + std::to_string(g.ClickColumn) + " " + std::to_string(g.ClickRow);
    lastClickMs_ = g.ClickTime;
    if (open_ != Open::Lever) {
        Begin(Open::Plain, click);
        return;
    }
    if (g.ClickColumn == openColumn_) {
        openLines_ = {"lever " + std::to_string(openColumn_ - 1)};
    } else {
        openLines_.push_back(click);
    }
    Close();
}

void ReplayRecorder::TapTaken(const GameState& g) {
    if (!started_ || finished_) return;
    const int gap = GapMs(lastClickMs_, g.ClickTime);
    lastClickMs_ = g.ClickTime;
    if (open_ == Open::Tap && !tapEnded_) {
        tapGaps_.push_back(gap);
        tapEnded_ = !g.BellTapping;
        return;
    }
    // A beat after something else was taken in the middle of a code (a key, say).
    Begin(Open::Plain, "click " + std::to_string(g.ClickColumn) + " " + std::to_string(g.ClickRow) +
                           " after " + std::to_string(gap));
}

void ReplayRecorder::KeyTaken(char key) {
    if (!started_ || finished_) return;
    Begin(Open::Plain, std::string("key ") + key);
}

// The input taken with a tick stays open through the step that follows, so that a question it
// raises after the wait (the quit question) is still answered before it.
void ReplayRecorder::TickTaken() {
    if (!started_ || finished_) return;
    if (open_ != Open::None && stepsAfter_ == 0) {
        ++stepsAfter_;
        return;
    }
    Close();
    if (++steps_ >= StepsPerLine) FlushSteps();
}

void ReplayRecorder::Answered(bool yes) {
    if (!started_ || finished_) return;
    std::string line = yes ? "answer yes" : "answer no";
    // Given before the input that asks; with none open it goes before the ticks still to come.
    if (open_ != Open::None) {
        answers_.push_back(line);
    } else {
        Write(line);
    }
}

void ReplayRecorder::BellChosen(int code) {
    if (!started_ || finished_ || open_ != Open::Bell) return;
    openLines_ = {"bell " + std::to_string(openBox_) + " " + std::to_string(code)};
    Close();
}

void ReplayRecorder::Saved(const std::string& file) {
    if (!started_ || finished_) return;
    Begin(Open::Plain, "save " + Quoted(BaseName(file)));
}

void ReplayRecorder::OptionsChanged(const OptionValues& before, const OptionValues& after) {
    if (!started_ || finished_) return;
    Close();
    FlushSteps();
    auto option = [&](const char* name, bool was, bool now) {
        if (was != now) Write(std::string("option ") + name + " " + OnOff(now));
    };
    option("autoblock", before.AutoBlockInstruments, after.AutoBlockInstruments);
    option("callattention", before.RequireCallAttention, after.RequireCallAttention);
    option("log", before.ScoreLogging, after.ScoreLogging);
    option("wait", before.WaitOnError, after.WaitOnError);
    option("sound", before.SoundOn, after.SoundOn);
    option("autosave", before.AutoSave, after.AutoSave);
    if (before.Rules != after.Rules) Write("rules " + std::string(RuleBookName(after.Rules)));
}

void ReplayRecorder::PauseToggled(bool paused) {
    if (!started_ || finished_) return;
    Begin(Open::Plain, paused ? "pause" : "unpause");
}

void ReplayRecorder::FastClicked() {
    if (!started_ || finished_) return;
    Begin(Open::Plain, "fast");
}

void ReplayRecorder::QuitRequested() {
    if (!started_ || finished_) return;
    Begin(Open::Plain, "quit");
}

void ReplayRecorder::CommandGiven(const std::string& command) {
    if (!started_) {
        beforeStart_.push_back(command);
        return;
    }
    if (finished_) return;
    Begin(Open::Plain, command);
}

}  // namespace kv41
