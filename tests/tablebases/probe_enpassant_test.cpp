// En passant through the probe entry: a position whose en-passant capture is real reaches
// the calculator with its en-passant square and lands in the side's en-passant range; the
// same placement with a square no pawn can use, or without the pawn in front of it, is
// indexed in the ordinary range. The table's calculators are stood in for by recording
// ones, and the real calculator is applied to what was recorded.
#include <gtest/gtest.h>
#include <cstring>
#include "pawns_both_tables.h"
#include "support/tb_positions.h"
#include "support/tbfake.h"
#include "tablebases/tbcounters.h"
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

// Probes the placement of the table's men in their real colours, then returns the index the
// table's real calculator gives for the call the probe made. The side probed is stored in
// *pside.
INDEX IProbedIndex(const char* szTable, const char* szSquares, color stm, const char* szEnP,
                   color* pside) {
  CFakeTables tables;  // frees the index tables too when it goes out of scope
  tables.Add(szTable);
  EXPECT_TRUE(FBuildIndexTables());
  TbMaterial mat = TbMaterial::FromName(szTable);
  int rgc[cCounters];
  for (color c = 0; c < 2; c++)
    for (int t = 1; t <= 5; t++) rgc[5 * c + t - 1] = mat.rgcMen[c][t];
  TbPlacement pl = Place(szTable, szSquares);
  int score;
  EXPECT_TRUE(FTbProbe(rgc, pl.rgsq[0], pl.rgsq[1], stm, SqFromName(szEnP), &score));
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

}  // namespace
