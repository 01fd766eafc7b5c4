// Large random samples of every table of king and two men against king and one man.
#include <gtest/gtest.h>
#include "tablebases/calc_men_cases.h"

namespace {

using namespace calcmen;
using CalcT32Long = CalcMen;

TEST_F(CalcT32Long, LargeSample) {
  for (const CTableCounts& tc : rgT32Counts)
    for (color stm : {0, 1}) EXPECT_TRUE(CheckSample(tc, stm, 300000));
}

}  // namespace
