// Index calculators of the T41 family: king and three men against the lone king.
#include "tablebases/tbcalc.h"
#include "tablebases/tbframework.h"

// White to move: the three men numbered against the black king.
template <int piw1, int piw2, int piw3>
INDEX T41<piw1, piw2, piw3>::IndCalcW(const square* psqW, const square* psqB, square,
                                      int fInvert) {
  constexpr int i1 = iManSlot<0, piw1, piw2, piw3>, i2 = iManSlot<1, piw1, piw2, piw3>,
                i3 = iManSlot<2, piw1, piw2, piw3>;
  constexpr bool fPawns = piw3 == x_piecePawn;
  const auto n = Normalise<fPawns>(psqW[0], psqB[0], fInvert);
  return IKeyMen<piw1, piw2, piw3>(n, n.Map(psqW[i1]), n.Map(psqW[i2]), n.Map(psqW[i3]));
}

// Black to move: the white men belong to the side not to move. Pieces are counted plainly;
// pawns are numbered against their own king in the frame mirrored top to bottom.
template <int piw1, int piw2, int piw3>
INDEX T41<piw1, piw2, piw3>::IndCalcB(const square* psqW, const square* psqB, square,
                                      int fInvert) {
  constexpr int i1 = iManSlot<0, piw1, piw2, piw3>, i2 = iManSlot<1, piw1, piw2, piw3>,
                i3 = iManSlot<2, piw1, piw2, piw3>;
  constexpr bool fPawns = piw3 == x_piecePawn;
  const auto n = Normalise<fPawns>(psqB[0], psqW[0], fInvert);
  const square sq1 = n.Map(psqW[i1]), sq2 = n.Map(psqW[i2]), sq3 = n.Map(psqW[i3]);
  const square sqF = n.sqF, sqO = n.sqO;
  if constexpr (!fPawns) {
    if constexpr (piw1 == piw3) {
      return n.kp * IBin3(62) + IPlainTriple(sq1, sq2, sq3, sqF, sqO);
    } else if constexpr (piw1 == piw2) {
      // The pair is the major digit but is counted beside the single man.
      return n.kp * (62 * IBin2(61)) + IPlainPair(sq1, sq2, sqF, sqO, sq3) * 62 +
             IPlainCount(sq3, sqF, sqO);
    } else {
      // The first man beside the kings, the other two beside the kings and it.
      constexpr bool fLike = piw2 == piw3;
      constexpr INDEX cMinor = CPlainTwo<fLike, 3>;
      return n.kp * 62 * cMinor + IPlainCount(sq1, sqF, sqO) * cMinor +
             IPlainTwo<fLike>(sq2, sq3, sqF, sqO, sq1);
    }
  } else {
    const auto nPawn = Flipped(n);
    if constexpr (piw1 == x_piecePawn) {
      return IKeyMen<0, 0, 0>(nPawn, nPawn.Map(psqW[i1]), nPawn.Map(psqW[i2]),
                              nPawn.Map(psqW[i3]));
    } else if constexpr (piw2 == x_piecePawn) {
      return IKeyMen<0, 0>(nPawn, nPawn.Map(psqW[i2]), nPawn.Map(psqW[i3])) * 60 +
             IPlainCount(sq1, sqF, sqO, sq2, sq3);
    } else {
      constexpr bool fLike = piw1 == piw2;
      return IKeyMen<0>(nPawn, nPawn.Map(psqW[i3])) * CPlainTwo<fLike, 3> +
             IPlainTwo<fLike>(sq1, sq2, sqF, sqO, sq3);
    }
  }
}

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
