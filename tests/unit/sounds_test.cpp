#include "framework/sounds.h"

#include <gtest/gtest.h>

#include <array>

#include "test_support.h"

namespace kv41 {

TEST(Sounds, GroupFilesExistOnlyForOneToFiveAndEightBeats) {
    EXPECT_EQ(TapperWave(1), "sndTapper.wav");
    EXPECT_EQ(TapperWave(4), "sndTapper4.wav");
    EXPECT_EQ(TapperWave(8), "sndTapper8.wav");
    EXPECT_EQ(TapperWave(6), "");
    EXPECT_EQ(BoxBellWave(3, 1), "sndBell3.wav");
    EXPECT_EQ(BoxBellWave(3, 4), "sndBell34.wav");
    EXPECT_EQ(BoxBellWave(3, 8), "sndBell38.wav");
    EXPECT_EQ(BoxBellWave(6, 1), "");
}

TEST(Sounds, IndexUsesItsLowSevenBitsAndBeyondTheTablePlaysNothing) {
    testing::FreshGame game;
    PlayIndexedSound(game.g, 128 + 12);
    PlayIndexedSound(game.g, 16);
    PlayWhistle(game.g);
    std::vector<std::pair<Output, std::string>> expected{{Output::Sound, "sndLever.wav"},
                                                         {Output::Sound, "sndwGWR.wav"}};
    EXPECT_EQ(game.host.Transcript, expected);
}

TEST(Sounds, BellCodeKeepsItsRhythmWithSoundOff) {
    testing::FreshGame game;
    const std::array<int, 3> groups{3, 8, 0};
    int start = game.host.VirtualMs;
    PlayBoxBellGroups(game.g, 4, groups);
    EXPECT_EQ(game.host.Transcript.size(), 2u);
    EXPECT_EQ(game.host.Transcript[1].second, "sndBell48.wav");
    int withSound = game.host.VirtualMs - start;

    game.host.Transcript.clear();
    game.g.SoundOn = false;
    start = game.host.VirtualMs;
    PlayTapperGroups(game.g, groups);
    EXPECT_TRUE(game.host.Transcript.empty());
    EXPECT_GT(game.host.VirtualMs - start, 0);
    EXPECT_GT(withSound, 0);
}

}  // namespace kv41
