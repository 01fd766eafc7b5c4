// Index calculators of the T32 family: king and two men against king and one man, without
// pawns of both colours.
#include "tablebases/tbcalc.h"
#include "tablebases/tbframework.h"

// White to move: the white men numbered against the black king form the high part, the
// black man the low part (a pawn by its square alone, a piece beside the four others).
template <int piw1, int piw2, int pib1>
INDEX T32<piw1, piw2, pib1>::IndCalcW(const square* psqW, const square* psqB, square,
                                      int fInvert) {
  constexpr int i1 = iManSlot<0, piw1, piw2>, i2 = iManSlot<1, piw1, piw2>;
  constexpr bool fPawns = piw2 == x_piecePawn || pib1 == x_piecePawn;
  const auto n = Normalise<fPawns>(psqW[0], psqB[0], fInvert);
  const square sq1 = n.Map(psqW[i1]), sq2 = n.Map(psqW[i2]);
  const square sqM = n.Map(psqB[4 * pib1]);
  const INDEX iPair = IKeyMen<piw1, piw2>(n, sq1, sq2);
  if constexpr (pib1 == x_piecePawn) return iPair * 48 + IPawnCount(sqM);
  else return iPair * 60 + IPlainCount(sqM, n.sqF, n.sqO, sq1, sq2);
}

// Black to move: the black man numbered against the white king forms the high part, the
// white men the low part.
template <int piw1, int piw2, int pib1>
INDEX T32<piw1, piw2, pib1>::IndCalcB(const square* psqW, const square* psqB, square,
                                      int fInvert) {
  constexpr int i1 = iManSlot<0, piw1, piw2>, i2 = iManSlot<1, piw1, piw2>;
  constexpr bool fPawns = piw2 == x_piecePawn || pib1 == x_piecePawn;
  const auto n = Normalise<fPawns>(psqB[0], psqW[0], fInvert);
  const square sq1 = n.Map(psqW[i1]), sq2 = n.Map(psqW[i2]);
  const square sqM = n.Map(psqB[4 * pib1]);
  if constexpr (piw1 == x_piecePawn) {
    // Two white pawns by their squares alone.
    return IKeyMen<pib1>(n, sqM) * IBin2(48) + IPawnPair(sq1, sq2);
  } else if constexpr (piw2 == x_piecePawn) {
    // The piece beside the four others, its pawn included; the pawn by its square.
    return IKeyMen<pib1>(n, sqM) * (60 * 48) + IPlainCount(sq1, n.sqF, n.sqO, sq2, sqM) * 48 +
           IPawnCount(sq2);
  } else {
    // Two pieces beside the kings and the black man; a black pawn is numbered in the
    // frame mirrored top to bottom.
    constexpr bool fLike = piw1 == piw2;
    INDEX iKey;
    if constexpr (pib1 == x_piecePawn) {
      const auto nPawn = Flipped(n);
      iKey = IKeyMen<x_piecePawn>(nPawn, nPawn.Map(psqB[4 * pib1]));
    } else {
      iKey = IKeyMen<pib1>(n, sqM);
    }
    return iKey * CPlainTwo<fLike, 3> + IPlainTwo<fLike>(sq1, sq2, n.sqF, n.sqO, sqM);
  }
}

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
