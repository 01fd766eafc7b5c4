// Index calculators of two men against two: the worked indices, like men in either order,
// the symmetric tables, and mirror images of tables with pawns.
#include <gtest/gtest.h>
#include "support/tb_counts.h"
#include "support/tb_positions.h"
#include "tablebases/tbdesc.h"

namespace {

using namespace tbtest;
using CalcT33 = CalcTest;

TEST_F(CalcT33, LikeMenInEitherOrderAndSymmetricTable) {
  for (const char* sz : {"b1 c3 d6 g7 a8 h1", "b1 d6 c3 g7 a8 h1", "b1 c3 d6 g7 h1 a8"})
    EXPECT_EQ(IndexIn("kqqkqq", 0, sz), 215505912u) << sz;
  EXPECT_EQ(IndexIn("kqqkqq", 1, "g7 a8 h1 b1 c3 d6"), 215505912u);
  EXPECT_EQ(IndexIn("kqqkqq", 1, "g7 h1 a8 b1 d6 c3"), 215505912u);
}

TEST_F(CalcT33, PawnlessTables) {
  EXPECT_EQ(IndexIn("kqrkrb", 0, "c1 h2 g8 a3 d5 e4"), 1162891913u);
  EXPECT_EQ(IndexIn("kqrkrb", 0, "a3 b8 h7 c1 e4 d5"), 1162891913u);  // diagonal mirror
  EXPECT_EQ(IndexIn("kqrkrb", 1, "c1 h2 g8 a3 d5 e4"), 1238150038u);
  // Both kings on the long diagonal: the men are not reflected.
  EXPECT_EQ(IndexIn("kbnkbn", 0, "a1 g8 h8 c3 h2 b8"), 156295420u);
  EXPECT_EQ(IndexIn("kbnkbn", 0, "a1 h7 h8 c3 b8 h2"), 154959620u);
  // Neither the invert flag nor the en-passant square is read.
  EXPECT_EQ(IndexIn("kqrkrb", 0, "c1 h2 g8 a3 d5 e4", 1, 20), 1162891913u);
  EXPECT_EQ(IndexIn("kqrkrb", 1, "c1 h2 g8 a3 d5 e4", 1, 20), 1238150038u);
}

TEST_F(CalcT33, TablesWithPawnsAndTheirMirrorImages) {
  EXPECT_EQ(IndexIn("kqrkqp", 0, "d1 a5 h8 f8 c8 e7"), 2123594843u);
  EXPECT_EQ(IndexIn("kqrkqp", 0, "d8 a4 h1 f1 c1 e2", 1), 2123594843u);  // colours exchanged
  EXPECT_EQ(IndexIn("kqrkqp", 0, "e1 h5 a8 c8 f8 d7"), 2123594843u);     // left to right
  EXPECT_EQ(IndexIn("kqrkqp", 1, "d1 a5 h8 f8 c8 e7"), 1543705184u);
  EXPECT_EQ(IndexIn("kqrkqp", 1, "d1 a5 h8 f8 c8 e7", 0, 44), 1543705184u);
  // Two black pawns: the lowest and the highest pawns' part of one Pair, in either order.
  EXPECT_EQ(IndexIn("kqrkpp", 0, "d1 a5 h8 f8 a2 b2"), 845837568u);
  EXPECT_EQ(IndexIn("kqrkpp", 0, "d1 a5 h8 f8 h7 g7"), 845838695u);
}

// Symmetric tables: black to move is white to move with the arrays exchanged.
TEST_F(CalcT33, SymmetricTablesExchangeTheArrays) {
  for (const TbSideCounts& tsc : rgtscT33) {
    const CTbDesc& tbd = rgtbdDesc[tsc.iTb];
    if (!(tbd.flags & fSymmetric)) continue;
    int cChecked = 0;
    TbMaterial mat = TbMaterial::FromName(tsc.szName);
    ForEachLegalWithKings(mat, 1, SqFromName("g6"), SqFromName("b2"), false,
                          [&](const TbPlacement& pl, square) {
                            INDEX iB = IndexOf(tbd.rgpfnIndCalc[1], pl);
                            INDEX iW = tbd.rgpfnIndCalc[0](pl.rgsq[1], pl.rgsq[0], XX, 0);
                            EXPECT_EQ(iB, iW) << tsc.szName << " " << SzPlacement(pl);
                            return iB == iW && ++cChecked < 20000;
                          });
    EXPECT_EQ(cChecked, 20000) << tsc.szName;
  }
}

}  // namespace
