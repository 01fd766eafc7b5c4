// Index calculators of king and two men against king and one man: worked indices, pawn
// places and the last values of the high part.
#include <gtest/gtest.h>
#include "support/tb_counts.h"

namespace {

using namespace tbtest;
using CalcT32 = CalcTest;

TEST_F(CalcT32, WorkedIndices) {
  EXPECT_EQ(IndexIn("kppkn", 1, "e1 a2 b2 d8 g8"), 112512360u);
  EXPECT_EQ(IndexIn("kppkn", 0, "d1 a2 b2 e8 g8"), 14153518u);
  EXPECT_EQ(IndexIn("kppkn", 0, "d1 a2 b2 e8 g8", 1), 105121445u);
  EXPECT_EQ(IndexIn("kppkn", 0, "d8 a7 b7 e1 g1"), 105121445u);
  EXPECT_EQ(IndexIn("kqqkq", 0, "c1 h2 g8 a3 d5"), 9245612u);
  EXPECT_EQ(IndexIn("kqqkq", 0, "a3 b8 h7 c1 e4"), 9245612u);  // diagonal mirror
  EXPECT_EQ(IndexIn("kbnkr", 0, "a1 g8 h8 c3 h2"), 2649074u);
  EXPECT_EQ(IndexIn("kbnkr", 0, "a1 h7 h8 c3 b8"), 2626434u);  // kings on the diagonal
  EXPECT_EQ(IndexIn("kbnkr", 1, "a1 g8 h8 c3 h2"), 74338199u);
  EXPECT_EQ(IndexIn("knnkp", 0, "d1 a1 b1 f5 c3"), 15685210u);
  EXPECT_EQ(IndexIn("knnkp", 1, "d1 a1 b1 f5 c3"), 69827330u);
  EXPECT_EQ(IndexIn("kbbkp", 1, "c1 h1 a8 f5 e3"), 69907770u);
}

TEST_F(CalcT32, PawnPlacesIgnoreTheOtherMen) {
  // Two white pawns, black to move: C2(hi - 8) + (lo - 8) after the file mirror.
  EXPECT_EQ(IndexIn("kppkn", 1, "e1 a2 b2 d8 g8") % 1128, 0u);
  EXPECT_EQ(IndexIn("kppkn", 1, "e1 g7 h7 d8 g8") % 1128, 1127u);
  EXPECT_EQ(IndexIn("kppkn", 1, "e1 a2 b2 e8 g8") % 1128, 27u);
  // A black pawn, white to move: its square minus 8 wherever the others stand.
  EXPECT_EQ(IndexIn("knnkp", 0, "d1 a1 b1 f5 a2") % 48, 0u);
  EXPECT_EQ(IndexIn("knnkp", 0, "d1 a1 b1 f5 h7") % 48, 47u);
  EXPECT_EQ(IndexIn("knnkp", 0, "e1 a1 b1 f5 h7") % 48, 40u);  // file mirror: a7
}

TEST_F(CalcT32, LastValuesOfTheHighPart) {
  // kppkr, black to move: the last two values put the rook on e8 or f8 beside Kd8 and Kh8.
  EXPECT_EQ(IndexIn("kppkr", 1, "h8 a2 b2 d8 f8") / 1128, 105683u);
  EXPECT_EQ(IndexIn("kppkr", 1, "h8 a2 b2 d8 e8") / 1128, 105682u);
  // kbnkn, white to move: the last value of the pair puts both white men on g8.
  EXPECT_EQ(IndexIn("kbnkn", 0, "d4 g8 g8 h8 a1") / 60, 1550620u);
}

}  // namespace
