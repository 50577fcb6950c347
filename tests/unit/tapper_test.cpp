#include <gtest/gtest.h>

#include <vector>

#include "controls/bell_window.h"
#include "controls/tapper.h"
#include "test_support.h"

namespace kv41 {
namespace {

constexpr int S = 300;   // a pause within a group of beats
constexpr int L = 1200;  // a pause between groups: more than three short ones

struct Tapper : ::testing::Test, testing::FreshGame {
    Tapper() {
        g.SessionRunning = true;
        g.SoundOn = false;
    }

    // Taps a code on box's plunger with these pauses and ends it with another click. Returns
    // the code left for block working (0 for a code not recognised, which sends nothing), -1
    // when the code was not used at all.
    int Tap(int box, const std::vector<int>& gaps) {
        g.PendingBellBox = 0;
        g.PendingBellCode = 0;
        g.TapTimes[1] = host.VirtualMs;
        StartTapping(g, box);
        for (int gap : gaps) {
            host.VirtualMs += gap;
            RecordTap(g);
        }
        DecodeTaps(g);
        return g.PendingBellBox == box ? g.PendingBellCode : -1;
    }

    std::vector<std::string> Questions() const { return Said(Output::Ask); }
};

// Every rhythm of the table, short pauses within a group and long ones between.
TEST_F(Tapper, RhythmsDecodeToTheirCodes) {
    EXPECT_EQ(Tap(1, {}), 1);
    EXPECT_EQ(Tap(1, {S}), 16);
    EXPECT_EQ(Tap(1, {L, S}), 15);  // 1-2
    EXPECT_EQ(Tap(1, {S, S}), 14);  // 3

    EXPECT_EQ(Tap(1, {L, S, S}), 4);   // 1-3
    EXPECT_EQ(Tap(1, {S, L, S}), 19);  // 2-2
    EXPECT_EQ(Tap(1, {L, S, L}), 18);  // 1-2-1
    EXPECT_EQ(Tap(1, {S, S, L}), 3);   // 3-1
    EXPECT_EQ(Tap(1, {S, S, S}), 2);   // 4

    EXPECT_EQ(Tap(1, {L, S, S, S}), 12);  // 1-4
    EXPECT_EQ(Tap(1, {S, L, S, S}), 11);  // 2-3
    EXPECT_EQ(Tap(1, {S, S, L, S}), 10);  // 3-2
    EXPECT_EQ(Tap(1, {S, S, S, L}), 13);  // 4-1
    EXPECT_EQ(Tap(1, {L, S, S, L}), 5);   // 1-3-1
    EXPECT_EQ(Tap(1, {L, S, L, S}), 9);   // 1-2-2
    EXPECT_EQ(Tap(1, {S, L, S, L}), 6);   // 2-2-1
    EXPECT_EQ(Tap(1, {S, S, S, S}), 8);   // 5

    EXPECT_EQ(Tap(1, {S, S, L, S, S}), 24);          // 3-3
    EXPECT_EQ(Tap(1, {S, S, S, S, S}), 0);           // six even beats mean nothing
    EXPECT_EQ(Tap(1, {S, S, S, S, S, S}), 0);        // seven beats
    EXPECT_EQ(Tap(1, {S, S, L, S, S, S, S}), 20);    // 3-5
    EXPECT_EQ(Tap(1, {S, S, L, S, S, L, S}), 25);    // 3-3-2
    EXPECT_EQ(Tap(1, {S, L, S, S, S, L, S}), 23);    // 2-4-2
    EXPECT_EQ(Tap(1, {S, S, S, S, S, S, S}), 26);    // 8
    EXPECT_EQ(Tap(1, std::vector<int>(10, S)), 22);  // eleven beats: 3-3-5
    EXPECT_EQ(Tap(1, std::vector<int>(12, S)), 21);  // thirteen beats: 3-5-5
    EXPECT_EQ(Tap(1, std::vector<int>(11, S)), 0);
}

TEST_F(Tapper, ThreeBeatsReadAsTrainOutOfSectionOnlyWhenItCanBeMeant) {
    // Line blocked and nothing shown: a pick-up freight's 3, however the pauses fall.
    EXPECT_EQ(Tap(3, {S, L}), 14);
    g.BoxBlock[3][1] = LineClear;
    EXPECT_EQ(Tap(3, {S, L}), 17);
    g.BoxBlock[3][1] = LineBlocked;
    g.BoxBellShown[3] = 17;
    EXPECT_EQ(Tap(3, {S, L}), 17);
    // Exactly three times as long does not stand out.
    EXPECT_EQ(Tap(3, {S, 3 * S}), 14);
    EXPECT_EQ(Tap(3, {S, 3 * S + 1}), 17);
}

TEST_F(Tapper, APauseOverTwoSecondsEndsTheCodeAndLosesTheLateTap) {
    g.TapTimes[1] = host.VirtualMs;
    StartTapping(g, 2);
    host.VirtualMs += 500;
    RecordTap(g);
    host.VirtualMs += 2000;  // two seconds exactly still belong to the code
    RecordTap(g);
    EXPECT_TRUE(g.BellTapping);
    host.VirtualMs += 2001;
    RecordTap(g);
    EXPECT_FALSE(g.BellTapping);
    EXPECT_EQ(g.PendingBellBox, 2);
    EXPECT_EQ(g.PendingBellCode, 14);  // three beats, the fourth was too late
    EXPECT_EQ(g.BoxBellSent[2], 14);
}

// While tapping, the beats so far are shown grouped as the code is written; the code ends by
// itself once a further beat would no longer count, and a script's beats, timed on a clock of
// their own ahead of the platform's, do not end it early.
TEST_F(Tapper, TheBeatsShowAsTheyComeAndTheCodeEndsTwoSecondsAfterTheLast) {
    EXPECT_EQ(TapNotation(std::vector<int>{0}), "1");
    EXPECT_EQ(TapNotation(std::vector<int>{0, S, S + L}), "2-1");
    EXPECT_EQ(TapNotation(std::vector<int>{0, S, 2 * S}), "3");
    EXPECT_EQ(TapNotation(std::vector<int>{0, L, L + S, L + 2 * S, 2 * L + 2 * S}), "1-3-1");
    const int start = host.VirtualMs;
    g.TapTimes[1] = start;
    StartTapping(g, 3);
    RecordTap(g, start + S);
    EXPECT_EQ(TapEndsInMs(g, start + S), 2001);
    EXPECT_EQ(TapEndsInMs(g, start + S + 2000), 1);
    EXPECT_EQ(TapEndsInMs(g, start + S + 2001), 0);
    EXPECT_EQ(TapEndsInMs(g, start), 2001);
    EXPECT_EQ(TapEndTime(g), start + S + 2001);
    ShowTapProgress(g);
    EXPECT_EQ(Said(Output::Line).back(), "Tapping to Hollowmer Jn: 2");
}

TEST_F(Tapper, ACodeTappedAcrossMidnightKeepsItsRhythm) {
    host.VirtualMs = 24 * 3600 * 1000 - 500;
    g.TapTimes[1] = host.VirtualMs;
    StartTapping(g, 1);
    host.Sleep(S);
    RecordTap(g);
    host.Sleep(S);
    RecordTap(g);
    host.Sleep(L);
    RecordTap(g);
    DecodeTaps(g);
    EXPECT_EQ(g.PendingBellCode, 3);  // 3-1
}

TEST_F(Tapper, TapsBeyondTheTableEndTheCodeWithoutWritingPastIt) {
    const int clickBefore = g.ClickColumn;
    g.TapTimes[1] = host.VirtualMs;
    StartTapping(g, 1);
    for (int i = 2; i <= MaxTaps + 3; ++i) {
        host.VirtualMs += 100;
        RecordTap(g);
    }
    EXPECT_FALSE(g.BellTapping);
    EXPECT_EQ(g.TapCount, 1);
    EXPECT_EQ(g.PendingBellCode, 0);
    EXPECT_EQ(g.ClickColumn, clickBefore);
}

TEST_F(Tapper, StartingAgainWhileTappingChangesNothing) {
    g.TapTimes[1] = host.VirtualMs;
    StartTapping(g, 1);
    host.VirtualMs += S;
    RecordTap(g);
    StartTapping(g, 4);
    EXPECT_EQ(g.TapBox, 1);
    EXPECT_EQ(g.TapCount, 3);
}

TEST_F(Tapper, LearningModeConfirmsEveryCode) {
    g.LearningMode = true;
    g.Inputs.Answers = {false, true, true};
    EXPECT_EQ(Tap(1, {S, S}), -1);
    EXPECT_EQ(Tap(1, {S, S, L}), 3);
    EXPECT_EQ(Tap(1, {S, S, S, S, S, S}), 0);  // unrecognised, sent as nothing on yes
    std::vector<std::string> asked = Questions();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[0], "Tap code 3      Line clear: pickup freight - OK? -> no");
    EXPECT_EQ(asked[1], "Tap code 3-1    Line clear: ordinary passenger - OK? -> yes");
    EXPECT_EQ(asked[2], "Tap code        No signal - OK? -> yes");
}

TEST_F(Tapper, TwoBeatsWhenTrainOutOfSectionIsExpectedAreQuestioned) {
    g.BoxRingPending[4] = 17;
    g.Inputs.Answers = {false, true};
    EXPECT_EQ(Tap(4, {S}), -1);
    EXPECT_EQ(Tap(4, {S}), 16);
    std::vector<std::string> asked = Questions();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0],
              "Train Out Of Section (2-1) expected. Was that what you meant to send? -> no");
}

