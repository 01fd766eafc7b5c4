// Index calculators of the T22 family.
#include "tablebases/tbcalc.h"

// Not built yet: every position maps to index 0.
template <int piw1, int pib1>
INDEX T22<piw1, pib1>::IndCalcW(const square*, const square*, square, int) { return 0; }

template <int piw1, int pib1>
INDEX T22<piw1, pib1>::IndCalcB(const square*, const square*, square, int) { return 0; }

template struct T22<2,1>;  // 7 knkp
template struct T22<2,2>;  // 8 knkn
template struct T22<3,1>;  // 9 kbkp
template struct T22<3,2>;  // 10 kbkn
template struct T22<3,3>;  // 11 kbkb
template struct T22<4,1>;  // 12 krkp
template struct T22<4,2>;  // 13 krkn
template struct T22<4,3>;  // 14 krkb
template struct T22<4,4>;  // 15 krkr
template struct T22<5,1>;  // 16 kqkp
template struct T22<5,2>;  // 17 kqkn
template struct T22<5,3>;  // 18 kqkb
template struct T22<5,4>;  // 19 kqkr
template struct T22<5,5>;  // 20 kqkq
