// The probe road without table files: counter-tree lookup, and a whole probe from the
// engine's piece lists up to the (absent) cache.
#include <benchmark/benchmark.h>
#include "position/search_context.h"
#include "tablebases/tablebases.h"
#include "tablebases/tbcounters.h"
#include "tablebases/tbframework.h"

namespace {

char szFile[] = "none";

void RegisterAll() {
  static bool fDone = false;
  if (fDone) return;
  fDone = true;
  FBuildIndexTables();
  FBuildCounterTree();
  for (int iTb = 1; iTb <= cTb; iTb++) {
    FRegisterTb(&rgtbdDesc[iTb]);
    rgtbdDesc[iTb].rgszExtentName[0][0] = szFile;
    rgtbdDesc[iTb].rgszExtentName[1][0] = szFile;
  }
}

void BM_CounterLookup(benchmark::State& state) {
  RegisterAll();
  int rgc[cCounters] = {1, 0, 0, 1, 1, 0, 0, 0, 1, 0};  // kqrpkr
  for (auto _ : state) {
    rgc[0] ^= 1;
    benchmark::DoNotOptimize(ITbFindFromCounters(rgc));
  }
}
BENCHMARK(BM_CounterLookup);

void BM_ProbeTablebase(benchmark::State& state) {
  RegisterAll();
  SearchContext context{};
  const Square rgWhite[] = {5, 4, 1, 10, 0}, rgBlack[] = {61, 58, 0};
  const PieceCode rgpcWhite[] = {King, Queen, Rook, Pawn}, rgpcBlack[] = {King, Rook};
  for (int i = 0; rgWhite[i]; i++) {
    context.PieceList[0][i] = rgWhite[i];
    context.Board[rgWhite[i]] = rgpcWhite[i];
  }
  for (int i = 0; rgBlack[i]; i++) {
    context.PieceList[1][i] = rgBlack[i];
    context.Board[rgBlack[i]] = rgpcBlack[i] | BlackBit;
  }
  int side = 0;
  for (auto _ : state) {
    side ^= 1;
    benchmark::DoNotOptimize(ProbeTablebase(context, context.Board, side, 0));
  }
}
BENCHMARK(BM_ProbeTablebase);

}  // namespace
