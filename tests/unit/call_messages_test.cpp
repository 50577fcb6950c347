#include "running/call_messages.h"

#include <gtest/gtest.h>

#include "boxes_fixture.h"

namespace kv41 {
namespace {

using testing::BoxesGame;

struct DelayCase {
    int Late;
    const char* Call;  // "" for none
};

TEST(DelayReports, LatenessIsRoundedToFiveAndSmallDelaysAreNotCalled) {
    const DelayCase cases[] = {
        {5, ""},
        {6, "Call from Pellingford : 10.15 from Pellingford to Tarrock reported 5 minutes late"},
        {7, "Call from Pellingford : 10.15 from Pellingford to Tarrock reported 5 minutes late"},
        {8, "Call from Pellingford : 10.15 from Pellingford to Tarrock reported 10 minutes late"},
        {103,
         "Call from Pellingford : 10.15 from Pellingford to Tarrock reported 105 minutes late"},
    };
    for (const DelayCase& c : cases) {
        BoxesGame game;
        GameState& g = game.g;
        const int t = game.AddTrain(4, 615, 1, 4, 2, "Pellingford", "Tarrock");
        g.TrainLate[t] = c.Late;
        g.ClockNow = 555;
        ReportDelay(g, t);
        EXPECT_EQ(g.TrainState[t], TrainReported) << c.Late;
        const auto calls = game.Said(Output::Call);
        if (*c.Call == '\0') {
            EXPECT_TRUE(calls.empty()) << c.Late;
        } else {
            EXPECT_EQ(calls, std::vector<std::string>{c.Call}) << c.Late;
        }
        ReportDelay(g, t);  // once only
        EXPECT_EQ(game.Said(Output::Call).size(), calls.size());
    }
}

TEST(DelayReports, OnlyWithinTheHourBeforeTheTrainIsDue) {
    BoxesGame game;
    GameState& g = game.g;
    const int t = game.AddTrain(4, 615, 5, 1, 2, "Radlow", "Pellingford");
    g.TrainLate[t] = 20;
    g.ClockNow = 554;
    ReportDelay(g, t);
    EXPECT_EQ(g.TrainState[t], TrainBooked);
    EXPECT_TRUE(game.Said(Output::Call).empty());
    g.ClockNow = 555;
    ReportDelay(g, t);
    EXPECT_EQ(game.Said(Output::Call),
              std::vector<std::string>{
                  "Call from Radlow Rd Jn: 10.15 from Radlow to Pellingford reported 20 minutes "
                  "late"});

    // A blank row and a train already accepted are never reported.
    const int blank = 2;
    g.TrainCount = 4;
    ReportDelay(g, blank);
    EXPECT_EQ(g.TrainState[blank], TrainBlank);
    ReportDelay(g, 0);
    EXPECT_EQ(g.TrainState[0], TrainBlank);
}

TEST(DelayReports, YardReportsItsDeparturesWithoutMinutes) {
    BoxesGame game;
    GameState& g = game.g;
    const int t = game.AddTrain(4, 615, 3, 4, 7, "Exch Sdgs", "Hollowmer");
    g.TrainLate[t] = 12;
    ReportDelay(g, t);
    EXPECT_EQ(
        game.Said(Output::Call),
        std::vector<std::string>{"Call from Yard: 10.15 to Hollowmer delayed in Exchange Sidngs"});
    EXPECT_EQ(g.MessageText[g.MessageIndex].str().substr(0, 5), "Yard ");
}

TEST(CallMessages, RingAndHoldOnlyFromTheShiftsStart) {
    BoxesGame game;
    GameState& g = game.g;
    g.ClockNow = 290;  // before the shift starts at 5.00
    const int before = game.host.VirtualMs;
    CallMessage(g, 3, "Early");
    EXPECT_EQ(game.host.VirtualMs, before);
    EXPECT_TRUE(game.Said(Output::Sound).empty());
    EXPECT_EQ(game.Said(Output::Call), std::vector<std::string>{"Call from Hollowmer Jn: Early"});
    EXPECT_EQ(g.MessageText[g.MessageIndex], "Holl Early");

    g.ClockNow = 300;
    CallMessage(g, 2, std::string(100, 'x'));
    EXPECT_GE(game.host.VirtualMs - before, 2000);
    EXPECT_EQ(game.Said(Output::Sound), std::vector<std::string>{"sndmessage.wav"});
    EXPECT_EQ(g.MessageText[g.MessageIndex], "Bres " + std::string(75, 'x'));
    EXPECT_FALSE(g.SpeedUpNoticeShown);
}

}  // namespace
}  // namespace kv41
