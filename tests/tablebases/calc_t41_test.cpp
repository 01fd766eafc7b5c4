// Index calculators of king and three men against the lone king.
#include <gtest/gtest.h>
#include "tablebases/calc_men_cases.h"
#include "tablebases/tbcalc.h"

namespace {

using namespace calcmen;
using CalcT41 = CalcMen;

TEST_F(CalcT41, WorkedIndices) {
  using krbnk = T41<4, 3, 2>;
  EXPECT_EQ(W<krbnk>("krbnk", "b3 d1 f1 h1 g7"), 55135249u);
  EXPECT_EQ(B<krbnk>("krbnk", "b3 d1 f1 h1 g7"), 52861134u);

  using kbbnk = T41<3, 3, 2>;
  for (const char* sz : {"c2 a2 h3 b8 f6", "c2 h3 a2 b8 f6"}) {
    EXPECT_EQ(W<kbbnk>("kbbnk", sz), 26417827u) << sz;
    EXPECT_EQ(B<kbbnk>("kbbnk", sz), 42313558u) << sz;
  }

  using kbnnk = T41<3, 2, 2>;
  EXPECT_EQ(W<kbnnk>("kbnnk", "c2 e2 a1 h1 f6"), 25412045u);
  EXPECT_EQ(B<kbnnk>("kbnnk", "c2 e2 a1 h1 f6"), 42261967u);

  using knnnk = T41<2, 2, 2>;
  for (const char* sz : {"d1 a1 b1 c1 d8", "d1 c1 a1 b1 d8", "d1 b1 c1 a1 d8"}) {
    EXPECT_EQ(W<knnnk>("knnnk", sz), 5821924u) << sz;
    EXPECT_EQ(B<knnnk>("knnnk", sz), 7670495u) << sz;
  }

  using kbnpk = T41<3, 2, 1>;
  EXPECT_EQ(W<kbnpk>("kbnpk", "e1 c1 g1 a2 e8"), 35032275u);
  EXPECT_EQ(B<kbnpk>("kbnpk", "e1 c1 g1 a2 e8"), 39740521u);

  using knnpk = T41<2, 2, 1>;
  EXPECT_EQ(W<knnpk>("knnpk", "e1 b1 g1 h2 e8"), 16569948u);
  EXPECT_EQ(B<knnpk>("knnpk", "e1 b1 g1 h2 e8"), 19857341u);

  using knppk = T41<2, 1, 1>;
  EXPECT_EQ(W<knppk>("knppk", "e1 b1 a2 h2 e8"), 13322553u);
  EXPECT_EQ(B<knppk>("knppk", "e1 b1 a2 h2 e8"), 15055565u);

  using kpppk = T41<1, 1, 1>;
  EXPECT_EQ(W<kpppk>("kpppk", "e1 a2 b2 c2 e8"), 3430891u);
  EXPECT_EQ(B<kpppk>("kpppk", "e1 a2 b2 c2 e8"), 3782418u);
  EXPECT_EQ(W<kpppk>("kpppk", "e1 a2 b2 c2 e8", 1), 25249899u);
  EXPECT_EQ(B<kpppk>("kpppk", "e1 a2 b2 c2 e8", 1), 27486136u);
}

// The king pair of the side's last index: the mover's king on d4 without pawns, with pawns
// d8 when white moves and d1 when black moves (pawns numbered mirrored), the other on h8 or h1.
TEST_F(CalcT41, LastKingPairAndSample) {
  for (const CTableCounts& tc : rgT41Counts)
    for (color stm : {0, 1}) {
      bool fPawns = rgtbdDesc[tc.iTb].szName[3] == 'p';
      const char* szMover = !fPawns ? "d4" : stm ? "d1" : "d8";
      const char* szOther = fPawns && stm ? "h1" : "h8";
      EXPECT_TRUE(CheckLastKingPair(tc, stm, stm ? szOther : szMover, stm ? szMover : szOther));
      EXPECT_TRUE(CheckSample(tc, stm, 2000));
    }
}

TEST_F(CalcT41, DescriptorsAndIllegalKings) {
  ExpectDescriptorCounts(rgT41Counts);
  VCallWithAdjacentKings(rgT41Counts);
}

}  // namespace
