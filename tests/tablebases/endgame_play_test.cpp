// End to end: tables solved by retrograde analysis, written as real files, probed through
// the engine; and the solver itself checked against known facts.
#include <gtest/gtest.h>
#include <algorithm>
#include "support/tb_solver.h"

namespace {

int Sq(const char* sz) { return (sz[1] - '1') * 8 + (sz[0] - 'a'); }

int MaxScore(int piece, color side) {
  int best = 0;
  for (square wk = 0; wk < 64; wk++)
    for (square bk = 0; bk < 64; bk++)
      for (square sq = 0; sq < 64; sq++) best = std::max(best, SolvedScore(piece, wk, bk, sq, side));
  return best;
}

TEST(Solver, KnownLongestMatesAndDraws) {
  EXPECT_EQ(MaxScore(5, 0), 10);  // kqk
  EXPECT_EQ(MaxScore(4, 0), 16);  // krk
  EXPECT_EQ(MaxScore(3, 0), 0);   // kbk: no mate exists
  EXPECT_EQ(MaxScore(2, 0), 0);   // knk
}

TEST(Solver, SinglePositions) {
  // Kb6 Qh2 against Ka8: Qh8 mates.
  EXPECT_EQ(SolvedScore(5, Sq("b6"), Sq("a8"), Sq("h2"), 0), 1);
  // Black to move is mated: Qb7 defended by Kb6.
  EXPECT_EQ(SolvedScore(5, Sq("b6"), Sq("a8"), Sq("b7"), 1), -1);
  // Stalemate: Ka8 to move, Qc7, Ke1.
  EXPECT_EQ(SolvedScore(5, Sq("e1"), Sq("a8"), Sq("c7"), 1), 0);
  // Black to move takes the undefended queen.
  EXPECT_EQ(SolvedScore(5, Sq("h1"), Sq("a8"), Sq("b7"), 1), 0);
  // Rook pawn with the defending king in the corner: drawn.
  EXPECT_EQ(SolvedScore(1, Sq("c6"), Sq("a8"), Sq("a5"), 1), 0);
  // Kd6 Pe5 against Kd8, white to move wins.
  EXPECT_GT(SolvedScore(1, Sq("d6"), Sq("d8"), Sq("e5"), 0), 0);
  // Adjacent kings and a pawn on the first rank are illegal.
  EXPECT_EQ(SolvedScore(5, Sq("a1"), Sq("b2"), Sq("h8"), 0), iSolvedIllegal);
  EXPECT_EQ(SolvedScore(1, Sq("a1"), Sq("h8"), Sq("c1"), 0), iSolvedIllegal);
  // White to move with black in check is illegal.
  EXPECT_EQ(SolvedScore(4, Sq("a1"), Sq("h8"), Sq("h1"), 0), iSolvedIllegal);
}

TEST(Solver, StoredBytes) {
  EXPECT_EQ(TbtStoredByte(1), 126);
  EXPECT_EQ(TbtStoredByte(126), 1);
  EXPECT_EQ(TbtStoredByte(0), 0);
  EXPECT_EQ(TbtStoredByte(-1), -126);
  EXPECT_EQ(TbtStoredByte(-126), -1);
}

}  // namespace
