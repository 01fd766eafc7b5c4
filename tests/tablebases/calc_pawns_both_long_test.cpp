// Larger samples for the calculators of the tables with pawns of both colours: the six-man
// tables over their last king pair (reaching the last stored position), and many more
// sampled positions of every table.
#include <gtest/gtest.h>
#include <string>
#include "support/tb_positions.h"
#include "tablebases/tbframework.h"
#include "pawns_both_tables.h"

namespace {

using namespace tbtest;

class PawnsBothLong : public testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(FBuildIndexTables()); }
};

// The mover's king on d8 and the other on h8 make the last king pair of the en-passant
// range; flipped, of the ordinary range of black to move, and of its en-passant range in a
// symmetric table.
TEST_F(PawnsBothLong, SixManLastKingPair) {
  for (const PawnsBothTable& tb : rgPawnsBoth) {
    if (std::string(tb.szName).size() != 6) continue;
    for (color stm : {0, 1}) {
      square sqMover = SqFromName("d8"), sqOther = SqFromName("h8");
      square sqWk = stm == 0 ? sqMover : sqOther, sqBk = stm == 0 ? sqOther : sqMover;
      int fFlipEp = stm == 1 && tb.FSymmetric();
      INDEX iMax = 0;
      EXPECT_TRUE(CheckKingPairEnPassant(tb.rgpfn[stm], tb.szName, stm, tb.rgiFirstEnPassant[stm],
                                         tb.rgcPositions[stm], sqWk ^ 56 * fFlipEp,
                                         sqBk ^ 56 * fFlipEp, &iMax));
      EXPECT_EQ(iMax + 1, tb.rgcPositions[stm]) << tb.szName << " " << stm;
      EXPECT_TRUE(CheckKingPair(tb.rgpfn[stm], tb.szName, stm, tb.rgiFirstEnPassant[stm],
                                sqWk ^ 56 * stm, sqBk ^ 56 * stm));
    }
  }
}

TEST_F(PawnsBothLong, EveryTableSampledWidely) {
  uint64_t seed = 1000;
  for (const PawnsBothTable& tb : rgPawnsBoth)
    for (color stm : {0, 1}) {
      EXPECT_TRUE(CheckSampled(tb.rgpfn[stm], tb.szName, stm, tb.rgiFirstEnPassant[stm], 50000,
                               seed++));
      EXPECT_TRUE(CheckSampledEnPassant(tb.rgpfn[stm], tb.szName, stm, tb.rgiFirstEnPassant[stm],
                                        tb.rgcPositions[stm], 20000, seed++));
    }
}

}  // namespace
