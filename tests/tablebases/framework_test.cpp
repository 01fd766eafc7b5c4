// The index framework: the constant tables, the built numbering and offset tables with their
// known totals, the normalisation helpers, and building and freeing.
#include <gtest/gtest.h>
#include "support/alloc_hooks.h"
#include "tablebases/tbdesc.h"
#include "tablebases/tbframework.h"

namespace {

constexpr square a1 = 0, b1 = 1, c1 = 2, d1 = 3, e1 = 4, f1 = 5, h1 = 7, a2 = 8, e2 = 12,
                 b3 = 17, c2 = 10, a3 = 16, d4 = 27, e4 = 28, h5 = 39, d7 = 51, e7 = 52,
                 d8 = 59, g8 = 62, h8 = 63;

class IndexTables : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(FBuildIndexTables()); }
};

// Grand total of a pawnless offset table: the last pair (d4, h8) starts its run.
INDEX TotalNoPawns(const INDEX* pi, INDEX cLast) { return pi[cKingPairsNoPawns - 1] + cLast; }

TEST(KingPairs, NumbersAndCounts) {
  EXPECT_EQ(rgiKingPairPawns[a1 * 64 + c1], 0);
  EXPECT_EQ(rgiKingPairPawns[a1 * 64 + d1], 1);
  EXPECT_EQ(rgiKingPairPawns[a1 * 64 + b1], iNoKingPair);  // adjacent
  EXPECT_EQ(rgiKingPairPawns[e1 * 64 + a1], iNoKingPair);  // first king on files e-h
  EXPECT_EQ(rgiKingPairPawns[d8 * 64 + h8], cKingPairsPawns - 1);
  EXPECT_EQ(rgiKingPairNoPawns[a1 * 64 + c1], 0);
  EXPECT_EQ(rgiKingPairNoPawns[a1 * 64 + a3], iNoKingPair);  // above the diagonal
  EXPECT_NE(rgiKingPairNoPawns[b1 * 64 + a3], iNoKingPair);  // mover's king off the diagonal
  EXPECT_EQ(rgiKingPairNoPawns[b3 * 64 + h8], iNoKingPair);  // outside the triangle
  EXPECT_EQ(rgiKingPairNoPawns[d4 * 64 + h8], cKingPairsNoPawns - 1);
  int cPawns = 0, cNoPawns = 0;
  for (int i = 0; i < 64 * 64; i++) {
    cPawns += rgiKingPairPawns[i] != iNoKingPair;
    cNoPawns += rgiKingPairNoPawns[i] != iNoKingPair;
  }
  EXPECT_EQ(cPawns, cKingPairsPawns);
  EXPECT_EQ(cPawns, 1806);
  EXPECT_EQ(cNoPawns, cKingPairsNoPawns);
  EXPECT_EQ(cNoPawns, 462);
}

TEST(ConstantTables, Symmetries) {
  EXPECT_EQ(rgsqFileMirrorMask[d4], 0);
  EXPECT_EQ(rgsqFileMirrorMask[e1], 7);
  EXPECT_EQ(rgsqQuadrantMask[e4], 7);
  EXPECT_EQ(rgsqQuadrantMask[d7], 56);
  EXPECT_EQ(rgsqQuadrantMask[h5], 63);
  EXPECT_EQ(rgsqDiagonalMirror[b3], c2);
  int cTriangle = 0;
  for (square sq = 0; sq < 64; sq++) cTriangle += rgfInTriangle[sq];
  EXPECT_EQ(cTriangle, 10);
  EXPECT_TRUE(rgfInTriangle[d4] && rgfInTriangle[c2] && !rgfInTriangle[b3]);
  EXPECT_FALSE(rgfOffDiagonal[h8]);
  EXPECT_TRUE(rgfNotAboveDiagonal[h1] && !rgfNotAboveDiagonal[a2]);
}

