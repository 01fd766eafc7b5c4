// Index calculators of king and three men against the lone king: worked indices, with like
// men in every order.
#include <gtest/gtest.h>
#include "support/tb_counts.h"

namespace {

using namespace tbtest;
using CalcT41 = CalcTest;

TEST_F(CalcT41, WorkedIndices) {
  struct Case {
    const char* szTable;
    std::initializer_list<const char*> rgszSquares;  // one position, like men reordered
    int fInvert;
    INDEX rgi[2];  // white, black to move
  };
  const Case rgcase[] = {
      {"krbnk", {"b3 d1 f1 h1 g7"}, 0, {55135249, 52861134}},
      {"kbbnk", {"c2 a2 h3 b8 f6", "c2 h3 a2 b8 f6"}, 0, {26417827, 42313558}},
      {"kbnnk", {"c2 e2 a1 h1 f6"}, 0, {25412045, 42261967}},
      {"knnnk", {"d1 a1 b1 c1 d8", "d1 c1 a1 b1 d8", "d1 b1 c1 a1 d8"}, 0, {5821924, 7670495}},
      {"kbnpk", {"e1 c1 g1 a2 e8"}, 0, {35032275, 39740521}},
      {"knnpk", {"e1 b1 g1 h2 e8"}, 0, {16569948, 19857341}},
      {"knppk", {"e1 b1 a2 h2 e8"}, 0, {13322553, 15055565}},
      {"kpppk", {"e1 a2 b2 c2 e8"}, 0, {3430891, 3782418}},
      {"kpppk", {"e1 a2 b2 c2 e8"}, 1, {25249899, 27486136}},
  };
  for (const Case& c : rgcase)
    for (const char* sz : c.rgszSquares)
      for (color stm : {0, 1})
        EXPECT_EQ(IndexIn(c.szTable, stm, sz, c.fInvert), c.rgi[stm]) << c.szTable << " " << sz;
}

}  // namespace
