// The story alone on the headless window: how fast its handlers run, and the explorer's full walk.
#include <benchmark/benchmark.h>

#include <cstdint>

#include "engine/story.h"
#include "headless/recording_reporter.h"
#include "memory/memory_form.h"
#include "tests/support/story_cases.h"
#include "tools/explore/explorer.h"

namespace {

using namespace tolm;

// How many steps the handlers of one game hold, start-up included.
std::int64_t stepsOf(const testing::Playthrough& p) {
    std::int64_t steps = static_cast<std::int64_t>(engine::handlerFor(engine::kFormLoad)->count);
    for (const auto& step : p.steps)
        if (const engine::Handler* h = engine::handlerFor(engine::click(step.first)))
            steps += static_cast<std::int64_t>(h->count);
    return steps;
}

// Every playthrough from start-up to its ending, each on a new headless window as a game starts.
void Playthroughs(benchmark::State& state) {
    const auto games = testing::playthroughs();
    std::int64_t steps = 0;
    std::int64_t handlers = 0;
    for (const auto& p : games) {
        steps += stepsOf(p);
        handlers += static_cast<std::int64_t>(p.steps.size()) + 1;
    }
    for (auto _ : state) {
        for (const auto& p : games) {
            headless::RecordingReporter reporter;
            memory::MemoryForm form(reporter);
            engine::raise(form, engine::kFormLoad);
            for (const auto& step : p.steps) engine::raise(form, engine::click(step.first));
            benchmark::DoNotOptimize(form.purse());
        }
    }
    state.counters["steps"] =
        benchmark::Counter(static_cast<double>(steps), benchmark::Counter::kIsIterationInvariantRate);
    state.counters["handlers"] =
        benchmark::Counter(static_cast<double>(handlers), benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(Playthroughs)->Unit(benchmark::kMicrosecond);

// Every state the story can reach, with every move from each.
void FullExploration(benchmark::State& state) {
    std::size_t states = 0;
    for (auto _ : state) {
        const explore::Exploration e = explore::explore();
        states = e.states.size();
        benchmark::DoNotOptimize(states);
    }
    state.counters["states"] = static_cast<double>(states);
}
BENCHMARK(FullExploration)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
