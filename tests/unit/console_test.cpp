#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "command_words.h"
#include "console.h"

namespace kv41 {

namespace {

// A console fed one script, keeping everything it printed.
struct ScriptRun {
    std::ostringstream out;
    Console console;
    int status = -1;

    explicit ScriptRun(uint32_t seed = 7) : console(out, seed) {}
    std::string Run(const std::string& script) {
        std::istringstream in(script);
        out.str("");
        status = console.Run({&in});
        return out.str();
    }
};

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// Every table the console can show, as one text: two equal dumps mean an unchanged game.
const char* DumpEverything =
    "show game\nshow section all\nshow lever all\nshow line all\nshow box all\n"
    "show train all\nshow engine all\nshow message all\nshow status\n";

}  // namespace

TEST(Console, SameSeedGivesTheSameDayAndAnotherSeedAnother) {
    ScriptRun first(7), again(7), other(8);
    const std::string script = "show train all\nshow engine all\n";
    std::string a = first.Run(script);
    EXPECT_EQ(a, again.Run(script));
    EXPECT_NE(a, other.Run(script));
    // Every row of both tables, from the first.
    EXPECT_EQ(Lines(a).size(), static_cast<std::size_t>(first.console.Game().TrainCount +
                                                        first.console.Game().EngineCount));
    EXPECT_EQ(Lines(a).front().rfind("train 1 TrainDue=", 0), 0u);
}

TEST(Console, NewOneIsTheNightShiftStartingAt10pm) {
    ScriptRun run;
    std::string out = run.Run("new 1 5\nshow status\n");
    EXPECT_NE(out.find("status Time=\"10p00"), std::string::npos) << out;
    EXPECT_EQ(run.status, 0);
}

TEST(Console, CommandsAfterNewAreReadInsideTheSessionLoop) {
    ScriptRun run;
    std::string out = run.Run("new 2 1\nshow game\nstep 10\nshow game\n");
    auto lines = Lines(out);
    std::vector<std::string> games;
    for (const auto& line : lines) {
        if (line.rfind("game ", 0) == 0) games.push_back(line);
    }
    ASSERT_EQ(games.size(), 2u) << out;
    EXPECT_NE(games[0].find("ClockNow=360 MinuteTick=9 "), std::string::npos) << games[0];
    EXPECT_NE(games[0].find("SessionRunning=1"), std::string::npos);
    // Nine steps finish the first minute and one more starts the next.
    EXPECT_NE(games[1].find("ClockNow=361 MinuteTick=9 "), std::string::npos) << games[1];
    EXPECT_EQ(run.status, 0);
}

TEST(Console, ExitInsideTheSessionEndsTheRunAtOnce) {
    ScriptRun run;
    std::string out = run.Run("new 2 1\nexit\nshow game\n");
    EXPECT_EQ(out.find("game "), std::string::npos) << out;
    EXPECT_EQ(run.status, 0);
}

TEST(Console, MalformedInputChangesNothingAndFailsTheRun) {
    ScriptRun run;
    std::string before = run.Run(DumpEverything);
    std::string junk =
        "bogus\nset\nset ClockNow\nset ClockNow 12 13\nset SectTrain 1 999\n"
        "set SectTrain 0 1\nset TrainState 3 7\nset BoxBellShown 1 27\nset BoxBlock 2 1 3\n"
        "set TrainEngine 2 500\nset LineTrains 1 4 1\nset EngineNumber 1 \"123456\"\n"
        "set TickSeconds -1\nset Points 1e3\nset Points 0x10\nset Points 99999999999999\n"
        "show train 0\nshow section 45\nclick\nlever\n" +
        std::string("set Points \x01\x02\n") + std::string(5000, 'z') + "\n" +
        std::string("\0\0\0\n", 4) + "\xff\xfe\n";
    std::string refused = run.Run(junk);
    for (const auto& line : Lines(refused)) EXPECT_EQ(line.rfind("? ", 0), 0u) << line;
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.Run(DumpEverything), before);
}

TEST(Console, NotAllowedNowIsRefusedButIsNoFault) {
    ScriptRun run;
    std::string out = run.Run("step\nlever 4\npause\n");
    EXPECT_EQ(out, "? no session is running\n? no session is running\n? no session is running\n");
    EXPECT_EQ(run.status, 0);
}

