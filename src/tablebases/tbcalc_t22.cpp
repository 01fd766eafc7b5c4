// Index calculators of the T22 family: one man a side (kpkp has its own calculators).
#include "tablebases/tbcalc.h"
#include "tablebases/tbframework.h"

template <int piw1, int pib1>
INDEX T22<piw1, pib1>::IndCalcW(const square* psqW, const square* psqB, square, int fInvert) {
  square sqW = psqW[4 * piw1], sqB = psqB[4 * pib1];
  if constexpr (pib1 == x_piecePawn) {
    // The black pawn takes one of its 48 squares, whatever the other men.
    int m = IPawnMask(psqW[0], fInvert);
    CPawnKings k = KingsPawns(psqW[0], psqB[0], m);
    INDEX iW = INumberMan(piw1, k.sqF, k.sqO, sqW ^ m) + rgpiOneManOffsetPawns[piw1][k.kp];
    return iW * 48 + ((sqB ^ m) - 8);
  } else {
    CPawnlessKings k = KingsPawnless(psqW[0], psqB[0]);
    square sqWN = k.fr.Map(sqW);
    INDEX iW = INumberMan(piw1, k.sqF, k.sqO, sqWN) + rgpiOneManOffsetNoPawns[piw1][k.kp];
    return iW * 61 + IPlainCount(k.fr.Map(sqB), k.sqF, k.sqO, sqWN);
  }
}

template <int piw1, int pib1>
INDEX T22<piw1, pib1>::IndCalcB(const square* psqW, const square* psqB, square, int fInvert) {
  square sqW = psqW[4 * piw1], sqB = psqB[4 * pib1];
  if constexpr (pib1 == x_piecePawn) {
    // The pawn is numbered in the frame turned so that it moves up; the white man is
    // counted plainly in the unturned frame.
    int m = IPawnMask(psqB[0], fInvert), mUp = m ^ 56;
    CPawnKings k = KingsPawns(psqB[0], psqW[0], mUp);
    INDEX iB = INumberMan(1, k.sqF, k.sqO, sqB ^ mUp) + rgpiOneManOffsetPawns[1][k.kp];
    return iB * 61 + IPlainCount(sqW ^ m, psqB[0] ^ m, psqW[0] ^ m, sqB ^ m);
  } else {
    CPawnlessKings k = KingsPawnless(psqB[0], psqW[0]);
    square sqBN = k.fr.Map(sqB);
    INDEX iB = INumberMan(pib1, k.sqF, k.sqO, sqBN) + rgpiOneManOffsetNoPawns[pib1][k.kp];
    return iB * 61 + IPlainCount(k.fr.Map(sqW), k.sqF, k.sqO, sqBN);
  }
}

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
