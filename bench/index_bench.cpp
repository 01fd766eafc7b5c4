// Cost of one index calculation, over a spread of placements of a few tables.
#include <benchmark/benchmark.h>
#include <random>
#include <vector>
#include "tablebases/tbdesc.h"
#include "tablebases/tbframework.h"

namespace {

struct Placement {
  square rgsqW[24], rgsqB[24];
};

// Kings apart and men on free squares (pawns on ranks 2 to 7): enough for a valid king pair.
std::vector<Placement> Placements(const char* szTable) {
  std::mt19937 rng(12345);
  std::vector<Placement> rgpl(4096);
  for (Placement& pl : rgpl) {
    uint64_t bbOcc;
    do {
      pl.rgsqW[0] = rng() % 64, pl.rgsqB[0] = rng() % 64;
      int df = (pl.rgsqW[0] & 7) - (pl.rgsqB[0] & 7), dr = (pl.rgsqW[0] >> 3) - (pl.rgsqB[0] >> 3);
      bbOcc = df * df > 1 || dr * dr > 1 ? (1ull << pl.rgsqW[0]) | (1ull << pl.rgsqB[0]) : 0;
    } while (!bbOcc);
    int rgcPlaced[2][6] = {}, c = -1;
    for (const char* pch = szTable; *pch; pch++) {
      if (*pch == 'k') {
        c++;
        continue;
      }
      int t = *pch == 'p' ? 1 : *pch == 'n' ? 2 : *pch == 'b' ? 3 : *pch == 'r' ? 4 : 5;
      square sq;
      do sq = t == 1 ? 8 + rng() % 48 : rng() % 64;
      while (bbOcc & (1ull << sq));
      bbOcc |= 1ull << sq;
      (c ? pl.rgsqB : pl.rgsqW)[4 * t + rgcPlaced[c][t]++] = sq;
    }
  }
  return rgpl;
}

void BM_Index(benchmark::State& state) {
  if (!FBuildIndexTables()) return state.SkipWithError("no memory for the index tables");
  const CTbDesc& tbd = rgtbdDesc[state.range(0)];
  PfnCalcIndex pfn = tbd.rgpfnIndCalc[state.range(1)];
  std::vector<Placement> rgpl = Placements(tbd.szName);
  size_t i = 0;
  for (auto _ : state) {
    const Placement& pl = rgpl[i++ & 4095];
    benchmark::DoNotOptimize(pfn(pl.rgsqW, pl.rgsqB, XX, 0));
  }
  state.SetLabel(std::string(tbd.szName) + (state.range(1) ? " btm" : " wtm"));
}

// kpk, kqk, knkp, krkb, each side to move.
BENCHMARK(BM_Index)->ArgsProduct({{1, 5, 7, 14}, {0, 1}});

}  // namespace
