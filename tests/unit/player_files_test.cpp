#include "platform/player_files.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>

#include "framework/messages.h"
#include "framework/program_files.h"
#include "framework/settings.h"
#include "position_fixture.h"
#include "session/position_file.h"
#ifdef _WIN32
#include "platform/windows_folders.h"
#endif

namespace kv41 {
namespace {

namespace fs = std::filesystem;
using testing::ScratchDirectory;

#ifndef _WIN32  // the freedesktop.org places, which follow the environment, are not Windows'
// An environment variable set for one test and put back afterwards.
class EnvironmentValue {
public:
    EnvironmentValue(const char* name, const char* value) : name_(name) {
        if (const char* before = std::getenv(name)) before_ = before;
        if (value) {
            ::setenv(name, value, 1);
        } else {
            ::unsetenv(name);
        }
    }
    ~EnvironmentValue() {
        if (before_) {
            ::setenv(name_, before_->c_str(), 1);
        } else {
            ::unsetenv(name_);
        }
    }

private:
    const char* name_;
    std::optional<std::string> before_;
};
#endif

TEST(PlayerFiles, WritableDirectoryIsTriedAndLeftClean) {
    ScratchDirectory dir;
    EXPECT_TRUE(DirectoryWritable(dir.Path()));
    EXPECT_TRUE(fs::is_empty(dir.Path()));
    EXPECT_FALSE(DirectoryWritable(dir.File("missing")));
    EXPECT_FALSE(DirectoryWritable(""));
}

TEST(PlayerFiles, BesideAWritableProgramElseInTheStandardPlacesWhichAreMade) {
    ScratchDirectory program, home;
    const StandardPlaces places{home.File("config/kv41"), home.File("data/kv41"),
                                home.File("Documents")};
    const PlayerDirectories beside = ChoosePlayerDirectories(program.Path(), true, places);
    EXPECT_EQ(beside.Settings, program.Path());
    EXPECT_EQ(beside.Data, program.Path());
    EXPECT_EQ(beside.Documents, program.Path());
    EXPECT_FALSE(fs::exists(places.Config));

    const PlayerDirectories installed = ChoosePlayerDirectories(program.Path(), false, places);
    EXPECT_EQ(installed.Settings, places.Config);
    EXPECT_EQ(installed.Data, places.Data);
    EXPECT_EQ(installed.Documents, places.Documents);
    EXPECT_TRUE(fs::is_directory(places.Config));
    EXPECT_TRUE(fs::is_directory(places.Data));

    // A player running as root could write the installed program's directory: still not there.
#ifdef _WIN32
    const std::vector<std::string> programFiles = ProgramFilesFolders();
    ASSERT_FALSE(programFiles.empty());
    EXPECT_FALSE(KeepFilesBesideProgram(programFiles.front() + "\\KV41", true));
    EXPECT_FALSE(KeepFilesBesideProgram(programFiles.front() + "\\KV41\\..\\Other", true));
    EXPECT_TRUE(KeepFilesBesideProgram(programFiles.front() + " Games\\KV41", true));
    // Settings and data in the roaming application data, beside each other.
    const StandardPlaces system = FreedesktopPlaces();  // the known folders on Windows
    EXPECT_EQ(system.Config, system.Data);
    EXPECT_TRUE(system.Config.ends_with("\\KV41"));
#else
    EXPECT_FALSE(KeepFilesBesideProgram("/usr/lib/kv41", true));
    EXPECT_FALSE(KeepFilesBesideProgram("/usr/games/../lib/kv41", true));
    EXPECT_TRUE(KeepFilesBesideProgram("/home/player/kv41/usr", true));
#endif
}

#ifndef _WIN32
TEST(PlayerFiles, FreedesktopPlacesFollowTheEnvironment) {
    ScratchDirectory home;
    EnvironmentValue setHome("HOME", home.Path().c_str());
    {
        EnvironmentValue config("XDG_CONFIG_HOME", "/cfg");
        EnvironmentValue data("XDG_DATA_HOME", "/dat");
        EnvironmentValue documents("XDG_DOCUMENTS_DIR", "/docs");
        const StandardPlaces places = FreedesktopPlaces();
        EXPECT_EQ(places.Config, "/cfg/kv41");
        EXPECT_EQ(places.Data, "/dat/kv41");
        EXPECT_EQ(places.Documents, "/docs");
    }
    // Unset or relative values give the defaults; the documents folder only when it exists.
    EnvironmentValue config("XDG_CONFIG_HOME", "relative");
    EnvironmentValue data("XDG_DATA_HOME", nullptr);
    EnvironmentValue documents("XDG_DOCUMENTS_DIR", nullptr);
    StandardPlaces places = FreedesktopPlaces();
    EXPECT_EQ(places.Config, home.File(".config/kv41"));
    EXPECT_EQ(places.Data, home.File(".local/share/kv41"));
    EXPECT_EQ(places.Documents, home.Path());
    fs::create_directory(home.File("Documents"));
    EXPECT_EQ(FreedesktopPlaces().Documents, home.File("Documents"));
}
#endif

// An installed program: its directory cannot be written, the player's home is a scratch one.
struct InstalledHost : testing::FileDialogHost {
    using FileDialogHost::FileDialogHost;
    StandardPlaces Places;
    StandardPlaces StandardDirectories() override { return Places; }
};

TEST(PlayerFiles, InstalledGameKeepsSettingsLogAndAutosaveInTheHome) {
    ScratchDirectory home;
    testing::GameOn<InstalledHost> game(5, false);
    GameState& g = game.g;
    game.host.Directory = home.File("no-such-program-directory");
    game.host.Places = {home.File("config"), home.File("data"), home.File("Documents")};
    PrepareStartScreen(g);
    EXPECT_EQ(g.LastDirectory, home.File("Documents"));

    g.ScoreLogging = true;
    LosePoints(g, 1, "a test");
    g.AutoSave = true;
    AutoSavePosition(g);
    StoreSettings(g);
    EXPECT_TRUE(fs::exists(home.File("config/TOLA.INI")));
    EXPECT_TRUE(fs::exists(home.File("data/KV41 log.txt")));
    EXPECT_TRUE(fs::exists(home.File("data/KV41 autosave.sav")));
    EXPECT_FALSE(fs::exists(game.host.Directory));
}

TEST(ProgramFiles, HelpThenFontMustStandBesideTheProgram) {
    ScratchDirectory dir;
    testing::FreshGame game(7, false);
    game.host.Directory = dir.Path();
    auto fatal = [&game] {
        game.host.Transcript.clear();
        try {
            CheckProgramFiles(game.g);
        } catch (const ProgramEnd& end) {
            EXPECT_EQ(end.ExitCode, 1);
            return game.Said(Output::Box).at(0);
        }
        return std::string();
    };
    const std::string ending = " / Please see Error Messages page in Help";
    EXPECT_EQ(fatal(),
              "Program cannot continue: / Help file missing  " + dir.File(HelpFileName) + ending);
    testing::WriteFileText(dir.File(HelpFileName), "help");
    EXPECT_EQ(fatal(),
              "Program cannot continue: / Font file missing  " + dir.File("TOLA.TTF") + ending);
    testing::WriteFileText(dir.File("TOLA.TTF"), "font");
    EXPECT_EQ(fatal(), "");
}

}  // namespace
}  // namespace kv41
