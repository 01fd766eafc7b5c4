// Index calculators of the tables with pawns of both colours. Each side of such a table is
// one index space: the ordinary range from 0 (no en-passant right), then the en-passant range
// (the side to move can take en passant), numbered by the king pair, the men that take no
// part in the capture and the code of an en-passant routine.
//
// Frames: every square, the en-passant square included, is taken XOR m, the mask of the
// mover's king and the invert flag. The ordinary range of black to move numbers the black men
// and the king pair flipped top to bottom (XOR 56), so that black's pawns move up; its
// en-passant range and every count of white men use frame m alone.
//
// Men of the side to move are numbered against the other king (IKeyMen). Of the side not to
// move, a pawn is counted among the 48 pawn squares against the mover's pawns only (kings
// and pieces not listed), a piece plainly against the men listed, which in the en-passant
// range include the en-passant square and the origin square, both empty.
#include "tablebases/tbcalc.h"
#include "tablebases/tbenpassant.h"
#include "tablebases/tbframework.h"

namespace {

using CFrame = CNormalised<true>;

// White to move: the frame of the white king, F = K and O = k.
CFrame FrameW(const square* psqW, const square* psqB, int fInvert) {
  return Normalise<true>(psqW[0], psqB[0], fInvert);
}
// Black to move: the frame of the black king, F = k and O = K; flipped top to bottom for
// the numbering of black's men in the ordinary range.
CFrame FrameB(const square* psqW, const square* psqB, int fInvert) {
  return Normalise<true>(psqB[0], psqW[0], fInvert);
}

INDEX T1(int x) { return rgcOneManTotalPawns[x]; }
INDEX T2(int x, int y) { return rgcPairTotalPawns[x][y]; }
INDEX T3(int x, int y, int z) { return rgcTripleTotalPawns[x][y][z]; }

template <typename Tb> struct CPawnsBoth;

// A table whose black-to-move side is its white-to-move side with the colours exchanged.
template <typename Impl>
INDEX IndSymmetricB(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
  return Impl::IndW(psqB, psqW, sqEnP, 1 - fInvert);
}

// kpkp
template <> struct CPawnsBoth<T22<1, 1>> {
  static constexpr INDEX cLow = 47;
  static INDEX IndW(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    CFrame f = FrameW(psqW, psqB, fInvert);
    square wp = f.Map(psqW[4]), bp = f.Map(psqB[4]);
    if (sqEnP == XX) return IKeyMen<1>(f, wp) * cLow + IPawnCount(bp, wp);
    return T1(1) * cLow + f.kp * cEnPassant11 + IndEnPassant11W(wp, bp, f.Map(sqEnP));
  }
  static INDEX IndB(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    CFrame f = FrameB(psqW, psqB, fInvert), ff = Flipped(f);
    square wp = f.Map(psqW[4]), bp = f.Map(psqB[4]);
    if (sqEnP == XX) return IKeyMen<1>(ff, ff.Map(psqB[4])) * cLow + IPawnCount(wp, bp);
    return T1(1) * cLow + f.kp * cEnPassant11 + IndEnPassant11B(wp, bp, f.Map(sqEnP));
  }
};

// kppkp
template <> struct CPawnsBoth<T32<1, 1, 1>> {
  static constexpr INDEX cLowW = 46, cLowB = IBin2(47);
  static INDEX IndW(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    CFrame f = FrameW(psqW, psqB, fInvert);
    square wp1 = f.Map(psqW[4]), wp2 = f.Map(psqW[5]), bp = f.Map(psqB[4]);
    if (sqEnP == XX) return IKeyMen<1, 1>(f, wp1, wp2) * cLowW + IPawnCount(bp, wp1, wp2);
    return T2(1, 1) * cLowW + f.kp * cEnPassant21 + IndEnPassant21W(wp1, wp2, bp, f.Map(sqEnP));
  }
  static INDEX IndB(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    CFrame f = FrameB(psqW, psqB, fInvert), ff = Flipped(f);
    square wp1 = f.Map(psqW[4]), wp2 = f.Map(psqW[5]), bp = f.Map(psqB[4]);
    if (sqEnP == XX) return IKeyMen<1>(ff, ff.Map(psqB[4])) * cLowB + IPawnPair(wp1, wp2, bp);
    VOrderSquares(wp1, wp2);
    return T1(1) * cLowB + f.kp * cEnPassant21 + IndEnPassant21B(wp1, wp2, bp, f.Map(sqEnP));
  }
};

// kXpkp
template <int X> struct CPawnsBoth<T32<X, 1, 1>> {
  static constexpr INDEX cLowW = 47, cLowB = 60 * 47, cPieceEpB = 58;
  static INDEX IndW(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    CFrame f = FrameW(psqW, psqB, fInvert);
    square wX = f.Map(psqW[4 * X]), wp = f.Map(psqW[4]), bp = f.Map(psqB[4]);
    if (sqEnP == XX) return IKeyMen<X, 1>(f, wX, wp) * cLowW + IPawnCount(bp, wp);
    return T2(X, 1) * cLowW + IKeyMen<X>(f, wX) * cEnPassant11 +
           IndEnPassant11W(wp, bp, f.Map(sqEnP));
  }
  static INDEX IndB(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    CFrame f = FrameB(psqW, psqB, fInvert), ff = Flipped(f);
    square K = f.sqO, k = f.sqF, wX = f.Map(psqW[4 * X]), wp = f.Map(psqW[4]), bp = f.Map(psqB[4]);
    if (sqEnP == XX)
      return IKeyMen<1>(ff, ff.Map(psqB[4])) * cLowB + IPlainCount(wX, K, k, wp, bp) * 47 +
             IPawnCount(wp, bp);
    square E = f.Map(sqEnP);
    return T1(1) * cLowB +
           (f.kp * cPieceEpB + IPlainCount(wX, K, k, wp, bp, E, E - 8)) * cEnPassant11 +
           IndEnPassant11B(wp, bp, E);
  }
};

// kppkpp: symmetric.
template <> struct CPawnsBoth<T33<1, 1, 1, 1>> {
  static constexpr INDEX cLow = IBin2(46);
  static INDEX IndW(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    CFrame f = FrameW(psqW, psqB, fInvert);
    square wp1 = f.Map(psqW[4]), wp2 = f.Map(psqW[5]), bp1 = f.Map(psqB[4]), bp2 = f.Map(psqB[5]);
    if (sqEnP == XX) return IKeyMen<1, 1>(f, wp1, wp2) * cLow + IPawnPair(bp1, bp2, wp1, wp2);
    return T2(1, 1) * cLow + f.kp * cEnPassant22 +
           IndEnPassant22W(wp1, wp2, bp1, bp2, f.Map(sqEnP));
  }
  static INDEX IndB(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    return IndSymmetricB<CPawnsBoth>(psqW, psqB, sqEnP, fInvert);
  }
};

// kXpkpp
template <int X> struct CPawnsBoth<T33<X, 1, 1, 1>> {
  static constexpr INDEX cLowW = IBin2(47), cLowB = 46 * 59, cPieceEpB = 57;
  static INDEX IndW(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    CFrame f = FrameW(psqW, psqB, fInvert);
    square wX = f.Map(psqW[4 * X]), wp = f.Map(psqW[4]), bp1 = f.Map(psqB[4]),
           bp2 = f.Map(psqB[5]);
    if (sqEnP == XX) return IKeyMen<X, 1>(f, wX, wp) * cLowW + IPawnPair(bp1, bp2, wp);
    return T2(X, 1) * cLowW + IKeyMen<X>(f, wX) * cEnPassant21 +
           IndEnPassant12W(wp, bp1, bp2, f.Map(sqEnP));
  }
  static INDEX IndB(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    CFrame f = FrameB(psqW, psqB, fInvert), ff = Flipped(f);
    square K = f.sqO, k = f.sqF, wX = f.Map(psqW[4 * X]), wp = f.Map(psqW[4]),
           bp1 = f.Map(psqB[4]), bp2 = f.Map(psqB[5]);
    if (sqEnP == XX)
      return IKeyMen<1, 1>(ff, ff.Map(psqB[4]), ff.Map(psqB[5])) * cLowB +
             IPawnCount(wp, bp1, bp2) * 59 + IPlainCount(wX, K, k, wp, bp1, bp2);
    square E = f.Map(sqEnP);
    return T2(1, 1) * cLowB +
           (f.kp * cPieceEpB + IPlainCount(wX, K, k, wp, bp1, bp2, E, E - 8)) * cEnPassant21 +
           IndEnPassant12B(wp, bp1, bp2, E);
  }
};

// kXpkYp, X >= Y; symmetric when X = Y.
template <int X, int Y> struct CPawnsBoth<T33<X, 1, Y, 1>> {
  static constexpr INDEX cLow = 47 * 59, cPieceEp = 57;
  static INDEX IndW(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    CFrame f = FrameW(psqW, psqB, fInvert);
    square K = f.sqF, k = f.sqO, wX = f.Map(psqW[4 * X]), wp = f.Map(psqW[4]),
           bY = f.Map(psqB[4 * Y]), bp = f.Map(psqB[4]);
    if (sqEnP == XX)
      return IKeyMen<X, 1>(f, wX, wp) * cLow + IPawnCount(bp, wp) * 59 +
             IPlainCount(bY, K, k, wX, wp, bp);
    square E = f.Map(sqEnP);
    return T2(X, 1) * cLow +
           (IKeyMen<X>(f, wX) * cPieceEp + IPlainCount(bY, K, k, wX, wp, bp, E, E + 8)) *
               cEnPassant11 +
           IndEnPassant11W(wp, bp, E);
  }
  static INDEX IndB(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    if constexpr (X == Y) {
      return IndSymmetricB<CPawnsBoth>(psqW, psqB, sqEnP, fInvert);
    } else {
      CFrame f = FrameB(psqW, psqB, fInvert), ff = Flipped(f);
      square K = f.sqO, k = f.sqF, wX = f.Map(psqW[4 * X]), wp = f.Map(psqW[4]),
             bY = f.Map(psqB[4 * Y]), bp = f.Map(psqB[4]);
      if (sqEnP == XX)
        return IKeyMen<Y, 1>(ff, ff.Map(psqB[4 * Y]), ff.Map(psqB[4])) * cLow +
               IPawnCount(wp, bp) * 59 + IPlainCount(wX, K, k, wp, bp, bY);
      square E = f.Map(sqEnP);
      return T2(Y, 1) * cLow +
             (IKeyMen<Y>(f, bY) * cPieceEp + IPlainCount(wX, K, k, wp, bp, bY, E, E - 8)) *
                 cEnPassant11 +
             IndEnPassant11B(wp, bp, E);
    }
  }
};

// kpppkp
template <> struct CPawnsBoth<T42<1, 1, 1, 1>> {
  static constexpr INDEX cLowW = 45, cLowB = IBin3(47);
  static INDEX IndW(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    CFrame f = FrameW(psqW, psqB, fInvert);
    square wp1 = f.Map(psqW[4]), wp2 = f.Map(psqW[5]), wp3 = f.Map(psqW[6]), bp = f.Map(psqB[4]);
    if (sqEnP == XX)
      return IKeyMen<1, 1, 1>(f, wp1, wp2, wp3) * cLowW + IPawnCount(bp, wp1, wp2, wp3);
    return T3(1, 1, 1) * cLowW + f.kp * cEnPassant31 +
           IndEnPassant31W(wp1, wp2, wp3, bp, f.Map(sqEnP));
  }
  static INDEX IndB(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    CFrame f = FrameB(psqW, psqB, fInvert), ff = Flipped(f);
    square wp1 = f.Map(psqW[4]), wp2 = f.Map(psqW[5]), wp3 = f.Map(psqW[6]), bp = f.Map(psqB[4]);
    if (sqEnP == XX)
      return IKeyMen<1>(ff, ff.Map(psqB[4])) * cLowB + IPawnTriple(wp1, wp2, wp3, bp);
    VOrderSquares(wp1, wp2, wp3);
    return T1(1) * cLowB + f.kp * cEnPassant31 + IndEnPassant31B(wp1, wp2, wp3, bp, f.Map(sqEnP));
  }
};

// kXppkp
template <int X> struct CPawnsBoth<T42<X, 1, 1, 1>> {
  static constexpr INDEX cLowW = 46, cLowB = 59 * IBin2(47), cPieceEpB = 57;
  static INDEX IndW(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    CFrame f = FrameW(psqW, psqB, fInvert);
    square wX = f.Map(psqW[4 * X]), wp1 = f.Map(psqW[4]), wp2 = f.Map(psqW[5]),
           bp = f.Map(psqB[4]);
    if (sqEnP == XX) return IKeyMen<X, 1, 1>(f, wX, wp1, wp2) * cLowW + IPawnCount(bp, wp1, wp2);
    return T3(X, 1, 1) * cLowW + IKeyMen<X>(f, wX) * cEnPassant21 +
           IndEnPassant21W(wp1, wp2, bp, f.Map(sqEnP));
  }
  static INDEX IndB(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    CFrame f = FrameB(psqW, psqB, fInvert), ff = Flipped(f);
    square K = f.sqO, k = f.sqF, wX = f.Map(psqW[4 * X]), wp1 = f.Map(psqW[4]),
           wp2 = f.Map(psqW[5]), bp = f.Map(psqB[4]);
    if (sqEnP == XX)
      return IKeyMen<1>(ff, ff.Map(psqB[4])) * cLowB +
             IPlainCount(wX, K, k, bp, wp1, wp2) * IBin2(47) + IPawnPair(wp1, wp2, bp);
    square E = f.Map(sqEnP);
    VOrderSquares(wp1, wp2);
    return T1(1) * cLowB +
           (f.kp * cPieceEpB + IPlainCount(wX, K, k, bp, wp1, wp2, E, E - 8)) * cEnPassant21 +
           IndEnPassant21B(wp1, wp2, bp, E);
  }
};

// kXYpkp, X >= Y
template <int X, int Y> struct CPawnsBoth<T42<X, Y, 1, 1>> {
  static constexpr bool fLike = X == Y;
  static constexpr int iwY = iManSlot<1, X, Y>;
  static constexpr INDEX cLowW = 47, cLowB = CPlainTwo<fLike, 4> * 47,
                         cPiecesEpB = CPlainTwo<fLike, 6>;
  static INDEX IndW(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    CFrame f = FrameW(psqW, psqB, fInvert);
    square wX = f.Map(psqW[4 * X]), wY = f.Map(psqW[iwY]), wp = f.Map(psqW[4]),
           bp = f.Map(psqB[4]);
    if (sqEnP == XX) return IKeyMen<X, Y, 1>(f, wX, wY, wp) * cLowW + IPawnCount(bp, wp);
    return T3(X, Y, 1) * cLowW + IKeyMen<X, Y>(f, wX, wY) * cEnPassant11 +
           IndEnPassant11W(wp, bp, f.Map(sqEnP));
  }
  static INDEX IndB(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    CFrame f = FrameB(psqW, psqB, fInvert), ff = Flipped(f);
    square K = f.sqO, k = f.sqF, wX = f.Map(psqW[4 * X]), wY = f.Map(psqW[iwY]),
           wp = f.Map(psqW[4]), bp = f.Map(psqB[4]);
    if (sqEnP == XX)
      return IKeyMen<1>(ff, ff.Map(psqB[4])) * cLowB +
             IPlainTwo<fLike>(wX, wY, K, k, wp, bp) * 47 + IPawnCount(wp, bp);
    square E = f.Map(sqEnP);
    return T1(1) * cLowB +
           (f.kp * cPiecesEpB + IPlainTwo<fLike>(wX, wY, K, k, wp, bp, E, E - 8)) * cEnPassant11 +
           IndEnPassant11B(wp, bp, E);
  }
};

}  // namespace

