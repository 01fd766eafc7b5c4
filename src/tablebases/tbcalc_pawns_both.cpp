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
// Men of the side to move are numbered against the other king (CMover). Of the side not to
// move, a pawn is counted among the 48 pawn squares against the mover's pawns only (kings
// and pieces not listed), a piece plainly against the men listed, which in the en-passant
// range include the en-passant square and the origin square, both empty.
#include "tablebases/tbcalc.h"
#include <algorithm>
#include <utility>
#include "tablebases/tbenpassant.h"
#include "tablebases/tbframework.h"

namespace {

constexpr square SqFlip(square sq) { return sq ^ 56; }

template <typename T>
void VSort(T& a, T& b) {
  if (a > b) std::swap(a, b);
}
template <typename T>
void VSort(T& a, T& b, T& c) {
  VSort(a, b);
  VSort(b, c);
  VSort(a, b);
}

// Like men as an unordered set of their numbers (numbering keeps the order of the squares).
INDEX ILikePair(INDEX a, INDEX b) {
  VSort(a, b);
  return IBin2(b) + a;
}
INDEX ILikeTriple(INDEX a, INDEX b, INDEX c) {
  VSort(a, b, c);
  return IBin3(c) + IBin2(b) + a;
}

// Pawn of the side not to move: its place among the pawn squares less the mover's pawns below.
template <typename... Squares>
INDEX IPawnCount(square sq, Squares... sqMoverPawns) {
  return IPlainCount(sq, sqMoverPawns...) - 8;
}

// The men of the side to move, numbered against the other king O beside the mover's king F:
// the king pair's offset plus the number of the men, with the digits of the one-, two- and
// three-man numberings. Men are given in the order of their types, highest first.
struct CMover {
  square sqF, sqO;
  int kp;
  // Kings next to each other have no pair number; such positions are never probed, and
  // they read the last pair's offsets rather than memory beyond the tables.
  CMover(square sqMoverKing, square sqOtherKing)
      : sqF(sqMoverKing), sqO(sqOtherKing),
        kp(std::min<int>(rgiKingPairPawns[sqF * 64 + sqO], cKingPairsPawns - 1)) {}

  INDEX N(int x, square sq) const { return INumberMan(x, sqF, sqO, sq); }
  INDEX C(int x) const { return CManPlacements(x, sqF, sqO); }

  template <int x>
  INDEX ISlot(square sq) const {
    return rgpiOneManOffsetPawns[x][kp] + N(x, sq);
  }

  // Unlike men: the first is the major digit, its radix the places of the second; like
  // men: an unordered pair.
  template <int x, int y>
  INDEX ISlot(square sq1, square sq2) const {
    INDEX iOffset = rgpiPairOffsetPawns[x][y][kp];
    if constexpr (x == y) return iOffset + ILikePair(N(x, sq1), N(x, sq2));
    else return iOffset + N(x, sq1) * C(y) + N(y, sq2);
  }

  // A like pair is the major digit, whether it holds the first man or not.
  template <int x, int y, int z>
  INDEX ISlot(square sq1, square sq2, square sq3) const {
    INDEX iOffset = rgpiTripleOffsetPawns[x][y][z][kp];
    if constexpr (x == y && y == z) return iOffset + ILikeTriple(N(x, sq1), N(x, sq2), N(x, sq3));
    else if constexpr (x == y) return iOffset + ILikePair(N(x, sq1), N(x, sq2)) * C(z) + N(z, sq3);
    else if constexpr (y == z) return iOffset + ILikePair(N(y, sq2), N(y, sq3)) * C(x) + N(x, sq1);
    else return iOffset + (N(x, sq1) * C(y) + N(y, sq2)) * C(z) + N(z, sq3);
  }
};

// A call's squares in frame m. W(i) and B(i) read the entries of white's and black's arrays.
struct CFrame {
  const square* psqW;
  const square* psqB;
  int m;
  square W(int i) const { return psqW[i] ^ m; }
  square B(int i) const { return psqB[i] ^ m; }
  square E(square sqEnP) const { return sqEnP ^ m; }
};

CFrame FrameW(const square* psqW, const square* psqB, int fInvert) {
  return {psqW, psqB, IPawnMask(psqW[0], fInvert)};
}
CFrame FrameB(const square* psqW, const square* psqB, int fInvert) {
  return {psqW, psqB, IPawnMask(psqB[0], fInvert)};
}

// Black to move, ordinary range: the king pair flipped.
CMover MoverFlippedB(const CFrame& f) { return CMover(SqFlip(f.B(0)), SqFlip(f.W(0))); }

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
    square wp = f.W(4), bp = f.B(4);
    CMover mv(f.W(0), f.B(0));
    if (sqEnP == XX) return mv.ISlot<1>(wp) * cLow + IPawnCount(bp, wp);
    return T1(1) * cLow + mv.kp * cEnPassant11 + IndEnPassant11W(wp, bp, f.E(sqEnP));
  }
  static INDEX IndB(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    CFrame f = FrameB(psqW, psqB, fInvert);
    square wp = f.W(4), bp = f.B(4);
    if (sqEnP == XX) return MoverFlippedB(f).ISlot<1>(SqFlip(bp)) * cLow + IPawnCount(wp, bp);
    INDEX kp = CMover(f.B(0), f.W(0)).kp;
    return T1(1) * cLow + kp * cEnPassant11 + IndEnPassant11B(wp, bp, f.E(sqEnP));
  }
};

