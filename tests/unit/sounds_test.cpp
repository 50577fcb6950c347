#include "framework/sounds.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>

#include "framework/options.h"
#include "game_state.h"
#include "headless_platform.h"
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

// The groups of a code go into the platform's queue with the silences that give the code its
// rhythm, and the game does not wait for them: its clock does not move. Switched off, sound
// stops at once and nothing more is queued.
TEST(Sounds, BellCodesQueueTheirGroupsWithTheirSilencesAndHoldNothing) {
    struct QueueHost : HeadlessPlatform {
        using HeadlessPlatform::HeadlessPlatform;
        std::vector<std::pair<std::string, int>> Queued;
        int Stops = 0;
        void QueueWave(const std::string& file, int silenceAfterMs) override {
            Queued.emplace_back(file, silenceAfterMs);
        }
        void StopSounds() override { ++Stops; }
    };
    GameState g;
    QueueHost host(g);
    g.SoundOn = true;
    const int start = host.VirtualMs;
    const std::array<int, 3> groups{3, 8, 0};
    PlayBoxBellGroups(g, 4, groups);
    PlayTapperGroups(g, groups);
    const std::vector<std::pair<std::string, int>> expected{{"sndBell43.wav", 70},
                                                            {"sndBell48.wav", 70},
                                                            {"", 100},
                                                            {"sndTapper3.wav", 50},
                                                            {"sndTapper8.wav", 50}};
    EXPECT_EQ(host.Queued, expected);
    EXPECT_EQ(host.VirtualMs, start);

    OptionValues off = CurrentOptions(g);
    off.SoundOn = false;
    ApplyOptions(g, off);
    EXPECT_EQ(host.Stops, 1);
    PlayTapperGroups(g, groups);
    PlayLeverSound(g);
    EXPECT_EQ(host.Queued.size(), expected.size());
}

// A wave file's length comes from its header, past chunks it does not know; anything else, and
// a header that claims more sound than the file holds, does not hold the game up.
TEST(Sounds, WaveLengthFromTheHeader) {
    const std::string dir = testing::TestProgramDirectory();
    auto write = [&dir](const std::string& name, const std::string& bytes) {
        std::ofstream(dir + "/" + name, std::ios::binary) << bytes;
        return dir + "/" + name;
    };
    auto le = [](uint32_t value, int size) {
        std::string bytes;
        for (int i = 0; i < size; ++i) bytes += static_cast<char>((value >> (8 * i)) & 0xff);
        return bytes;
    };
    // Half a second of 16-bit mono at 22050 samples a second, an odd-sized chunk before it.
    const uint32_t rate = 22050;
    const std::string format = "fmt " + le(16, 4) + le(1, 2) + le(1, 2) + le(rate, 4) +
                               le(rate * 2, 4) + le(2, 2) + le(16, 2);
    const std::string head = "RIFF" + le(0, 4) + "WAVE" + "LIST" + le(3, 4) + "INF" + '\0' + format;
    const std::string sound(rate, '\0');
    EXPECT_EQ(WaveLengthMs(write("half.wav", head + "data" + le(rate, 4) + sound)), 500);
    EXPECT_EQ(WaveLengthMs(write("short.wav", head + "data" + le(0xfffffff0, 4) + sound)), 500);
    EXPECT_EQ(WaveLengthMs(write("text.wav", "not a sound at all")), 0);
    EXPECT_EQ(WaveLengthMs(write("cut.wav", head.substr(0, 30))), 0);
    EXPECT_EQ(WaveLengthMs(write("noformat.wav", "RIFF" + le(0, 4) + "WAVE" + "data" + le(8, 4))),
              0);
    EXPECT_EQ(WaveLengthMs(dir + "/missing.wav"), 0);
}

}  // namespace kv41
