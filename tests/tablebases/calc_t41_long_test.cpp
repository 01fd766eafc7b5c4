// Large random samples of every table of king and three men against the lone king.
#include <gtest/gtest.h>
#include "tablebases/calc_men_cases.h"

namespace {

using namespace calcmen;
using CalcT41Long = CalcMen;

TEST_F(CalcT41Long, LargeSample) {
  for (const CTableCounts& tc : rgT41Counts)
    for (color stm : {0, 1}) EXPECT_TRUE(CheckSample(tc, stm, 300000));
}

}  // namespace
