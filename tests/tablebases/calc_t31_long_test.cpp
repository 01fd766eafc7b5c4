// Every legal position of every table of king and two men against the lone king.
#include <gtest/gtest.h>
#include "tablebases/calc_men_cases.h"

namespace {

using namespace calcmen;
using CalcT31Long = CalcMen;

TEST_F(CalcT31Long, AllPositions) {
  for (const CTableCounts& tc : rgT31Counts)
    for (color stm : {0, 1}) {
      const CTbDesc& tbd = rgtbdDesc[tc.iTb];
      EXPECT_TRUE(CheckAllPositions(tbd.rgpfnIndCalc[stm], tbd.szName, stm, tc.rgc[stm]));
    }
}

}  // namespace
