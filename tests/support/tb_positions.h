// Legal positions of a tablebase, in the square layout of the index calculators, and the
// checks every calculator family runs over them.
//
// A position is legal when the kings stand apart and not next to each other, every man has
// a square of its own, pawns stand on ranks 2 to 7 and the side not to move is not in
// check. It has an en-passant right when besides a pawn of the side not to move stands
// where a two-square advance ends, the two squares it passed are empty, and a pawn of the
// side to move stands beside it: a placement gives one such position per pawn that fits.
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

INDEX IndexOf(PfnCalcIndex pfn, const TbPlacement& pl, int fInvert = 0, square sqEnP = XX);
bool FLegal(const TbMaterial& mat, color stm, const TbPlacement& pl);

// Visits every legal position once (like men in ascending squares): those without an
// en-passant right (the visitor gets XX), or with fEnPassant those with one. The visitor
// returns false to stop. The second form keeps both kings on the given squares.
using PositionVisitor = std::function<bool(const TbPlacement&, square sqEnP)>;
void ForEachLegal(const TbMaterial& mat, color stm, bool fEnPassant,
                  const PositionVisitor& visit);
void ForEachLegalWithKings(const TbMaterial& mat, color stm, square sqWk, square sqBk,
                           bool fEnPassant, const PositionVisitor& visit);

// A side of a table and the indices its positions must take: [0, cEnd) for the positions
// without an en-passant right, or, when iFirstEnPassant is given, [iFirstEnPassant, cEnd)
// for those with one.
struct TbSide {
  PfnCalcIndex pfn;
  std::string_view szTable;
  color stm;
  INDEX cEnd;
  INDEX iFirstEnPassant = 0;
  bool FEnPassant() const { return iFirstEnPassant > 0; }
};

// Checks of a side's calculator. Each asks that every index lies in the side's range, that
// two positions with one index are images of each other under the symmetries the numbering
// uses (left-right mirror with pawns, all eight without), and, for a spread of positions,
// that every such image, the colour-exchanged form (fInvert = 1) and any order of like men
// give the same index. Without pawns, the images of a position whose kings share a long
// diagonal may take two indices, since the men are not reflected there.
//
// All positions (at most five squares for the kings, the men and an en-passant square);
// also asks that the largest index plus one is cEnd. Memory: four bytes per index.
testing::AssertionResult CheckAllPositions(const TbSide& side);
// Every position beside one king pair; with fLast also asks that the largest index plus one
// is cEnd (the pair is the side's last). Memory: eight bytes per position.
testing::AssertionResult CheckKingPair(const TbSide& side, square sqWk, square sqBk, bool fLast);
// Random legal positions over all king pairs, reproducible from the seed.
testing::AssertionResult CheckSampled(const TbSide& side, int cSamples, uint64_t seed);

}  // namespace tbtest
