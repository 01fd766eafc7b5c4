// Every side of every table without pawns of both colours, through the descriptor table: its
// count, and the legal positions its calculator maps below it. The tables of one man a side
// in full; of the others a sample, and the tables of one shape and shortfall below the bound
// each in full (T31) or over their last king pair, where the last index lies.
#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>
#include <string>
#include "support/tb_counts.h"

namespace {

using namespace tbtest;
using CalcSides = CalcTest;

void ExpectSides(std::span<const TbSideCounts> rgtsc, Coverage cov, int cSamples,
                 std::initializer_list<const char*> rgszListed = {},
                 Coverage covListed = Coverage::kSample) {
  for (const TbSideCounts& tsc : rgtsc) {
    bool fListed = std::any_of(rgszListed.begin(), rgszListed.end(),
                               [&](const char* sz) { return !std::strcmp(sz, tsc.szName); });
    for (color stm : {0, 1}) ExpectSide(tsc, stm, fListed ? covListed : cov, cSamples, 1);
  }
}

class CalcT2Side : public CalcTest, public testing::WithParamInterface<TbSideCounts> {};

TEST_P(CalcT2Side, EveryLegalPosition) {
  for (color stm : {0, 1}) ExpectSide(GetParam(), stm, Coverage::kAll, 0, 0);
}

INSTANTIATE_TEST_SUITE_P(Tables, CalcT2Side, testing::ValuesIn(rgtscT2),
                         [](const testing::TestParamInfo<TbSideCounts>& info) {
                           return std::string(info.param.szName);
                         });

TEST_F(CalcSides, KingAndTwoAgainstKing) {
  ExpectSides(rgtscT31, Coverage::kSample, 2000, {"kppk", "kbnk", "krpk", "krrk"},
              Coverage::kAll);
}

TEST_F(CalcSides, KingAndTwoAgainstKingAndOne) {
  ExpectSides(rgtscT32, Coverage::kLastKingPair, 2000);
}

TEST_F(CalcSides, KingAndThreeAgainstKing) { ExpectSides(rgtscT41, Coverage::kLastKingPair, 2000); }

TEST_F(CalcSides, TwoAgainstTwo) {
  ExpectSides(rgtscT33, Coverage::kSample, 1500,
              {"knnknn", "kbnkbn", "krrkbn", "kqpkrb", "kqpkrr", "kqrkqp", "kqrkpp", "kqqkpp",
               "kbnknp"},
              Coverage::kLastKingPair);
}

TEST_F(CalcSides, ThreeAgainstOne) {
  ExpectSides(rgtscT42, Coverage::kSample, 1500,
              {"knnnkn", "kbnnkn", "kbbnkb", "kqrbkq", "knnnkp", "kqrrkp", "kbbnkp", "krbnkp",
               "kpppkr", "knppkb", "knnpkq", "kqrpkr"},
              Coverage::kLastKingPair);
}

}  // namespace
