// Index calculators of the T21 family.
#include "tablebases/tbcalc.h"

// Not built yet: every position maps to index 0.
template <int piw1>
INDEX T21<piw1>::IndCalcW(const square*, const square*, square, int) { return 0; }

template <int piw1>
INDEX T21<piw1>::IndCalcB(const square*, const square*, square, int) { return 0; }

template struct T21<1>;  // 1 kpk
template struct T21<2>;  // 2 knk
template struct T21<3>;  // 3 kbk
template struct T21<4>;  // 4 krk
template struct T21<5>;  // 5 kqk
