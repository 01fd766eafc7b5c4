// Cost of one index of a table with pawns of both colours, over legal positions of one
// king pair, without and with an en-passant right.
#include <benchmark/benchmark.h>
#include <vector>
#include "support/tb_positions.h"
#include "tablebases/tbdesc.h"
#include "tablebases/tbframework.h"

namespace {

struct Sample {
  tbtest::TbPlacement pl;
  square sqEnP;
};

std::vector<Sample> Samples(const char* szTable, color stm, bool fEnPassant) {
  std::vector<Sample> rgs;
  tbtest::TbMaterial mat = tbtest::TbMaterial::FromName(szTable);
  square sqWk = tbtest::SqFromName(stm == 0 ? "c1" : "f7"), sqBk = tbtest::SqFromName(stm == 0 ? "f7" : "c1");
  size_t n = 0;
  auto fnKeep = [&](const tbtest::TbPlacement& pl, square sqEnP) {
    if (n++ % 7 == 0) rgs.push_back({pl, sqEnP});
    return rgs.size() < 4096;
  };
  tbtest::ForEachLegalWithKings(mat, stm, sqWk, sqBk, fEnPassant, fnKeep);
  return rgs;
}

// Arguments: iTb, side to move, en-passant right.
void BM_PawnsBothIndex(benchmark::State& state) {
  if (!FBuildIndexTables()) return state.SkipWithError("no memory for the index tables");
  const CTbDesc& tbd = rgtbdDesc[state.range(0)];
  color stm = color(state.range(1));
  PfnCalcIndex pfn = tbd.rgpfnIndCalc[stm];
  std::vector<Sample> rgs = Samples(tbd.szName, stm, state.range(2));
  if (rgs.empty()) return state.SkipWithError("no positions");
  size_t i = 0;
  for (auto _ : state) {
    const Sample& s = rgs[i++ % rgs.size()];
    benchmark::DoNotOptimize(pfn(s.pl.rgsq[0], s.pl.rgsq[1], s.sqEnP, 0));
  }
  state.SetLabel(std::string(tbd.szName) + (stm ? " btm" : " wtm") + (state.range(2) ? " ep" : ""));
}

// kpkp, kppkpp, kqpkrp, kpppkp, krbpkp.
BENCHMARK(BM_PawnsBothIndex)->ArgsProduct({{6, 201, 241, 346, 359}, {0, 1}, {0, 1}});

}  // namespace
