// The Game menu's Save, Save As and Restart, Resume Saved Game on the start screen, and the
// hourly autosave.
#include "session/position_file.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "framework/messages.h"
#include "framework/player_dialogs.h"
#include "framework/save_dialog.h"
#include "framework/text_grid.h"
#include "game_state.h"
#include "panel/panel_drawing.h"
#include "platform/platform.h"
#include "session/main_loop.h"

namespace kv41 {

namespace {

constexpr const char* PositionFilter = "Saved positions|*.sav|All|*.*";
// Far more than any position takes; a larger file is not one of ours.
constexpr std::uintmax_t LargestPositionFile = 4 * 1024 * 1024;

void WriteAndConfirm(GameState& g) {
    if (WritePosition(g, g.PositionFileName)) {
        ShowLineMessage(g, "Position saved in file " + g.PositionFileName, White, FileNoticeBlue,
                        2000);
    }
}

void ReportLoadFailed(GameState& g, const std::string& fileName) {
    std::string text = "Invalid saved game \r\n" + fileName + "\r\nPlease choose again.";
    g.Host->ShowBox(text.substr(0, 80), BoxType::Error, 0);
}

// The file's whole text; false when it cannot be opened or read.
bool ReadWholeFile(const std::string& fileName, std::string& text) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(fileName, error)) return false;
    std::ifstream in(fileName, std::ios::binary);
    if (!in) return false;
    text.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

}  // namespace

void SaveGame(GameState& g) {
    if (g.PositionFileName.empty()) {
        SaveGameAs(g);
        return;
    }
    if (g.Recorder) g.Recorder->Saved(g.PositionFileName);
    WriteAndConfirm(g);
}

void SaveGameAs(GameState& g) {
    FileChoice choice;
    choice.Title = "Save your position";
    choice.DefaultName = "KV41";
    choice.DefaultExt = "sav";
    choice.Filter = PositionFilter;
    std::optional<std::string> name = ChooseFileToWrite(g, choice);
    if (!name) return;
    if (g.Recorder) g.Recorder->Saved(*name);
    g.PositionFileName = *name;
    g.FullRedraw = true;
    WriteAndConfirm(g);
}

bool LoadPositionDialog(GameState& g) {
    FileChoice choice;
    choice.DefaultName = "KV41";
    choice.DefaultExt = "sav";
    choice.Filter = PositionFilter;
    std::optional<std::string> name = ChooseFileFor(g, choice);
    if (!name) return false;

    std::string text;
    std::error_code error;
    LoadOutcome outcome = LoadOutcome::NotFound;
    const bool read = ReadWholeFile(*name, text);
    if (g.Recorder) g.Recorder->PositionRead(g, *name, read ? text : std::string());
    if (read) {
        bool tooLarge = std::filesystem::file_size(*name, error) > LargestPositionFile;
        outcome = tooLarge ? LoadOutcome::ReadError : ReadPosition(g, text);
    }
    switch (outcome) {
    case LoadOutcome::Loaded:
        // Only a position actually loaded becomes the file that Save writes to.
        g.PositionFileName = *name;
        return true;
    case LoadOutcome::NotFound: ShowError(g, "Saved file not found"); break;
    case LoadOutcome::NotInFormat: ShowError(g, "Saved file not in correct format"); break;
    case LoadOutcome::OtherSimulation:
        ShowError(g, "Can't continue - saved position not for this simulation");
        break;
    case LoadOutcome::ReadError: break;
    }
    ReportLoadFailed(g, *name);
    return false;
}

bool ResumeSavedGame(GameState& g) {
    if (!LoadPositionDialog(g)) return false;
    RunSession(g);
    return true;
}

void RestartGame(GameState& g) {
    if (!g.SessionRunning || g.Paused) return;
    if (!LoadPositionDialog(g)) return;
    g.Host->SetCaption(g.GameTitle + "     " + g.ShiftName + " shift     " + g.DifficultyName);
    PaintWindow(g);
}

void AutoSavePosition(GameState& g) {
    ReplaceFile(FileInDirectory(g.DataDirectory, g.ShortName + " autosave.sav"), PositionText(g));
}

}  // namespace kv41
