// How long the start screen takes to prepare: reset, engines, layout, timetable.
#include <benchmark/benchmark.h>

#include <memory>

#include "game_state.h"
#include "headless_platform.h"
#include "session/main_loop.h"

static void BM_PrepareStartScreen(benchmark::State& state) {
    for (auto _ : state) {
        auto g = std::make_unique<kv41::GameState>();
        kv41::HeadlessPlatform host(*g);
        g->Random.Seed = 7;
        kv41::PrepareStartScreen(*g);
        benchmark::DoNotOptimize(g->TrainCount);
    }
}
BENCHMARK(BM_PrepareStartScreen);
