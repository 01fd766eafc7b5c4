// Index calculators of king and two men against the lone king: worked indices and edge cases.
#include <gtest/gtest.h>
#include "support/tb_counts.h"

namespace {

using namespace tbtest;
using CalcT31 = CalcTest;

TEST_F(CalcT31, WorkedIndices) {
  EXPECT_EQ(IndexIn("kbnk", 0, "g2 e3 b1 c6"), 772288u);
  EXPECT_EQ(IndexIn("kbnk", 1, "g2 e3 b1 c6"), 1417145u);
  for (const char* sz : {"c3 a1 h8 e5", "c3 h8 a1 e5"}) {
    EXPECT_EQ(IndexIn("knnk", 0, sz), 583662u) << sz;
    EXPECT_EQ(IndexIn("knnk", 1, sz), 864126u) << sz;
  }
  EXPECT_EQ(IndexIn("kqqk", 0, "d4 a1 b1 h8"), 697361u);
  EXPECT_EQ(IndexIn("kppk", 0, "e1 d2 f2 e5"), 210698u);
  EXPECT_EQ(IndexIn("kppk", 1, "e1 d2 f2 e5"), 951725u);
  EXPECT_EQ(IndexIn("krpk", 0, "f1 a1 g2 h5"), 386489u);
  EXPECT_EQ(IndexIn("krpk", 1, "f1 a1 g2 h5"), 2081692u);
  EXPECT_EQ(IndexIn("krpk", 1, "f1 a1 g2 h5", 1), 2568221u);
}

TEST_F(CalcT31, EdgeCases) {
  // Bishop and knight on one square: the bound's last index, beyond the stored positions.
  EXPECT_EQ(IndexIn("kbnk", 0, "d4 g8 g8 h8"), 1550620u);
  EXPECT_EQ(IndexIn("kbnk", 0, "d4 g8 f8 h8"), 1550619u);
  // Black to move: a pawn checking the black king is numbered like any other pawn.
  EXPECT_EQ(IndexIn("krpk", 1, "a1 h1 f4 h5") - IndexIn("krpk", 1, "a1 h1 g4 h5"), 61u);
  // The pawn's numbers ignore a king on the first rank: a2 and b2 follow each other.
  EXPECT_EQ(IndexIn("kppk", 0, "b1 a2 c2 h8") + 1, IndexIn("kppk", 0, "b1 b2 c2 h8"));
}

}  // namespace
