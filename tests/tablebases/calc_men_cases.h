// Shared by the tests of the calculators of tables with two or three men on the stronger
// side: the position counts of every table side, and helpers over the shared checker.
#pragma once
#include <gtest/gtest.h>
#include "support/tb_positions.h"
#include "tablebases/tbdesc.h"
#include "tablebases/tbframework.h"

namespace calcmen {

using namespace tbtest;

class CalcMen : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(FBuildIndexTables()); }
};

// Index of a position given as squares in the order of the table name.
template <typename T>
INDEX W(const char* szTable, const char* szSquares, int fInvert = 0) {
  return IndexOf(T::IndCalcW, Place(szTable, szSquares), fInvert);
}
template <typename T>
INDEX B(const char* szTable, const char* szSquares, int fInvert = 0) {
  return IndexOf(T::IndCalcB, Place(szTable, szSquares), fInvert);
}

// Positions of a table side as the table files hold them, white and black to move.
struct CTableCounts {
  int iTb;
  INDEX rgc[2];
};

inline constexpr CTableCounts rgT31Counts[] = {
    {21, {1806671, 1912372}},  // kppk
    {22, {4648581, 5124732}},  // knpk
    {23, {735304, 873642}},  // knnk
    {24, {4817128, 5124732}},  // kbpk
    {25, {1550620, 1747284}},  // kbnk
    {26, {789885, 873642}},  // kbbk
    {27, {4779530, 5124732}},  // krpk
    {28, {1538479, 1747284}},  // krnk
    {29, {1594560, 1747284}},  // krbk
    {30, {777300, 873642}},  // krrk
    {31, {4533490, 5124732}},  // kqpk
    {32, {1459616, 1747284}},  // kqnk
    {33, {1512507, 1747284}},  // kqbk
    {34, {1500276, 1747284}},  // kqrk
    {35, {698739, 873642}},  // kqqk
};

// Without the five tables with pawns of both colours.
inline constexpr CTableCounts rgT32Counts[] = {
    {37, {108400260, 115899744}},  // kppkn
    {38, {108400260, 120132000}},  // kppkb
    {39, {108400260, 119209296}},  // kppkr
    {40, {108400260, 113036880}},  // kppkq
    {42, {278914860, 295914240}},  // knpkn
    {43, {278914860, 306720000}},  // knpkb
    {44, {278914860, 304369920}},  // knpkr
    {45, {278914860, 288610560}},  // knpkq
    {46, {137991648, 149445120}},  // knnkp
    {47, {44118240, 48096060}},  // knnkn
    {48, {44118240, 49854690}},  // knnkb
    {49, {44118240, 49475880}},  // knnkr
    {50, {44118240, 46912050}},  // knnkq
    {52, {289027680, 295914240}},  // kbpkn
    {53, {289027680, 306720000}},  // kbpkb
    {54, {289027680, 304369920}},  // kbpkr
    {55, {289027680, 288610560}},  // kbpkq
    {56, {290989584, 298890240}},  // kbnkp
    {57, {93037200, 96192120}},  // kbnkn
    {58, {93037200, 99709380}},  // kbnkb
    {59, {93037200, 98951760}},  // kbnkr
    {60, {93037200, 93824100}},  // kbnkq
    {61, {148223520, 149445120}},  // kbbkp
    {62, {47393100, 48096060}},  // kbbkn
    {63, {47393100, 49854690}},  // kbbkb
    {64, {47393100, 49475880}},  // kbbkr
    {65, {47393100, 46912050}},  // kbbkq
    {67, {286777440, 295914240}},  // krpkn
    {68, {286777440, 306720000}},  // krpkb
    {69, {286777440, 304369920}},  // krpkr
    {70, {286777440, 288610560}},  // krpkq
    {71, {288692928, 298890240}},  // krnkp
    {72, {92308740, 96192120}},  // krnkn
    {73, {92308740, 99709380}},  // krnkb
    {74, {92308740, 98951760}},  // krnkr
    {75, {92308740, 93824100}},  // krnkq
    {76, {299203200, 298890240}},  // krbkp
    {77, {95673600, 96192120}},  // krbkn
    {78, {95673600, 99709380}},  // krbkb
    {79, {95673600, 98951760}},  // krbkr
    {80, {95673600, 93824100}},  // krbkq
    {81, {145901232, 149445120}},  // krrkp
    {82, {46658340, 48096060}},  // krrkn
    {83, {46658340, 49854690}},  // krrkb
    {84, {46658340, 49475880}},  // krrkr
    {85, {46658340, 46912050}},  // krrkq
    {87, {272015040, 295914240}},  // kqpkn
    {88, {272015040, 306720000}},  // kqpkb
    {89, {272015040, 304369920}},  // kqpkr
    {90, {272015040, 288610560}},  // kqpkq
    {91, {273904512, 298890240}},  // kqnkp
    {92, {87576960, 96192120}},  // kqnkn
    {93, {87576960, 99709380}},  // kqnkb
    {94, {87576960, 98951760}},  // kqnkr
    {95, {87576960, 93824100}},  // kqnkq
    {96, {283818240, 298890240}},  // kqbkp
    {97, {90750420, 96192120}},  // kqbkn
    {98, {90750420, 99709380}},  // kqbkb
    {99, {90750420, 98951760}},  // kqbkr
    {100, {90750420, 93824100}},  // kqbkq
    {101, {281568240, 298890240}},  // kqrkp
    {102, {90038460, 96192120}},  // kqrkn
    {103, {90038460, 99709380}},  // kqrkb
    {104, {90038460, 98951760}},  // kqrkr
    {105, {90038460, 93824100}},  // kqrkq
    {106, {131170128, 149445120}},  // kqqkp
    {107, {41944320, 48096060}},  // kqqkn
    {108, {41944320, 49854690}},  // kqqkb
    {109, {41944320, 49475880}},  // kqqkr
    {110, {41944320, 46912050}},  // kqqkq
};

