// Index calculators of three men against one: the worked indices, the two shapes that count a
// like pair and a single man in opposite orders, an index of 2^32 or more, the largest index
// of the sides of every shape and shortfall, and a sample of every side.
#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>
#include "support/tb_positions.h"
#include "support/tb_six_men.h"
#include "tablebases/tbcalc.h"
#include "tablebases/tbdesc.h"
#include "tablebases/tbframework.h"

namespace {

using namespace tbtest;

class CalcT42 : public testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(FBuildIndexTables()); }
};

// Squares in the order of the table name: white king, white men, black king, black man.
INDEX IndexIn(const char* szTable, color stm, const char* szSquares, int fInvert = 0,
              square sqEnP = XX) {
  auto ptsc =
      std::find_if(rgtscThreeAgainstOne.begin(), rgtscThreeAgainstOne.end(),
                   [&](const TbSideCounts& tsc) { return !std::strcmp(tsc.szName, szTable); });
  if (ptsc == rgtscThreeAgainstOne.end()) {
    ADD_FAILURE() << "no table " << szTable;
    return 0;
  }
  TbPlacement pl = Place(szTable, szSquares);
  INDEX i = rgtbdDesc[ptsc->iTb].rgpfnIndCalc[stm](pl.rgsq[0], pl.rgsq[1], sqEnP, fInvert);
  EXPECT_LT(i, ptsc->rgc[stm]) << szTable << " " << szSquares;
  return i;
}

TEST_F(CalcT42, WorkedIndices) {
  EXPECT_EQ(IndexIn("knnnkn", 0, "a1 c3 e5 g7 h8 b1"), 55051956u);
  EXPECT_EQ(IndexIn("knnnkn", 1, "a1 c3 e5 g7 h8 b1"), 67134927u);
  EXPECT_EQ(IndexIn("knnnkn", 1, "a1 g7 c3 e5 h8 b1"), 67134927u);  // like men in another order
  // The bishop, though the first white man, is the minor digit of Tr.
  EXPECT_EQ(IndexIn("kbnnkn", 0, "d4 e8 f8 g8 h8 a1"), 2560971287u);
  EXPECT_EQ(IndexIn("kbnnkn", 0, "d4 e8 g8 f8 h8 a1"), 2560971287u);
  // The highest K that a legal position reaches.
  EXPECT_EQ(IndexIn("kpppkr", 1, "h8 a2 b2 c2 d8 c8"), 1827858576u);
  EXPECT_EQ(IndexIn("kpppkr", 1, "h8 c2 a2 b2 d8 c8"), 1827858576u);
}

// Without a pawn the like bishops are counted beside the knight; with a black pawn the knight
// is counted beside the bishops.
TEST_F(CalcT42, LikePairAndSingleManInOppositeOrders) {
  EXPECT_EQ(IndexIn("kbbnkn", 1, "e1 c1 f1 g1 e8 b8"), 1236141326u);
  EXPECT_EQ(IndexIn("kbbnkn", 1, "e1 f1 c1 g1 e8 b8"), 1236141326u);
  EXPECT_EQ(IndexIn("kbbnkp", 1, "e1 c1 f1 g1 e8 b7"), 1132605773u);
  EXPECT_EQ(IndexIn("kbbnkp", 1, "e1 f1 c1 g1 e8 b7"), 1132605773u);
}

// kqppkn, white to move, colours exchanged: the worked value 1444319360 is the index taken
// modulo 2^32; the full index lies 2^32 above it.
TEST_F(CalcT42, IndexOfTwoToTheThirtyTwoOrMore) {
  INDEX i = IndexIn("kqppkn", 0, "e1 d1 a2 h2 e8 g8", 1);
  EXPECT_EQ(i & 0xFFFFFFFFu, 1444319360u);
  EXPECT_EQ(i, 1444319360u + (INDEX(1) << 32));
  // The same position mirrored top to bottom, colours not exchanged, and left to right.
  EXPECT_EQ(IndexIn("kqppkn", 0, "e8 d8 a7 h7 e1 g1"), i);
  EXPECT_EQ(IndexIn("kqppkn", 0, "d8 e8 h7 a7 d1 b1"), i);
  // Neither the en-passant square nor, without pawns, the invert flag is read.
  EXPECT_EQ(IndexIn("kqppkn", 0, "e8 d8 a7 h7 e1 g1", 0, 40), i);
  EXPECT_EQ(IndexIn("knnnkn", 1, "a1 c3 e5 g7 h8 b1", 1, 40), 67134927u);
}

// Every side through the descriptor table: a sample of positions below the count, and on
// the sides of every shape and every shortfall below the bound, every placement beside the
// last king pair, whose largest index plus one is the count.
TEST_F(CalcT42, EverySide) {
  static const char* const rgszShapes[] = {"knnnkn", "kbnnkn", "kbbnkb", "kqrbkq",
                                           "knnnkp", "kqrrkp", "kbbnkp", "krbnkp",
                                           "kpppkr", "knppkb", "knnpkq", "kqrpkr"};
  for (const TbSideCounts& tsc : rgtscThreeAgainstOne) {
    bool fLargest = std::any_of(std::begin(rgszShapes), std::end(rgszShapes),
                                [&](const char* sz) { return !std::strcmp(sz, tsc.szName); });
    for (color stm : {0, 1}) ExpectSide(tsc, stm, fLargest, 1500, 3);
  }
}

}  // namespace
