// Index calculators of three men against one: the worked indices, the two shapes that count a
// like pair and a single man in opposite orders, and an index of 2^32 or more.
#include <gtest/gtest.h>
#include "support/tb_counts.h"

namespace {

using namespace tbtest;
using CalcT42 = CalcTest;

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
  EXPECT_LT(i, 5920486098u);  // the side's count
  // The same position mirrored top to bottom, colours not exchanged, and left to right.
  EXPECT_EQ(IndexIn("kqppkn", 0, "e8 d8 a7 h7 e1 g1"), i);
  EXPECT_EQ(IndexIn("kqppkn", 0, "d8 e8 h7 a7 d1 b1"), i);
  // Neither the en-passant square nor, without pawns, the invert flag is read.
  EXPECT_EQ(IndexIn("kqppkn", 0, "e8 d8 a7 h7 e1 g1", 0, 40), i);
  EXPECT_EQ(IndexIn("knnnkn", 1, "a1 c3 e5 g7 h8 b1", 1, 40), 67134927u);
}

}  // namespace
