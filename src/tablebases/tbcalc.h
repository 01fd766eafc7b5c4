// The index calculator families. Each instance has one calculator per side to move; the
// template arguments are the piece types of the table name in order (white men, then black).
// The member definitions live in one source file per family, which instantiates its tables.
#pragma once
#include "tablebases/tbtypes.h"

#define TB_CALCULATORS                                                              \
  static INDEX IndCalcW(const square* psqW, const square* psqB, square sqEnP, int fInvert); \
  static INDEX IndCalcB(const square* psqW, const square* psqB, square sqEnP, int fInvert);

template <int piw1> struct T21 { TB_CALCULATORS };
template <int piw1, int pib1> struct T22 { TB_CALCULATORS };
template <int piw1, int piw2> struct T31 { TB_CALCULATORS };
template <int piw1, int piw2, int pib1> struct T32 { TB_CALCULATORS };
template <int piw1, int piw2, int piw3> struct T41 { TB_CALCULATORS };
template <int piw1, int piw2, int pib1, int pib2> struct T33 { TB_CALCULATORS };
template <int piw1, int piw2, int piw3, int pib1> struct T42 { TB_CALCULATORS };

#undef TB_CALCULATORS

// Tables with pawns of both colours: their calculators are explicit specialisations.
template <> INDEX T22<1,1>::IndCalcW(const square*, const square*, square, int);  // 6 kpkp
template <> INDEX T22<1,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T32<1,1,1>::IndCalcW(const square*, const square*, square, int);  // 36 kppkp
template <> INDEX T32<1,1,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T32<2,1,1>::IndCalcW(const square*, const square*, square, int);  // 41 knpkp
template <> INDEX T32<2,1,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T32<3,1,1>::IndCalcW(const square*, const square*, square, int);  // 51 kbpkp
template <> INDEX T32<3,1,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T32<4,1,1>::IndCalcW(const square*, const square*, square, int);  // 66 krpkp
template <> INDEX T32<4,1,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T32<5,1,1>::IndCalcW(const square*, const square*, square, int);  // 86 kqpkp
template <> INDEX T32<5,1,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T33<1,1,1,1>::IndCalcW(const square*, const square*, square, int);  // 201 kppkpp
template <> INDEX T33<1,1,1,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T33<2,1,1,1>::IndCalcW(const square*, const square*, square, int);  // 202 knpkpp
template <> INDEX T33<2,1,1,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T33<2,1,2,1>::IndCalcW(const square*, const square*, square, int);  // 203 knpknp
template <> INDEX T33<2,1,2,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T33<3,1,1,1>::IndCalcW(const square*, const square*, square, int);  // 206 kbpkpp
template <> INDEX T33<3,1,1,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T33<3,1,2,1>::IndCalcW(const square*, const square*, square, int);  // 207 kbpknp
template <> INDEX T33<3,1,2,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T33<3,1,3,1>::IndCalcW(const square*, const square*, square, int);  // 209 kbpkbp
template <> INDEX T33<3,1,3,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T33<4,1,1,1>::IndCalcW(const square*, const square*, square, int);  // 216 krpkpp
template <> INDEX T33<4,1,1,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T33<4,1,2,1>::IndCalcW(const square*, const square*, square, int);  // 217 krpknp
template <> INDEX T33<4,1,2,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T33<4,1,3,1>::IndCalcW(const square*, const square*, square, int);  // 219 krpkbp
template <> INDEX T33<4,1,3,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T33<4,1,4,1>::IndCalcW(const square*, const square*, square, int);  // 222 krpkrp
template <> INDEX T33<4,1,4,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T33<5,1,1,1>::IndCalcW(const square*, const square*, square, int);  // 235 kqpkpp
template <> INDEX T33<5,1,1,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T33<5,1,2,1>::IndCalcW(const square*, const square*, square, int);  // 236 kqpknp
template <> INDEX T33<5,1,2,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T33<5,1,3,1>::IndCalcW(const square*, const square*, square, int);  // 238 kqpkbp
template <> INDEX T33<5,1,3,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T33<5,1,4,1>::IndCalcW(const square*, const square*, square, int);  // 241 kqpkrp
template <> INDEX T33<5,1,4,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T33<5,1,5,1>::IndCalcW(const square*, const square*, square, int);  // 245 kqpkqp
template <> INDEX T33<5,1,5,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T42<1,1,1,1>::IndCalcW(const square*, const square*, square, int);  // 346 kpppkp
template <> INDEX T42<1,1,1,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T42<2,1,1,1>::IndCalcW(const square*, const square*, square, int);  // 347 knppkp
template <> INDEX T42<2,1,1,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T42<2,2,1,1>::IndCalcW(const square*, const square*, square, int);  // 348 knnpkp
template <> INDEX T42<2,2,1,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T42<3,1,1,1>::IndCalcW(const square*, const square*, square, int);  // 350 kbppkp
template <> INDEX T42<3,1,1,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T42<3,2,1,1>::IndCalcW(const square*, const square*, square, int);  // 351 kbnpkp
template <> INDEX T42<3,2,1,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T42<3,3,1,1>::IndCalcW(const square*, const square*, square, int);  // 353 kbbpkp
template <> INDEX T42<3,3,1,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T42<4,1,1,1>::IndCalcW(const square*, const square*, square, int);  // 356 krppkp
template <> INDEX T42<4,1,1,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T42<4,2,1,1>::IndCalcW(const square*, const square*, square, int);  // 357 krnpkp
template <> INDEX T42<4,2,1,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T42<4,3,1,1>::IndCalcW(const square*, const square*, square, int);  // 359 krbpkp
template <> INDEX T42<4,3,1,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T42<4,4,1,1>::IndCalcW(const square*, const square*, square, int);  // 362 krrpkp
template <> INDEX T42<4,4,1,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T42<5,1,1,1>::IndCalcW(const square*, const square*, square, int);  // 366 kqppkp
template <> INDEX T42<5,1,1,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T42<5,2,1,1>::IndCalcW(const square*, const square*, square, int);  // 367 kqnpkp
template <> INDEX T42<5,2,1,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T42<5,3,1,1>::IndCalcW(const square*, const square*, square, int);  // 369 kqbpkp
template <> INDEX T42<5,3,1,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T42<5,4,1,1>::IndCalcW(const square*, const square*, square, int);  // 372 kqrpkp
template <> INDEX T42<5,4,1,1>::IndCalcB(const square*, const square*, square, int);
template <> INDEX T42<5,5,1,1>::IndCalcW(const square*, const square*, square, int);  // 376 kqqpkp
template <> INDEX T42<5,5,1,1>::IndCalcB(const square*, const square*, square, int);
