#include "headless_platform.h"

#include <algorithm>

#include "framework/file_replace.h"
#include "framework/ini_file.h"
#include "game_state.h"

namespace kv41 {

HeadlessPlatform::HeadlessPlatform(GameState& game)
    : Screen(GridRows + 1, std::string(GridColumns, ' ')), game_(game) {
    game_.Host = this;
}

void HeadlessPlatform::WaitForEvents(int /*maxMs*/) {
    // Scripted input is the game's to take, in the wait that called. A command read here may
    // have changed what the wait waits for (a wish to end, say): the wait looks again.
    if (game_.Inputs.Pending()) return;
    if (!OnIdle || !OnIdle()) throw ProgramEnd{0};
}

void HeadlessPlatform::Sleep(int ms) {
    VirtualMs += ms;
    if (VirtualMs >= 24 * 3600 * 1000) VirtualMs -= 24 * 3600 * 1000;
}

void HeadlessPlatform::QueueWave(const std::string& fileName, int /*silenceAfterMs*/) {
    if (!fileName.empty()) Report(Output::Sound, fileName);
}

void HeadlessPlatform::ShowBox(const std::string& text, BoxType, int) {
    std::string flat;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r') continue;
        if (text[i] == '\n') {
            flat += " / ";
            continue;
        }
        flat += text[i];
    }
    Report(Output::Box, flat);
}

bool HeadlessPlatform::AskYesNo(const std::string& text, int) {
    Report(Output::Ask, text + " -> yes");
    return true;
}

void HeadlessPlatform::Report(Output kind, const std::string& text) {
    Transcript.emplace_back(kind, text);
    if (OnReport) OnReport(kind, text);
}

void HeadlessPlatform::FontMetrics(int, int& cellWidth, int& textHeight) {
    cellWidth = FontCellWidth;
    textHeight = FontTextHeight;
}

void HeadlessPlatform::DrawText(int x, int y, std::string_view text, Rgb, Rgb) {
    if (game_.CellWidth <= 0 || game_.CellHeight <= 0) return;
    int row = (y - game_.StatusHeight) / game_.CellHeight + 1;
    int column = x / game_.CellWidth;
    if (row < 1 || row > GridRows) return;
    std::string& line = Screen[static_cast<std::size_t>(row)];
    for (char c : text) {
        if (column >= 0 && column < GridColumns) line[static_cast<std::size_t>(column)] = c;
        ++column;
    }
}

void HeadlessPlatform::FillRect(int x1, int y1, int x2, int y2, Rgb) {
    if (game_.CellWidth <= 0 || game_.CellHeight <= 0) return;
    int firstRow = (y1 - game_.StatusHeight) / game_.CellHeight + 1;
    int lastRow = (y2 - 1 - game_.StatusHeight) / game_.CellHeight + 1;
    int firstColumn = x1 / game_.CellWidth;
    int lastColumn = (x2 - 1) / game_.CellWidth;
    for (int row = std::max(firstRow, 1); row <= std::min(lastRow, GridRows); ++row) {
        for (int column = std::max(firstColumn, 0); column <= std::min(lastColumn, GridColumns - 1);
             ++column) {
            Screen[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = ' ';
        }
    }
}

// Settings live in real INI files in the program directory, so that the console keeps them
// between runs as the desktop program does; the map mirrors what this run has written (and lets
// a test preset a value without a file).
std::string HeadlessPlatform::ReadSetting(const std::string& file, const std::string& section,
                                          const std::string& key, const std::string& fallback) {
    auto it = Settings.find(file + "|" + section + "|" + key);
    if (it != Settings.end()) return it->second;
    std::string path = DirectoryOf(file).empty() ? FileInDirectory(Directory, file) : file;
    return ReadIniValue(path, section, key, fallback);
}

bool HeadlessPlatform::WriteSetting(const std::string& file, const std::string& section,
                                    const std::string& key, const std::string& value) {
    Settings[file + "|" + section + "|" + key] = value;
    std::string path = DirectoryOf(file).empty() ? FileInDirectory(Directory, file) : file;
    return WriteIniValue(path, section, key, value);
}

}  // namespace kv41
