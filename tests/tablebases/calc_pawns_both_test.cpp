// Calculators of the tables with pawns of both colours: worked indices, the frames of the
// en-passant range, symmetric tables, and position counts of both ranges (kpkp in full,
// the others sampled, the five-man tables also over their last king pair).
#include <gtest/gtest.h>
#include <cstring>
#include <utility>
#include <vector>
#include "support/tb_counts.h"
#include "support/tb_positions.h"
#include "tablebases/tbdesc.h"
#include "tablebases/tbframework.h"
#include "pawns_both_tables.h"

namespace {

using namespace tbtest;

constexpr INDEX iFirstKpkp = 81664 * 47;  // the ordinary range of either side
constexpr INDEX kpA1H8 = 59;              // king pair a1 / h8: the 60th square beside a1

using PawnsBoth = CalcTest;

// Each table's record holds these calculators and the counts of both sides.
TEST(PawnsBothDescriptors, RecordsHoldTheCalculators) {
  int cFound = 0;
  for (const PawnsBothTable& tb : rgPawnsBoth)
    for (int iTb = 1; iTb <= cTb; iTb++) {
      const CTbDesc& tbd = rgtbdDesc[iTb];
      if (std::strcmp(tbd.szName, tb.szName) != 0) continue;
      cFound++;
      for (color side : {0, 1}) {
        EXPECT_EQ(tbd.rgpfnIndCalc[side], tb.rgpfn[side]) << tb.szName;
        EXPECT_EQ(tbd.positions[side], tb.rgcPositions[side]) << tb.szName;
      }
      EXPECT_EQ(tb.FSymmetric(), (tbd.flags & fSymmetric) != 0) << tb.szName;
    }
  EXPECT_EQ(cFound, 36);
}

TEST_F(PawnsBoth, WorkedEnPassantIndices) {
  // White e5 takes d5 (from d7) towards the a-file: code 3.
  EXPECT_EQ(IndexIn("kpkp", 0, "a1 e5 h8 d5", 0, SqFromName("d6")),
            iFirstKpkp + kpA1H8 * 14 + 3);
  // Edge files: a6 only from b5 (code 0), h6 only from g5 (code 13).
  EXPECT_EQ(IndexIn("kpkp", 0, "a1 b5 h8 a5", 0, SqFromName("a6")),
            iFirstKpkp + kpA1H8 * 14 + 0);
  EXPECT_EQ(IndexIn("kpkp", 0, "a1 g5 h8 h5", 0, SqFromName("h6")),
            iFirstKpkp + kpA1H8 * 14 + 13);
  // With the white king on h1 the board is mirrored first: b5 takes a5 as g5 takes h5.
  EXPECT_EQ(IndexIn("kpkp", 0, "h1 b5 a8 a5", 0, SqFromName("a6")),
            iFirstKpkp + kpA1H8 * 14 + 13);
  // The last index of kpkp, either side: the last king pair (d8, h8) and code 13.
  EXPECT_EQ(IndexIn("kpkp", 0, "d8 g5 h8 h5", 0, SqFromName("h6")), 3863491u);
  EXPECT_EQ(IndexIn("kpkp", 1, "h8 h4 d8 g4", 0, SqFromName("h3")), 3863491u);
  // kppkp: d5 takes e5 (code 10) before f5 can; f5 is the other pawn, number 27.
  EXPECT_EQ(IndexIn("kppkp", 0, "a1 f5 d5 h8 e5", 0, SqFromName("e6")),
            1806671u * 46 + kpA1H8 * 616 + 388);
  // kpppkp: b5 takes c5 (code 8); d5 and h5 are the others.
  EXPECT_EQ(IndexIn("kpppkp", 0, "a1 h5 b5 d5 h8 c5", 0, SqFromName("c6")),
            26061704u * 45 + kpA1H8 * 13244 + 6042);
}

TEST_F(PawnsBoth, EnPassantSquareFollowsTheFrame) {
  // The colours exchanged: the table's white pawn stands on e4 of the arrays and takes
  // onto d3; with fInvert = 1 that is e5 taking onto d6.
  EXPECT_EQ(IndexIn("kpkp", 0, "a8 e4 h1 d4", 1, SqFromName("d3")),
            IndexIn("kpkp", 0, "a1 e5 h8 d5", 0, SqFromName("d6")));
  // Black to move: the en-passant range pairs the kings (k, K) in frame m, the ordinary
  // range flips them: here (a8, h1) against (a1, h8).
  EXPECT_EQ(IndexIn("kpkp", 1, "h1 e4 a8 d4", 0, SqFromName("e3")),
            iFirstKpkp + INDEX(rgiKingPairPawns[56 * 64 + 7]) * 14 + 3 + 7);
  INDEX iOrdinary = IndexIn("kpkp", 1, "h1 e4 a8 d4");
  EXPECT_GE(iOrdinary, rgpiOneManOffsetPawns[1][kpA1H8] * 47);
  EXPECT_LT(iOrdinary, rgpiOneManOffsetPawns[1][kpA1H8 + 1] * 47);
}

// The same placement with and without the right: two entries, both below the count.
TEST_F(PawnsBoth, EnPassantRightIsAPositionOfItsOwn) {
  for (const PawnsBothTable& tb : rgPawnsBoth)
    for (color stm : {0, 1}) {
      TbMaterial mat = TbMaterial::FromName(tb.szName);
      int cDone = 0;
      ForEachLegalWithKings(mat, stm, SqFromName("b1"), SqFromName("g8"), true,
                            [&](const TbPlacement& pl, square sqEnP) {
        INDEX iEp = IndexOf(tb.rgpfn[stm], pl, 0, sqEnP);
        INDEX iPlain = IndexOf(tb.rgpfn[stm], pl);
        EXPECT_LT(iPlain, tb.rgiFirstEnPassant[stm]) << tb.szName << " " << SzPlacement(pl);
        EXPECT_GE(iEp, tb.rgiFirstEnPassant[stm]) << tb.szName << " " << SzPlacement(pl);
        EXPECT_LT(iEp, tb.rgcPositions[stm]) << tb.szName << " " << SzPlacement(pl);
        return ++cDone < 20;
      });
      EXPECT_GE(cDone, 14) << tb.szName;
    }
}

// Black to move in a symmetric table is white to move with the colours exchanged.
TEST_F(PawnsBoth, SymmetricTablesExchangeColours) {
  struct Case { PfnCalcIndex pfnW, pfnB; const char *szTable, *szSquares, *szEnP; };
  const Case rgcase[] = {
      {T33<1,1,1,1>::IndCalcW, T33<1,1,1,1>::IndCalcB, "kppkpp", "e1 d4 h2 f8 a7 e4", "d3"},
      {T33<2,1,2,1>::IndCalcW, T33<2,1,2,1>::IndCalcB, "knpknp", "g1 a1 c4 c8 h8 d4", "c3"},
      {T33<3,1,3,1>::IndCalcW, T33<3,1,3,1>::IndCalcB, "kbpkbp", "a2 b1 h4 e7 b8 g4", "h3"},
      {T33<4,1,4,1>::IndCalcW, T33<4,1,4,1>::IndCalcB, "krpkrp", "h2 a3 b4 c8 c2 a4", "b3"},
      {T33<5,1,5,1>::IndCalcW, T33<5,1,5,1>::IndCalcB, "kqpkqp", "f3 c6 e4 a8 h8 f4", "e3"},
  };
  for (const Case& c : rgcase) {
    for (int fInvert : {0, 1}) {
      // With fInvert = 1 the arrays hold the position mirrored top to bottom.
      TbPlacement pl = Place(c.szTable, c.szSquares);
      for (square& sq : pl.rgsq[0]) sq = sq == XX ? XX : sq ^ 56 * fInvert;
      for (square& sq : pl.rgsq[1]) sq = sq == XX ? XX : sq ^ 56 * fInvert;
      for (square sqEnP : {XX, SqFromName(c.szEnP) ^ 56 * fInvert}) {
        INDEX iB = c.pfnB(pl.rgsq[0], pl.rgsq[1], sqEnP, fInvert);
        EXPECT_EQ(iB, c.pfnW(pl.rgsq[1], pl.rgsq[0], sqEnP, 1 - fInvert)) << c.szTable;
      }
    }
  }
}

// The numbering of the side to move agrees with the tables of the other families whose
// other side has no pawn: the same men of the mover, kings and frame give the same high part
// of the index. The other side's men are put on the listed slots (none for kpk).
TEST_F(PawnsBoth, MoverPartAgreesWithOtherFamilies) {
  struct Case {
    color stm;
    const char* szTable; PfnCalcIndex pfn; INDEX cLow;
    PfnCalcIndex pfnOther; INDEX cLowOther; std::vector<int> rgslotOther;
  };
  const Case rgcase[] = {
      {0, "kpkp", T22<1,1>::IndCalcW, 47, T21<1>::IndCalcW, 1, {}},
      {0, "kppkp", T32<1,1,1>::IndCalcW, 46, T32<1,1,2>::IndCalcW, 60, {8}},
      {0, "knpkp", T32<2,1,1>::IndCalcW, 47, T32<2,1,2>::IndCalcW, 60, {8}},
      {0, "kqpkp", T32<5,1,1>::IndCalcW, 47, T32<5,1,2>::IndCalcW, 60, {8}},
      {0, "kqpkpp", T33<5,1,1,1>::IndCalcW, IBin2(47), T33<5,1,2,2>::IndCalcW, IBin2(60), {8, 9}},
      {0, "krpkbp", T33<4,1,3,1>::IndCalcW, 47 * 59, T33<4,1,3,2>::IndCalcW, 60 * 59, {8, 12}},
      {0, "kpppkp", T42<1,1,1,1>::IndCalcW, 45, T42<1,1,1,2>::IndCalcW, 59, {8}},
      {0, "knppkp", T42<2,1,1,1>::IndCalcW, 46, T42<2,1,1,2>::IndCalcW, 59, {8}},
      {0, "krbpkp", T42<4,3,1,1>::IndCalcW, 47, T42<4,3,1,2>::IndCalcW, 59, {8}},
      {0, "kqqpkp", T42<5,5,1,1>::IndCalcW, 47, T42<5,5,1,2>::IndCalcW, 59, {8}},
      {1, "kpkp", T22<1,1>::IndCalcB, 47, T22<2,1>::IndCalcB, 61, {8}},
      {1, "kppkp", T32<1,1,1>::IndCalcB, IBin2(47), T32<2,2,1>::IndCalcB, IBin2(61), {8, 9}},
      {1, "kbpkp", T32<3,1,1>::IndCalcB, 60 * 47, T32<2,2,1>::IndCalcB, IBin2(61), {8, 9}},
      {1, "knpkpp", T33<2,1,1,1>::IndCalcB, 46 * 59, T33<5,2,1,1>::IndCalcB, 60 * 59, {20, 8}},
      {1, "krpkbp", T33<4,1,3,1>::IndCalcB, 47 * 59, T33<5,2,3,1>::IndCalcB, 60 * 59, {20, 8}},
      {1, "kpppkp", T42<1,1,1,1>::IndCalcB, IBin3(47), T42<2,2,2,1>::IndCalcB, IBin3(61), {8, 9, 10}},
      {1, "kqrpkp", T42<5,4,1,1>::IndCalcB, 60 * 59 * 47, T42<5,4,3,1>::IndCalcB, 61 * 60 * 59,
       {20, 16, 12}},
  };
  for (const Case& c : rgcase)
    for (const char* szKings : {"c1 f7", "h2 a5", "e4 e6"}) {
      TbPlacement plKings = Place("kk", szKings);
      int cCompared = 0;
      ForEachLegalWithKings(TbMaterial::FromName(c.szTable), c.stm, plKings.rgsq[0][0],
                            plKings.rgsq[1][0], false, [&](const TbPlacement& pl, square) {
        if (cCompared++ % 5) return true;
        TbPlacement plOther = pl;
        square* psqOther = plOther.rgsq[1 - c.stm];
        std::vector<square> rgsqMen;
        for (int slot = 4; slot < 24; slot++)
          if (psqOther[slot] != XX) rgsqMen.push_back(std::exchange(psqOther[slot], XX));
        for (size_t j = 0; j < c.rgslotOther.size(); j++) psqOther[c.rgslotOther[j]] = rgsqMen[j];
        INDEX i = IndexOf(c.pfn, pl), iOther = IndexOf(c.pfnOther, plOther);
        EXPECT_EQ(i / c.cLow, iOther / c.cLowOther) << c.szTable << " " << SzPlacement(pl);
        return i / c.cLow == iOther / c.cLowOther && cCompared < 50000;
      });
      EXPECT_GT(cCompared, 0);
    }
}

// Illegal placements are never probed; their index is some value, read within the tables.
TEST_F(PawnsBoth, IllegalPlacementsReadWithinTheTables) {
  for (const PawnsBothTable& tb : rgPawnsBoth)
    for (color stm : {0, 1}) VCallWithIllegalPlacements(tb.rgpfn[stm]);
}

// kpkp: every legal position, with and without an en-passant right.
TEST_F(PawnsBoth, KpkpEveryPosition) {
  for (color stm : {0, 1}) {
    const PawnsBothTable& tb = rgPawnsBoth[0];
    EXPECT_TRUE(CheckAllPositions(tb.Ordinary(stm)));
    EXPECT_TRUE(CheckAllPositions(tb.EnPassant(stm)));
    // The checks notice an en-passant range that starts one too late.
    TbSide sideLate = tb.EnPassant(stm);
    sideLate.iFirstEnPassant++;
    EXPECT_FALSE(CheckAllPositions(sideLate));
  }
}

// Five-man tables here, six-man ones in the long test.
TEST_F(PawnsBoth, FiveManLastKingPair) { VCheckLastKingPairs(5); }

TEST_F(PawnsBoth, EveryTableSampled) { VCheckSamples(400, 200, 1); }

}  // namespace