inline constexpr CTableCounts rgT41Counts[] = {
    {111, {26061704, 28388716}},  // kpppk
    {112, {102898651, 114742320}},  // knppk
    {113, {130135501, 153741960}},  // knnpk
    {114, {13486227, 17472840}},  // knnnk
    {115, {106602156, 114742320}},  // kbppk
    {116, {274352939, 307483920}},  // kbnpk
    {117, {43406294, 52418520}},  // kbnnk
    {118, {139715040, 153741960}},  // kbbpk
    {119, {44983618, 52418520}},  // kbbnk
    {120, {15010230, 17472840}},  // kbbbk
    {121, {105758666, 114742320}},  // krppk
    {122, {272153675, 307483920}},  // krnpk
    {123, {43056198, 52418520}},  // krnnk
    {124, {281991360, 307483920}},  // krbpk
    {125, {90787358, 104837040}},  // krbnk
    {126, {46242089, 52418520}},  // krbbk
    {127, {137491197, 153741960}},  // krrpk
    {128, {44265261, 52418520}},  // krrnk
    {129, {45873720, 52418520}},  // krrbk
    {130, {14644690, 17472840}},  // krrrk
    {131, {100347220, 114742320}},  // kqppk
    {132, {258294639, 307483920}},  // kqnpk
    {133, {40873646, 52418520}},  // kqnnk
    {134, {267576632, 307483920}},  // kqbpk
    {135, {86166717, 104837040}},  // kqbnk
    {136, {43879679, 52418520}},  // kqbbk
    {137, {265421907, 307483920}},  // kqrpk
    {138, {85470603, 104837040}},  // kqrnk
    {139, {88557959, 104837040}},  // kqrbk
    {140, {43157690, 52418520}},  // kqrrk
    {141, {123688859, 153741960}},  // kqqpk
    {142, {39840787, 52418520}},  // kqqnk
    {143, {41270973, 52418520}},  // kqqbk
    {144, {40916820, 52418520}},  // kqqrk
    {145, {12479974, 17472840}},  // kqqqk
};

// The descriptor table holds the same counts.
template <size_t cTables>
void ExpectDescriptorCounts(const CTableCounts (&rgtc)[cTables]) {
  for (const CTableCounts& tc : rgtc)
    for (color stm : {0, 1})
      EXPECT_EQ(rgtbdDesc[tc.iTb].positions[stm], tc.rgc[stm]) << rgtbdDesc[tc.iTb].szName;
}

// Adjacent kings have no pair number; the calculators must still read nothing beyond their
// tables (which the address sanitizer watches). Every slot holds some square of ranks 2-7.
template <size_t cTables>
void VCallWithAdjacentKings(const CTableCounts (&rgtc)[cTables]) {
  TbPlacement pl;
  for (square sqWk = 0; sqWk < 64; sqWk++)
    for (int iDir : {-9, -8, -7, -1, 1, 7, 8, 9}) {
      square sqBk = sqWk + iDir;
      if (sqBk < 0 || sqBk > 63 || FKingsApart(sqWk, sqBk)) continue;
      for (int slot = 1; slot < 24; slot++)
        pl.rgsq[0][slot] = 8 + (sqWk + slot) % 48, pl.rgsq[1][slot] = 8 + (sqBk + 2 * slot) % 48;
      pl.rgsq[0][0] = sqWk, pl.rgsq[1][0] = sqBk;
      for (const CTableCounts& tc : rgtc)
        for (color stm : {0, 1})
          for (int fInvert : {0, 1}) IndexOf(rgtbdDesc[tc.iTb].rgpfnIndCalc[stm], pl, fInvert);
    }
}

// Every placement of the men beside one king pair, and its largest index plus one is the
// count: the pair on which the side's last legal index lies.
inline testing::AssertionResult CheckLastKingPair(const CTableCounts& tc, color stm,
                                                  const char* szWk, const char* szBk) {
  const CTbDesc& tbd = rgtbdDesc[tc.iTb];
  const PfnCalcIndex pfn = tbd.rgpfnIndCalc[stm];
  const square sqWk = SqFromName(szWk), sqBk = SqFromName(szBk);
  testing::AssertionResult result = CheckKingPair(pfn, tbd.szName, stm, tc.rgc[stm], sqWk, sqBk);
  if (!result) return result;
  INDEX iMax = 0;
  ForEachLegalWithKings(TbMaterial::FromName(tbd.szName), stm, sqWk, sqBk,
                        [&](const TbPlacement& pl) {
                          iMax = std::max(iMax, IndexOf(pfn, pl));
                          return true;
                        });
  if (iMax + 1 == tc.rgc[stm]) return testing::AssertionSuccess();
  return testing::AssertionFailure() << tbd.szName << (stm ? " btm" : " wtm") << ": largest index "
                                     << iMax << ", count " << tc.rgc[stm];
}

// A random sample of legal positions over all king pairs.
inline testing::AssertionResult CheckSample(const CTableCounts& tc, color stm, int cSamples) {
  const CTbDesc& tbd = rgtbdDesc[tc.iTb];
  return CheckSampled(tbd.rgpfnIndCalc[stm], tbd.szName, stm, tc.rgc[stm], cSamples,
                      uint64_t(tc.iTb) * 2 + stm);
}

}  // namespace calcmen
