// How long the automatic signalman takes: one decision with a busy junction, and a whole
// Marathon day played by him in the console, headless.
#include <benchmark/benchmark.h>

#include <sstream>

#include "console.h"
#include "signalman/signalman.h"

namespace {

void Play(kv41::Console& console, const char* script) {
    std::istringstream in(script);
    console.Run({&in});
}

// At 10.30 on an Early shift with seed 2: trains on every line, routes set, offers waiting.
void BM_SignalmanDecision(benchmark::State& state) {
    std::ostringstream out;
    kv41::Console console(out, 2);
    Play(console, "new 2 1\nauto on 270\n");
    const kv41::GameState& g = console.Game();
    for (auto _ : state) benchmark::DoNotOptimize(kv41::NextSignalmanMove(g));
}
BENCHMARK(BM_SignalmanDecision);

void BM_MarathonDayWithSignalman(benchmark::State& state) {
    for (auto _ : state) {
        std::ostringstream out;
        kv41::Console console(out, 2);
        Play(console, "new 5 1\nauto on\n");
        benchmark::DoNotOptimize(console.Game().Points);
    }
}
BENCHMARK(BM_MarathonDayWithSignalman)->Unit(benchmark::kMillisecond);

}  // namespace