TEST_F(IndexTables, SquareCountsPerRow) {
  EXPECT_EQ(rgcManSquares[1][e4], 45);
  EXPECT_EQ(rgcManSquares[0][e4], 47);
  EXPECT_EQ(rgcManSquares[2][a1], 61);
  EXPECT_EQ(rgcManSquares[5][e4], 55);
  EXPECT_EQ(rgcManSquares[1][b3], 45);  // a2, c2 and b3 itself left out
  EXPECT_EQ(rgcManSquares[1][a1], 48);
  EXPECT_EQ(rgcManSquares[3][e4], 59);
  EXPECT_EQ(rgcManSquares[4][a1], 61);
  const uint8_t* pbPawnB3 = rgpbManSquareNumber[1] + b3 * 64;
  EXPECT_EQ(pbPawnB3[a2], bNotNumbered);
  EXPECT_EQ(pbPawnB3[c2], bNotNumbered);
  EXPECT_EQ(pbPawnB3[b3], bNotNumbered);
  EXPECT_EQ(pbPawnB3[h5 + 16], 45 - 1);  // h7, the last numbered square
  // Every row numbers its allowed squares 0 .. count - 1 in ascending order.
  for (int x = 0; x < 6; x++)
    for (square sqK = 0; sqK < 64; sqK++) {
      int n = 0;
      for (square sq = 0; sq < 64; sq++) {
        uint8_t b = rgpbManSquareNumber[x][sqK * 64 + sq];
        if (x <= 1 && (sq < 8 || sq >= 56)) {
          EXPECT_EQ(b, bNotNumbered);
        }
        if (b != bNotNumbered) {
          EXPECT_EQ(b, n++);
        }
      }
      EXPECT_EQ(n, rgcManSquares[x][sqK]);
    }
}

TEST_F(IndexTables, ManNumbering) {
  // A mover's king on rank 1 or 8 never reduces a pawn's number.
  EXPECT_EQ(INumberMan(1, a1, h8, a2), 0u);
  EXPECT_EQ(INumberMan(1, d8, h1, h5), rgpbManSquareNumber[1][h1 * 64 + h5]);
  // A lower mover's king that is numbered in the row takes one place.
  EXPECT_EQ(INumberMan(2, a1, h8, b1), 0u);
  EXPECT_EQ(INumberMan(2, a3, h8, b1), 1u);
  // Type 0 leaves the squares from which a pawn attacks the king numbered (d3: 19 - 8).
  EXPECT_EQ(rgpbManSquareNumber[0][e4 * 64 + d4 - 8], 11);
  EXPECT_EQ(rgpbManSquareNumber[1][e4 * 64 + d4 - 8], bNotNumbered);
  EXPECT_EQ(CManPlacements(1, a1, c1), 48u);
  EXPECT_EQ(CManPlacements(2, a3, h8), 60u);  // a3 is numbered beside h8
  EXPECT_EQ(CManPlacements(2, g8 - 16, h8), 61u);  // g6 is a knight's move from h8
  EXPECT_EQ(IPlainCount(e4, a1, h8, d4), INDEX(e4 - 2));
  EXPECT_EQ(IBin2(61), 1830u);
  EXPECT_EQ(IBin3(60), 34220u);
}

TEST_F(IndexTables, OffsetStartsAndGrandTotals) {
  EXPECT_EQ(rgpiOneManOffsetPawns[1][0], 0u);
  EXPECT_EQ(rgpiOneManOffsetPawns[1][1], 48u);
  EXPECT_EQ(rgpiOneManOffsetPawns[1][2], 96u);
  EXPECT_EQ(rgpiOneManOffsetPawns[1][3], 144u);
  EXPECT_EQ(rgcOneManTotalPawns[0], 84012u);
  EXPECT_EQ(rgcOneManTotalPawns[1], 81664u);
  EXPECT_EQ(rgcPairTotalPawns[1][1], 1806671u);
  EXPECT_EQ(rgcPairTotalPawns[0][0], 1912372u);
  EXPECT_EQ(rgcTripleTotalPawns[1][1][1], 26061704u);
  EXPECT_EQ(rgcTripleTotalPawns[0][0][0], 28388716u);
  EXPECT_EQ(TotalNoPawns(rgpiOneManOffsetNoPawns[2], CManPlacements(2, d4, h8)), 26282u);
  EXPECT_EQ(TotalNoPawns(rgpiOneManOffsetNoPawns[3], CManPlacements(3, d4, h8)), 27243u);
  EXPECT_EQ(TotalNoPawns(rgpiPairOffsetNoPawns[2][2], IBin2(CManPlacements(2, d4, h8))),
            735304u);
  // Combinations that mix type 0 with another type, or pawns into the pawnless numbering,
  // do not exist; every other one does.
  EXPECT_EQ(rgpiPairOffsetPawns[1][0], nullptr);
  EXPECT_EQ(rgpiTripleOffsetPawns[0][0][1], nullptr);
  EXPECT_EQ(rgpiOneManOffsetNoPawns[1], nullptr);
  EXPECT_EQ(rgpiTripleOffsetNoPawns[5][2][1], nullptr);
  EXPECT_NE(rgpiTripleOffsetPawns[5][2][1], nullptr);
  EXPECT_NE(rgpiTripleOffsetNoPawns[5][5][2], nullptr);
  EXPECT_NE(rgpiPairOffsetNoPawns[5][5], nullptr);
  // Mixed types multiply independently; like men count as sets. Beside the kings a1 and c1
  // there are 57 queen, 48 pawn, 59 rook, 58 knight and 60 bishop squares.
  EXPECT_EQ(rgpiPairOffsetPawns[5][1][1], 57u * 48u);
  EXPECT_EQ(rgpiTripleOffsetPawns[4][4][2][1], 59u * 58u / 2 * 58u);
  EXPECT_EQ(rgpiTripleOffsetPawns[3][2][2][1], 60u * 58u * 57u / 2);
  EXPECT_EQ(rgpiTripleOffsetNoPawns[3][3][3][1], 60u * 59u * 58u / 6);
}

