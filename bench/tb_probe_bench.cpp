// Probe costs: a whole probe that hits the chunk cache, one that misses and reads a plain
// file, the cache lookup alone, and the index calculation alone.
#include <benchmark/benchmark.h>
#include <vector>
#include "support/tb_writer.h"
#include "tablebases/tbcache.h"
#include "tablebases/tbdesc.h"
#include "tablebases/tbfiles.h"
#include "tablebases/tbprobe.h"

namespace {

constexpr int iTbKqk = 5;

// Both sides of kqk written with a value pattern and registered; cSlots cache slots.
class CProbeSetup {
 public:
  explicit CProbeSetup(unsigned cSlots) : rgbCache(cSlots * cbTbSlot) {
    FWriteTbSide(dir.Path(), iTbKqk, 0, TbtPattern);
    FWriteTbSide(dir.Path(), iTbKqk, 1, TbtPattern);
    ITbInit(dir.Path().c_str(), 1024);
    FSetTbCache(rgbCache.data(), rgbCache.size());
  }
  ~CProbeSetup() {
    FSetTbCache(nullptr, 0);
    VTbRelease();
  }

 private:
  CTempDir dir;
  std::vector<unsigned char> rgbCache;
};

// King and queen against king, white to move.
bool FProbeKqk(square sqWhiteKing, square sqBlackKing, square sqQueen, int* piScore) {
  static const int rgc[10] = {0, 0, 0, 0, 1};
  square rgsqW[24] = {sqWhiteKing}, rgsqB[24] = {sqBlackKing};
  rgsqW[20] = sqQueen;
  return FTbProbe(rgc, rgsqW, rgsqB, 0, 0, piScore);
}

void BM_ProbeCacheHit(benchmark::State& state) {
  CProbeSetup setup(8);
  int s = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(FProbeKqk(0, 63, 18, &s));
    benchmark::DoNotOptimize(s);
  }
}
BENCHMARK(BM_ProbeCacheHit);

// One slot, and king pairs whose indices lie in the first and the last chunk: every probe
// evicts the slot and reads from the file.
void BM_ProbeCacheMissPlainRead(benchmark::State& state) {
  CProbeSetup setup(1);
  int s = 0;
  bool fFirst = true;
  for (auto _ : state) {
    benchmark::DoNotOptimize(fFirst ? FProbeKqk(0, 2, 40, &s) : FProbeKqk(27, 63, 8, &s));
    fFirst = !fFirst;
  }
}
BENCHMARK(BM_ProbeCacheMissPlainRead);

void BM_ChunkCacheHit(benchmark::State& state) {
  CProbeSetup setup(8);
  unsigned offset = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(TbtProbeTable(iTbKqk, 0, 1, offset));
    offset = (offset + 97) % cbTbChunk;
  }
}
BENCHMARK(BM_ChunkCacheHit);

// kqk with white to move over many king and queen placements.
void BM_IndexCalculation(benchmark::State& state) {
  CProbeSetup setup(1);
  PfnCalcIndex pfn = rgtbdDesc[iTbKqk].rgpfnIndCalc[0];
  square rgsqW[24] = {}, rgsqB[24] = {};
  int i = 0;
  for (auto _ : state) {
    rgsqW[0] = i % 64;
    rgsqB[0] = (i / 64 + 27) % 64;
    rgsqW[20] = (i * 7 + 13) % 64;
    benchmark::DoNotOptimize(pfn(rgsqW, rgsqB, XX, 0));
    i = (i + 1) % 4096;
  }
}
BENCHMARK(BM_IndexCalculation);

}  // namespace
