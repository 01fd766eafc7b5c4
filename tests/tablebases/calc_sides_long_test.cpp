// Every side of every table without pawns of both colours, one test each: the tables of king
// and two men against the lone king in full; the others over their last king pair, whose
// largest index plus one is the count, and a large sample over all king pairs.
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include "support/tb_counts.h"

namespace {

using namespace tbtest;

struct SideParam {
  const TbSideCounts* ptsc;
  color stm;
  Coverage cov;
  int cSamples;
};

std::vector<SideParam> AllSides() {
  struct Family {
    std::span<const TbSideCounts> rgtsc;
    Coverage cov;
    int cSamples;
  };
  const Family rgfam[] = {{rgtscT31, Coverage::kAll, 0},
                          {rgtscT32, Coverage::kLastKingPair, 300000},
                          {rgtscT41, Coverage::kLastKingPair, 300000},
                          {rgtscT33, Coverage::kLastKingPair, 200000},
                          {rgtscT42, Coverage::kLastKingPair, 200000}};
  std::vector<SideParam> rg;
  for (const Family& fam : rgfam)
    for (const TbSideCounts& tsc : fam.rgtsc)
      for (color stm : {0, 1}) rg.push_back({&tsc, stm, fam.cov, fam.cSamples});
  return rg;
}

class CalcSide : public CalcTest, public testing::WithParamInterface<SideParam> {};

TEST_P(CalcSide, Positions) {
  const SideParam& p = GetParam();
  ExpectSide(*p.ptsc, p.stm, p.cov, p.cSamples, 11);
}

INSTANTIATE_TEST_SUITE_P(AllTables, CalcSide, testing::ValuesIn(AllSides()),
                         [](const testing::TestParamInfo<SideParam>& info) {
                           return std::string(info.param.ptsc->szName) +
                                  (info.param.stm ? "_black" : "_white");
                         });

}  // namespace