// Index calculation allocates nothing: every calculator of the descriptor table, with and
// without the invert flag.
TEST_F(IndexTables, CalculatorsAllocateNothing) {
  square rgsqW[24], rgsqB[24];
  for (int slot = 0; slot < 24; slot++) rgsqW[slot] = 8 + slot, rgsqB[slot] = 55 - slot;
  rgsqW[0] = a1, rgsqB[0] = h8;
  long c = cAllocations;
  for (int iTb = 1; iTb <= cTb; iTb++)
    for (color side : {0, 1})
      for (int fInvert : {0, 1}) rgtbdDesc[iTb].rgpfnIndCalc[side](rgsqW, rgsqB, XX, fInvert);
  EXPECT_EQ(cAllocations, c);
}

TEST(Normalisation, PawnlessFrames) {
  // Both kings on the long diagonal: nothing is reflected, not even a man above it.
  CPawnlessFrame fr = FramePawnless(d4, h8);
  EXPECT_EQ(fr.Map(d4), d4);
  EXPECT_EQ(fr.Map(a3), a3);
  // A mover's king in the triangle off the diagonal is never reflected.
  for (square sqO : {a3, h8, d8, e2}) EXPECT_FALSE(FramePawnless(b1, sqO).fReflect);
  // A mover's king on b3 after the quadrant step reflects every square.
  fr = FramePawnless(b3 ^ 63, h8);
  EXPECT_EQ(fr.Map(b3 ^ 63), c2);
  EXPECT_EQ(fr.Map(a1), rgsqDiagonalMirror[h8]);
  // On the diagonal, the other king above it asks for the reflection.
  EXPECT_TRUE(FramePawnless(c1 + 16, a3 + 40).fReflect);
  EXPECT_FALSE(FramePawnless(c1 + 16, h1).fReflect);
}

TEST(Normalisation, PawnMask) {
  EXPECT_EQ(e2 ^ IPawnMask(d1, 1), e7);
  EXPECT_EQ(e2 ^ IPawnMask(f1, 1), d7);
  EXPECT_EQ(e2 ^ IPawnMask(f1, 0), d1 + 8);
  EXPECT_EQ(e2 ^ IPawnMask(d1, 0), e2);
}

TEST(BuildAndFree, RebuildsAfterFreeAndFailsCleanly) {
  ASSERT_TRUE(FBuildIndexTables());
  const INDEX* piBefore = rgpiPairOffsetPawns[0][0];
  ASSERT_TRUE(FBuildIndexTables());  // a second call keeps the built tables
  EXPECT_EQ(rgpiPairOffsetPawns[0][0], piBefore);
  VFreeIndexTables();
  EXPECT_FALSE(fIndexTablesBuilt);
  EXPECT_EQ(rgpbManSquareNumber[0], nullptr);
  EXPECT_EQ(rgpiTripleOffsetNoPawns[5][5][5], nullptr);
  EXPECT_EQ(rgcTripleTotalPawns[1][1][1], 0u);
  // Running out of memory part way leaves nothing behind, for early and late failures.
  for (int n : {1, 7, 40, 98}) {  // 98 allocations in all: the n-th fails
    cNothrowUntilFailure = n - 1;
    EXPECT_FALSE(FBuildIndexTables());
    cNothrowUntilFailure = -1;
    EXPECT_FALSE(fIndexTablesBuilt);
    EXPECT_EQ(rgpbManSquareNumber[0], nullptr);
    EXPECT_EQ(rgpiOneManOffsetPawns[0], nullptr);
    EXPECT_EQ(rgpiPairOffsetPawns[1][1], nullptr);
  }
  ASSERT_TRUE(FBuildIndexTables());
  EXPECT_EQ(rgcPairTotalPawns[1][1], 1806671u);
  EXPECT_EQ(rgcOneManTotalPawns[0], 84012u);
}

}  // namespace
