// Legal positions of a tablebase, in the square layout of the index calculators, and the
// checks every calculator family runs over them.
//
// A position is legal when the kings stand apart and not next to each other, every man has
// a square of its own, pawns stand on ranks 2 to 7 and the side not to move is not in
// check. The checks call the calculator with no en-passant square.
#pragma once
#include <gtest/gtest.h>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include "tablebases/tbtypes.h"

namespace tbtest {

// The men of a table besides the kings, per colour and type 1..5.
struct TbMaterial {
  int rgcMen[2][6] = {};
  // From a table name such as "krpkn".
  static TbMaterial FromName(std::string_view szTable);
  bool FPawns() const { return rgcMen[0][1] + rgcMen[1][1] > 0; }
};

// Both square arrays in the calculator layout: slot 0 the king, slots 4t .. 4t+3 the men of
// type t. Unused slots hold XX.
struct TbPlacement {
  square rgsq[2][24];
};

// "e4" -> 28.
square SqFromName(std::string_view sz);
// Squares in the order of the table name: white king, white men, black king, black men;
// e.g. Place("krkp", "e1 a1 e8 c7").
TbPlacement Place(std::string_view szTable, std::string_view szSquares);
// "Ke1 Ra1 / Ke8 Pc7", for failure messages.
std::string SzPlacement(const TbPlacement& pl);

INDEX IndexOf(PfnCalcIndex pfn, const TbPlacement& pl, int fInvert = 0);
bool FLegal(const TbMaterial& mat, color stm, const TbPlacement& pl);

// Visits every legal position once (like men in ascending squares); the visitor returns
// false to stop. The second form keeps both kings on the given squares.
using PlacementVisitor = std::function<bool(const TbPlacement&)>;
void ForEachLegal(const TbMaterial& mat, color stm, const PlacementVisitor& visit);
void ForEachLegalWithKings(const TbMaterial& mat, color stm, square sqWk, square sqBk,
                           const PlacementVisitor& visit);

// Checks of a calculator against the position count of its side. Every check asks that
// each index lies below the count, that two positions with one index are images of each
// other under the symmetries the numbering uses (left-right mirror with pawns, all eight
// without), and, for a spread of positions, that every such image, the colour-exchanged
// form (fInvert = 1) and any order of like men give the same index. Without pawns, the
// images of a position whose kings share a long diagonal may take two indices, since the
// men are not reflected there.
//
// All positions (tables of up to five men); also asks that the largest index plus one is
// the count. Memory: four bytes per index.
testing::AssertionResult CheckAllPositions(PfnCalcIndex pfn, std::string_view szTable,
                                           color stm, INDEX cPositions);
// Every placement of the men beside one king pair.
testing::AssertionResult CheckKingPair(PfnCalcIndex pfn, std::string_view szTable, color stm,
                                       INDEX cPositions, square sqWk, square sqBk);
// Every placement of the men beside one king pair, without keeping the indices (so fit for
// six men): each index below the count, the invariance for a spread of them, and the largest
// index plus one equal to the count (meant for the side's last king pair).
testing::AssertionResult CheckLargestIndex(PfnCalcIndex pfn, std::string_view szTable,
                                           color stm, INDEX cPositions, square sqWk,
                                           square sqBk);
// Random legal positions over all king pairs, reproducible from the seed.
testing::AssertionResult CheckSampled(PfnCalcIndex pfn, std::string_view szTable, color stm,
                                      INDEX cPositions, int cSamples, uint64_t seed);

}  // namespace tbtest
