#pragma once
// The machine as a game played out of sight sees it: nothing is drawn, played or shown, no real
// time passes (pauses move a clock of its own on), questions and dialogs find no player (a
// game played from its record has its answers queued), the settings file is empty, and its
// files go to a directory of its own. When the game waits with nothing queued it asks its
// idle hook for the next input.
#include <functional>
#include <map>
#include <string>

#include "platform/platform.h"

namespace kv41 {

struct GameState;

class UnseenPlatform : public Platform {
public:
    UnseenPlatform(GameState& game, std::string directory, uint32_t seed);

    // Gives the next input (queued on the game); false when there is none: the game then ends
    // (ProgramEnd).
    std::function<bool()> OnIdle;

    void ProcessEvents() override {}
    void WaitForEvents(int maxMs) override;
    void Sleep(int ms) override;
    int TimeOfDayMs() override { return virtualMs_; }
    uint32_t ClockSeed() override { return seed_; }
    void SetTimerInterval(int) override {}
    void QueueWave(const std::string&, int) override {}
    void StopSounds() override {}
    void ShowBox(const std::string&, BoxType, int) override {}
    void ShowMessageBox(const std::string&, BoxType, int) override {}
    void ShowRatingDialog(const std::string&, const std::string&, const std::string&) override {}
    bool AskYesNo(const std::string&, int) override { return true; }
    void Report(Output, const std::string&) override {}
    std::string ProgramDirectory() override { return directory_; }
    std::string ProgramDate() override { return "08/12/2026"; }
    void Terminate() override {}
    void FontMetrics(int pointSize, int& cellWidth, int& textHeight) override;
    void DrawText(int, int, std::string_view, Rgb, Rgb) override {}
    void FillRect(int, int, int, int, Rgb) override {}
    void DrawLine(int, int, int, int, Rgb, int) override {}
    void DrawEllipse(int, int, int, int, Rgb, Rgb) override {}
    void DrawPie(int, int, int, int, int, int, int, int, Rgb, Rgb) override {}
    void Present() override {}
    void SetCaption(const std::string&) override {}
    void SetStatus(const StatusTexts&) override {}
    void SetMenuEnabled(const std::string&, bool) override {}
    void ShowInfoWindow(const InfoWindow&) override {}
    std::optional<std::string> ChooseFile(const FileChoice&) override { return std::nullopt; }
    std::optional<int> ChooseBellCode(int, int) override { return std::nullopt; }
    std::string ReadSetting(const std::string& file, const std::string& section,
                            const std::string& key, const std::string& fallback) override;
    bool WriteSetting(const std::string& file, const std::string& section, const std::string& key,
                      const std::string& value) override;

private:
    GameState& game_;
    std::string directory_;
    uint32_t seed_;
    int virtualMs_ = 8 * 3600 * 1000;
    std::map<std::string, std::string> settings_;
};

}  // namespace kv41
