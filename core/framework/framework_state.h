#pragma once
// Scoring, messages, options, settings and the character grid on which the panel is written.
#include "model/table.h"
#include "platform/platform.h"

namespace kv41 {

constexpr int MessageSlots = 16;
constexpr int GridRows = 32;
constexpr int GridColumns = 100;

// The rule book the bells are worked by, as the options window lists them. A position file keeps
// it as two flags (WR, LMR), of which at most one is set.
enum class RuleBook : uint8_t { BR, WR, LMR };

struct FrameworkState {
    // Recent messages.
    Table<int32_t, MessageSlots> MessageTime{};
    Table<BoundedText<100>, MessageSlots> MessageText{};
    int32_t MessageIndex = 1;

    // Score log.
    int32_t LogWrites = 0;
    BoundedText<6> ShortName{"KV41"};

    // Options (settings file and the options window).
    bool SoundOn = true;
    bool ScoreLogging = false;
    bool WaitOnError = false;
    bool ClockRunning = false;
    bool AutoSave = false;
    bool RequireCallAttention = false;
    bool AutoBlockInstruments = false;
    RuleBook Rules = RuleBook::BR;
    int32_t SavedSpeed = 0;     // settings key Speed
    int32_t SavedFontSize = 0;  // settings key Font
    int32_t InfoFontSize = 10;
    bool HideLoco = false;

    // Program identity and files.
    std::string ProgramDirectory;
    // The player's files (see platform/player_files.h): the settings file, the score log with
    // the autosave, and where the save dialogs start.
    std::string SettingsDirectory;
    std::string DataDirectory;
    std::string DocumentsDirectory;
    BoundedText<12> ProgramDate{};
    std::string PositionFileName;
    std::string LastDirectory;

    // Character grid: metrics in pixels, cursor, colours.
    int32_t GridRowCount = GridRows;
    int32_t GridColumnCount = GridColumns;
    int32_t CellWidth = 8;
    int32_t CellHeight = 14;
    int32_t CellHalfHeight = 7;
    int32_t StatusHeight = 28;
    int32_t CursorX = 0;
    int32_t CursorY = 0;
    int32_t CursorRow = 1;
    Rgb TextColour{192, 192, 192};
    Rgb BackColour{0, 0, 0};
    // What was written on the last three rows since each was last cleared.
    std::array<BoundedText<120>, 3> BottomLines{};
    bool MessageRunsOn = false;  // the message line's text goes on on the status line below
    bool BottomRecording = true;
};

}  // namespace kv41
