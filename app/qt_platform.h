#pragma once
// The game's platform on Qt: the main window's canvas, events, timer, dialogs, sounds, INI files.
#include <QMessageBox>
#include <QTimer>
#include <optional>

#include "platform/platform.h"
#include "wave_player.h"

class CellFont;
class PlatformWindow;

class QtPlatform : public kv41::Platform {
public:
    explicit QtPlatform(PlatformWindow& window);

    void ProcessEvents() override;
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
    kv41::StandardPlaces StandardDirectories() override;
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
    void SetMenuEnabled(const std::string& item, bool enabled) override;
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
    // Puts what changed on the panel and in the window on the screen now.
    void PresentChanges();

    bool TraceOutput = false;  // echo the transcript on standard error (--trace)
    int TickOverrideMs = 0;    // when set, every game timer interval (--tick-ms)
    // A replay is playing: its ticks drive the game, not the timer's, and message boxes are not
    // waited on.
    bool Scripted = false;
    std::optional<uint32_t> SeedOverride;  // the replay's seed, for its start screen

private:
    // A bare settings file name stands in the program directory.
    std::string SettingsFilePath(const std::string& file);
    static QRect ShapeArea(int x1, int y1, int x2, int y2, int penWidth);
    static void DrawCells(QPainter& painter, int x, int y, std::string_view text,
                          const CellFont& font, const QColor& colour);
    int RunBox(QMessageBox::Icon icon, const std::string& text,
               QMessageBox::StandardButtons buttons, int helpContext);

    PlatformWindow& window_;
    QTimer gameTimer_;
    WavePlayer player_;
    bool exiting_ = false;
    int exitCode_ = 0;
    std::string tracedMinute_;  // the clock minute the trace last noted
    int tracedCellWidth_ = 0;
};