TEST(Console, SetChangesExactlyTheNamedElement) {
    ScriptRun run;
    GameState& g = run.console.Game();
    g.TrainCount = 50;  // so that the test does not wait on the timetable
    g.SectCount = 44;
    run.Run(
        "set TrainTimes 45 3 600\nset BoxBlock 3 2 1\nset LineTrains 4 0 12\n"
        "set ClockNow -75\nset LeverNormal 43 0\nset SectNext 16 -4\nset TrainEngine 7 999\n"
        "set YardClear 0\nset ShiftName \"Late\"\nset MessageText 2 \"say \\\"when\\\"\"\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(g.TrainTimes[45][RegToosSent], 600);
    EXPECT_EQ(g.TrainTimes[45][2], g.TrainTimes[45][4]);
    EXPECT_EQ(g.BoxBlock[3][1], 1);
    EXPECT_EQ(g.LineTrains[4][0], 12);
    EXPECT_EQ(g.ClockNow, -75);
    EXPECT_EQ(g.LeverNormal[43], 0);
    EXPECT_EQ(g.SectNext[16], -4);
    EXPECT_EQ(g.TrainEngine[7], EngineUnknown);
    EXPECT_FALSE(g.YardClear);
    EXPECT_EQ(g.ShiftName, "Late");
    EXPECT_EQ(g.MessageText[2], "say \"when\"");
    // Strings come back quoted, with their quotes escaped.
    EXPECT_EQ(run.Run("show message 2\n"),
              "message 2 MessageTime=" + std::to_string(g.MessageTime[2]) +
                  " MessageText=\"say \\\"when\\\"\"\n");
}

TEST(Console, ReferencesBeyondTheTablesAreRefused) {
    ScriptRun run;
    GameState& g = run.console.Game();
    g.TrainCount = 50;
    g.SectCount = 44;
    std::string out = run.Run("set SectTrain 3 51\nset TrainSect 3 45\nset SectNext 3 -5\n");
    EXPECT_EQ(Lines(out).size(), 3u) << out;
    EXPECT_EQ(g.SectTrain[3], 0);
    EXPECT_EQ(run.status, 1);
}

TEST(Console, SoundsArePrintedOnlyWhileTraced) {
    ScriptRun run;
    run.console.Host().QueueWave("sndBell.wav", 0);
    EXPECT_EQ(run.out.str(), "");
    run.Run("trace sounds on\n");
    run.console.Host().QueueWave("sndBell.wav", 0);
    EXPECT_EQ(run.out.str(), "sound: sndBell.wav\n");
}

TEST(Console, SeedPreparesAFreshStartButNotDuringASession) {
    ScriptRun run;
    std::string out = run.Run("set Points 9\nseed 3\nshow game\nnew 2 1\nseed 4\n");
    EXPECT_NE(out.find("Points=0 "), std::string::npos) << out;
    EXPECT_NE(out.find("? a session is running"), std::string::npos) << out;
    EXPECT_EQ(run.console.Host().Seed, 3u);
}

TEST(Console, LeverCommandConfirmsRealLeversOnly) {
    ScriptRun run;
    // A spare lever answers the first click at once; a second click would start another lever
    // operation, whose prompt would then eat the click meant for lever 2.
    std::string out = run.Run("new 2 1\nlever 5\nlever 2\nshow lever 2\n");
    EXPECT_NE(out.find("error: Lever 05 is spare"), std::string::npos) << out;
    EXPECT_NE(out.find("LeverName=\"Up Home\" LeverX=180 LeverY=30 LeverSide=1 LeverNormal=0"),
              std::string::npos)
        << out;
    EXPECT_EQ(run.status, 0);
}

TEST(Console, BellAndTapperReachTheBoxByTheirCells) {
    ScriptRun run;
    // Call attention chosen from box 1's list is played on the tapper and answered by the box;
    // two taps on its plunger 300 ms apart make train entering section.
    auto lines = Lines(run.Run("new 2 1\ntrace sounds on\nbell 1 1\nstep\ntap 1 300\nstep\n"));
    auto at = [&](const std::string& text) {
        return std::find(lines.begin(), lines.end(), text) - lines.begin();
    };
    auto count = static_cast<long>(lines.size());
    EXPECT_LT(at("sound: sndTapper.wav"), at("ring: 1 1"));
    EXPECT_LT(at("ring: 1 1"), count);
    EXPECT_LT(at("sound: sndTapper2.wav"), count);
    EXPECT_EQ(run.status, 0);
}

TEST(CommandWords, QuotedTextsKeepBlanksAndEscapedQuotes) {
    CommandWords words(R"(  "  2815" "say \"hi\" \\ there" bare "unclosed)");
    EXPECT_EQ(words.Text("a"), "  2815");
    EXPECT_EQ(words.Text("b"), R"(say "hi" \ there)");
    EXPECT_EQ(words.Text("c"), "bare");
    EXPECT_THROW(words.Text("d"), CommandRefused);
    CommandWords glued(R"("ab"cd)");
    EXPECT_THROW(glued.Text("e"), CommandRefused);
}

TEST(CommandWords, NumbersAreWholeDecimalsOnly) {
    EXPECT_EQ(ParseWholeNumber("-240"), -240);
    EXPECT_EQ(ParseWholeNumber("+7"), 7);
    for (const char* bad : {"", "-", "1.5", "0x10", "1e3", " 1", "1 ", "9999999999999"}) {
        EXPECT_FALSE(ParseWholeNumber(bad)) << bad;
    }
}

}  // namespace kv41
