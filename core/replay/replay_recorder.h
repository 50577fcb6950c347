#pragma once
// The replay recorder: writes the session as it is played, in the console's command language,
// so that kv41-console runs it to the same end.
//
// It is told by the game at the places where input is taken (the event wait and the handlers
// and dialogs it runs), never by the window, so that it records exactly what changed the game,
// whoever gave it: the player at the window, the console's script or the automatic signalman.
// A replay is:
//   - comment lines naming the program's version, the date, the shift, level, rule book and
//     options;
//   - the start: "seed N", then "new SHIFT LEVEL", or the saved position the session began
//     from, embedded as "position" lines, and "resume FILE"; then the settings that the
//     program's settings file gave the session;
//   - every input the game took, in order, with the timer ticks between them as "step N";
//   - at the end, the state reached, as "# end " comment lines.
// An input may be followed by its nested choices (a lever's confirming click, the code chosen
// in the bell code list) and preceded by the answers to the questions it raised, because a
// script gives answers before the question comes. So each input is kept open until the next
// one starts, and only then written; every line written is flushed at once.
#include <fstream>
#include <string>
#include <vector>

#include "input/input_watcher.h"

namespace kv41 {

struct GameState;
struct OptionValues;

class ReplayRecorder : public InputWatcher {
public:
    // Records into the file at path (rewritten at each session start); an empty path keeps the
    // lines in memory only.
    explicit ReplayRecorder(std::string path = {});

    const std::string& Path() const { return path_; }
    // Everything recorded so far (lines without line ends), the end state not included.
    const std::vector<std::string>& Lines() const { return lines_; }
    // Writes what is recorded so far and the state of the game now as a replay of its own.
    bool SaveCopy(const GameState& g, const std::string& file);
    // The replay so far as one text, the input still open included, no end state: run, it
    // brings a game to where this session stands.
    std::string Text() const;
    // The session was taken back to where these lines (a replay's start and inputs) bring it:
    // the recording becomes them, rewritten, and goes on from there.
    void ContinueFrom(const std::vector<std::string>& lines);

    // --- Told by the game ------------------------------------------------------------------
    void PositionRead(const GameState& g, const std::string& file,
                      const std::string& text) override;
    void SessionStarted(const GameState& g) override;
    void Finish(const GameState& g) override;

    void ClickTaken(const GameState& g) override;
    void ConfirmingClickTaken(const GameState& g) override;
    void TapTaken(const GameState& g) override;
    void KeyTaken(char key) override;
    void TickTaken() override;
    void Answered(bool yes) override;
    void BellChosen(int code) override;
    void Saved(const std::string& file) override;
    void OptionsChanged(const OptionValues& before, const OptionValues& after) override;
    void PauseToggled(bool paused) override;
    void FastClicked() override;
    void QuitRequested() override;
    // Given before the session, a command is written after the seed, before the session's start.
    void CommandGiven(const std::string& command) override;
    void StartScreenPrepared() override { beforeStart_.clear(); }

private:
    enum class Open { None, Plain, Lever, Bell, Tap };
    // An empty recording (the file rewritten), started, nothing open.
    void StartAfresh();
    void Write(const std::string& line);
    void FlushSteps();
    // What closing the open input and writing the ticks would write, in order.
    std::vector<std::string> PendingLines() const;
    // Writes the open input, preceded by its answers, and closes it.
    void Close();
    void Begin(Open kind, std::string line);
    void WritePosition(const std::string& text);
    // The open tapped code; ended by the next click, or by a click on nothing of its own.
    std::string TapLine(bool endedByNextClick) const;

    std::string path_;
    std::ofstream file_;
    std::vector<std::string> lines_;
    bool started_ = false;
    bool finished_ = false;
    long long steps_ = 0;       // ticks taken since the last line, before the open input
    long long stepsAfter_ = 0;  // ticks taken with and after the open input

    Open open_ = Open::None;
    std::vector<std::string> answers_;  // given while the open input ran
    std::vector<std::string> openLines_;
    int openColumn_ = 0;  // the column of the click that opened a lever's move
    int openBox_ = 0;     // the box of a bell code being chosen
    int tapBox_ = 0;
    std::vector<int> tapGaps_;
    bool tapEnded_ = false;  // the last tap recorded ended the code (a late or surplus beat)
    int lastClickMs_ = 0;    // time of the last click taken, for the taps that follow it

    // A position read before the session started, for its start.
    std::string startFile_, startText_;
    std::vector<std::string> beforeStart_;
};

}  // namespace kv41
