#pragma once
// The platform with no window: no real waiting, recorded output. Its input is the game's
// scripted input (GameState::Inputs), which the game's own waits take; when they find none, the
// platform asks OnIdle for more. Serves the text console and the tests.
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/platform.h"

namespace kv41 {

struct GameState;

class HeadlessPlatform : public Platform {
public:
    // Fixed metrics of the headless panel font.
    static constexpr int FontCellWidth = 8;
    static constexpr int FontTextHeight = 13;

    explicit HeadlessPlatform(GameState& game);

    // --- Input ------------------------------------------------------------------------------
    // Asked for more input when a wait finds none queued; returns false when there is no
    // more input at all, which ends the program (ProgramEnd).
    std::function<bool()> OnIdle;
    // Receives every transcript line (the console prints them with their prefixes).
    std::function<void(Output, const std::string&)> OnReport;

    // --- What was shown ---------------------------------------------------------------------
    std::vector<std::string> Screen;  // rows 1..32 of the panel as text (index 0: status bar)
    std::vector<std::pair<Output, std::string>> Transcript;
    std::vector<InfoWindow> Windows;
    StatusTexts Status;
    std::string Caption;
    std::map<std::string, bool> Menu;
    bool TerminateRequested = false;
    int VirtualMs = 8 * 3600 * 1000;
    int TimerMs = 0;
    uint32_t Seed = 1;                            // what "seeding from the clock" gives
    std::map<std::string, std::string> Settings;  // "file|section|key" -> value
    std::string Directory = ".";

    // --- Platform ---------------------------------------------------------------------------
    // There is no window whose events could come in while the game pauses.
    void ProcessEvents() override {}
    void WaitForEvents(int maxMs) override;
    void Sleep(int ms) override;
    int TimeOfDayMs() override { return VirtualMs; }
    uint32_t ClockSeed() override { return Seed; }
    void SetTimerInterval(int ms) override { TimerMs = ms; }
    // Sounds take no time here: a queued one is reported and done.
    void QueueWave(const std::string& fileName, int silenceAfterMs) override;
    void StopSounds() override {}
    void ShowBox(const std::string& text, BoxType type, int helpContext) override;
    void ShowMessageBox(const std::string&, BoxType, int) override {}
    void ShowRatingDialog(const std::string&, const std::string&, const std::string&) override {}
    bool AskYesNo(const std::string& text, int helpContext) override;
    void Report(Output kind, const std::string& text) override;
    std::string ProgramDirectory() override { return Directory; }
    std::string ProgramDate() override { return "08/12/2026"; }
    void Terminate() override { TerminateRequested = true; }
    void FontMetrics(int pointSize, int& cellWidth, int& textHeight) override;
    void DrawText(int x, int y, std::string_view text, Rgb fg, Rgb bg) override;
    void FillRect(int x1, int y1, int x2, int y2, Rgb colour) override;
    void DrawLine(int, int, int, int, Rgb, int) override {}
    void DrawEllipse(int, int, int, int, Rgb, Rgb) override {}
    void DrawPie(int, int, int, int, int, int, int, int, Rgb, Rgb) override {}
    void Present() override {}
    void SetCaption(const std::string& caption) override { Caption = caption; }
    void SetStatus(const StatusTexts& status) override { Status = status; }
    void SetMenuEnabled(const std::string& item, bool enabled) override { Menu[item] = enabled; }
    void ShowInfoWindow(const InfoWindow& window) override { Windows.push_back(window); }
    // What the game does not answer from its scripted input (GameState::Inputs) is answered
    // here: a question yes, a file dialog and the bell code list cancelled.
    std::optional<std::string> ChooseFile(const FileChoice&) override { return std::nullopt; }
    std::optional<int> ChooseBellCode(int, int) override { return std::nullopt; }
    std::string ReadSetting(const std::string& file, const std::string& section,
                            const std::string& key, const std::string& fallback) override;
    bool WriteSetting(const std::string& file, const std::string& section, const std::string& key,
                      const std::string& value) override;

    // The text on a panel row (1..32), as drawn so far.
    const std::string& Row(int row) const { return Screen.at(static_cast<std::size_t>(row)); }

private:
    GameState& game_;
};

}  // namespace kv41
