// Index calculators of two men against two: the worked indices, like men in either order,
// the symmetric tables, mirror images of tables with pawns, the largest index of the sides
// of every shape and shortfall, and a sample of every side.
#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>
#include <string>
#include "support/tb_positions.h"
#include "support/tb_six_men.h"
#include "tablebases/tbcalc.h"
#include "tablebases/tbdesc.h"
#include "tablebases/tbframework.h"

namespace {

using namespace tbtest;

class CalcT33 : public testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(FBuildIndexTables()); }
};

// Squares in the order of the table name: white king, white men, black king, black men.
template <typename T>
INDEX IW(const char* szTable, const char* szSquares, int fInvert = 0, square sqEnP = XX) {
  TbPlacement pl = Place(szTable, szSquares);
  return T::IndCalcW(pl.rgsq[0], pl.rgsq[1], sqEnP, fInvert);
}
template <typename T>
INDEX IB(const char* szTable, const char* szSquares, int fInvert = 0, square sqEnP = XX) {
  TbPlacement pl = Place(szTable, szSquares);
  return T::IndCalcB(pl.rgsq[0], pl.rgsq[1], sqEnP, fInvert);
}

using Kqqkqq = T33<5, 5, 5, 5>;
using Kqrkrb = T33<5, 4, 4, 3>;
using Kbnkbn = T33<3, 2, 3, 2>;
using Kqrkqp = T33<5, 4, 5, 1>;
using Kqrkpp = T33<5, 4, 1, 1>;

TEST_F(CalcT33, LikeMenInEitherOrderAndSymmetricTable) {
  for (const char* sz : {"b1 c3 d6 g7 a8 h1", "b1 d6 c3 g7 a8 h1", "b1 c3 d6 g7 h1 a8"})
    EXPECT_EQ(IW<Kqqkqq>("kqqkqq", sz), 215505912u) << sz;
  EXPECT_EQ(IB<Kqqkqq>("kqqkqq", "g7 a8 h1 b1 c3 d6"), 215505912u);
  EXPECT_EQ(IB<Kqqkqq>("kqqkqq", "g7 h1 a8 b1 d6 c3"), 215505912u);
}

TEST_F(CalcT33, PawnlessTables) {
  EXPECT_EQ(IW<Kqrkrb>("kqrkrb", "c1 h2 g8 a3 d5 e4"), 1162891913u);
  EXPECT_EQ(IW<Kqrkrb>("kqrkrb", "a3 b8 h7 c1 e4 d5"), 1162891913u);  // diagonal mirror
  EXPECT_EQ(IB<Kqrkrb>("kqrkrb", "c1 h2 g8 a3 d5 e4"), 1238150038u);
  // Both kings on the long diagonal: the men are not reflected.
  EXPECT_EQ(IW<Kbnkbn>("kbnkbn", "a1 g8 h8 c3 h2 b8"), 156295420u);
  EXPECT_EQ(IW<Kbnkbn>("kbnkbn", "a1 h7 h8 c3 b8 h2"), 154959620u);
  // Neither the invert flag nor the en-passant square is read.
  EXPECT_EQ(IW<Kqrkrb>("kqrkrb", "c1 h2 g8 a3 d5 e4", 1, 20), 1162891913u);
  EXPECT_EQ(IB<Kqrkrb>("kqrkrb", "c1 h2 g8 a3 d5 e4", 1, 20), 1238150038u);
}

TEST_F(CalcT33, TablesWithPawnsAndTheirMirrorImages) {
  EXPECT_EQ(IW<Kqrkqp>("kqrkqp", "d1 a5 h8 f8 c8 e7"), 2123594843u);
  EXPECT_EQ(IW<Kqrkqp>("kqrkqp", "d8 a4 h1 f1 c1 e2", 1), 2123594843u);  // colours exchanged
  EXPECT_EQ(IW<Kqrkqp>("kqrkqp", "e1 h5 a8 c8 f8 d7"), 2123594843u);     // left to right
  EXPECT_EQ(IB<Kqrkqp>("kqrkqp", "d1 a5 h8 f8 c8 e7"), 1543705184u);
  EXPECT_EQ(IB<Kqrkqp>("kqrkqp", "d1 a5 h8 f8 c8 e7", 0, 44), 1543705184u);
  // Two black pawns: the lowest and the highest pawns' part of one Pair, in either order.
  EXPECT_EQ(IW<Kqrkpp>("kqrkpp", "d1 a5 h8 f8 a2 b2"), 845837568u);
  EXPECT_EQ(IW<Kqrkpp>("kqrkpp", "d1 a5 h8 f8 h7 g7"), 845838695u);
}

// Symmetric tables: black to move is white to move with the arrays exchanged.
TEST_F(CalcT33, SymmetricTablesExchangeTheArrays) {
  for (const TbSideCounts& tsc : rgtscTwoAgainstTwo) {
    const CTbDesc& tbd = rgtbdDesc[tsc.iTb];
    if (!(tbd.flags & fSymmetric)) continue;
    int cChecked = 0;
    ForEachLegalWithKings(TbMaterial::FromName(tsc.szName), 1, SqFromName("g6"), SqFromName("b2"),
                          [&](const TbPlacement& pl) {
                            INDEX iB = IndexOf(tbd.rgpfnIndCalc[1], pl);
                            INDEX iW = tbd.rgpfnIndCalc[0](pl.rgsq[1], pl.rgsq[0], XX, 0);
                            EXPECT_EQ(iB, iW) << tsc.szName << " " << SzPlacement(pl);
                            return iB == iW && ++cChecked < 20000;
                          });
    EXPECT_EQ(cChecked, 20000) << tsc.szName;
  }
}

// Every side through the descriptor table: a sample of positions below the count, and on
// the sides of every shape and every shortfall below the bound, every placement beside the
// last king pair, whose largest index plus one is the count.
TEST_F(CalcT33, EverySide) {
  static const char* const rgszShapes[] = {"knnknn", "kbnkbn", "krrkbn", "kqpkrb", "kqpkrr",
                                           "kqrkqp", "kqrkpp", "kqqkpp", "kbnknp"};
  for (const TbSideCounts& tsc : rgtscTwoAgainstTwo) {
    bool fLargest = std::any_of(std::begin(rgszShapes), std::end(rgszShapes),
                                [&](const char* sz) { return !std::strcmp(sz, tsc.szName); });
    for (color stm : {0, 1}) ExpectSide(tsc, stm, fLargest, 1500, 3);
  }
}

}  // namespace
