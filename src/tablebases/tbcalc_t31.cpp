// Index calculators of the T31 family: king and two men against the lone king.
#include "tablebases/tbcalc.h"
#include "tablebases/tbframework.h"

// White to move: both men numbered against the black king.
template <int piw1, int piw2>
INDEX T31<piw1, piw2>::IndCalcW(const square* psqW, const square* psqB, square, int fInvert) {
  constexpr int i1 = iManSlot<0, piw1, piw2>, i2 = iManSlot<1, piw1, piw2>;
  constexpr bool fPawns = piw2 == x_piecePawn;
  const auto n = Normalise<fPawns>(psqW[0], psqB[0], fInvert);
  return IKeyMen<piw1, piw2>(n, n.Map(psqW[i1]), n.Map(psqW[i2]));
}

// Black to move: the white men belong to the side not to move. Pieces are counted plainly;
// pawns are numbered against their own king in the frame mirrored top to bottom.
template <int piw1, int piw2>
INDEX T31<piw1, piw2>::IndCalcB(const square* psqW, const square* psqB, square, int fInvert) {
  constexpr int i1 = iManSlot<0, piw1, piw2>, i2 = iManSlot<1, piw1, piw2>;
  constexpr bool fPawns = piw2 == x_piecePawn, fLike = piw1 == piw2;
  const auto n = Normalise<fPawns>(psqB[0], psqW[0], fInvert);
  const square sq1 = n.Map(psqW[i1]), sq2 = n.Map(psqW[i2]);
  if constexpr (!fPawns) {
    // The minor man is counted beside the kings and the major one.
    return n.kp * CPlainTwo<fLike, 2> + IPlainTwo<fLike>(sq1, sq2, n.sqF, n.sqO);
  } else {
    const auto nPawn = Flipped(n);
    if constexpr (fLike) {
      return IKeyMen<0, 0>(nPawn, nPawn.Map(psqW[i1]), nPawn.Map(psqW[i2]));
    } else {
      // The piece beside the kings and the pawn, all in the unmirrored frame.
      return IKeyMen<0>(nPawn, nPawn.Map(psqW[i2])) * 61 +
             IPlainCount(sq1, n.sqF, n.sqO, sq2);
    }
  }
}

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
