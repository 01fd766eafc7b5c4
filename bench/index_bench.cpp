// Cost of one index calculation: random placements of the men over all king pairs, and for
// tables with pawns of both colours, legal positions with an en-passant right.
#include <benchmark/benchmark.h>
#include <random>
#include <string>
#include <vector>
#include "support/tb_positions.h"
#include "tablebases/tbdesc.h"
#include "tablebases/tbframework.h"

namespace {

struct Sample {
  tbtest::TbPlacement pl;
  square sqEnP;
};

constexpr size_t cSamples = 4096;

// Kings apart, every man on a square of its own, pawns on ranks 2 to 7: enough for the
// calculators, which need no legal position.
std::vector<Sample> RandomPlacements(const char* szTable) {
  const tbtest::TbMaterial mat = tbtest::TbMaterial::FromName(szTable);
  std::mt19937 rng(12345);
  std::vector<Sample> rgs(cSamples);
  for (Sample& s : rgs) {
    square(&rgsq)[2][24] = s.pl.rgsq;
    uint64_t bbOcc;
    do {
      rgsq[0][0] = rng() % 64, rgsq[1][0] = rng() % 64;
      bbOcc = FKingsApart(rgsq[0][0], rgsq[1][0]) ? (1ull << rgsq[0][0]) | (1ull << rgsq[1][0]) : 0;
    } while (!bbOcc);
    for (color c = 0; c < 2; c++) {
      for (int t = x_piecePawn; t <= x_pieceQueen; t++) {
        for (int k = 0; k < mat.rgcMen[c][t]; k++) {
          square sq;
          do sq = t == x_piecePawn ? 8 + rng() % 48 : rng() % 64;
          while (bbOcc & (1ull << sq));
          bbOcc |= 1ull << sq;
          rgsq[c][4 * t + k] = sq;
        }
      }
    }
    s.sqEnP = XX;
  }
  return rgs;
}

// Every seventh legal position with an en-passant right beside one king pair.
std::vector<Sample> EnPassantPositions(const char* szTable, color stm) {
  std::vector<Sample> rgs;
  const tbtest::TbMaterial mat = tbtest::TbMaterial::FromName(szTable);
  const square sqWk = tbtest::SqFromName(stm == 0 ? "c1" : "f7");
  const square sqBk = tbtest::SqFromName(stm == 0 ? "f7" : "c1");
  size_t n = 0;
  tbtest::ForEachLegalWithKings(mat, stm, sqWk, sqBk, true,
                                [&](const tbtest::TbPlacement& pl, square sqEnP) {
                                  if (n++ % 7 == 0) rgs.push_back({pl, sqEnP});
                                  return rgs.size() < cSamples;
                                });
  return rgs;
}

void RunIndex(benchmark::State& state, bool fEnPassant) {
  if (!FBuildIndexTables()) return state.SkipWithError("no memory for the index tables");
  const CTbDesc& tbd = rgtbdDesc[state.range(0)];
  const color stm = color(state.range(1));
  const PfnCalcIndex pfn = tbd.rgpfnIndCalc[stm];
  const std::vector<Sample> rgs =
      fEnPassant ? EnPassantPositions(tbd.szName, stm) : RandomPlacements(tbd.szName);
  if (rgs.empty()) return state.SkipWithError("no positions");
  size_t i = 0;
  for (auto _ : state) {
    const Sample& s = rgs[i++ % rgs.size()];
    benchmark::DoNotOptimize(pfn(s.pl.rgsq[0], s.pl.rgsq[1], s.sqEnP, 0));
  }
  state.SetLabel(std::string(tbd.szName) + (stm ? " btm" : " wtm"));
}

// Arguments: iTb, side to move.
void BM_Index(benchmark::State& state) { RunIndex(state, false); }
void BM_IndexEnPassant(benchmark::State& state) { RunIndex(state, true); }

// kpk, kqk, knkp, krkb; with pawns of both colours kpkp, kppkpp, kqpkrp, kpppkp, krbpkp.
BENCHMARK(BM_Index)->ArgsProduct({{1, 5, 7, 14, 6, 201, 241, 346, 359}, {0, 1}});
BENCHMARK(BM_IndexEnPassant)->ArgsProduct({{6, 201, 241, 346, 359}, {0, 1}});

}  // namespace