// kppkp
template <> struct CPawnsBoth<T32<1, 1, 1>> {
  static constexpr INDEX cLowW = 46, cLowB = 1081;  // Bin(47, 2)
  static INDEX IndW(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    CFrame f = FrameW(psqW, psqB, fInvert);
    square wp1 = f.W(4), wp2 = f.W(5), bp = f.B(4);
    CMover mv(f.W(0), f.B(0));
    if (sqEnP == XX) return mv.ISlot<1, 1>(wp1, wp2) * cLowW + IPawnCount(bp, wp1, wp2);
    return T2(1, 1) * cLowW + mv.kp * cEnPassant21 + IndEnPassant21W(wp1, wp2, bp, f.E(sqEnP));
  }
  static INDEX IndB(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    CFrame f = FrameB(psqW, psqB, fInvert);
    square wp1 = f.W(4), wp2 = f.W(5), bp = f.B(4);
    if (sqEnP == XX)
      return MoverFlippedB(f).ISlot<1>(SqFlip(bp)) * cLowB +
             ILikePair(IPawnCount(wp1, bp), IPawnCount(wp2, bp));
    if (wp1 > wp2) std::swap(wp1, wp2);
    INDEX kp = CMover(f.B(0), f.W(0)).kp;
    return T1(1) * cLowB + kp * cEnPassant21 + IndEnPassant21B(wp1, wp2, bp, f.E(sqEnP));
  }
};

// kXpkp
template <int X> struct CPawnsBoth<T32<X, 1, 1>> {
  static constexpr INDEX cLowW = 47, cLowB = 60 * 47, cPieceEpB = 58;
  static INDEX IndW(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    CFrame f = FrameW(psqW, psqB, fInvert);
    square wX = f.W(4 * X), wp = f.W(4), bp = f.B(4);
    CMover mv(f.W(0), f.B(0));
    if (sqEnP == XX) return mv.ISlot<X, 1>(wX, wp) * cLowW + IPawnCount(bp, wp);
    return T2(X, 1) * cLowW + mv.ISlot<X>(wX) * cEnPassant11 +
           IndEnPassant11W(wp, bp, f.E(sqEnP));
  }
  static INDEX IndB(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    CFrame f = FrameB(psqW, psqB, fInvert);
    square K = f.W(0), k = f.B(0), wX = f.W(4 * X), wp = f.W(4), bp = f.B(4);
    if (sqEnP == XX)
      return MoverFlippedB(f).ISlot<1>(SqFlip(bp)) * cLowB +
             IPlainCount(wX, K, k, wp, bp) * 47 + IPawnCount(wp, bp);
    square E = f.E(sqEnP);
    return T1(1) * cLowB + (CMover(k, K).kp * cPieceEpB + IPlainCount(wX, K, k, wp, bp, E, E - 8)) *
                               cEnPassant11 +
           IndEnPassant11B(wp, bp, E);
  }
};

// kppkpp: symmetric.
template <> struct CPawnsBoth<T33<1, 1, 1, 1>> {
  static constexpr INDEX cLow = 1035;  // Bin(46, 2)
  static INDEX IndW(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    CFrame f = FrameW(psqW, psqB, fInvert);
    square wp1 = f.W(4), wp2 = f.W(5), bp1 = f.B(4), bp2 = f.B(5);
    CMover mv(f.W(0), f.B(0));
    if (sqEnP == XX)
      return mv.ISlot<1, 1>(wp1, wp2) * cLow +
             ILikePair(IPawnCount(bp1, wp1, wp2), IPawnCount(bp2, wp1, wp2));
    return T2(1, 1) * cLow + mv.kp * cEnPassant22 +
           IndEnPassant22W(wp1, wp2, bp1, bp2, f.E(sqEnP));
  }
  static INDEX IndB(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    return IndSymmetricB<CPawnsBoth>(psqW, psqB, sqEnP, fInvert);
  }
};

