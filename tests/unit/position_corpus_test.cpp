// Saved positions kept with the tests, made by the game's own Save As in shifts played by the
// soak's random player: every shift under every rule book, taken well into the shift with
// trains in the area and the yard and sidings in use. Each must load into a fresh program and
// write back byte for byte, so that no change to the game breaks the files players have saved.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <utility>

#include "position_fixture.h"
#include "running/simulation_step.h"

namespace kv41 {
namespace {

using testing::ReadFileText;
using testing::StartedProgram;

TEST(PositionCorpus, EverySavedPositionLoadsAndWritesBackByteForByte) {
    std::set<std::pair<int, int>> shiftsAndRules;
    int busy = 0;
    for (const auto& entry : std::filesystem::directory_iterator(KV41_POSITION_CORPUS)) {
        SCOPED_TRACE(entry.path().filename().string());
        const std::string text = ReadFileText(entry.path().string());
        StartedProgram program(3);
        ASSERT_EQ(ReadPosition(program.g, text), LoadOutcome::Loaded);
        EXPECT_EQ(PositionText(program.g), text);
        GameState& g = program.g;
        shiftsAndRules.insert({g.ShiftNumber, static_cast<int>(g.Rules)});
        EXPECT_GE(g.TrainsInArea, 1);
        if (g.SectTrain[18] != 0 || g.SectTrain[19] != 0 || g.SectTrain[20] != 0) ++busy;
        // And the game goes on from it.
        g.SessionRunning = true;
        for (int step = 0; step < 100; ++step) SimulationStep(g);
        EXPECT_TRUE(CheckInvariants(g).empty());
    }
    EXPECT_EQ(shiftsAndRules.size(), 15u);
    EXPECT_GE(busy, 10);
}

}  // namespace
}  // namespace kv41
