// Every side of every table of two men against two: all placements beside the last king pair
// reach exactly the side's count, and a large sample over all king pairs stays below it with
// shared indices only between images.
#include <gtest/gtest.h>
#include "support/tb_counts_six.h"
#include "support/tb_positions.h"
#include "tablebases/tbdesc.h"
#include "tablebases/tbframework.h"

namespace {

using namespace tbtest;

class T33Side : public testing::TestWithParam<std::tuple<int, color>> {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(FBuildIndexTables()); }
};

TEST_P(T33Side, LastKingPairAndSample) {
  auto [i, stm] = GetParam();
  const TbSideCounts& tsc = rgtscTwoAgainstTwo[i];
  const CTbDesc& tbd = rgtbdDesc[tsc.iTb];
  ASSERT_STREQ(tbd.szName, tsc.szName);
  auto [sqWk, sqBk] = LastKingPair(tsc.szName, stm);
  EXPECT_TRUE(CheckLargestIndex(tbd.rgpfnIndCalc[stm], tsc.szName, stm, tsc.rgc[stm], sqWk, sqBk));
  EXPECT_TRUE(CheckSampled(tbd.rgpfnIndCalc[stm], tsc.szName, stm, tsc.rgc[stm], 200000, 11));
}

INSTANTIATE_TEST_SUITE_P(
    AllTables, T33Side,
    testing::Combine(testing::Range(0, int(rgtscTwoAgainstTwo.size())), testing::Values(0, 1)),
    [](const auto& info) {
      return std::string(rgtscTwoAgainstTwo[std::get<0>(info.param)].szName) +
             (std::get<1>(info.param) ? "_black" : "_white");
    });

}  // namespace
