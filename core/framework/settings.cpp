// The settings file: the player's preferences between runs of the program.
#include "framework/settings.h"

#include <charconv>
#include <string_view>

#include "framework/file_replace.h"
#include "framework/text_grid.h"
#include "game_state.h"
#include "platform/platform.h"

namespace kv41 {

namespace {

constexpr const char* SettingsFile = "TOLA.INI";
constexpr int SmallestFontSize = 6;

// A whole decimal number, blanks round it allowed; fallback for anything else, as the
// platform's own INI reading does.
int ToInteger(std::string_view text, int fallback) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
    int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size()) return fallback;
    return value;
}

class Settings {
public:
    explicit Settings(GameState& g) : g_(g), path_(SettingsPath(g)) {}
    int Integer(const char* key, int fallback) {
        return ToInteger(g_.Host->ReadSetting(path_, Section(), key, std::to_string(fallback)),
                         fallback);
    }
    bool Flag(const char* key, bool fallback) { return Integer(key, fallback ? 1 : 0) != 0; }
    void Write(const char* key, int value) {
        g_.Host->WriteSetting(path_, Section(), key, std::to_string(value));
    }

private:
    const std::string& Section() const { return g_.ShortName.str(); }
    GameState& g_;
    std::string path_;
};

}  // namespace

std::string SettingsPath(const GameState& g) {
    return FileInDirectory(g.SettingsDirectory, SettingsFile);
}

void LoadSettings(GameState& g) {
    Settings file(g);
    // A speed below one second a step cannot be timed; such a value is ignored like a zero.
    int speed = file.Integer("Speed", 5);
    g.SavedSpeed = speed > 0 ? speed : 0;
    g.SavedFontSize = file.Integer("Font", g.FontSize);
    g.ScoreLogging = file.Flag("Log", false);
    g.SoundOn = file.Flag("Sound", true);
    g.WaitOnError = file.Flag("Wait", false);
    g.ClockSettingRead = file.Flag("Clock", true);
    g.ClockRunning = g.ClockSettingRead;
    g.AutoSave = file.Flag("AutoSave", false);
    g.HideLoco = file.Flag("HideLoco", false);
    g.SpeakMessages = file.Flag("Speak", false);

    // A size that no longer fits this screen is ignored; the current one is kept.
    int font = g.SavedFontSize;
    if (font != g.FontSize && font >= SmallestFontSize && font <= g.MaxFontSize) {
        g.FontSize = font;
        SetupPanelFont(g);
        g.FullRedraw = true;
    }
}

void StoreSettings(GameState& g) {
    Settings file(g);
    file.Write("Speed", g.SavedSpeed);
    file.Write("Font", g.FontSize);
    file.Write("Log", g.ScoreLogging ? 1 : 0);
    file.Write("Sound", g.SoundOn ? 1 : 0);
    file.Write("Wait", g.WaitOnError ? 1 : 0);
    file.Write("Clock", g.ClockSettingRead ? 1 : 0);
    file.Write("AutoSave", g.AutoSave ? 1 : 0);
    file.Write("HideLoco", g.HideLoco ? 1 : 0);
    file.Write("Speak", g.SpeakMessages ? 1 : 0);
}

}  // namespace kv41
