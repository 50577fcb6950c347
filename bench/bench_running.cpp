// How long the simulation step takes: one step with a dozen trains running in the area, and a
// whole Marathon day stepped headless with the main-line trains let through.
#include <benchmark/benchmark.h>

#include <memory>

#include "../tests/unit/auto_signalman.h"
#include "game_state.h"
#include "headless_platform.h"
#include "running/simulation_step.h"
#include "session/main_loop.h"

namespace {

using kv41::GameState;

struct Game {
    std::unique_ptr<GameState> g = std::make_unique<GameState>();
    kv41::HeadlessPlatform host{*g};

    explicit Game(uint32_t seed) {
        host.Seed = seed;
        kv41::PrepareStartScreen(*g);
        // The panel is up, so that each step draws the lamps that changed.
        g->SessionRunning = true;
        g->PaintEnabled = true;
    }
};

// A dozen timetabled trains put on the track at 08.00, most on long sections and running, some
// braking for signals at danger, one standing.
void FillArea(GameState& g) {
    struct Placing {
        int Sect, ToGo, Speed;
    };
    constexpr Placing placings[] = {{29, 4000, 50}, {27, 4200, 35}, {16, 4300, 55}, {4, 2400, 30},
                                    {42, 2400, 15}, {39, 1100, 40}, {1, 400, 40},   {30, 700, 17},
                                    {26, 650, 25},  {14, 600, 40},  {2, 300, 30},   {5, 0, 0}};
    int placed = 0;
    for (int t = 1; t <= g.TrainCount && placed < 12; ++t) {
        if (g.TrainState[t] != kv41::TrainBooked && g.TrainState[t] != kv41::TrainReported) {
            continue;
        }
        const Placing& p = placings[placed++];
        g.TrainState[t] = kv41::TrainRunning;
        g.TrainSect[t] = p.Sect;
        g.TrainToGo[t] = p.ToGo;
        g.TrainSpeed[t] = p.Speed;
        g.SectTrain[p.Sect] = t;
        ++g.TrainsInArea;
    }
}

void BM_StepWithBusyArea(benchmark::State& state) {
    Game game(7);
    GameState& g = *game.g;
    kv41::SetUpNewGame(g, 4, 0);
    g.ClockNow = 480;
    FillArea(g);
    auto start = std::make_unique<GameState>(g);
    // Every 20 steps the trains are put back where they started, so that every measured step
    // has the area just as busy.
    int sinceReset = 0;
    for (auto _ : state) {
        if (++sinceReset == 20) {
            state.PauseTiming();
            g = *start;
            game.host.Transcript.clear();
            sinceReset = 0;
            state.ResumeTiming();
        }
        kv41::SimulationStep(g);
    }
    benchmark::DoNotOptimize(g.TrainToGo);
}
BENCHMARK(BM_StepWithBusyArea);

void BM_MarathonDay(benchmark::State& state) {
    int steps = 0;
    for (auto _ : state) {
        state.PauseTiming();
        Game game(11);
        GameState& g = *game.g;
        kv41::testing::AutoSignalman::SetUpDay(g);
        steps = 0;
        state.ResumeTiming();
        while (!g.EndRequested) {
            kv41::testing::AutoSignalman::BeforeStep(g);
            kv41::SimulationStep(g);
            ++steps;
        }
        benchmark::DoNotOptimize(g.Points);
    }
    state.counters["steps"] = steps;
}
BENCHMARK(BM_MarathonDay)->Unit(benchmark::kMillisecond);

}  // namespace
