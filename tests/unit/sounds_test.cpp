#include "framework/sounds.h"

#include <gtest/gtest.h>

#include <array>

#include "test_support.h"

namespace kv41 {

TEST(Sounds, GroupFilesAndIndexedTable) {
    EXPECT_EQ(TapperWave(1), "sndTapper.wav");
    EXPECT_EQ(TapperWave(6), "");
    EXPECT_EQ(BoxBellWave(3, 1), "sndBell3.wav");
    EXPECT_EQ(BoxBellWave(3, 4), "sndBell34.wav");
    testing::FreshGame game;
    PlayIndexedSound(game.g, 128 + 12);  // only the low seven bits count
    PlayIndexedSound(game.g, 16);        // beyond the table: nothing
    std::vector<std::pair<Output, std::string>> expected{{Output::Sound, "sndLever.wav"}};
    EXPECT_EQ(game.host.Transcript, expected);
}

TEST(Sounds, BellCodeKeepsItsRhythmWithSoundOff) {
    testing::FreshGame game;
    const std::array<int, 3> groups{3, 8, 0};
    PlayBoxBellGroups(game.g, 4, groups);
    ASSERT_EQ(game.host.Transcript.size(), 2u);
    EXPECT_EQ(game.host.Transcript[1].second, "sndBell48.wav");
    game.host.Transcript.clear();
    game.g.SoundOn = false;
    int start = game.host.VirtualMs;
    PlayTapperGroups(game.g, groups);
    EXPECT_TRUE(game.host.Transcript.empty());
    EXPECT_GT(game.host.VirtualMs - start, 0);
}

}  // namespace kv41
