// Index calculators of the T22 family: one man a side (kpkp has its own calculators).
#include "tablebases/tbcalc.h"
#include "tablebases/tbframework.h"

// White to move: the white man numbered against the black king, then the black man, a piece
// counted plainly beside the other three.
template <int piw1, int pib1>
INDEX T22<piw1, pib1>::IndCalcW(const square* psqW, const square* psqB, square, int fInvert) {
  const auto n = Normalise<pib1 == x_piecePawn>(psqW[0], psqB[0], fInvert);
  const square sqW = n.Map(psqW[4 * piw1]), sqB = n.Map(psqB[4 * pib1]);
  const INDEX iW = IKeyMen<piw1>(n, sqW);
  // A black pawn takes one of its 48 squares, whatever the other men.
  if constexpr (pib1 == x_piecePawn) return iW * 48 + IPawnCount(sqB);
  else return iW * 61 + IPlainCount(sqB, n.sqF, n.sqO, sqW);
}

// Black to move: the black man numbered against the white king, then the white man counted
// plainly beside the other three. A black pawn is numbered in the frame turned so that it
// moves up; the white man is counted in the unturned frame.
template <int piw1, int pib1>
INDEX T22<piw1, pib1>::IndCalcB(const square* psqW, const square* psqB, square, int fInvert) {
  const auto n = Normalise<pib1 == x_piecePawn>(psqB[0], psqW[0], fInvert);
  const square sqW = n.Map(psqW[4 * piw1]), sqB = n.Map(psqB[4 * pib1]);
  INDEX iB;
  if constexpr (pib1 == x_piecePawn) {
    const auto nUp = Flipped(n);
    iB = IKeyMen<x_piecePawn>(nUp, nUp.Map(psqB[4]));
  } else {
    iB = IKeyMen<pib1>(n, sqB);
  }
  return iB * 61 + IPlainCount(sqW, n.sqF, n.sqO, sqB);
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
