// Index calculators of the T21 family: king and one man against the lone king.
#include "tablebases/tbcalc.h"
#include "tablebases/tbframework.h"

template <int piw1>
INDEX T21<piw1>::IndCalcW(const square* psqW, const square* psqB, square, int fInvert) {
  if constexpr (piw1 == x_piecePawn) {
    int m = IPawnMask(psqW[0], fInvert);
    CPawnKings k = KingsPawns(psqW[0], psqB[0], m);
    return INumberMan(1, k.sqF, k.sqO, psqW[4] ^ m) + rgpiOneManOffsetPawns[1][k.kp];
  } else {
    CPawnlessKings k = KingsPawnless(psqW[0], psqB[0]);
    return INumberMan(piw1, k.sqF, k.sqO, k.fr.Map(psqW[4 * piw1])) +
           rgpiOneManOffsetNoPawns[piw1][k.kp];
  }
}

template <int piw1>
INDEX T21<piw1>::IndCalcB(const square* psqW, const square* psqB, square, int fInvert) {
  if constexpr (piw1 == x_piecePawn) {
    // The white pawn belongs to the side not to move: numbered as type 0 against its own
    // king, in the frame turned so that it moves up.
    int m = IPawnMask(psqB[0], fInvert) ^ 56;
    CPawnKings k = KingsPawns(psqB[0], psqW[0], m);
    return INumberMan(0, k.sqF, k.sqO, psqW[4] ^ m) + rgpiOneManOffsetPawns[0][k.kp];
  } else {
    CPawnlessKings k = KingsPawnless(psqB[0], psqW[0]);
    return k.kp * 62 + IPlainCount(k.fr.Map(psqW[4 * piw1]), k.sqF, k.sqO);
  }
}

template struct T21<1>;  // 1 kpk
template struct T21<2>;  // 2 knk
template struct T21<3>;  // 3 kbk
template struct T21<4>;  // 4 krk
template struct T21<5>;  // 5 kqk
