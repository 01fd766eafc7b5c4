// En passant through the probe entry: a position whose en-passant capture is real reaches
// the calculator with its en-passant square and lands in the side's en-passant range; the
// same placement with a square no pawn can use, or without the pawn in front of it, is
// indexed in the ordinary range. First with recording calculators (the real calculator is
// applied to what was recorded), then end to end through table files.
#include <gtest/gtest.h>
#include <cstring>
#include "pawns_both_tables.h"
#include "support/tb_positions.h"
#include "support/tb_writer.h"
#include "support/tbfake.h"
#include "tablebases/tbcounters.h"
#include "tablebases/tbfiles.h"
#include "tablebases/tbframework.h"
#include "tablebases/tbprobe.h"

namespace {

using namespace tbtest;

const PawnsBothTable& Table(const char* szName) {
  for (const PawnsBothTable& tb : rgPawnsBoth)
    if (std::strcmp(tb.szName, szName) == 0) return tb;
  ADD_FAILURE() << szName;
  return rgPawnsBoth[0];
}

int* PiCounters(const char* szTable, int rgc[cCounters]) {
  TbMaterial mat = TbMaterial::FromName(szTable);
  for (color c = 0; c < 2; c++)
    for (int t = 1; t <= 5; t++) rgc[5 * c + t - 1] = mat.rgcMen[c][t];
  return rgc;
}

// Probes the placement of the table's men in their real colours, then returns the index the
// table's real calculator gives for the call the probe made. The side probed is stored in
// *pside.
INDEX IProbedIndex(const char* szTable, const char* szSquares, color stm, const char* szEnP,
                   color* pside) {
  CFakeTables tables;  // frees the index tables too when it goes out of scope
  tables.Add(szTable);
  EXPECT_TRUE(FBuildIndexTables());
  int rgc[cCounters];
  TbPlacement pl = Place(szTable, szSquares);
  int score;
  EXPECT_TRUE(FTbProbe(PiCounters(szTable, rgc), pl.rgsq[0], pl.rgsq[1], stm, SqFromName(szEnP),
                       &score));
  const FakeCalcCall& call = fakeCalcCall;
  *pside = call.side;
  return Table(szTable).rgpfn[call.side](call.rgsqW, call.rgsqB, call.sqEnP, call.fInvert);
}

TEST(ProbeEnPassant, RealCaptureUsesTheEnPassantRange) {
  struct Case { const char *szTable, *szSquares; color stm; const char* szEnP; };
  const Case rgcase[] = {
      {"kpkp", "a1 e5 h8 d5", 0, "d6"},          // probed as black to move, colours exchanged
      {"kpkp", "a1 e4 h8 d4", 1, "e3"},
      {"kppkp", "a1 d4 h2 h8 e4", 1, "d3"},
      {"kppkp", "c2 f5 h5 a8 g5", 0, "g6"},      // both white pawns can take
      {"krpkp", "e2 a8 b5 g7 a5", 0, "a6"},
      {"kqpkpp", "d1 h1 c4 e8 b4 d7", 1, "c3"},
      {"kqpkqp", "f3 c6 e4 a8 h8 f4", 1, "e3"},  // symmetric: black to move read as white
      {"kbnpkp", "b2 a2 b1 f5 h8 g5", 0, "g6"},
  };
  for (const Case& c : rgcase) {
    color side;
    INDEX i = IProbedIndex(c.szTable, c.szSquares, c.stm, c.szEnP, &side);
    const PawnsBothTable& tb = Table(c.szTable);
    EXPECT_GE(i, tb.rgiFirstEnPassant[side]) << c.szTable << " " << c.szSquares;
    EXPECT_LT(i, tb.rgcPositions[side]) << c.szTable << " " << c.szSquares;
  }
  // kpkp with white to move is read from its black-to-move side, colours exchanged: there
  // the kings pair as (a8, h1) and the table's black pawn e4 takes towards the a-file.
  color side;
  EXPECT_EQ(IProbedIndex("kpkp", "a1 e5 h8 d5", 0, "d6", &side),
            81664u * 47 + INDEX(rgiKingPairPawns[56 * 64 + 7]) * 14 + 3);
  EXPECT_EQ(side, 1);
}

TEST(ProbeEnPassant, UnusableSquareUsesTheOrdinaryRange) {
  struct Case { const char *szTable, *szSquares; color stm; const char* szEnP; };
  const Case rgcase[] = {
      {"kpkp", "a1 e5 h8 d5", 0, "b6"},          // no pawn beside the square
      {"kpkp", "a1 e5 h8 d4", 0, "d6"},          // e5 could take, but no pawn stands on d5
      {"kpkp", "a1 e4 h8 d4", 1, "e6"},          // a square of the wrong rank
      {"kppkp", "a1 d4 h2 h8 e4", 1, "h3"},
      {"kqpkpp", "d1 h1 c4 e8 b5 d7", 1, "c3"},  // black's pawns stand elsewhere
      {"kqpkqp", "f3 c6 e4 a8 h8 f5", 1, "e3"},
  };
  for (const Case& c : rgcase) {
    color side;
    INDEX i = IProbedIndex(c.szTable, c.szSquares, c.stm, c.szEnP, &side);
    EXPECT_LT(i, Table(c.szTable).rgiFirstEnPassant[side]) << c.szTable << " " << c.szSquares;
    EXPECT_EQ(fakeCalcCall.sqEnP, XX) << c.szTable << " " << c.szSquares;
  }
}

// kpkp with white to move is read from the file of its black-to-move side, colours
// exchanged. Three placements get their own stored values: e5 able to take d5 on d6, the
// same without the right, and e5 beside d4 (no pawn in front of d6).
TEST(ProbeEnPassant, StoredValuesThroughTableFiles) {
  ASSERT_TRUE(FBuildIndexTables());
  const int iTbKpkp = 6;
  square d6 = SqFromName("d6");
  TbPlacement plTake = Place("kpkp", "a1 e5 h8 d5"), plNoFront = Place("kpkp", "a1 e5 h8 d4");
  auto fnIndex = [](const TbPlacement& pl, square sqEnP) {
    return T22<1,1>::IndCalcB(pl.rgsq[1], pl.rgsq[0], sqEnP, 1);
  };
  INDEX iEp = fnIndex(plTake, d6), iPlain = fnIndex(plTake, XX), iNoFront = fnIndex(plNoFront, XX);
  ASSERT_GE(iEp, Table("kpkp").rgiFirstEnPassant[1]);
  auto fnValue = [&](INDEX i) { return i == iEp ? 5 : i == iPlain ? 9 : i == iNoFront ? 7 : 0; };
  CTempDir dir;
  for (color side : {0, 1})
    ASSERT_TRUE(FWriteTbChunks(dir.Path(), iTbKpkp, side, {iEp >> 13, iPlain >> 13, iNoFront >> 13},
                               fnValue));
  ASSERT_EQ(ITbInit(dir.Path().c_str(), 256), 4);
  int rgc[cCounters], score = 0;
  // A stored byte b of 1..126 is mate in 127 - b.
  EXPECT_TRUE(FTbProbe(PiCounters("kpkp", rgc), plTake.rgsq[0], plTake.rgsq[1], 0, d6, &score));
  EXPECT_EQ(score, 122);
  EXPECT_TRUE(FTbProbe(rgc, plTake.rgsq[0], plTake.rgsq[1], 0, SqFromName("b6"), &score));
  EXPECT_EQ(score, 118);
  EXPECT_TRUE(FTbProbe(rgc, plTake.rgsq[0], plTake.rgsq[1], 0, 0, &score));
  EXPECT_EQ(score, 118);
  EXPECT_TRUE(FTbProbe(rgc, plNoFront.rgsq[0], plNoFront.rgsq[1], 0, d6, &score));
  EXPECT_EQ(score, 120);
  VTbRelease();
}

}  // namespace
