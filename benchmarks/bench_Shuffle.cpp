// One frame of the shuffle animation: every exchange step it does before the
// frame is painted. It must stay well below a display frame.
#include "core/engine/Shuffle.h"
#include "core/util/RandomGenerator.h"

#include <benchmark/benchmark.h>

namespace {

void shuffleFrame(benchmark::State &state)
{
    const bool useReverse = state.range(0) != 0;
    RandomGenerator random;
    random.seed(1);
    Deck::Slots cards;
    for (int slot = 0; slot < 78; ++slot)
        cards[slot].number = quint32(slot);
    for (auto _ : state) {
        Shuffle::frame(cards, 78, useReverse, random);
        benchmark::DoNotOptimize(cards);
    }
    state.counters["steps"] = Shuffle::stepsPerFrame(useReverse);
}

} // namespace

BENCHMARK(shuffleFrame)->Arg(0)->Arg(1)->ArgNames({"reversals"})->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
