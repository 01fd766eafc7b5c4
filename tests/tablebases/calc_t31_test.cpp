// Index calculators of king and two men against the lone king.
#include <gtest/gtest.h>
#include "tablebases/calc_men_cases.h"
#include "tablebases/tbcalc.h"

namespace {

using namespace calcmen;
using CalcT31 = CalcMen;

TEST_F(CalcT31, WorkedIndices) {
  using kbnk = T31<3, 2>;
  EXPECT_EQ(W<kbnk>("kbnk", "g2 e3 b1 c6"), 772288u);
  EXPECT_EQ(B<kbnk>("kbnk", "g2 e3 b1 c6"), 1417145u);

  using knnk = T31<2, 2>;
  for (const char* sz : {"c3 a1 h8 e5", "c3 h8 a1 e5"}) {
    EXPECT_EQ(W<knnk>("knnk", sz), 583662u) << sz;
    EXPECT_EQ(B<knnk>("knnk", sz), 864126u) << sz;
  }

  EXPECT_EQ((W<T31<5, 5>>("kqqk", "d4 a1 b1 h8")), 697361u);

  using kppk = T31<1, 1>;
  EXPECT_EQ(W<kppk>("kppk", "e1 d2 f2 e5"), 210698u);
  EXPECT_EQ(B<kppk>("kppk", "e1 d2 f2 e5"), 951725u);

  using krpk = T31<4, 1>;
  EXPECT_EQ(W<krpk>("krpk", "f1 a1 g2 h5"), 386489u);
  EXPECT_EQ(B<krpk>("krpk", "f1 a1 g2 h5"), 2081692u);
  EXPECT_EQ(B<krpk>("krpk", "f1 a1 g2 h5", 1), 2568221u);
}

TEST_F(CalcT31, EdgeCases) {
  using kbnk = T31<3, 2>;
  // Bishop and knight on one square: the bound's last index, beyond the stored positions.
  EXPECT_EQ(W<kbnk>("kbnk", "d4 g8 g8 h8"), 1550620u);
  EXPECT_EQ(W<kbnk>("kbnk", "d4 g8 f8 h8"), 1550619u);
  using krpk = T31<4, 1>;
  // Black to move: a pawn checking the black king is numbered like any other pawn.
  EXPECT_EQ(B<krpk>("krpk", "a1 h1 f4 h5") - B<krpk>("krpk", "a1 h1 g4 h5"), 61u);
  // The pawn's numbers ignore a king on the first rank: a2 and b2 follow each other.
  using kppk = T31<1, 1>;
  EXPECT_EQ(W<kppk>("kppk", "b1 a2 c2 h8") + 1, W<kppk>("kppk", "b1 b2 c2 h8"));
}

// One table of each shape, both sides, every legal position; all fifteen in the long test.
TEST_F(CalcT31, AllPositionsOfEachShape) {
  for (int iTb : {21, 25, 27, 30})
    for (color stm : {0, 1}) {
      const CTableCounts& tc = rgT31Counts[iTb - 21];
      const CTbDesc& tbd = rgtbdDesc[iTb];
      EXPECT_TRUE(CheckAllPositions(tbd.rgpfnIndCalc[stm], tbd.szName, stm, tc.rgc[stm]));
    }
}

TEST_F(CalcT31, DescriptorsAndIllegalKings) {
  ExpectDescriptorCounts(rgT31Counts);
  VCallWithAdjacentKings(rgT31Counts);
}

}  // namespace
