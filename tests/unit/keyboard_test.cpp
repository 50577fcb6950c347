// The keyboard: keys press the panel's parts as the mouse does, so the game judges and records
// them as clicks; the key map names every key once.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "accessibility/panel_description.h"
#include "console.h"
#include "model/bell_codes.h"
#include "panel/key_map.h"

namespace kv41 {

namespace {

std::string ReplayLines(const std::string& file) {
    std::ifstream in(file);
    std::string lines, line;
    while (std::getline(in, line)) {
        if (!line.empty() && line[0] != '#') lines += line + "\n";
    }
    return lines;
}

}  // namespace

TEST(Keyboard, KeysWorkLeversPlungersAndCommutatorsAsTheirClicks) {
    const std::string replay =
        (std::filesystem::temp_directory_path() / "kv41-keyboard-test.kv41").string();
    std::ostringstream out;
    Console console(out, 5);
    console.RecordTo(replay);
    std::istringstream script(
        "new 4 1\n"
        // Typed number and Enter select lever 21; Enter again moves it.
        "key 2\nkey 1\nkey Enter\nkey Enter\n"
        // 2, 3, Backspace, 1: still lever 21; Esc abandons its move back.
        "key 2\nkey 3\nkey Backspace\nkey 1\nkey Enter\nkey Esc\n"
        // A number beyond the frame selects nothing.
        "key 9\nkey 9\nkey Enter\n"
        // One beat on Hollowmer Jn's plunger, ended by Esc; the commutator of Radlow Rd Jn.
        "key F11\nkey Esc\nkey Shift+F8\nstep 3\nshow lever 21\n");
    console.Run({&script});
    const std::string text = out.str();
    EXPECT_NE(text.find("line: Lever 21, North Crossover is Normal. Press Enter to confirm move, "
                        "Esc to abandon."),
              std::string::npos)
        << text;
    EXPECT_NE(
        text.find("LeverName=\"North Crossover\" LeverX=0 LeverY=0 LeverSide=4 LeverNormal=0"),
        std::string::npos)
        << text;
    console.RecordTo("");
    const std::string lines = ReplayLines(replay);
    EXPECT_NE(lines.find("lever 21\nclick 22 27\nclick 100 1\ntap 3\ninstrument 4\n"),
              std::string::npos)
        << lines;
    std::filesystem::remove(replay);
}

TEST(Keyboard, TheKeyMapNamesEveryKeyOnceAndReadsItsOwnNames) {
    std::set<int> keys;
    for (const KeyBinding& binding : KeyMap()) {
        if (binding.Key == 0) continue;
        EXPECT_TRUE(keys.insert(binding.Key).second) << binding.Keys;
        EXPECT_EQ(KeyFromName(binding.Keys), binding.Key) << binding.Keys;
        EXPECT_EQ(FindKey(binding.Key).Does, binding.Does) << binding.Keys;
    }
    EXPECT_EQ(FindKey('h').Index, FindKey('H').Index);
    EXPECT_EQ(FindKey('7').Does, KeyDoes::Digit);
    EXPECT_EQ(KeyFromName("Shift+Enter"), 0);
    EXPECT_EQ(KeyName(KeyShift + FunctionKey(7)), "Shift+F7");
}

TEST(Keyboard, TheReaderHearsLeversBoxesAndRings) {
    std::ostringstream out;
    Console console(out, 5);
    std::istringstream script("new 4 1\nlever 21\n");
    console.Run({&script});
    GameState& g = console.Game();
    EXPECT_EQ(LeverState(g, 21), "Reversed, free");
    // Lever 2 (the up home) is held normal by the crossover reversed.
    EXPECT_EQ(LeverState(g, 2), "Normal, locked");
    const auto parts = DescribePanel(g);
    ASSERT_FALSE(parts.empty());
    EXPECT_EQ(parts.back().Role, PartRole::MessageLine);
    EXPECT_EQ(Announcement(g, Output::Ring, "3 1-3"),
              "Hollowmer Jn rings 1-3 (" + std::string(BellCodeOf(4).Meaning) + ")");
    EXPECT_EQ(Announcement(g, Output::Sound, "sndLever.wav"), "");
    // The signalman's moves are said in words, not in the console's commands.
    EXPECT_EQ(Announcement(g, Output::Signalman, "lever 21 - set the road"),
              "Signalman moves lever 21, " + g.LeverName[21].str());
    EXPECT_EQ(Announcement(g, Output::Signalman, "bell 3 4 - offer"),
              "Signalman sends 1-3 (" + std::string(BellCodeOf(4).Meaning) + ") to Hollowmer Jn");
}

}  // namespace kv41
