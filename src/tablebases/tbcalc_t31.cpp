// Index calculators of the T31 family: king and two men against the lone king.
#include "tablebases/tbcalc.h"
#include "tablebases/tbframework.h"

namespace {
// Array slot of the second man: the next slot of the first man's type when both are alike.
template <int piw1, int piw2>
constexpr int iSlot2 = piw1 == piw2 ? 4 * piw1 + 1 : 4 * piw2;
}  // namespace

// White to move: both men numbered against the black king.
template <int piw1, int piw2>
INDEX T31<piw1, piw2>::IndCalcW(const square* psqW, const square* psqB, square, int fInvert) {
  constexpr bool fPawns = piw2 == x_piecePawn;
  const auto n = Normalise<fPawns>(psqW[0], psqB[0], fPawns ? IPawnMask(psqW[0], fInvert) : 0);
  return IKeyMen<piw1, piw2>(n, n.Map(psqW[4 * piw1]), n.Map(psqW[iSlot2<piw1, piw2>]));
}

// Black to move: the white men belong to the side not to move.
template <int piw1, int piw2>
INDEX T31<piw1, piw2>::IndCalcB(const square* psqW, const square* psqB, square, int fInvert) {
  constexpr bool fLike = piw1 == piw2;
  const square sqWK = psqW[0], sqBK = psqB[0];
  const square sq1 = psqW[4 * piw1], sq2 = psqW[iSlot2<piw1, piw2>];
  if constexpr (piw2 >= x_pieceKnight) {
    // Both counted plainly beside the kings, the minor man beside the major one too.
    const auto n = Normalise<false>(sqBK, sqWK);
    return n.kp * CPlainTwo<fLike, 2> + IPlainTwo<fLike>(n.Map(sq1), n.Map(sq2), n.sqF, n.sqO);
  } else {
    // The pawns are numbered against their own king, top to bottom mirrored.
    const int m = IPawnMask(sqBK, fInvert);
    const auto n = Normalise<true>(sqBK, sqWK, m ^ 56);
    if constexpr (fLike) return IKeyMen<0, 0>(n, n.Map(sq1), n.Map(sq2));
    // A piece is counted plainly in the unmirrored frame, beside the kings and the pawn.
    return IKeyMen<0>(n, n.Map(sq2)) * 61 + IPlainCount(sq1 ^ m, sqBK ^ m, sqWK ^ m, sq2 ^ m);
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
