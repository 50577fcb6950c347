#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "block_fixture.h"
#include "input/player_input.h"
#include "replay/end_state.h"
#include "replay/replay_recorder.h"
#include "replay/replay_script.h"
#include "session/event_wait.h"

namespace kv41 {
namespace {

// The recorder told by the game's own waits as scripted input is taken.
struct Recording : ::testing::Test, testing::JunctionGame {
    ReplayRecorder recorder;

    Recording() {
        g.SoundOn = false;
        g.Recorder = &recorder;
        recorder.SessionStarted(g);
    }

    // The lines recorded after the start, with what is still open written out.
    std::vector<std::string> Inputs() {
        recorder.Finish(g);
        std::vector<std::string> lines;
        bool started = false;
        for (const std::string& line : recorder.Lines()) {
            if (line.starts_with("# end ")) break;
            if (started) lines.push_back(line);
            if (line.starts_with("option autosave")) started = true;
        }
        return lines;
    }

    void Queue(const std::string& line) {
        std::string held;
        ASSERT_GE(QueueReplayLine(g, line, testing::TestProgramDirectory(), held), 0) << line;
    }
    void Ticks(int n) {
        for (int i = 0; i < n; ++i) g.Inputs.Events.emplace_back();
    }
    void Play() {
        while (g.Inputs.Pending()) WaitForAction(g);
    }
};

TEST_F(Recording, InputsAreWrittenAsTheCommandsThatGiveThemAndTicksAsSteps) {
    Ticks(3);
    Queue("lever 21");
    Queue("click 30 10");
    Queue("bell 3 16");
    Queue("instrument 4");
    Play();
    Ticks(250);
    Play();
    EXPECT_EQ(Inputs(),
              (std::vector<std::string>{"step 3", "lever 21", "click 30 10", "bell 3 16",
                                        "instrument 4", "step 100", "step 100", "step 50"}));
}

TEST_F(Recording, ALeverConfirmedElsewhereIsTwoClicks) {
    Queue("click 22 27");
    Queue("click 40 27");
    Play();
    EXPECT_EQ(g.LeverNormal[21], 1);
    EXPECT_EQ(Inputs(), (std::vector<std::string>{"click 22 27", "click 40 27"}));
}

TEST_F(Recording, TappedCodesKeepTheirPausesAndHowTheyEnded) {
    Queue("tap 1 300 300 1200");  // ended by a click on nothing
    Queue("tap 3 300 then");      // ended by the lever's click
    Queue("lever 21");
    Queue("tap 4 400 2500 then");  // ended by a late beat
    Play();
    EXPECT_EQ(Inputs(), (std::vector<std::string>{"tap 1 300 300 1200", "tap 3 300 then",
                                                  "lever 21", "tap 4 400 2500 then"}));
    EXPECT_EQ(g.BoxBellSent[1], 3);
}

TEST_F(Recording, AnAnswerIsWrittenBeforeTheInputThatAsked) {
    g.LearningMode = true;
    Queue("answer no");
    Queue("tap 2 300");
    Play();
    EXPECT_EQ(Inputs(), (std::vector<std::string>{"answer no", "tap 2 300"}));
}

TEST_F(Recording, MenuCommandsAndOptionsAreRecordedWhenTheyAct) {
    Queue("rules LMR");
    Queue("option autoblock on");
    Queue("option autoblock on");  // no change, nothing to record
    Queue("pause");
    Queue("click 22 27");  // ignored while paused
    Queue("unpause");
    Queue("fast");
    Queue("key +");
    Play();
    EXPECT_EQ(Inputs(), (std::vector<std::string>{"rules LMR", "option autoblock on", "pause",
                                                  "unpause", "fast", "key +"}));
}

TEST_F(Recording, TheEndStateIsComparedLineByLine) {
    recorder.Finish(g);
    std::string text;
    for (const std::string& line : recorder.Lines()) text += line + "\n";
    std::vector<std::string> recorded = RecordedEndState(text);
    ASSERT_EQ(recorded, EndStateLines(g));
    EXPECT_EQ(recorded.size(), 7u + static_cast<std::size_t>(g.TrainCount));
    EXPECT_EQ(FirstDifference(recorded, EndStateLines(g)), "");
    g.LeverNormal[7] = 0;
    std::string difference = FirstDifference(recorded, EndStateLines(g));
    EXPECT_TRUE(difference.starts_with("recorded: levers 111111")) << difference;
    recorded.pop_back();
    g.LeverNormal[7] = 1;
    EXPECT_NE(FirstDifference(recorded, EndStateLines(g)).find("(nothing)"), std::string::npos);
}

TEST_F(Recording, ACopyHoldsWhatIsStillOpenAndTheStateOfNow) {
    Ticks(4);
    Queue("key +");
    Play();
    auto file = std::filesystem::path(testing::TestProgramDirectory()) / "copy.kv41";
    ASSERT_TRUE(recorder.SaveCopy(g, file.string()));
    std::ifstream in(file);
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_NE(text.find("\nstep 4\nkey +\n# end game "), std::string::npos);
    // The recording itself goes on.
    Ticks(1);
    Play();
    EXPECT_EQ(Inputs(), (std::vector<std::string>{"step 4", "key +", "step"}));
}

TEST(ReplayScript, ReadsTheStartAndQueuesInputLines) {
    ReplayScript script;
    EXPECT_FALSE(script.Read("# nothing\nstep 4\n"));
    ASSERT_TRUE(
        script.Read("# a\nseed 9\nposition \"12 x\"\nposition \"KV41\"\nresume "
                    "\"my \\\"own\\\".sav\"\nstep 2\n"));
    EXPECT_EQ(script.Seed, 9u);
    EXPECT_EQ(script.StartFile, "my \"own\".sav");
    EXPECT_EQ(script.StartText, "12 x\r\nKV41\r\n");
    EXPECT_EQ(script.Lines, std::vector<std::string>{"step 2"});

    testing::FreshGame fresh;
    std::string held;
    const std::string dir = testing::TestProgramDirectory();
    EXPECT_EQ(QueueReplayLine(fresh.g, "step 7", dir, held), 7);
    EXPECT_EQ(QueueReplayLine(fresh.g, "# end game", dir, held), -1);
    EXPECT_EQ(QueueReplayLine(fresh.g, "show game", dir, held), -1);
    EXPECT_EQ(QueueReplayLine(fresh.g, "tap 3 300 then", dir, held), 0);
    EXPECT_EQ(fresh.g.Inputs.Events.size(), 2u);  // no closing click
    EXPECT_EQ(fresh.g.Inputs.Events[1].AfterMs, 300);
}

}  // namespace
}  // namespace kv41
