// The 36 tables with pawns of both colours: calculators, and per side the size of the
// ordinary range (where the en-passant range begins) and the number of positions stored.
#pragma once
#include <gtest/gtest.h>
#include <string_view>
#include "support/tb_counts.h"
#include "support/tb_positions.h"
#include "tablebases/tbcalc.h"

struct PawnsBothTable {
  const char* szName;
  PfnCalcIndex rgpfn[2];
  INDEX rgiFirstEnPassant[2];
  INDEX rgcPositions[2];
  // Two or more men a side, the same on both: black to move is white to move with the
  // colours exchanged, the board flipped (kpkp has a calculator of its own for each side).
  bool FSymmetric() const {
    std::string_view sz = szName;
    size_t ik = sz.find('k', 1);
    return ik > 2 && sz.substr(0, ik) == sz.substr(ik);
  }
  // The positions of a side without and with an en-passant right, and their indices.
  tbtest::TbSide Ordinary(color stm) const {
    return {rgpfn[stm], szName, stm, rgiFirstEnPassant[stm]};
  }
  tbtest::TbSide EnPassant(color stm) const {
    return {rgpfn[stm], szName, stm, rgcPositions[stm], rgiFirstEnPassant[stm]};
  }
};

#define TB_ROW(name, ...) {name, {__VA_ARGS__::IndCalcW, __VA_ARGS__::IndCalcB},
inline const PawnsBothTable rgPawnsBoth[] = {
  TB_ROW("kpkp", T22<1,1>) {3838208, 3838208}, {3863492, 3863492}},
  TB_ROW("kppkp", T32<1,1,1>) {83106866, 88278784}, {84219361, 89391280}},
  TB_ROW("knpkp", T32<2,1,1>) {218483307, 230292480}, {219921779, 231758952}},
  TB_ROW("kbpkp", T32<3,1,1>) {226405016, 230292480}, {227896016, 231758952}},
  TB_ROW("krpkp", T32<4,1,1>) {224642328, 230292480}, {226121876, 231758952}},
  TB_ROW("kqpkp", T32<5,1,1>) {213078448, 230292480}, {214481388, 231758952}},
  TB_ROW("kppkpp", T33<1,1,1,1>) {1869904485, 1869904485}, {1917741812, 1917741812}},
  TB_ROW("knpkpp", T33<2,1,1,1>) {5025116061, 4903305094}, {5088408829, 4966717366}},
  TB_ROW("knpknp", T33<2,1,2,1>) {12890515113, 12890515113}, {12972508017, 12972508017}},
  TB_ROW("kbpkpp", T33<3,1,1,1>) {5207315368, 4903305094}, {5272919368, 4966717366}},
  TB_ROW("kbpknp", T33<3,1,2,1>) {13357895944, 12890515113}, {13442882944, 12972508017}},
  TB_ROW("kbpkbp", T33<3,1,3,1>) {13357895944, 13357895944}, {13442882944, 13442882944}},
  TB_ROW("krpkpp", T33<4,1,1,1>) {5166773544, 4903305094}, {5231873656, 4966717366}},
  TB_ROW("krpknp", T33<4,1,2,1>) {13253897352, 12890515113}, {13338233184, 12972508017}},
  TB_ROW("krpkbp", T33<4,1,3,1>) {13253897352, 13357895944}, {13338233184, 13442882944}},
  TB_ROW("krpkrp", T33<4,1,4,1>) {13253897352, 13253897352}, {13338233184, 13338233184}},
  TB_ROW("kqpkpp", T33<5,1,1,1>) {4900804304, 4903305094}, {4962533664, 4966717366}},
  TB_ROW("kqpknp", T33<5,1,2,1>) {12571628432, 12890515113}, {12651597608, 12972508017}},
  TB_ROW("kqpkbp", T33<5,1,3,1>) {12571628432, 13357895944}, {12651597608, 13442882944}},
  TB_ROW("kqpkrp", T33<5,1,4,1>) {12571628432, 13253897352}, {12651597608, 13338233184}},
  TB_ROW("kqpkqp", T33<5,1,5,1>) {12571628432, 12571628432}, {12651597608, 12651597608}},
  TB_ROW("kpppkp", T42<1,1,1,1>) {1172776680, 1324181760}, {1196695343, 1348100424}},
  TB_ROW("knppkp", T42<2,1,1,1>) {4733337946, 5208448256}, {4796630713, 5271860528}},
  TB_ROW("knnpkp", T42<2,2,1,1>) {6116368547, 6793628160}, {6156616111, 6835422612}},
  TB_ROW("kbppkp", T42<3,1,1,1>) {4903699176, 5208448256}, {4969303175, 5271860528}},
  TB_ROW("kbnpkp", T42<3,2,1,1>) {12894590342, 13587256320}, {12979462304, 13670845224}},
  TB_ROW("kbbpkp", T42<3,3,1,1>) {6566606880, 6793628160}, {6609838740, 6835422612}},
  TB_ROW("krppkp", T42<4,1,1,1>) {4864898728, 5208448256}, {4929998839, 5271860528}},
  TB_ROW("krnpkp", T42<4,2,1,1>) {12791222725, 13587256320}, {12875424829, 13670845224}},
  TB_ROW("krbpkp", T42<4,3,1,1>) {13253593920, 13587256320}, {13340861520, 13670845224}},
  TB_ROW("krrpkp", T42<4,4,1,1>) {6462344712, 6793628160}, {6504899238, 6835422612}},
  TB_ROW("kqppkp", T42<5,1,1,1>) {4615972212, 5208448256}, {4677701571, 5271860528}},
  TB_ROW("kqnpkp", T42<5,2,1,1>) {12139848033, 13587256320}, {12219736849, 13670845224}},
  TB_ROW("kqbpkp", T42<5,3,1,1>) {12576101704, 13587256320}, {12658882024, 13670845224}},
  TB_ROW("kqrpkp", T42<5,4,1,1>) {12475101336, 13587256320}, {12557225406, 13670845224}},
  TB_ROW("kqqpkp", T42<5,5,1,1>) {5813630408, 6793628160}, {5851888362, 6835422612}},
};
#undef TB_ROW

