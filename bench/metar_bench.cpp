// The METAR decoder over the whole real corpus (31,000 reports): reports per second.
#include "benchdata.h"

#include "surface/metardecoder.h"

#include <benchmark/benchmark.h>

namespace brisalta::bench {
namespace {

void MetarDecoder_Corpus(benchmark::State& state) {
    const auto& corpus = metarCorpus();
    for (auto _ : state) {
        for (const auto& words : corpus) {
            MetarResult result = MetarDecoder::decodeGroups(words, words.size(), 2);
            benchmark::DoNotOptimize(result);
        }
    }
    state.SetItemsProcessed(static_cast<std::int64_t>(state.iterations() * corpus.size()));
}
BENCHMARK(MetarDecoder_Corpus)->Unit(benchmark::kMillisecond);

} // namespace
} // namespace brisalta::bench
