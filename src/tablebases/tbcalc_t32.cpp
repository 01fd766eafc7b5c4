// Index calculators of the T32 family.
#include "tablebases/tbcalc.h"

// Not built yet: every position maps to index 0.
template <int piw1, int piw2, int pib1>
INDEX T32<piw1, piw2, pib1>::IndCalcW(const square*, const square*, square, int) { return 0; }

template <int piw1, int piw2, int pib1>
INDEX T32<piw1, piw2, pib1>::IndCalcB(const square*, const square*, square, int) { return 0; }

template struct T32<1,1,2>;  // 37 kppkn
template struct T32<1,1,3>;  // 38 kppkb
template struct T32<1,1,4>;  // 39 kppkr
template struct T32<1,1,5>;  // 40 kppkq
template struct T32<2,1,2>;  // 42 knpkn
template struct T32<2,1,3>;  // 43 knpkb
template struct T32<2,1,4>;  // 44 knpkr
template struct T32<2,1,5>;  // 45 knpkq
template struct T32<2,2,1>;  // 46 knnkp
template struct T32<2,2,2>;  // 47 knnkn
template struct T32<2,2,3>;  // 48 knnkb
template struct T32<2,2,4>;  // 49 knnkr
template struct T32<2,2,5>;  // 50 knnkq
template struct T32<3,1,2>;  // 52 kbpkn
template struct T32<3,1,3>;  // 53 kbpkb
template struct T32<3,1,4>;  // 54 kbpkr
template struct T32<3,1,5>;  // 55 kbpkq
template struct T32<3,2,1>;  // 56 kbnkp
template struct T32<3,2,2>;  // 57 kbnkn
template struct T32<3,2,3>;  // 58 kbnkb
template struct T32<3,2,4>;  // 59 kbnkr
template struct T32<3,2,5>;  // 60 kbnkq
template struct T32<3,3,1>;  // 61 kbbkp
template struct T32<3,3,2>;  // 62 kbbkn
template struct T32<3,3,3>;  // 63 kbbkb
template struct T32<3,3,4>;  // 64 kbbkr
template struct T32<3,3,5>;  // 65 kbbkq
template struct T32<4,1,2>;  // 67 krpkn
template struct T32<4,1,3>;  // 68 krpkb
template struct T32<4,1,4>;  // 69 krpkr
template struct T32<4,1,5>;  // 70 krpkq
template struct T32<4,2,1>;  // 71 krnkp
template struct T32<4,2,2>;  // 72 krnkn
template struct T32<4,2,3>;  // 73 krnkb
template struct T32<4,2,4>;  // 74 krnkr
template struct T32<4,2,5>;  // 75 krnkq
template struct T32<4,3,1>;  // 76 krbkp
template struct T32<4,3,2>;  // 77 krbkn
template struct T32<4,3,3>;  // 78 krbkb
template struct T32<4,3,4>;  // 79 krbkr
template struct T32<4,3,5>;  // 80 krbkq
template struct T32<4,4,1>;  // 81 krrkp
template struct T32<4,4,2>;  // 82 krrkn
template struct T32<4,4,3>;  // 83 krrkb
template struct T32<4,4,4>;  // 84 krrkr
template struct T32<4,4,5>;  // 85 krrkq
template struct T32<5,1,2>;  // 87 kqpkn
template struct T32<5,1,3>;  // 88 kqpkb
template struct T32<5,1,4>;  // 89 kqpkr
template struct T32<5,1,5>;  // 90 kqpkq
template struct T32<5,2,1>;  // 91 kqnkp
template struct T32<5,2,2>;  // 92 kqnkn
template struct T32<5,2,3>;  // 93 kqnkb
template struct T32<5,2,4>;  // 94 kqnkr
template struct T32<5,2,5>;  // 95 kqnkq
template struct T32<5,3,1>;  // 96 kqbkp
template struct T32<5,3,2>;  // 97 kqbkn
template struct T32<5,3,3>;  // 98 kqbkb
template struct T32<5,3,4>;  // 99 kqbkr
template struct T32<5,3,5>;  // 100 kqbkq
template struct T32<5,4,1>;  // 101 kqrkp
template struct T32<5,4,2>;  // 102 kqrkn
template struct T32<5,4,3>;  // 103 kqrkb
template struct T32<5,4,4>;  // 104 kqrkr
template struct T32<5,4,5>;  // 105 kqrkq
template struct T32<5,5,1>;  // 106 kqqkp
template struct T32<5,5,2>;  // 107 kqqkn
template struct T32<5,5,3>;  // 108 kqqkb
template struct T32<5,5,4>;  // 109 kqqkr
template struct T32<5,5,5>;  // 110 kqqkq
