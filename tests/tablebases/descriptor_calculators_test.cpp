// The whole descriptor table: every record 1..440 has both calculators, and each maps
// legal positions of its table below the side's count, two positions sharing an index only
// when they are images of each other.
#include <gtest/gtest.h>
#include "support/tb_positions.h"
#include "tablebases/tbdesc.h"
#include "tablebases/tbframework.h"

namespace {

using namespace tbtest;

TEST(DescriptorCalculators, EveryRecordMapsLegalPositionsBelowItsCount) {
  ASSERT_TRUE(FBuildIndexTables());
  uint64_t seed = 440;
  for (int iTb = 1; iTb <= cTb; iTb++) {
    const CTbDesc& tbd = rgtbdDesc[iTb];
    for (color side : {0, 1}) {
      ASSERT_NE(tbd.rgpfnIndCalc[side], nullptr) << tbd.szName;
      EXPECT_TRUE(CheckSampled({tbd.rgpfnIndCalc[side], tbd.szName, side, tbd.positions[side]},
                               1000, seed++));
    }
  }
}

}  // namespace
