// What recording costs: a whole Marathon day run tick by tick through the game's loop as
// scripted input, once with the replay recorder listening and once without. The difference per
// tick is the recorder's cost in play.
#include <benchmark/benchmark.h>

#include <memory>

#include "game_state.h"
#include "headless_platform.h"
#include "replay/replay_recorder.h"
#include "session/main_loop.h"
#include "session/new_game.h"

namespace {

constexpr int MarathonTicks = 24 * 60 * 10;

void RunMarathon(benchmark::State& state, bool record) {
    for (auto _ : state) {
        auto g = std::make_unique<kv41::GameState>();
        kv41::HeadlessPlatform host(*g);
        host.Seed = 11;
        kv41::PrepareStartScreen(*g);
        kv41::ReplayRecorder recorder;  // in memory: the desktop's file adds one write a line
        if (record) g->Recorder = &recorder;
        kv41::SetUpNewGame(*g, 4, 0);
        for (int i = 0; i < MarathonTicks + 20; ++i) g->Inputs.Events.emplace_back();
        try {
            kv41::RunSession(*g);
        } catch (const kv41::ProgramEnd&) {
        }
        benchmark::DoNotOptimize(g->ClockNow);
    }
    state.counters["per_tick_us"] = benchmark::Counter(
        MarathonTicks, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void BM_MarathonDayScripted(benchmark::State& state) {
    RunMarathon(state, false);
}
void BM_MarathonDayScriptedRecorded(benchmark::State& state) {
    RunMarathon(state, true);
}

}  // namespace

BENCHMARK(BM_MarathonDayScripted)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MarathonDayScriptedRecorded)->Unit(benchmark::kMillisecond);
