// Every side of every table of two men against two and of three men against one: all
// placements beside the last king pair reach exactly the side's count, and a large sample over
// all king pairs and every placement beside that pair share indices only between images.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "support/tb_positions.h"
#include "support/tb_six_men.h"
#include "tablebases/tbdesc.h"
#include "tablebases/tbframework.h"

namespace {

using namespace tbtest;

struct SideParam {
  const TbSideCounts* ptsc;
  color stm;
};

std::vector<SideParam> AllSides() {
  std::vector<SideParam> rg;
  for (auto rgtsc : {rgtscTwoAgainstTwo, rgtscThreeAgainstOne})
    for (const TbSideCounts& tsc : rgtsc)
      for (color stm : {0, 1}) rg.push_back({&tsc, stm});
  return rg;
}

class SixManSide : public testing::TestWithParam<SideParam> {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(FBuildIndexTables()); }
};

TEST_P(SixManSide, LastKingPairAndSample) {
  const TbSideCounts& tsc = *GetParam().ptsc;
  color stm = GetParam().stm;
  ExpectSide(tsc, stm, true, 200000, 11);
  // Positions beside the last king pair that share an index are images of each other.
  auto [sqWk, sqBk] = LastKingPair(tsc.szName, stm);
  EXPECT_TRUE(CheckKingPair(rgtbdDesc[tsc.iTb].rgpfnIndCalc[stm], tsc.szName, stm, tsc.rgc[stm],
                            sqWk, sqBk));
}

INSTANTIATE_TEST_SUITE_P(AllTables, SixManSide, testing::ValuesIn(AllSides()),
                         [](const testing::TestParamInfo<SideParam>& info) {
                           return std::string(info.param.ptsc->szName) +
                                  (info.param.stm ? "_black" : "_white");
                         });

}  // namespace
