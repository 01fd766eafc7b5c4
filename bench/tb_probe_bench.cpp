// Probe costs: a chunk-cache hit, a miss that reads a plain file, and the index
// calculation alone.
#include <benchmark/benchmark.h>
#include <vector>
#include "support/tb_state.h"
#include "support/tb_writer.h"
#include "tablebases/tbcache.h"
#include "tablebases/tbdesc.h"
#include "tablebases/tbfiles.h"
#include "tablebases/tbframework.h"

namespace {

constexpr int iTbKqk = 5;
constexpr INDEX cChunks = 64;

// A plain side of kqk with 64 chunks in a temporary directory, and a cache of cSlots.
class CProbeSetup {
 public:
  explicit CProbeSetup(unsigned cSlots) : rgbCache(cSlots * cbTbSlot) {
    ITbInit(nullptr, 1024);
    guard.SetPositions(iTbKqk, cChunks * cbTbChunk, 0);
    FWriteTbSide(dir.Path(), iTbKqk, 0, TbtPattern);
    FSetTbCache(rgbCache.data(), rgbCache.size());
    VAttachTbExtent(iTbKqk, 0, 0, TbExtentPath(dir.Path(), iTbKqk, 0, 0).c_str());
  }
  ~CProbeSetup() {
    VDetachAllTbFiles();
    FSetTbCache(nullptr, 0);
    VTbRelease();
  }

 private:
  CTempDir dir;
  CTbDescGuard guard;
  std::vector<unsigned char> rgbCache;
};

void BM_ProbeCacheHit(benchmark::State& state) {
  CProbeSetup setup(8);
  unsigned offset = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(TbtProbeTable(iTbKqk, 0, 3, offset));
    offset = (offset + 97) % cbTbChunk;
  }
}
BENCHMARK(BM_ProbeCacheHit);

// One slot and alternating chunks: every probe evicts and reads 8192 bytes.
void BM_ProbeCacheMissPlainRead(benchmark::State& state) {
  CProbeSetup setup(1);
  INDEX chunk = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(TbtProbeTable(iTbKqk, 0, chunk, 5));
    chunk = (chunk + 1) % cChunks;
  }
}
BENCHMARK(BM_ProbeCacheMissPlainRead);

// kqk with white to move over many king and queen placements.
void BM_IndexCalculation(benchmark::State& state) {
  FBuildIndexTables();
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
