// Index calculators of the T41 family.
#include "tablebases/tbcalc.h"

// Not built yet: every position maps to index 0.
template <int piw1, int piw2, int piw3>
INDEX T41<piw1, piw2, piw3>::IndCalcW(const square*, const square*, square, int) { return 0; }

template <int piw1, int piw2, int piw3>
INDEX T41<piw1, piw2, piw3>::IndCalcB(const square*, const square*, square, int) { return 0; }

template struct T41<1,1,1>;  // 111 kpppk
template struct T41<2,1,1>;  // 112 knppk
template struct T41<2,2,1>;  // 113 knnpk
template struct T41<2,2,2>;  // 114 knnnk
template struct T41<3,1,1>;  // 115 kbppk
template struct T41<3,2,1>;  // 116 kbnpk
template struct T41<3,2,2>;  // 117 kbnnk
template struct T41<3,3,1>;  // 118 kbbpk
template struct T41<3,3,2>;  // 119 kbbnk
template struct T41<3,3,3>;  // 120 kbbbk
template struct T41<4,1,1>;  // 121 krppk
template struct T41<4,2,1>;  // 122 krnpk
template struct T41<4,2,2>;  // 123 krnnk
template struct T41<4,3,1>;  // 124 krbpk
template struct T41<4,3,2>;  // 125 krbnk
template struct T41<4,3,3>;  // 126 krbbk
template struct T41<4,4,1>;  // 127 krrpk
template struct T41<4,4,2>;  // 128 krrnk
template struct T41<4,4,3>;  // 129 krrbk
template struct T41<4,4,4>;  // 130 krrrk
template struct T41<5,1,1>;  // 131 kqppk
template struct T41<5,2,1>;  // 132 kqnpk
template struct T41<5,2,2>;  // 133 kqnnk
template struct T41<5,3,1>;  // 134 kqbpk
template struct T41<5,3,2>;  // 135 kqbnk
template struct T41<5,3,3>;  // 136 kqbbk
template struct T41<5,4,1>;  // 137 kqrpk
template struct T41<5,4,2>;  // 138 kqrnk
template struct T41<5,4,3>;  // 139 kqrbk
template struct T41<5,4,4>;  // 140 kqrrk
template struct T41<5,5,1>;  // 141 kqqpk
template struct T41<5,5,2>;  // 142 kqqnk
template struct T41<5,5,3>;  // 143 kqqbk
template struct T41<5,5,4>;  // 144 kqqrk
template struct T41<5,5,5>;  // 145 kqqqk
