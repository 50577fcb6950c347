#pragma once
// The game's platform on the Windows API: the main window's back buffer and events, the timer,
// the system's wave player and message boxes, the common file dialogs and the settings file.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/platform.h"

class MainWindow;

class Win32Platform : public kv41::Platform {
public:
    explicit Win32Platform(MainWindow& window);

    void ProcessEvents() override;
    void SetMenuEnabled(const std::string& item, bool enabled) override;
    void WaitForEvents(int maxMs) override;
    void Sleep(int ms) override;
    int TimeOfDayMs() override;
    uint32_t ClockSeed() override;
    void SetTimerInterval(int ms) override;
    void QueueWave(const std::string& fileName, int silenceAfterMs) override;
    void StopSounds() override;
    void ShowBox(const std::string& text, kv41::BoxType type, int helpContext) override;
    bool AskYesNo(const std::string& text, int helpContext) override;
    void ShowRatingDialog(const std::string& rating, const std::string& pointScore,
                          const std::string& perCent) override;
    void Report(kv41::Output kind, const std::string& text) override;
    std::string ProgramDirectory() override;
    std::string ProgramDate() override;
    void Terminate() override;
    void FontMetrics(int pointSize, int& cellWidth, int& textHeight) override;
    void DrawText(int x, int y, std::string_view text, kv41::Rgb fg, kv41::Rgb bg) override;
    void FillRect(int x1, int y1, int x2, int y2, kv41::Rgb colour) override;
    void DrawLine(int x1, int y1, int x2, int y2, kv41::Rgb colour, int width) override;
    void DrawEllipse(int x1, int y1, int x2, int y2, kv41::Rgb pen, kv41::Rgb fill) override;
    void DrawPie(int x1, int y1, int x2, int y2, int x3, int y3, int x4, int y4, kv41::Rgb pen,
                 kv41::Rgb fill) override;
    bool DrawLabel(int x, int y, std::string_view text, int pointSize, kv41::Rgb colour) override;
    void Present() override;
    void SetCaption(const std::string& caption) override;
    void SetStatus(const kv41::StatusTexts& status) override;
    void ShowInfoWindow(const kv41::InfoWindow& window) override;
    std::optional<std::string> ChooseFile(const kv41::FileChoice& choice) override;
    std::optional<int> ChooseBellCode(int box, int suggested) override;
    std::string ReadSetting(const std::string& file, const std::string& section,
                            const std::string& key, const std::string& fallback) override;
    bool WriteSetting(const std::string& file, const std::string& section, const std::string& key,
                      const std::string& value) override;

    // Ends the program: the next wait inside the game's loop leaves it.
    void RequestExit(int exitCode);
    bool Exiting() const { return exiting_; }
    int ExitCode() const { return exitCode_; }
    // Writes a line on standard error when tracing (--trace).
    void Trace(const std::string& line);

    bool TraceOutput = false;
    int TickOverrideMs = 0;  // when set, every game timer interval (--tick-ms)

private:
    std::string SettingsFilePath(const std::string& file);
    int RunBox(const std::string& text, unsigned style, int helpContext);

    MainWindow& window_;
    bool exiting_ = false;
    int exitCode_ = 0;
    int timerMs_ = 0;
    int tracedCellWidth_ = 0;
    std::string tracedMinute_;
};