#define TB_PAWNS_BOTH(...)                                                                  \
  template <>                                                                               \
  INDEX __VA_ARGS__::IndCalcW(const square* psqW, const square* psqB, square sqEnP,         \
                              int fInvert) {                                                \
    return CPawnsBoth<__VA_ARGS__>::IndW(psqW, psqB, sqEnP, fInvert);                       \
  }                                                                                         \
  template <>                                                                               \
  INDEX __VA_ARGS__::IndCalcB(const square* psqW, const square* psqB, square sqEnP,         \
                              int fInvert) {                                                \
    return CPawnsBoth<__VA_ARGS__>::IndB(psqW, psqB, sqEnP, fInvert);                       \
  }

TB_PAWNS_BOTH(T22<1,1>)        // 6 kpkp
TB_PAWNS_BOTH(T32<1,1,1>)      // 36 kppkp
TB_PAWNS_BOTH(T32<2,1,1>)      // 41 knpkp
TB_PAWNS_BOTH(T32<3,1,1>)      // 51 kbpkp
TB_PAWNS_BOTH(T32<4,1,1>)      // 66 krpkp
TB_PAWNS_BOTH(T32<5,1,1>)      // 86 kqpkp
TB_PAWNS_BOTH(T33<1,1,1,1>)    // 201 kppkpp
TB_PAWNS_BOTH(T33<2,1,1,1>)    // 202 knpkpp
TB_PAWNS_BOTH(T33<2,1,2,1>)    // 203 knpknp
TB_PAWNS_BOTH(T33<3,1,1,1>)    // 206 kbpkpp
TB_PAWNS_BOTH(T33<3,1,2,1>)    // 207 kbpknp
TB_PAWNS_BOTH(T33<3,1,3,1>)    // 209 kbpkbp
TB_PAWNS_BOTH(T33<4,1,1,1>)    // 216 krpkpp
TB_PAWNS_BOTH(T33<4,1,2,1>)    // 217 krpknp
TB_PAWNS_BOTH(T33<4,1,3,1>)    // 219 krpkbp
TB_PAWNS_BOTH(T33<4,1,4,1>)    // 222 krpkrp
TB_PAWNS_BOTH(T33<5,1,1,1>)    // 235 kqpkpp
TB_PAWNS_BOTH(T33<5,1,2,1>)    // 236 kqpknp
TB_PAWNS_BOTH(T33<5,1,3,1>)    // 238 kqpkbp
TB_PAWNS_BOTH(T33<5,1,4,1>)    // 241 kqpkrp
TB_PAWNS_BOTH(T33<5,1,5,1>)    // 245 kqpkqp
TB_PAWNS_BOTH(T42<1,1,1,1>)    // 346 kpppkp
TB_PAWNS_BOTH(T42<2,1,1,1>)    // 347 knppkp
TB_PAWNS_BOTH(T42<2,2,1,1>)    // 348 knnpkp
TB_PAWNS_BOTH(T42<3,1,1,1>)    // 350 kbppkp
TB_PAWNS_BOTH(T42<3,2,1,1>)    // 351 kbnpkp
TB_PAWNS_BOTH(T42<3,3,1,1>)    // 353 kbbpkp
TB_PAWNS_BOTH(T42<4,1,1,1>)    // 356 krppkp
TB_PAWNS_BOTH(T42<4,2,1,1>)    // 357 krnpkp
TB_PAWNS_BOTH(T42<4,3,1,1>)    // 359 krbpkp
TB_PAWNS_BOTH(T42<4,4,1,1>)    // 362 krrpkp
TB_PAWNS_BOTH(T42<5,1,1,1>)    // 366 kqppkp
TB_PAWNS_BOTH(T42<5,2,1,1>)    // 367 kqnpkp
TB_PAWNS_BOTH(T42<5,3,1,1>)    // 369 kqbpkp
TB_PAWNS_BOTH(T42<5,4,1,1>)    // 372 kqrpkp
TB_PAWNS_BOTH(T42<5,5,1,1>)    // 376 kqqpkp