TEST_F(Tapper, TheRightNumberOfBeatsGivesTheExpectedCode) {
    g.BoxRingPending[3] = 3;  // 3-1 rung
    EXPECT_EQ(Tap(3, {S, S, S}), 3);
    EXPECT_EQ(Tap(3, {S, L, S}), 3);
    EXPECT_EQ(Tap(3, {S, S}), 14);  // too few beats: taken as tapped
    g.BoxRingPending[3] = 17;       // 2-1 rung, line blocked
    EXPECT_EQ(Tap(3, {S, S}), 17);
    g.BoxRingPending[3] = 14;  // 3 rung: a 1-2 is taken for it
    EXPECT_EQ(Tap(3, {L, S}), 14);
    g.BoxRingPending[3] = 9;  // 1-2-2 rung: five even beats are taken for it, a 1-4 is not
    EXPECT_EQ(Tap(3, {S, S, S, S}), 9);
    EXPECT_EQ(Tap(3, {L, S, S, S}), 12);
    EXPECT_TRUE(Questions().empty());
}

TEST(BellList, LinesHaveTheirFixedColumns) {
    EXPECT_EQ(BellListLine(0), std::string(29, ' ') + "No signal");
    EXPECT_EQ(BellListLine(1), "1         *                  Call attention");
    EXPECT_EQ(BellListLine(2), "4         Is line clear for  Class A (express passenger train)");
    EXPECT_EQ(BellListLine(3), "3-1             \"            Class B (ordinary passenger train)");
    EXPECT_EQ(BellListLine(17),
              "2-1                          Train out of section or Obstruction removed");
    EXPECT_EQ(BellListLine(21), "3-5-5     *                  Warning acceptance");
    EXPECT_EQ(BellListLine(27), "");
}

}  // namespace
}  // namespace kv41
