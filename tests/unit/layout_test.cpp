#include "model/layout.h"

#include <gtest/gtest.h>

#include <string>

#include "test_support.h"

namespace kv41 {
namespace {

using testing::FreshGame;

struct ExpectedSection {
    int Number, Length, Next, Limit;
};

// Typed out afresh from the track diagram's section list, not copied from the builder.
constexpr ExpectedSection ExpectedSections[] = {
    {1, 449, 43, 40},   {2, 320, 3, 0},     {3, 27, 7, 15},     {4, 2539, 5, 15},
    {5, 320, 6, 0},     {6, 50, 38, 15},    {7, 100, 8, 10},    {8, 50, 9, 0},
    {9, 47, 11, 10},    {10, 50, 32, 20},   {11, 207, 12, 0},   {12, 50, 13, 15},
    {13, 30, 14, 15},   {14, 620, 15, 0},   {15, 200, 16, 60},  {16, 4713, -1, 60},
    {17, 100, 18, 10},  {18, 100, 0, 10},   {19, 260, 21, 0},   {20, 260, 21, 0},
    {21, 30, 23, 15},   {22, 90, 23, 15},   {23, 30, 24, 15},   {24, 30, 25, 15},
    {25, 320, 26, 0},   {26, 700, 27, 25},  {27, 4604, -2, 40}, {28, 90, 13, 15},
    {29, 4440, 30, 60}, {30, 773, 31, 17},  {31, 300, 10, 0},   {32, 50, 33, 15},
    {33, 144, 34, 15},  {34, 100, 35, 0},   {35, 60, 36, 15},   {36, 50, 37, 15},
    {37, 50, 38, 15},   {38, 50, 39, 15},   {39, 1212, -3, 40}, {40, 50, 41, 15},
    {41, 330, 42, 0},   {42, 2579, -4, 15}, {43, 466, 2, 15},   {44, 30, 23, 15},
};

TEST(Layout, EverySectionAsBuiltAndClear) {
    FreshGame game;
    GameState& g = game.g;
    ASSERT_EQ(g.SectCount, 44);
    for (const ExpectedSection& e : ExpectedSections) {
        const int s = e.Number;
        EXPECT_EQ(g.SectLength[s], e.Length) << "section " << s;
        EXPECT_EQ(g.SectNext[s], e.Next) << "section " << s;
        EXPECT_EQ(g.SectLimit[s], e.Limit) << "section " << s;
        EXPECT_EQ(g.SectName[s].str(), s == 14 ? "47T" : "   ") << "section " << s;
        EXPECT_EQ(g.SectTrain[s], 0);
        EXPECT_EQ(g.SectBehind[s], 0);
    }
    // The four ways out of the area, one per neighbouring box.
    EXPECT_EQ(g.SectNext[16], -1);
    EXPECT_EQ(g.SectNext[27], -2);
    EXPECT_EQ(g.SectNext[39], -3);
    EXPECT_EQ(g.SectNext[42], -4);
    // The branch is worked both ways over section 27.
    EXPECT_EQ(g.BoxEntrySect[2], 27);
}

TEST(Layout, LeverNamesKindsAndPositions) {
    FreshGame game;
    GameState& g = game.g;
    // Names kept exactly as the frame has them, odd spellings and all.
    EXPECT_EQ(g.LeverName[11].str(), "no lever");
    EXPECT_EQ(g.LeverName[41].str(), "No lever");
    EXPECT_EQ(g.LeverName[38].str(), "Down Main to Exchange Sidngs FPL");
    EXPECT_EQ(g.LeverName[43].str(), "Down Main to Exchange Sidings Home");
    const std::pair<int, int> kinds[] = {{1, LeverDistant}, {11, LeverGap},    {12, LeverDetonator},
                                         {15, LeverPoints}, {20, LeverStop},   {38, LeverFpl},
                                         {41, LeverGap},    {51, LeverDistant}};
    for (auto [lever, kind] : kinds) EXPECT_EQ(g.LeverKind[lever], kind) << lever;
    EXPECT_EQ(g.LeverX[12], 375);
    EXPECT_EQ(g.LeverY[12], 32);
    EXPECT_EQ(g.LeverX[45], 553);
    EXPECT_EQ(g.LeverY[45], 5);
    EXPECT_EQ(g.LeverSide[45], 2);
    EXPECT_EQ(g.LeverSide[15], 4);
    EXPECT_EQ(g.LeverSide[20], 3);
    for (int lever : {5, 7, 8, 9, 10, 16, 17, 18, 19, 37}) {
        EXPECT_EQ(g.LeverKind[lever], LeverSpare) << lever;
        EXPECT_EQ(g.LeverName[lever].str(), "spare") << lever;
    }
    for (int lever = 1; lever <= LeverCount; ++lever) EXPECT_EQ(g.LeverNormal[lever], 1);
}

TEST(Layout, LockingRowsAsBuilt) {
    FreshGame game;
    GameState& g = game.g;
    using Six = std::array<int32_t, 6>;
    using Two = std::array<int32_t, 2>;
    EXPECT_EQ(g.LeverPullLock[3], (Six{-14, -15, -21, -24, 20, 22}));
    EXPECT_EQ(g.LeverPullLock[4], (Six{33, -34, 35, 39, 44, 0}));
    EXPECT_EQ(g.LeverRestoreLock[4], (Six{1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(g.LeverPullTrack[4], (Two{-3, 0}));
    EXPECT_EQ(g.LeverPullLock[14], (Six{}));
    EXPECT_EQ(g.LeverRestoreLock[14], (Six{3, 13, 0, 0, 0, 0}));
    EXPECT_EQ(g.LeverPullLock[24], (Six{25, 0, 0, 0, 0, 0}));
    EXPECT_EQ(g.LeverRestoreLock[24], (Six{3, 25, 15, 0, 0, 0}));
    EXPECT_EQ(g.LeverPullLock[30], (Six{-31, -32, 43, 48, 49, 50}));
    EXPECT_EQ(g.LeverPullTrack[30], (Two{-6, 0}));
    EXPECT_EQ(g.LeverPullLock[33], (Six{4, 6, 31, 45, 49, 50}));
    EXPECT_EQ(g.LeverRestoreLock[33], (Six{31, 44, 0, 0, 0, 0}));
    EXPECT_EQ(g.LeverPullLock[42], (Six{15, -23, -24, -25, 46, 0}));
    EXPECT_EQ(g.LeverPullTrack[42], (Two{-2, 0}));
    EXPECT_EQ(g.LeverPullLock[46], (Six{}));
    EXPECT_EQ(g.LeverRestoreLock[46], (Six{51, 0, 0, 0, 0, 0}));
    EXPECT_EQ(g.LeverPullTrack[46], (Two{-1, 0}));
    EXPECT_EQ(g.LeverPullLock[51], (Six{-46, -47, -48, -50, 0, 0}));

    // Levers the frame gives no locking have none at all, and no lever has a restore track
    // row; every entry names a lever of the frame or a valid track condition.
    for (int lever : {5, 7, 8, 9, 10, 11, 12, 16, 17, 18, 19, 37, 40, 41}) {
        EXPECT_EQ(g.LeverPullLock[lever], Six{}) << lever;
        EXPECT_EQ(g.LeverRestoreLock[lever], Six{}) << lever;
        EXPECT_EQ(g.LeverPullTrack[lever], Two{}) << lever;
    }
    for (int lever = 1; lever <= LeverCount; ++lever) {
        EXPECT_EQ(g.LeverRestoreTrack[lever], Two{}) << lever;
        for (int entry : g.LeverPullLock[lever]) EXPECT_LE(std::abs(entry), LeverCount);
        for (int entry : g.LeverRestoreLock[lever]) EXPECT_LE(std::abs(entry), LeverCount);
        for (int entry : g.LeverPullTrack[lever])
            EXPECT_TRUE(entry == 0 || entry == -6 || (entry >= -4 && entry <= MaxSections));
    }
}

TEST(Layout, LinesAndBoxes) {
    FreshGame game;
    GameState& g = game.g;
    const char* codes[] = {"", "PF", "BL", "EX", "HO", "RR"};
    const int headways[] = {0, 9, 11, 1, 2, 9};
    for (int line = 1; line <= LineCount; ++line) {
        EXPECT_EQ(g.LineCode[line].str(), codes[line]);
        EXPECT_EQ(g.LineHeadway[line], headways[line]);
        EXPECT_EQ(g.LineLastTime[line], NoTime);
        EXPECT_EQ(g.LineTrains[line][0], 1);
    }
    using Three = std::array<int32_t, 3>;
    EXPECT_EQ(g.BoxName[1].str(), "Pellingford ");
    EXPECT_EQ(g.BoxName[2].str(), "Brenley");
    EXPECT_EQ(g.BoxName[3].str(), "Hollowmer Jn");
    EXPECT_EQ(g.BoxName[4].str(), "Radlow Rd Jn");
    EXPECT_EQ(g.BoxEntrySect[1], 29);
    EXPECT_EQ(g.BoxEntrySect[3], 1);
    EXPECT_EQ(g.BoxEntrySect[4], 4);
    EXPECT_EQ(g.BoxLeadA[1], (Three{4, 5, 7}));
    EXPECT_EQ(g.BoxLeadB[1], (Three{4, 6, 8}));
    EXPECT_EQ(g.BoxLeadA[2], (Three{7, 9, 9}));
    EXPECT_EQ(g.BoxLeadB[3], (Three{3, 3, 4}));
    EXPECT_EQ(g.BoxLeadA[4], (Three{8, 8, 8}));
    EXPECT_EQ(g.BoxLeadB[4], (Three{3, 3, 4}));
    for (int box = 1; box <= BoxCount; ++box) {
        EXPECT_EQ(g.BoxBlock[box][0], LineBlocked);
        EXPECT_EQ(g.BoxBlock[box][1], LineBlocked);
    }
}

// Creating a box forgets whatever block working an earlier use of the slot left behind.
TEST(Layout, AddBoxClearsRunningState) {
    FreshGame game(7, false);
    GameState& g = game.g;
    g.BoxBellShown[2] = 5;
    g.BoxOfferedTrain[2] = 40;
    g.BoxTesTime[2] = 300;
    g.BoxLastRingTime[2] = 301;
    g.BoxLineClearTime[2] = 302;
    g.BoxToosDeadline[2] = 310;
    g.BoxBlock[2] = {TrainOnLine, LineClear};
    AddBox(g, 2, 27, {7, 9, 9}, "Brenley");
    EXPECT_EQ(g.BoxBellShown[2], 0);
    EXPECT_EQ(g.BoxOfferedTrain[2], 0);
    EXPECT_EQ(g.BoxTesTime[2], NoTime);
    EXPECT_EQ(g.BoxLastRingTime[2], NoTime);
    EXPECT_EQ(g.BoxLineClearTime[2], NoTime);
    EXPECT_EQ(g.BoxToosDeadline[2], 0);
    EXPECT_EQ(g.BoxBlock[2][0], LineBlocked);
    EXPECT_EQ(g.BoxBlock[2][1], LineBlocked);
}

TEST(Layout, BuilderCutsLongNamesAndResetsLocking) {
    FreshGame game(7, false);
    GameState& g = game.g;
    const std::string forty(40, 'x');
    SetPullLock(g, 9, {1, -2, 3, 0, 0, 0});
    SetRestoreLock(g, 9, {4, 0, 0, 0, 0, 0});
    SetPullTrack(g, 9, {-1, 5});
    AddLever(g, 9, LeverStop, 1, 2, 1, forty);
    EXPECT_EQ(g.LeverName[9].str(), forty.substr(0, 35));
    EXPECT_EQ(g.LeverPullLock[9], (std::array<int32_t, 6>{}));
    EXPECT_EQ(g.LeverRestoreLock[9], (std::array<int32_t, 6>{}));
    EXPECT_EQ(g.LeverPullTrack[9], (std::array<int32_t, 2>{}));
    EXPECT_EQ(g.LeverNormal[9], 1);

    g.SectCount = 0;
    AddSection(g, "47T-long", 620, 15, 0);
    EXPECT_EQ(g.SectCount, 1);
    EXPECT_EQ(g.SectName[1].str(), "47T-");
    AddBox(g, 1, 29, {4, 5, 7}, "Pellingford and Upper Wexcote");
    EXPECT_EQ(g.BoxName[1].str(), "Pellingford and Up");
    AddLine(g, 1, 9, "PFX");
    EXPECT_EQ(g.LineCode[1].str(), "PF");
}

// A rebuild starts the section count afresh rather than running past the table.
TEST(Layout, RebuildStartsSectionsAgain) {
    FreshGame game;
    GameState& g = game.g;
    g.SectTrain[5] = 12;
    BuildLayout(g);
    EXPECT_EQ(g.SectCount, 44);
    EXPECT_EQ(g.SectTrain[5], 0);
    EXPECT_EQ(g.TrainCount, 174);
}

}  // namespace
}  // namespace kv41
