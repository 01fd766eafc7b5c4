// Index calculators of the T31 family.
#include "tablebases/tbcalc.h"

// Not built yet: every position maps to index 0.
template <int piw1, int piw2>
INDEX T31<piw1, piw2>::IndCalcW(const square*, const square*, square, int) { return 0; }

template <int piw1, int piw2>
INDEX T31<piw1, piw2>::IndCalcB(const square*, const square*, square, int) { return 0; }

template struct T31<1,1>;  // 21 kppk
template struct T31<2,1>;  // 22 knpk
template struct T31<2,2>;  // 23 knnk
template struct T31<3,1>;  // 24 kbpk
template struct T31<3,2>;  // 25 kbnk
template struct T31<3,3>;  // 26 kbbk
template struct T31<4,1>;  // 27 krpk
template struct T31<4,2>;  // 28 krnk
template struct T31<4,3>;  // 29 krbk
template struct T31<4,4>;  // 30 krrk
template struct T31<5,1>;  // 31 kqpk
template struct T31<5,2>;  // 32 kqnk
template struct T31<5,3>;  // 33 kqbk
template struct T31<5,4>;  // 34 kqrk
template struct T31<5,5>;  // 35 kqqk
