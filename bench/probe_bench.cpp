// Probe costs over written kqk files: the counter-tree lookup, a whole probe from the
// engine's position that hits the chunk cache, and the cache lookup alone. Cache misses
// (plain and compressed reads) are measured in decode_bench.
#include <benchmark/benchmark.h>
#include "position/fen.h"
#include "support/tb_writer.h"
#include "tablebases/tablebases.h"
#include "tablebases/tbcache.h"
#include "tablebases/tbcounters.h"
#include "tablebases/tbfiles.h"

namespace {

constexpr int iTbKqk = 5;

// Both sides of kqk written with a value pattern and registered, with a 1 MB cache.
class CProbeSetup {
 public:
  CProbeSetup() {
    FWriteTbSide(dir.Path(), iTbKqk, 0, TbtPattern);
    FWriteTbSide(dir.Path(), iTbKqk, 1, TbtPattern);
    ITbInit(dir.Path().c_str(), 1024);
  }
  ~CProbeSetup() { VTbRelease(); }

 private:
  CTempDir dir;
};

void BM_CounterLookup(benchmark::State& state) {
  CProbeSetup setup;
  int rgc[cCounters] = {0, 0, 0, 0, 1, 0, 0, 0, 0, 0};  // kqk
  for (auto _ : state) {
    rgc[5] ^= 1;  // and kqkp
    benchmark::DoNotOptimize(ITbFindFromCounters(rgc));
  }
}
BENCHMARK(BM_CounterLookup);

// ProbeTablebase as the search calls it, both sides to move in turn.
void BM_ProbeCacheHit(benchmark::State& state) {
  CProbeSetup setup;
  SearchContext rgContext[2];
  if (SetupFen(rgContext[0], "8/8/8/3k4/8/2Q5/8/K7 w - - 0 1") ||
      SetupFen(rgContext[1], "8/8/8/3k4/8/2Q5/8/K7 b - - 0 1"))
    return state.SkipWithError("bad FEN");
  int i = 0;
  for (auto _ : state) {
    const SearchContext& context = rgContext[i ^= 1];
    int score = ProbeTablebase(context, context.Board, context.Side, 0);
    if (score == NoTablebaseValue) return state.SkipWithError("no value");
    benchmark::DoNotOptimize(score);
  }
}
BENCHMARK(BM_ProbeCacheHit);

void BM_ChunkCacheHit(benchmark::State& state) {
  CProbeSetup setup;
  unsigned offset = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(TbtProbeTable(iTbKqk, 0, 1, offset));
    offset = (offset + 97) % cbTbChunk;
  }
}
BENCHMARK(BM_ChunkCacheHit);

}  // namespace
