// Index calculators of king and two men against king and one man.
#include <gtest/gtest.h>
#include "tablebases/calc_men_cases.h"
#include "tablebases/tbcalc.h"

namespace {

using namespace calcmen;
using CalcT32 = CalcMen;

TEST_F(CalcT32, WorkedIndices) {
  using kppkn = T32<1, 1, 2>;
  EXPECT_EQ(B<kppkn>("kppkn", "e1 a2 b2 d8 g8"), 112512360u);
  EXPECT_EQ(W<kppkn>("kppkn", "d1 a2 b2 e8 g8"), 14153518u);
  EXPECT_EQ(W<kppkn>("kppkn", "d1 a2 b2 e8 g8", 1), 105121445u);
  EXPECT_EQ(W<kppkn>("kppkn", "d8 a7 b7 e1 g1"), 105121445u);

  using kqqkq = T32<5, 5, 5>;
  EXPECT_EQ(W<kqqkq>("kqqkq", "c1 h2 g8 a3 d5"), 9245612u);
  EXPECT_EQ(W<kqqkq>("kqqkq", "a3 b8 h7 c1 e4"), 9245612u);  // diagonal mirror

  using kbnkr = T32<3, 2, 4>;
  EXPECT_EQ(W<kbnkr>("kbnkr", "a1 g8 h8 c3 h2"), 2649074u);
  EXPECT_EQ(W<kbnkr>("kbnkr", "a1 h7 h8 c3 b8"), 2626434u);  // kings on the diagonal
  EXPECT_EQ(B<kbnkr>("kbnkr", "a1 g8 h8 c3 h2"), 74338199u);

  using knnkp = T32<2, 2, 1>;
  EXPECT_EQ(W<knnkp>("knnkp", "d1 a1 b1 f5 c3"), 15685210u);
  EXPECT_EQ(B<knnkp>("knnkp", "d1 a1 b1 f5 c3"), 69827330u);

  EXPECT_EQ((B<T32<3, 3, 1>>("kbbkp", "c1 h1 a8 f5 e3")), 69907770u);
}

TEST_F(CalcT32, PawnPlacesIgnoreTheOtherMen) {
  using kppkn = T32<1, 1, 2>;
  // Two white pawns, black to move: C2(hi - 8) + (lo - 8) after the file mirror.
  EXPECT_EQ(B<kppkn>("kppkn", "e1 a2 b2 d8 g8") % 1128, 0u);
  EXPECT_EQ(B<kppkn>("kppkn", "e1 g7 h7 d8 g8") % 1128, 1127u);
  EXPECT_EQ(B<kppkn>("kppkn", "e1 a2 b2 e8 g8") % 1128, 27u);
  // A black pawn, white to move: its square minus 8 wherever the others stand.
  using knnkp = T32<2, 2, 1>;
  EXPECT_EQ(W<knnkp>("knnkp", "d1 a1 b1 f5 a2") % 48, 0u);
  EXPECT_EQ(W<knnkp>("knnkp", "d1 a1 b1 f5 h7") % 48, 47u);
  EXPECT_EQ(W<knnkp>("knnkp", "e1 a1 b1 f5 h7") % 48, 40u);  // file mirror: a7
}

TEST_F(CalcT32, LastValuesOfTheHighPart) {
  // kppkr, black to move: the last two values put the rook on e8 or f8 beside Kd8 and Kh8.
  using kppkr = T32<1, 1, 4>;
  EXPECT_EQ(B<kppkr>("kppkr", "h8 a2 b2 d8 f8") / 1128, 105683u);
  EXPECT_EQ(B<kppkr>("kppkr", "h8 a2 b2 d8 e8") / 1128, 105682u);
  // kbnkn, white to move: the last value of the pair puts both white men on g8.
  EXPECT_EQ((W<T32<3, 2, 2>>("kbnkn", "d4 g8 g8 h8 a1")) / 60, 1550620u);
}

// The king pair of the side's last index: the mover's king on d4 (no pawn), d8 (a pawn
// numbered in the frame m) or d1 (a black pawn numbered mirrored), the other on h8 or h1.
struct CKings {
  const char* szWk;
  const char* szBk;
};

CKings LastKingPair(const CTableCounts& tc, color stm) {
  const char* szName = rgtbdDesc[tc.iTb].szName;
  bool fWhitePawn = szName[2] == 'p', fBlackPawn = szName[4] == 'p';
  if (!fWhitePawn && !fBlackPawn) return stm ? CKings{"h8", "d4"} : CKings{"d4", "h8"};
  if (stm == 0) return {"d8", "h8"};
  return fBlackPawn ? CKings{"h1", "d1"} : CKings{"h8", "d8"};
}

// Every table and side: all placements beside the last king pair, a sample of the rest.
TEST_F(CalcT32, LastKingPairAndSample) {
  for (const CTableCounts& tc : rgT32Counts)
    for (color stm : {0, 1}) {
      CKings k = LastKingPair(tc, stm);
      EXPECT_TRUE(CheckLastKingPair(tc, stm, k.szWk, k.szBk));
      EXPECT_TRUE(CheckSample(tc, stm, 2000));
    }
}

TEST_F(CalcT32, DescriptorsAndIllegalKings) {
  ExpectDescriptorCounts(rgT32Counts);
  VCallWithAdjacentKings(rgT32Counts);
}

}  // namespace
