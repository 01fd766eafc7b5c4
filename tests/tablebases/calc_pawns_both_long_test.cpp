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

TEST_F(PawnsBothLong, SixManLastKingPair) {
  for (const PawnsBothTable& tb : rgPawnsBoth)
    if (std::string(tb.szName).size() == 6)
      for (color stm : {0, 1}) VCheckLastKingPair(tb, stm);
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
