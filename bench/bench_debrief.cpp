// The shift explained: the debrief of a whole Marathon day played by the signalman, and a rewind
// to its last minute (the longest there is), from the session's record.
#include <benchmark/benchmark.h>

#include <sstream>

#include "console.h"
#include "debrief/debrief.h"
#include "debrief/replay_run.h"
#include "debrief/rewind.h"
#include "replay/replay_recorder.h"

namespace {

const std::string& MarathonRecord() {
    static const std::string record = [] {
        std::ostringstream out;
        kv41::Console console(out, 2);
        std::istringstream in("new 5 1\nauto on 1430\n");
        console.Run({&in});
        return kv41::SessionRecorder(console.Game())->Text();
    }();
    return record;
}

void BM_MarathonDebrief(benchmark::State& state) {
    const std::string& record = MarathonRecord();
    for (auto _ : state) benchmark::DoNotOptimize(kv41::BuildDebrief(record).EndPoints);
}
BENCHMARK(BM_MarathonDebrief)->Unit(benchmark::kMillisecond);

// The same day played by the signalman for the review's second curve.
void BM_MarathonSignalmansShift(benchmark::State& state) {
    const std::string& record = MarathonRecord();
    for (auto _ : state) benchmark::DoNotOptimize(kv41::SignalmansShift(record).EndPoints);
}
BENCHMARK(BM_MarathonSignalmansShift)->Unit(benchmark::kMillisecond);

// The game at 23.50 taken back to 23.49: the whole day played again.
void BM_MarathonRewind(benchmark::State& state) {
    const std::string& record = MarathonRecord();
    for (auto _ : state) {
        state.PauseTiming();
        std::ostringstream out;
        kv41::Console console(out, 2);
        std::istringstream in(record);
        console.Run({&in});
        state.ResumeTiming();
        benchmark::DoNotOptimize(kv41::RewindSession(console.Game(), 23 * 60 + 49).Done);
    }
}
BENCHMARK(BM_MarathonRewind)->Unit(benchmark::kMillisecond);

}  // namespace