// The ordinary range numbers its last king pair as the other families do; the en-passant
// range has the mover's king on d8 and the other on h8, flipped only for black to move in a
// symmetric table, and must reach the last stored position.
inline void VCheckLastKingPair(const PawnsBothTable& tb, color stm) {
  auto [sqWk, sqBk] = tbtest::LastKingPair(tb.szName, stm);
  EXPECT_TRUE(tbtest::CheckKingPair(tb.Ordinary(stm), sqWk, sqBk, false));
  if (stm == 1 && !tb.FSymmetric()) sqWk ^= 56, sqBk ^= 56;
  EXPECT_TRUE(tbtest::CheckKingPair(tb.EnPassant(stm), sqWk, sqBk, true));
}

// Every side of the tables of cMen men over its last king pairs.
inline void VCheckLastKingPairs(size_t cMen) {
  for (const PawnsBothTable& tb : rgPawnsBoth)
    if (std::string_view(tb.szName).size() == cMen)
      for (color stm : {0, 1}) VCheckLastKingPair(tb, stm);
}

// Every side of every table: samples of its positions without and with an en-passant right.
inline void VCheckSamples(int cOrdinary, int cEnPassant, uint64_t seed) {
  for (const PawnsBothTable& tb : rgPawnsBoth)
    for (color stm : {0, 1}) {
      EXPECT_TRUE(tbtest::CheckSampled(tb.Ordinary(stm), cOrdinary, seed++));
      EXPECT_TRUE(tbtest::CheckSampled(tb.EnPassant(stm), cEnPassant, seed++));
    }
}
