// Calculators of the three-man tables and the four-man tables with one man a side: worked
// indices and edge cases (every legal position of every table is checked in calc_sides_test).
#include <gtest/gtest.h>
#include "support/tb_counts.h"

namespace {

using namespace tbtest;
using CalcT2 = CalcTest;

TEST_F(CalcT2, WorkedIndicesWithPawns) {
  EXPECT_EQ(IndexIn("kpk", 0, "a1 a2 c1"), 0u);
  EXPECT_EQ(IndexIn("kpk", 0, "a1 b2 c1"), 1u);
  EXPECT_EQ(IndexIn("kpk", 0, "a1 a2 d1"), 48u);  // the second king pair starts after 48
  EXPECT_EQ(IndexIn("kpk", 0, "h1 h2 f1"), 0u);   // the same, mirrored
  EXPECT_EQ(IndexIn("kpk", 0, "a8 a7 c8", 1), 0u);  // the same, colours exchanged
  // A white king on rank 1 or 8 never reduces the pawn's number.
  EXPECT_EQ(IndexIn("kpk", 0, "a1 h7 c1"), 47u);
  EXPECT_EQ(IndexIn("kpk", 0, "a8 a2 c8"),
            rgpiOneManOffsetPawns[1][rgiKingPairPawns[56 * 64 + 58]]);
  // Black to move: the pawn that gives check is numbered like any other; in the frame
  // turned and mirrored the kings stand on d4 and h8, the pawn on e5 above d4.
  EXPECT_EQ(IndexIn("kpk", 1, "a1 d4 e5"),
            rgpiOneManOffsetPawns[0][rgiKingPairPawns[27 * 64 + 63]] + 27);
  // A black pawn takes places 0 (a2) to 47 (h7), whatever the other men.
  INDEX i = IndexIn("knkp", 0, "a1 h8 c1 a2");
  EXPECT_EQ(i % 48, 0u);
  EXPECT_EQ(IndexIn("knkp", 0, "a1 h8 c1 h7"), i + 47);
  EXPECT_EQ(IndexIn("knkp", 0, "a1 b1 c1 a2"), 0u);
  EXPECT_EQ(IndexIn("knkp", 0, "h1 g1 f1 h2"), 0u);  // the mirror image
  // Black to move: pawn numbered against the white king, knight counted plainly.
  EXPECT_EQ(IndexIn("knkp", 1, "c8 h1 a8 a7"), 7u);
  EXPECT_EQ(IndexIn("knkp", 1, "c8 h8 a8 a7"), 60u);
  EXPECT_EQ(IndexIn("knkp", 1, "c8 h8 a8 b7"), 61u + 60);
}

TEST_F(CalcT2, WorkedIndicesWithoutPawns) {
  EXPECT_EQ(IndexIn("knk", 0, "a1 b1 c1"), 0u);  // a1 takes a place below b1
  EXPECT_EQ(IndexIn("knk", 0, "a1 d1 c1"), 1u);  // c1 itself and its knight squares are skipped
  EXPECT_EQ(IndexIn("knk", 1, "c1 b1 a1"), 0u);
  EXPECT_EQ(IndexIn("knk", 1, "c1 h8 a1"), 61u);
  EXPECT_EQ(IndexIn("knk", 1, "d1 a1 b1"), 33u * 62);  // a1 pairs with 33 kings
  EXPECT_EQ(IndexIn("knk", 1, "a3 h1 c2"), IndexIn("knk", 1, "c1 a8 b3"));  // b3 reflects to c2
  EXPECT_EQ(IndexIn("knkn", 0, "a1 b1 c1 d1"), 0u);
  EXPECT_EQ(IndexIn("knkn", 0, "a1 b1 c1 h8"), 60u);
  EXPECT_EQ(IndexIn("knkn", 0, "a1 d1 c1 b1"), 61u);
  // Both kings on the long diagonal: the men keep their sides of it, so positions that are
  // mirror images in it get different indices.
  EXPECT_NE(IndexIn("kbkn", 0, "c3 b1 f6 a2"), IndexIn("kbkn", 0, "c3 a2 f6 b1"));
  EXPECT_NE(IndexIn("knk", 1, "f6 a2 c3"), IndexIn("knk", 1, "f6 b1 c3"));
  EXPECT_EQ(IndexIn("knk", 0, "c3 b1 h5"), IndexIn("knk", 0, "c3 a2 e8"));  // kings off it
}

}  // namespace