// kXpkpp
template <int X> struct CPawnsBoth<T33<X, 1, 1, 1>> {
  static constexpr INDEX cLowW = 1081, cLowB = 46 * 59, cPieceEpB = 57;  // 1081 = Bin(47, 2)
  static INDEX IndW(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    CFrame f = FrameW(psqW, psqB, fInvert);
    square wX = f.W(4 * X), wp = f.W(4), bp1 = f.B(4), bp2 = f.B(5);
    CMover mv(f.W(0), f.B(0));
    if (sqEnP == XX)
      return mv.ISlot<X, 1>(wX, wp) * cLowW + ILikePair(IPawnCount(bp1, wp), IPawnCount(bp2, wp));
    return T2(X, 1) * cLowW + mv.ISlot<X>(wX) * cEnPassant21 +
           IndEnPassant12W(wp, bp1, bp2, f.E(sqEnP));
  }
  static INDEX IndB(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    CFrame f = FrameB(psqW, psqB, fInvert);
    square K = f.W(0), k = f.B(0), wX = f.W(4 * X), wp = f.W(4), bp1 = f.B(4), bp2 = f.B(5);
    if (sqEnP == XX)
      return MoverFlippedB(f).ISlot<1, 1>(SqFlip(bp1), SqFlip(bp2)) * cLowB +
             IPawnCount(wp, bp1, bp2) * 59 + IPlainCount(wX, K, k, wp, bp1, bp2);
    square E = f.E(sqEnP);
    INDEX kp = CMover(k, K).kp;
    return T2(1, 1) * cLowB +
           (kp * cPieceEpB + IPlainCount(wX, K, k, wp, bp1, bp2, E, E - 8)) * cEnPassant21 +
           IndEnPassant12B(wp, bp1, bp2, E);
  }
};

// kXpkYp, X >= Y; symmetric when X = Y.
template <int X, int Y> struct CPawnsBoth<T33<X, 1, Y, 1>> {
  static constexpr INDEX cLow = 47 * 59, cPieceEp = 57;
  static INDEX IndW(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    CFrame f = FrameW(psqW, psqB, fInvert);
    square K = f.W(0), k = f.B(0), wX = f.W(4 * X), wp = f.W(4), bY = f.B(4 * Y), bp = f.B(4);
    CMover mv(K, k);
    if (sqEnP == XX)
      return mv.ISlot<X, 1>(wX, wp) * cLow + IPawnCount(bp, wp) * 59 +
             IPlainCount(bY, K, k, wX, wp, bp);
    square E = f.E(sqEnP);
    return T2(X, 1) * cLow +
           (mv.ISlot<X>(wX) * cPieceEp + IPlainCount(bY, K, k, wX, wp, bp, E, E + 8)) *
               cEnPassant11 +
           IndEnPassant11W(wp, bp, E);
  }
  static INDEX IndB(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    if constexpr (X == Y) return IndSymmetricB<CPawnsBoth>(psqW, psqB, sqEnP, fInvert);
    CFrame f = FrameB(psqW, psqB, fInvert);
    square K = f.W(0), k = f.B(0), wX = f.W(4 * X), wp = f.W(4), bY = f.B(4 * Y), bp = f.B(4);
    if (sqEnP == XX)
      return MoverFlippedB(f).ISlot<Y, 1>(SqFlip(bY), SqFlip(bp)) * cLow +
             IPawnCount(wp, bp) * 59 + IPlainCount(wX, K, k, wp, bp, bY);
    square E = f.E(sqEnP);
    return T2(Y, 1) * cLow +
           (CMover(k, K).ISlot<Y>(bY) * cPieceEp + IPlainCount(wX, K, k, wp, bp, bY, E, E - 8)) *
               cEnPassant11 +
           IndEnPassant11B(wp, bp, E);
  }
};

// kpppkp
template <> struct CPawnsBoth<T42<1, 1, 1, 1>> {
  static constexpr INDEX cLowW = 45, cLowB = 16215;  // Bin(47, 3)
  static INDEX IndW(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    CFrame f = FrameW(psqW, psqB, fInvert);
    square wp1 = f.W(4), wp2 = f.W(5), wp3 = f.W(6), bp = f.B(4);
    CMover mv(f.W(0), f.B(0));
    if (sqEnP == XX)
      return mv.ISlot<1, 1, 1>(wp1, wp2, wp3) * cLowW + IPawnCount(bp, wp1, wp2, wp3);
    return T3(1, 1, 1) * cLowW + mv.kp * cEnPassant31 +
           IndEnPassant31W(wp1, wp2, wp3, bp, f.E(sqEnP));
  }
  static INDEX IndB(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    CFrame f = FrameB(psqW, psqB, fInvert);
    square wp1 = f.W(4), wp2 = f.W(5), wp3 = f.W(6), bp = f.B(4);
    if (sqEnP == XX)
      return MoverFlippedB(f).ISlot<1>(SqFlip(bp)) * cLowB +
             ILikeTriple(IPawnCount(wp1, bp), IPawnCount(wp2, bp), IPawnCount(wp3, bp));
    VSort(wp1, wp2, wp3);
    INDEX kp = CMover(f.B(0), f.W(0)).kp;
    return T1(1) * cLowB + kp * cEnPassant31 + IndEnPassant31B(wp1, wp2, wp3, bp, f.E(sqEnP));
  }
};

