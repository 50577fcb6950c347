// How long the automatic signalman takes: one decision with a busy junction, and a whole
// Marathon day played by him in the console, headless.
#include <benchmark/benchmark.h>

#include <sstream>
#include <string>

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

// At 19.32 on a Late shift: a goods off the branch, put aside in Down Siding No. 1 for the late
// 19.31 express, is judged afresh for each route and offer he looks at.
void BM_SignalmanDecisionWithGoodsAside(benchmark::State& state) {
    std::ostringstream out;
    kv41::Console console(out, 7);
    std::string script = "new 3 3\n";
    for (int line = 1; line <= 5; ++line)
        for (int e = 0; e <= 3; ++e) {
            int row = line == 1 && e <= 1 ? 139 : line == 2 && (e == 0 || e == 3) ? 141 : 0;
            script += "set LineTrains " + std::to_string(line) + " " + std::to_string(e) + " " +
                      std::to_string(row) + "\n";
        }
    script += "set TrainLate 141 0\nset TrainLate 139 15\nset ClockNow 1160\nauto on 12\n";
    Play(console, script.c_str());
    const kv41::GameState& g = console.Game();
    for (auto _ : state) benchmark::DoNotOptimize(kv41::NextSignalmanMove(g));
}
BENCHMARK(BM_SignalmanDecisionWithGoodsAside);

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
