// The shared position checker: legality, enumeration, and that its checks catch faulty
// calculators while passing a sound one.
#include "support/tb_positions.h"
#include <gtest/gtest.h>
#include <algorithm>
#include <map>

namespace {

using namespace tbtest;

TEST(TbPositions, Legality) {
  TbMaterial krkb = TbMaterial::FromName("krkb");
  EXPECT_TRUE(FLegal(krkb, 0, Place("krkb", "a1 g2 h8 c4")));
  EXPECT_FALSE(FLegal(krkb, 0, Place("krkb", "a1 h1 h8 c4")));  // rook checks along the file
  EXPECT_TRUE(FLegal(krkb, 0, Place("krkb", "a1 h1 h8 h4")));   // blocked by the bishop
  EXPECT_TRUE(FLegal(krkb, 1, Place("krkb", "a1 h1 h8 c4")));   // black to move may be in check
  EXPECT_FALSE(FLegal(krkb, 1, Place("krkb", "a1 h1 h8 d4")));  // white not to move, in check
  EXPECT_TRUE(FLegal(krkb, 1, Place("krkb", "a1 c3 h8 d4")));   // blocked by the rook
  EXPECT_FALSE(FLegal(krkb, 0, Place("krkb", "a1 h1 b2 c3")));  // kings adjacent
  EXPECT_FALSE(FLegal(krkb, 0, Place("krkb", "a1 c3 h8 c3")));  // one square for two men
  TbMaterial kpkp = TbMaterial::FromName("kpkp");
  EXPECT_FALSE(FLegal(kpkp, 0, Place("kpkp", "a1 d4 e5 h7")));  // white pawn checks e5
  EXPECT_TRUE(FLegal(kpkp, 0, Place("kpkp", "a1 d4 e3 h7")));   // but not backwards
  EXPECT_FALSE(FLegal(kpkp, 1, Place("kpkp", "e3 a2 h8 d4")));  // black pawn checks e3
  EXPECT_FALSE(FLegal(kpkp, 0, Place("kpkp", "a1 d8 h8 h7")));  // pawn on the last rank
  EXPECT_FALSE(FLegal(kpkp, 1, Place("kpkp", "a1 d2 h8 h1")));
}

TEST(TbPositions, PlacementLayout) {
  TbPlacement pl = Place("kqrkbn", "e1 d1 a1 e8 c8 b8");
  EXPECT_EQ(pl.rgsq[0][0], SqFromName("e1"));
  EXPECT_EQ(pl.rgsq[0][20], SqFromName("d1"));
  EXPECT_EQ(pl.rgsq[0][16], SqFromName("a1"));
  EXPECT_EQ(pl.rgsq[1][12], SqFromName("c8"));
  EXPECT_EQ(pl.rgsq[1][8], SqFromName("b8"));
  EXPECT_EQ(pl.rgsq[0][4], XX);
  EXPECT_EQ(SzPlacement(Place("knnkp", "e1 b1 g1 e8 d7")), "Ke1 Nb1 Ng1 / Ke8 Pd7");
  EXPECT_EQ(Place("knnk", "a1 b1 c1 h8").rgsq[0][9], SqFromName("c1"));
}

// Enumeration agrees with a plain test of every placement, and visits like men once.
TEST(TbPositions, EnumerationMatchesLegality) {
  for (const char* szTable : {"kpk", "kqk", "knk"})
    for (color stm : {0, 1}) {
      TbMaterial mat = TbMaterial::FromName(szTable);
      int slot = 4 * (std::find(mat.rgcMen[0], mat.rgcMen[0] + 6, 1) - mat.rgcMen[0]);
      long cBrute = 0, cWalk = 0;
      TbPlacement pl = Place(szTable, "a1 a1 a1");
      for (square a = 0; a < 64; a++)
        for (square b = 0; b < 64; b++)
          for (square c = 0; c < 64; c++) {
            pl.rgsq[0][0] = a, pl.rgsq[1][0] = b, pl.rgsq[0][slot] = c;
            cBrute += FLegal(mat, stm, pl);
          }
      ForEachLegal(mat, stm, false,
                   [&](const TbPlacement& p, square) { return FLegal(mat, stm, p) && ++cWalk; });
      EXPECT_EQ(cWalk, cBrute) << szTable << " " << stm;
    }
  TbMaterial mat = TbMaterial::FromName("kbbkr");
  long cWalk = 0, cBrute = 0;
  auto visit = [&](const TbPlacement& p, square) {
    EXPECT_LT(p.rgsq[0][12], p.rgsq[0][13]);
    return FLegal(mat, 1, p) && ++cWalk;
  };
  ForEachLegalWithKings(mat, 1, SqFromName("c3"), SqFromName("f6"), false, visit);
  TbPlacement pl = Place("kbbkr", "c3 a1 a1 f6 a1");
  for (square a = 0; a < 64; a++)
    for (square b = a + 1; b < 64; b++)
      for (square c = 0; c < 64; c++) {
        pl.rgsq[0][12] = a, pl.rgsq[0][13] = b, pl.rgsq[1][16] = c;
        cBrute += FLegal(mat, 1, pl);
      }
  EXPECT_EQ(cWalk, cBrute);
  EXPECT_GT(cWalk, 50000);
}

// A reference calculator for kbk and kpk: the rank of the least image of the position among
// all images, so every class of images takes one index.
std::map<uint32_t, INDEX> mpRef[2];
bool fRefPawns;
// 0 sound, 1 one too many, 2 two classes merged, 3 not mirrored, 4 fInvert read, 5 classes
// merged in pairs.
int iFault;

uint32_t RefKey(square wk, square bk, square sq) {
  uint32_t key = UINT32_MAX;
  for (int g = 0; g < (fRefPawns ? 2 : 8); g++) {
    auto map = [&](square s) {
      if (g & 4) s = (s & 7) * 8 + (s >> 3);
      return s ^ (g & 1 ? 7 : 0) ^ (g & 2 ? 56 : 0);
    };
    key = std::min(key, uint32_t(map(wk) << 12 | map(bk) << 6 | map(sq)));
  }
  return key;
}

INDEX RefCalc(color stm, const square* psqW, const square* psqB, int fInvert) {
  int slot = fRefPawns ? 4 : 12;
  int m = fInvert && fRefPawns ? 56 : 0;
  square wk = psqW[0] ^ m, bk = psqB[0] ^ m, sq = psqW[slot] ^ m;
  if (iFault == 3 && (wk & 7) == 0) sq ^= 7;
  INDEX i = mpRef[stm].at(RefKey(wk, bk, sq));
  if (iFault == 1) i++;
  if (iFault == 2 && i == 1) i = 0;
  if (iFault == 4 && fInvert) i ^= 1;
  if (iFault == 5) i /= 2;
  return i;
}
INDEX RefW(const square* w, const square* b, square, int f) { return RefCalc(0, w, b, f); }
INDEX RefB(const square* w, const square* b, square, int f) { return RefCalc(1, w, b, f); }

INDEX BuildRef(const char* szTable, color stm) {
  fRefPawns = szTable[1] == 'p';
  mpRef[stm].clear();
  int slot = fRefPawns ? 4 : 12;
  ForEachLegal(TbMaterial::FromName(szTable), stm, false, [&](const TbPlacement& p, square) {
    mpRef[stm][RefKey(p.rgsq[0][0], p.rgsq[1][0], p.rgsq[0][slot])] = 0;
    return true;
  });
  INDEX i = 0;
  for (auto& [key, index] : mpRef[stm]) index = i++;
  return i;
}

TEST(TbPositions, ChecksPassSoundAndCatchFaultyCalculators) {
  for (const char* szTable : {"kbk", "kpk"})
    for (color stm : {0, 1}) {
      INDEX c = BuildRef(szTable, stm);
      const TbSide side{stm ? RefB : RefW, szTable, stm, c};
      const TbSide sideLonger{side.pfn, szTable, stm, c + 1};
      const square b1 = SqFromName("b1"), d5 = SqFromName("d5");
      iFault = 0;
      EXPECT_TRUE(CheckAllPositions(side)) << szTable;
      EXPECT_FALSE(CheckAllPositions(sideLonger)) << szTable;
      EXPECT_TRUE(CheckKingPair(side, b1, d5, false));
      EXPECT_TRUE(CheckSampled(side, 3000, 7));
      for (iFault = 1; iFault <= 5; iFault++) {
        if (iFault == 4 && !fRefPawns) continue;
        EXPECT_FALSE(CheckAllPositions(side)) << szTable << " fault " << iFault;
        if (iFault <= 2) continue;  // faults at one or two indices escape sampling
        EXPECT_FALSE(CheckSampled(side, 3000, 7)) << szTable << " fault " << iFault;
        if (iFault == 5) {
          EXPECT_FALSE(CheckKingPair(side, b1, d5, false));
        }
      }
    }
}

}  // namespace