// kXppkp
template <int X> struct CPawnsBoth<T42<X, 1, 1, 1>> {
  static constexpr INDEX cLowW = 46, cLowB = 59 * 1081, cPieceEpB = 57;  // 1081 = Bin(47, 2)
  static INDEX IndW(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    CFrame f = FrameW(psqW, psqB, fInvert);
    square wX = f.W(4 * X), wp1 = f.W(4), wp2 = f.W(5), bp = f.B(4);
    CMover mv(f.W(0), f.B(0));
    if (sqEnP == XX) return mv.ISlot<X, 1, 1>(wX, wp1, wp2) * cLowW + IPawnCount(bp, wp1, wp2);
    return T3(X, 1, 1) * cLowW + mv.ISlot<X>(wX) * cEnPassant21 +
           IndEnPassant21W(wp1, wp2, bp, f.E(sqEnP));
  }
  static INDEX IndB(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    CFrame f = FrameB(psqW, psqB, fInvert);
    square K = f.W(0), k = f.B(0), wX = f.W(4 * X), wp1 = f.W(4), wp2 = f.W(5), bp = f.B(4);
    if (sqEnP == XX)
      return MoverFlippedB(f).ISlot<1>(SqFlip(bp)) * cLowB +
             IPlainCount(wX, K, k, bp, wp1, wp2) * 1081 +
             ILikePair(IPawnCount(wp1, bp), IPawnCount(wp2, bp));
    square E = f.E(sqEnP);
    VSort(wp1, wp2);
    INDEX kp = CMover(k, K).kp;
    return T1(1) * cLowB +
           (kp * cPieceEpB + IPlainCount(wX, K, k, bp, wp1, wp2, E, E - 8)) * cEnPassant21 +
           IndEnPassant21B(wp1, wp2, bp, E);
  }
};

// Two pieces of the side not to move, each counted against the other men listed: unlike, the
// first is the major digit and the second is also counted against it; like, an unordered pair.
template <bool fLike, typename... Squares>
INDEX ITwoPieces(square sq1, square sq2, Squares... sqOthers) {
  if constexpr (fLike)
    return ILikePair(IPlainCount(sq1, sqOthers...), IPlainCount(sq2, sqOthers...));
  else
    return IPlainCount(sq1, sqOthers...) * (63 - sizeof...(sqOthers)) +
           IPlainCount(sq2, sq1, sqOthers...);
}

// Placements of those two pieces beside cOthers men.
template <bool fLike>
constexpr INDEX CTwoPieces(INDEX cOthers) {
  return fLike ? IBin2(64 - cOthers) : (64 - cOthers) * (63 - cOthers);
}

// kXYpkp, X >= Y
template <int X, int Y> struct CPawnsBoth<T42<X, Y, 1, 1>> {
  static constexpr bool fLike = X == Y;
  static constexpr int iwY = fLike ? 4 * X + 1 : 4 * Y;
  static constexpr INDEX cLowW = 47, cPiecesB = CTwoPieces<fLike>(4),
                         cPiecesEpB = CTwoPieces<fLike>(6), cLowB = cPiecesB * 47;
  static INDEX IndW(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    CFrame f = FrameW(psqW, psqB, fInvert);
    square wX = f.W(4 * X), wY = f.W(iwY), wp = f.W(4), bp = f.B(4);
    CMover mv(f.W(0), f.B(0));
    if (sqEnP == XX) return mv.ISlot<X, Y, 1>(wX, wY, wp) * cLowW + IPawnCount(bp, wp);
    return T3(X, Y, 1) * cLowW + mv.ISlot<X, Y>(wX, wY) * cEnPassant11 +
           IndEnPassant11W(wp, bp, f.E(sqEnP));
  }
  static INDEX IndB(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
    CFrame f = FrameB(psqW, psqB, fInvert);
    square K = f.W(0), k = f.B(0), wX = f.W(4 * X), wY = f.W(iwY), wp = f.W(4), bp = f.B(4);
    if (sqEnP == XX)
      return MoverFlippedB(f).ISlot<1>(SqFlip(bp)) * cLowB +
             ITwoPieces<fLike>(wX, wY, K, k, wp, bp) * 47 + IPawnCount(wp, bp);
    square E = f.E(sqEnP);
    INDEX kp = CMover(k, K).kp;
    return T1(1) * cLowB +
           (kp * cPiecesEpB + ITwoPieces<fLike>(wX, wY, K, k, wp, bp, E, E - 8)) * cEnPassant11 +
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
