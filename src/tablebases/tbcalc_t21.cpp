// Index calculators of the T21 family: king and one man against the lone king.
#include "tablebases/tbcalc.h"
#include "tablebases/tbframework.h"

template <int piw1>
INDEX T21<piw1>::IndCalcW(const square* psqW, const square* psqB, square, int fInvert) {
  const auto n = Normalise<piw1 == x_piecePawn>(psqW[0], psqB[0], fInvert);
  return IKeyMen<piw1>(n, n.Map(psqW[4 * piw1]));
}

template <int piw1>
INDEX T21<piw1>::IndCalcB(const square* psqW, const square* psqB, square, int fInvert) {
  if constexpr (piw1 == x_piecePawn) {
    // The white pawn belongs to the side not to move: numbered as type 0 against its own
    // king, in the frame turned so that it moves up.
    const auto n = Flipped(Normalise<true>(psqB[0], psqW[0], fInvert));
    return IKeyMen<x_pieceNone>(n, n.Map(psqW[4]));
  } else {
    const auto n = Normalise<false>(psqB[0], psqW[0], fInvert);
    return n.kp * 62 + IPlainCount(n.Map(psqW[4 * piw1]), n.sqF, n.sqO);
  }
}

template struct T21<1>;  // 1 kpk
template struct T21<2>;  // 2 knk
template struct T21<3>;  // 3 kbk
template struct T21<4>;  // 4 krk
template struct T21<5>;  // 5 kqk
