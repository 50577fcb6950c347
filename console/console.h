#pragma once
// The text console: plays a session from commands, one a line, printing what the player
// would see or hear.
//
// Commands are read only when the game waits for the player with nothing queued (the
// platform's idle hook), so "new" runs the very same session loop as the window, and the
// commands that follow it are read from inside that loop's waits.
#include <iosfwd>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "game_state.h"
#include "headless_platform.h"
#include "replay/replay_recorder.h"

namespace kv41 {

class CommandWords;

class Console {
public:
    // The program directory decides where the player's files go, as the desktop program's does
    // (its default, the current directory, keeps them there).
    Console(std::ostream& out, uint32_t seed, std::string programDirectory = ".");
    // Removes the directory where positions carried in a script were written.
    ~Console();

    // Reads and runs commands from these streams in turn until they end or "exit".
    // Returns the exit status: 0, or 1 when any command was refused as malformed.
    int Run(std::vector<std::istream*> inputs);

    // Runs one command line as if it had been read (for tests of single commands).
    void RunLine(const std::string& line);

    // Records the session into a replay file, as the desktop program does ("" in memory only:
    // the debrief and the rewind play the session again from its record).
    void RecordTo(const std::string& file);
    // Runs a replay and compares the state it ends with with the one recorded in it: prints
    // the first difference and returns 1 when the replay does not reproduce its recording.
    int Verify(const std::string& file);

    GameState& Game() { return *game_; }
    HeadlessPlatform& Host() { return *host_; }
    bool AnyRefused() const { return refused_; }

private:
    // Where a command may be given.
    enum class Allowed {
        Always,
        AtStart,    // on the start screen, before any session
        NoSession,  // whenever no session is running
        InSession,  // while the session's loop waits for the player
        Recorded,   // while the session runs or after it has ended
    };
    struct Command {
        std::string_view Name;
        Allowed When;
        void (Console::*Handler)(CommandWords& words);
    };
    static const Command Commands[];
    static const Command* FindCommand(std::string_view name);

    bool ReadAndRunOne();  // false at the end of input or after "exit"
    bool ReadLine(std::string& line, bool& overlong);
    void CheckAllowed(Allowed when) const;
    void Refuse(const std::string& reason, bool malformed);
    void PrepareStart(uint32_t seed);
    void Print(Output kind, const std::string& text);
    void PrintWindow(const InfoWindow& window);
    // A file chosen by resume or restart: the position held from "position" lines, written
    // under that name in a directory of the console's own, else the file itself.
    std::string HeldPositionFile(const std::string& file);

    // The commands.
    void SeedCommand(CommandWords& words);
    void NewCommand(CommandWords& words);
    void ResumeCommand(CommandWords& words);
    void StepCommand(CommandWords& words);
    void ClickCommand(CommandWords& words);
    void FastCommand(CommandWords& words);
    void QuitCommand(CommandWords& words);
    void PositionCommand(CommandWords& words);
    void KeyCommand(CommandWords& words);
    void LeverCommand(CommandWords& words);
    void BellCommand(CommandWords& words);
    void TapCommand(CommandWords& words);
    void InstrumentCommand(CommandWords& words);
    void AnswerCommand(CommandWords& words);
    void OptionCommand(CommandWords& words);
    void RulesCommand(CommandWords& words);
    void PauseCommand(CommandWords& words);
    void UnpauseCommand(CommandWords& words);
    void SaveCommand(CommandWords& words);
    void RestartCommand(CommandWords& words);
    void WttFileCommand(CommandWords& words);
    void ExitCommand(CommandWords& words);
    void ShowCommand(CommandWords& words);
    void WindowCommand(CommandWords& words);
    void TraceCommand(CommandWords& words);
    void CheckCommand(CommandWords& words);
    void SetCommand(CommandWords& words);
    void AutoCommand(CommandWords& words);
    void HintCommand(CommandWords& words);
    void DebriefCommand(CommandWords& words);
    void RewindCommand(CommandWords& words);
    void RecoverCommand(CommandWords& words);

    // A wait with the automatic signalman at work and nothing queued: the railway moves on.
    void AutoPlayOne();
    void FlushAutoSteps();

    std::ostream& out_;
    std::unique_ptr<GameState> game_;
    std::unique_ptr<HeadlessPlatform> host_;
    std::string programDirectory_;
    std::vector<std::istream*> inputs_;
    std::size_t current_ = 0;
    int depth_ = 0;  // how many command reads are under way, one inside the other
    bool refused_ = false;
    bool exitRequested_ = false;
    bool traceSounds_ = false;
    std::unique_ptr<ReplayRecorder> recorder_;
    std::string heldPosition_;  // lines given by "position", for the next resume or restart
    std::string positionsDir_;  // where held positions are written, made when first needed
    int autoUntil_ = 0;         // the clock minute at which he hands back, or 0: the session's end
    long autoSteps_ = 0;        // ticks run since his last move, not yet printed
};

}  // namespace kv41
