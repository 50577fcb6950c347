// Each information window says how its lines fall into its memos: the split must put every
// line in the right pane, whatever the traffic.
#include <gtest/gtest.h>

#include <numeric>

#include "framework/message_window.h"
#include "framework/messages.h"
#include "session/new_game.h"
#include "test_support.h"
#include "windows/info_windows.h"

namespace kv41 {
namespace {

int Total(const std::vector<int>& sizes) {
    return std::accumulate(sizes.begin(), sizes.end(), 0);
}

bool IsUp(const GameState& g, int t) {
    return g.TrainFrom[t] < 3 || g.TrainTo[t] > 3;
}

TEST(InfoPanes, FixedPanesOfTheHeldAndApproachingWindows) {
    testing::FreshGame game;
    GameState& g = game.g;
    SetUpNewGame(g, 1, 0);
    EXPECT_EQ(BuildHeldWindow(g).Panes, (std::vector<int>{3, 6, 3, 1}));
    EXPECT_EQ(BuildApproachingWindow(g).Panes, (std::vector<int>{3, 3, 3, 3}));
}

// The up pane ends where the first down train (entering by a higher-numbered line than it leaves
// by: "HO" before "PF") begins.
TEST(InfoPanes, TimetableSplitsUpFromDownTrains) {
    testing::FreshGame game;
    GameState& g = game.g;
    for (int shift = 0; shift < ShiftCount; ++shift) {
        SetUpNewGame(g, shift, 0);
        InfoWindow window = BuildWttWindow(g);
        std::vector<int> sizes = window.Panes;
        ASSERT_EQ(sizes.size(), 2u);
        EXPECT_EQ(Total(sizes), static_cast<int>(window.Lines.size()));
        // Every shift has traffic both ways, and a pane holds ten trains at most.
        EXPECT_GT(sizes[0], 0) << "shift " << shift;
        EXPECT_GT(sizes[1], 0) << "shift " << shift;
        EXPECT_LE(sizes[0], 10) << "shift " << shift;
        EXPECT_LE(sizes[1], 10) << "shift " << shift;
    }
}

// The register's up pane holds the latest accepted up trains, up to ten, whatever number of
// down trains follow.
TEST(InfoPanes, RegisterSplitFollowsTheAcceptedTrains) {
    testing::FreshGame game;
    GameState& g = game.g;
    SetUpNewGame(g, 1, 0);
    EXPECT_EQ(BuildRegisterWindow(g).Panes, (std::vector<int>{0, 0}));
    int up = 0;
    int down = 0;
    for (int t = 1; t <= g.TrainCount && (up < 12 || down < 3); ++t) {
        if (IsUp(g, t) ? up >= 12 : down >= 3) continue;
        g.TrainTimes[t][RegLineClearGiven] = 400 + t;
        ++(IsUp(g, t) ? up : down);
        InfoWindow window = BuildRegisterWindow(g);
        std::vector<int> sizes = window.Panes;
        EXPECT_EQ(sizes, (std::vector<int>{std::min(up, 10), std::min(down, 10)}));
        EXPECT_EQ(Total(sizes), static_cast<int>(window.Lines.size()));
    }
}

TEST(InfoPanes, MessagesAreOnePane) {
    testing::FreshGame game;
    GameState& g = game.g;
    SetUpNewGame(g, 3, 0);
    EXPECT_EQ(BuildMessagesWindow(g).Panes, (std::vector<int>{0}));
    for (int i = 0; i < 20; ++i) ShowNotice(g, std::string(80, 'x') + " and more words");
    InfoWindow window = BuildMessagesWindow(g);
    EXPECT_EQ(window.Panes, (std::vector<int>{static_cast<int>(window.Lines.size())}));
}

}  // namespace
}  // namespace kv41
