// Calculators of the three-man tables and the four-man tables with one man a side: worked
// indices, and every legal position of every table checked against its side's count.
#include <gtest/gtest.h>
#include "support/tb_positions.h"
#include "tablebases/tbdesc.h"
#include "tablebases/tbframework.h"

namespace {

using namespace tbtest;

class CalcT2 : public testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(FBuildIndexTables()); }
  static INDEX Index(int iTb, color stm, const char* szSquares, int fInvert = 0) {
    const CTbDesc& tbd = rgtbdDesc[iTb];
    return IndexOf(tbd.rgpfnIndCalc[stm], Place(tbd.szName, szSquares), fInvert);
  }
};

constexpr int kpk = 1, knk = 2, knkp = 7, knkn = 8, kbkn = 10;

TEST_F(CalcT2, WorkedIndicesWithPawns) {
  EXPECT_EQ(Index(kpk, 0, "a1 a2 c1"), 0u);
  EXPECT_EQ(Index(kpk, 0, "a1 b2 c1"), 1u);
  EXPECT_EQ(Index(kpk, 0, "a1 a2 d1"), 48u);    // the second king pair starts after 48
  EXPECT_EQ(Index(kpk, 0, "h1 h2 f1"), 0u);     // the same, mirrored
  EXPECT_EQ(Index(kpk, 0, "a8 a7 c8", 1), 0u);  // the same, colours exchanged
  // A white king on rank 1 or 8 never reduces the pawn's number.
  EXPECT_EQ(Index(kpk, 0, "a1 h7 c1"), 47u);
  EXPECT_EQ(Index(kpk, 0, "a8 a2 c8"), rgpiOneManOffsetPawns[1][rgiKingPairPawns[56 * 64 + 58]]);
  // Black to move: the pawn that gives check is numbered like any other; in the frame
  // turned and mirrored the kings stand on d4 and h8, the pawn on e5 above d4.
  EXPECT_EQ(Index(kpk, 1, "a1 d4 e5"), rgpiOneManOffsetPawns[0][rgiKingPairPawns[27 * 64 + 63]] + 27);
  // A black pawn takes places 0 (a2) to 47 (h7), whatever the other men.
  INDEX i = Index(knkp, 0, "a1 h8 c1 a2");
  EXPECT_EQ(i % 48, 0u);
  EXPECT_EQ(Index(knkp, 0, "a1 h8 c1 h7"), i + 47);
  EXPECT_EQ(Index(knkp, 0, "a1 b1 c1 a2"), 0u);
  EXPECT_EQ(Index(knkp, 0, "h1 g1 f1 h2"), 0u);  // the mirror image
  // Black to move: pawn numbered against the white king, knight counted plainly.
  EXPECT_EQ(Index(knkp, 1, "c8 h1 a8 a7"), 7u);
  EXPECT_EQ(Index(knkp, 1, "c8 h8 a8 a7"), 60u);
  EXPECT_EQ(Index(knkp, 1, "c8 h8 a8 b7"), 61u + 60);
}

TEST_F(CalcT2, WorkedIndicesWithoutPawns) {
  EXPECT_EQ(Index(knk, 0, "a1 b1 c1"), 0u);  // a1 takes a place below b1
  EXPECT_EQ(Index(knk, 0, "a1 d1 c1"), 1u);  // c1 itself and its knight squares are skipped
  EXPECT_EQ(Index(knk, 1, "c1 b1 a1"), 0u);
  EXPECT_EQ(Index(knk, 1, "c1 h8 a1"), 61u);
  EXPECT_EQ(Index(knk, 1, "d1 a1 b1"), 33u * 62);  // a1 pairs with 33 kings
  EXPECT_EQ(Index(knk, 1, "a3 h1 c2"), Index(knk, 1, "c1 a8 b3"));  // b3 reflects to c2
  EXPECT_EQ(Index(knkn, 0, "a1 b1 c1 d1"), 0u);
  EXPECT_EQ(Index(knkn, 0, "a1 b1 c1 h8"), 60u);
  EXPECT_EQ(Index(knkn, 0, "a1 d1 c1 b1"), 61u);
  // Both kings on the long diagonal: the men keep their sides of it, so positions that are
  // mirror images in it get different indices.
  EXPECT_NE(Index(kbkn, 0, "c3 b1 f6 a2"), Index(kbkn, 0, "c3 a2 f6 b1"));
  EXPECT_NE(Index(knk, 1, "f6 a2 c3"), Index(knk, 1, "f6 b1 c3"));
  EXPECT_EQ(Index(knk, 0, "c3 b1 h5"), Index(knk, 0, "c3 a2 e8"));  // kings off it
}

struct TableCounts {
  int iTb;
  INDEX rgc[2];  // positions with white, black to move
};

class ExhaustiveT2 : public CalcT2, public testing::WithParamInterface<TableCounts> {};

TEST_P(ExhaustiveT2, EveryLegalPosition) {
  const CTbDesc& tbd = rgtbdDesc[GetParam().iTb];
  for (color stm : {0, 1})
    EXPECT_TRUE(CheckAllPositions(tbd.rgpfnIndCalc[stm], tbd.szName, stm, GetParam().rgc[stm]));
}

INSTANTIATE_TEST_SUITE_P(
    Tables, ExhaustiveT2,
    testing::Values(TableCounts{1, {81664, 84012}}, TableCounts{2, {26282, 28644}},
                    TableCounts{3, {27243, 28644}}, TableCounts{4, {27030, 28644}},
                    TableCounts{5, {25629, 28644}}, TableCounts{7, {4931904, 4981504}},
                    TableCounts{8, {1603202, 1603202}}, TableCounts{9, {5112000, 4981504}},
                    TableCounts{10, {1661823, 1603202}}, TableCounts{11, {1661823, 1661823}},
                    TableCounts{12, {5072736, 4981504}}, TableCounts{13, {1649196, 1603202}},
                    TableCounts{14, {1649196, 1661823}}, TableCounts{15, {1649196, 1649196}},
                    TableCounts{16, {4810080, 4981504}}, TableCounts{17, {1563735, 1603202}},
                    TableCounts{18, {1563735, 1661823}}, TableCounts{19, {1563735, 1649196}},
                    TableCounts{20, {1563735, 1563735}}),
    [](const testing::TestParamInfo<TableCounts>& info) {
      return std::string(rgtbdDesc[info.param.iTb].szName);
    });

}  // namespace
