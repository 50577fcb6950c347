#include <gtest/gtest.h>

#include <filesystem>

#include "framework/ini_file.h"
#include "framework/options.h"
#include "framework/settings.h"
#include "framework/window_places.h"
#include "frontend/game_windows.h"
#include "position_fixture.h"

namespace kv41 {
namespace {

using testing::ReadFileText;
using testing::ScratchDirectory;
using testing::StartedProgram;
using testing::WriteFileText;

struct SettingsGame : StartedProgram {
    ScratchDirectory dir;
    SettingsGame() {
        g.SettingsDirectory = dir.Path();
        g.FontSize = 12;
        g.MaxFontSize = 16;
    }
    std::string Ini() const { return dir.File("TOLA.INI"); }
};

TEST(Settings, FirstRunGivesTheDefaultsAndLeavesEveryKeyInOrder) {
    SettingsGame game;
    GameState& g = game.g;
    LoadSettings(g);
    EXPECT_EQ(g.SavedSpeed, 5);
    EXPECT_EQ(g.SavedFontSize, 12);
    EXPECT_TRUE(g.SoundOn);
    EXPECT_FALSE(g.ScoreLogging);
    EXPECT_FALSE(g.WaitOnError);
    EXPECT_TRUE(g.ClockRunning);
    EXPECT_FALSE(g.AutoSave);
    EXPECT_FALSE(g.HideLoco);
    EXPECT_FALSE(g.SpeakMessages);
    EXPECT_FALSE(std::filesystem::exists(game.Ini()));

    g.SavedSpeed = g.TickSeconds;  // as the end of the session does
    StoreSettings(g);
    EXPECT_EQ(ReadFileText(game.Ini()),
              "[KV41]\r\nSpeed=6\r\nFont=12\r\nLog=0\r\nSound=1\r\nWait=0\r\nClock=1\r\n"
              "AutoSave=0\r\nHideLoco=0\r\nSpeak=0\r\n");
}

TEST(Settings, StoredValuesComeBackAndOtherLinesOfTheFileStay) {
    SettingsGame game;
    GameState& g = game.g;
    WriteFileText(game.Ini(),
                  "; the player's own note\n[Other]\nSpeed=9\n\n[kv41]\nspeed = 3\nLog=1\n"
                  "Sound=0\nClock=0\nHideLoco=1\nFont=abc\n");
    LoadSettings(g);
    EXPECT_EQ(g.SavedSpeed, 3);
    EXPECT_TRUE(g.ScoreLogging);
    EXPECT_FALSE(g.SoundOn);
    EXPECT_FALSE(g.ClockRunning);
    EXPECT_TRUE(g.HideLoco);
    EXPECT_EQ(g.SavedFontSize, 12);  // unreadable: the size in force

    g.ClockRunning = true;  // nothing may change what is written back for Clock
    g.WaitOnError = true;
    g.SavedSpeed = 4;
    StoreSettings(g);
    IniFile written;
    ASSERT_TRUE(written.Load(game.Ini()));
    EXPECT_EQ(written.Get("Other", "Speed"), "9");
    EXPECT_EQ(written.Get("KV41", "Speed"), "4");
    EXPECT_EQ(written.Get("KV41", "Clock"), "0");
    EXPECT_EQ(written.Get("KV41", "HideLoco"), "1");
    EXPECT_EQ(written.Get("KV41", "Wait"), "1");
    EXPECT_EQ(ReadFileText(game.Ini()).substr(0, 26), "; the player's own note\r\n[");
}

TEST(Settings, FontSizeAppliesOnlyWhenItFitsTheScreen) {
    SettingsGame game;
    GameState& g = game.g;
    WriteFileText(game.Ini(), "[KV41]\r\nFont=20\r\n");
    LoadSettings(g);
    EXPECT_EQ(g.FontSize, 12);
    g.SavedSpeed = 5;
    StoreSettings(g);
    IniFile written;
    written.Load(game.Ini());
    EXPECT_EQ(written.Get("KV41", "Font"), "12");

    // The next run of the program.
    WriteFileText(game.Ini(), "[KV41]\r\nFont=14\r\n");
    game.host.Settings.clear();
    LoadSettings(g);
    EXPECT_EQ(g.FontSize, 14);
    EXPECT_TRUE(g.FullRedraw);
}

TEST(Settings, SpeedThatCannotBeTimedIsIgnored) {
    SettingsGame game;
    WriteFileText(game.Ini(), "[KV41]\r\nSpeed=-4\r\n");
    LoadSettings(game.g);
    EXPECT_EQ(game.g.SavedSpeed, 0);  // the main loop keeps its own speed for 0
    WriteFileText(game.Ini(), "[KV41]\r\nSpeed=fast\r\n");
    LoadSettings(game.g);
    EXPECT_EQ(game.g.SavedSpeed, 5);
}

TEST(Settings, LongProgramDirectoryIsUsedWhole) {
    SettingsGame game;
    std::string deep = game.dir.File(std::string(70, 'd') + "/" + std::string(40, 'e'));
    std::filesystem::create_directories(deep);
    game.host.Directory = deep;
    PrepareStartScreen(game.g);
    StoreSettings(game.g);
    EXPECT_TRUE(std::filesystem::exists(deep + "/TOLA.INI"));
}

// An information window opens beside the main window where the screen has room, else over the
// panel below what must stay in sight; staggered, on the screen; and where the player left it,
// kept in the settings file beside the game's own keys, while that place is on this screen.
TEST(WindowPlaces, BesideThePanelElseBelowTheInstrumentsAndWhereLeft) {
    const ScreenBox wide{0, 0, 1920, 1080};
    const ScreenBox main{300, 100, 1000, 700};
    const ScreenBox right = PlaceInfoWindow(wide, main, 500, 300, 0, 400);
    EXPECT_EQ(right.Left, 1300);
    EXPECT_EQ(right.Top, 100);
    const ScreenBox left = PlaceInfoWindow(wide, {700, 100, 1000, 700}, 600, 300, 1, 400);
    EXPECT_EQ(left.Right(), 700 - 16);
    EXPECT_EQ(left.Top, 132);
    const ScreenBox full{0, 0, 1366, 768};
    const ScreenBox over = PlaceInfoWindow(full, {0, 0, 1366, 768}, 500, 300, 2, 450);
    EXPECT_EQ(over.Right(), 1366 - 64);
    EXPECT_EQ(over.Top, 450 + 64);  // shortened, not lifted over the instruments
    EXPECT_EQ(over.Bottom(), 768);
    const ScreenBox low = PlaceInfoWindow(full, {0, 0, 1366, 768}, 500, 300, 4, 700);
    EXPECT_EQ(low.Height, 160);  // a few lines at least, lifted as far as that needs
    EXPECT_EQ(low.Bottom(), 768);
    EXPECT_EQ(InfoWindowOrder("messages"), 4);

    SettingsGame game;
    EXPECT_FALSE(RememberedWindowPlace(game.g, "held", full, 500, 300));
    RememberWindowPlace(game.g, "held", 40, 50);
    StoreSettings(game.g);
    const auto place = RememberedWindowPlace(game.g, "held", full, 500, 300);
    ASSERT_TRUE(place);
    EXPECT_EQ(place->Left, 40);
    EXPECT_EQ(place->Top, 50);
    EXPECT_FALSE(RememberedWindowPlace(game.g, "held", {0, 0, 500, 300}, 501, 300));
    // As a front end asks: the place left, else below the instruments on a full screen.
    const Rect screen{0, 0, 1366, 768};
    EXPECT_EQ(InfoWindowPlace(game.g, "held", screen, screen, 60, {500, 300}).Left, 40);
    EXPECT_GE(InfoWindowPlace(game.g, "wtt", screen, screen, 60, {500, 300}).Top,
              60 + 22 * game.g.CellHeight);
    EXPECT_NE(ReadFileText(game.Ini()).find("Font="), std::string::npos);
}

TEST(Options, EachBoxAndOkSetsItsOption) {
    StartedProgram game;
    GameState& g = game.g;
    g.ClockRunning = true;
    struct Box {
        const char* Name;
        bool GameState::*Field;
    };
    const Box boxes[] = {{"autoblock", &GameState::AutoBlockInstruments},
                         {"callattention", &GameState::RequireCallAttention},
                         {"log", &GameState::ScoreLogging},
                         {"wait", &GameState::WaitOnError},
                         {"sound", &GameState::SoundOn},
                         {"autosave", &GameState::AutoSave}};
    for (const Box& box : boxes) {
        EXPECT_TRUE(SetOption(g, box.Name, true));
        EXPECT_TRUE(g.*box.Field) << box.Name;
        EXPECT_TRUE(SetOption(g, box.Name, false));
        EXPECT_FALSE(g.*box.Field) << box.Name;
    }
    EXPECT_FALSE(g.ClockRunning);
    EXPECT_FALSE(SetOption(g, "clock", true));
}

// Spoken messages: a box of the options window, off until the player ticks it, and kept in the
// settings file for the next run.
TEST(Options, SpeakingMessagesIsAPreferenceKeptBetweenRuns) {
    SettingsGame game;
    GameState& g = game.g;
    LoadSettings(g);
    const OptionsWindow window = OptionsWindowOf(g);
    const OptionCheck* speak = nullptr;
    for (const OptionCheck& check : window.Preferences) {
        if (check.Field == &OptionValues::SpeakMessages) speak = &check;
    }
    ASSERT_NE(speak, nullptr);
    EXPECT_TRUE(speak->Enabled);
    OptionValues chosen = CurrentOptions(g);
    EXPECT_FALSE(chosen.*speak->Field);
    chosen.*speak->Field = true;
    ApplyOptions(g, chosen);
    EXPECT_TRUE(g.SpeakMessages);
    StoreSettings(g);

    SettingsGame next;
    WriteFileText(next.Ini(), ReadFileText(game.Ini()));
    LoadSettings(next.g);
    EXPECT_TRUE(CurrentOptions(next.g).SpeakMessages);
    chosen = CurrentOptions(next.g);
    chosen.SpeakMessages = false;
    ApplyOptions(next.g, chosen);
    StoreSettings(next.g);
    IniFile written;
    ASSERT_TRUE(written.Load(next.Ini()));
    EXPECT_EQ(written.Get("KV41", "Speak"), "0");
}

TEST(Options, OneRuleBookAtATime) {
    StartedProgram game;
    GameState& g = game.g;
    EXPECT_TRUE(SetBellRules(g, "LMR"));
    EXPECT_EQ(g.Rules, RuleBook::LMR);
    EXPECT_TRUE(SetBellRules(g, "WR"));
    EXPECT_EQ(g.Rules, RuleBook::WR);
    EXPECT_TRUE(SetBellRules(g, "BR"));
    EXPECT_EQ(g.Rules, RuleBook::BR);
    EXPECT_FALSE(SetBellRules(g, "GWR"));
    EXPECT_EQ(g.Rules, RuleBook::BR);
}

TEST(Options, FontSizesOutsideTheBarsAreNotTaken) {
    StartedProgram game;
    GameState& g = game.g;
    g.FontSize = 10;
    g.MaxFontSize = 14;
    OptionValues chosen = CurrentOptions(g);
    chosen.MainFontSize = 13;
    chosen.InfoFontSize = 8;
    ApplyOptions(g, chosen);
    EXPECT_EQ(g.FontSize, 13);
    EXPECT_EQ(g.InfoFontSize, 8);
    chosen.MainFontSize = 30;
    chosen.InfoFontSize = 2;
    ApplyOptions(g, chosen);
    EXPECT_EQ(g.FontSize, 13);
    EXPECT_EQ(g.InfoFontSize, 8);
}

TEST(IniFile, KeysAddedKeepTheirOrderAndSectionsTheirPlace) {
    IniFile file;
    file.Parse("[A]\nx=1\n\n[B]\ny=2\n");
    file.Set("a", "z", "3");
    file.Set("C", "w", "4");
    file.Set("B", "Y", "5");
    EXPECT_EQ(file.Text(), "[A]\r\nx=1\r\nz=3\r\n\r\n[B]\r\ny=5\r\n[C]\r\nw=4\r\n");
    EXPECT_EQ(file.Get("b", "y"), "5");
    EXPECT_FALSE(file.Get("A", "y").has_value());
}

}  // namespace
}  // namespace kv41
