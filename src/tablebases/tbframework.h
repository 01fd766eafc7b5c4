// What every index calculator shares: the symmetry and king-pair tables, the tables that
// number a man's squares beside the kings, the offset tables per king pair, and the small
// helpers that combine them. The calculators are pure functions over these tables.
#pragma once
#include <array>
#include <cstdint>
#include "tablebases/tbtypes.h"

// ---------------------------------------------------------------------------------------
// Constant tables, computed at compile time.

constexpr int TbFile(square sq) { return sq & 7; }
constexpr int TbRank(square sq) { return sq >> 3; }

// 0 on files a-d, 7 on files e-h: XOR brings a king to files a-d.
inline constexpr std::array<int, 64> rgsqFileMirrorMask = [] {
  std::array<int, 64> a{};
  for (int sq = 0; sq < 64; sq++) a[sq] = TbFile(sq) < 4 ? 0 : 7;
  return a;
}();

// Indexed by the invert flag: XOR 56 mirrors the board top to bottom.
inline constexpr std::array<int, 2> rgsqColourFlipMask = {0, 56};

// XOR brings a square into the a1-d4 quadrant.
inline constexpr std::array<int, 64> rgsqQuadrantMask = [] {
  std::array<int, 64> a{};
  for (int sq = 0; sq < 64; sq++) a[sq] = rgsqFileMirrorMask[sq] | (TbRank(sq) < 4 ? 0 : 56);
  return a;
}();

// Reflection in the a1-h8 diagonal.
inline constexpr std::array<int, 64> rgsqDiagonalMirror = [] {
  std::array<int, 64> a{};
  for (int sq = 0; sq < 64; sq++) a[sq] = TbFile(sq) * 8 + TbRank(sq);
  return a;
}();

// a1, b1, c1, d1, b2, c2, d2, c3, d3, d4.
inline constexpr std::array<uint8_t, 64> rgfInTriangle = [] {
  std::array<uint8_t, 64> a{};
  for (int sq = 0; sq < 64; sq++) a[sq] = TbFile(sq) <= 3 && TbRank(sq) <= TbFile(sq);
  return a;
}();

inline constexpr std::array<uint8_t, 64> rgfOffDiagonal = [] {
  std::array<uint8_t, 64> a{};
  for (int sq = 0; sq < 64; sq++) a[sq] = TbFile(sq) != TbRank(sq);
  return a;
}();

inline constexpr std::array<uint8_t, 64> rgfNotAboveDiagonal = [] {
  std::array<uint8_t, 64> a{};
  for (int sq = 0; sq < 64; sq++) a[sq] = TbFile(sq) >= TbRank(sq);
  return a;
}();

constexpr int16_t iNoKingPair = 4000;

constexpr bool FKingsApart(square sq1, square sq2) {
  int df = TbFile(sq1) - TbFile(sq2), dr = TbRank(sq1) - TbRank(sq2);
  return df * df > 1 || dr * dr > 1;
}

// Numbers the king pairs (first king * 64 + second king) that fValid accepts, in that order;
// iNoKingPair for the others.
template <typename FValid>
constexpr std::array<int16_t, 64 * 64> RgiNumberKingPairs(FValid fValid) {
  std::array<int16_t, 64 * 64> a{};
  int16_t n = 0;
  for (int i = 0; i < 64 * 64; i++) a[i] = fValid(i / 64, i % 64) ? n++ : iNoKingPair;
  return a;
}

// King-pair numbers, indexed first (mover's) king * 64 + second king. With pawns: first
// king on files a-d.
inline constexpr std::array<int16_t, 64 * 64> rgiKingPairPawns =
    RgiNumberKingPairs([](square k1, square k2) { return TbFile(k1) < 4 && FKingsApart(k1, k2); });

// Without pawns: first king in the triangle; on the long diagonal, second king not above it.
inline constexpr std::array<int16_t, 64 * 64> rgiKingPairNoPawns =
    RgiNumberKingPairs([](square k1, square k2) {
      return rgfInTriangle[k1] && FKingsApart(k1, k2) &&
             (rgfOffDiagonal[k1] || rgfNotAboveDiagonal[k2]);
    });

constexpr int cKingPairsPawns = 1806;
constexpr int cKingPairsNoPawns = 462;

// ---------------------------------------------------------------------------------------
// Tables built at initialisation (see tbframework.cpp).

constexpr uint8_t bNotNumbered = 255;

// Per type 0..5, 64 * 64 bytes indexed reference king * 64 + square: the number of the square
// among those allowed for that man beside the king, bNotNumbered where it is not allowed.
extern uint8_t* rgpbManSquareNumber[6];
// Per type and reference king, the number of allowed squares.
extern uint8_t rgcManSquares[6][64];

// Offsets per king-pair number: the running total of placements before that pair.
extern INDEX* rgpiOneManOffsetPawns[6];
extern INDEX* rgpiOneManOffsetNoPawns[6];
extern INDEX* rgpiPairOffsetPawns[6][6];          // [t1][t2], t1 >= t2
extern INDEX* rgpiPairOffsetNoPawns[6][6];
extern INDEX* rgpiTripleOffsetPawns[6][6][6];     // [t1][t2][t3], t1 >= t2 >= t3
extern INDEX* rgpiTripleOffsetNoPawns[6][6][6];
// Grand totals of the pawn numbering: the size of the ordinary index range.
extern INDEX rgcOneManTotalPawns[6];
extern INDEX rgcPairTotalPawns[6][6];
extern INDEX rgcTripleTotalPawns[6][6][6];

extern bool fIndexTablesBuilt;

// Builds every table above once; false (with nothing left allocated) when memory runs out.
bool FBuildIndexTables();
// Frees them and clears the built flag.
void VFreeIndexTables();

// ---------------------------------------------------------------------------------------
// Helpers shared by the calculators.

// Number of a man of type x on sq against reference king sqO, one less when the mover's
// king sqF stands on a lower numbered square of the same row.
inline INDEX INumberMan(int x, square sqF, square sqO, square sq) {
  const uint8_t* pb = rgpbManSquareNumber[x] + sqO * 64;
  return pb[sq] - (pb[sqF] != bNotNumbered && sqF < sq);
}

// Placements of one man of type x for the king pair (sqF, sqO).
inline INDEX CManPlacements(int x, square sqF, square sqO) {
  return rgcManSquares[x][sqO] - (rgpbManSquareNumber[x][sqO * 64 + sqF] != bNotNumbered);
}

// Plain count: sq minus the number of the other listed squares below it.
template <typename... Squares>
inline INDEX IPlainCount(square sq, Squares... others) {
  return sq - ((others < sq) + ... + 0);
}

inline constexpr INDEX IBin2(INDEX n) { return n * (n - 1) / 2; }
inline constexpr INDEX IBin3(INDEX n) { return n * (n - 1) * (n - 2) / 6; }

// Normalisation of a table without pawns: the quadrant mask of the mover's king, then the
// reflection in the long diagonal unless the kings already stand as the numbering wants.
struct CPawnlessFrame {
  int mask;
  bool fReflect;
  square Map(square sq) const {
    sq ^= mask;
    return fReflect ? rgsqDiagonalMirror[sq] : sq;
  }
};

inline CPawnlessFrame FramePawnless(square sqMoverKing, square sqOtherKing) {
  int mask = rgsqQuadrantMask[sqMoverKing];
  square sqF = sqMoverKing ^ mask, sqO = sqOtherKing ^ mask;
  bool fKeep = rgfInTriangle[sqF] && (rgfOffDiagonal[sqF] || rgfNotAboveDiagonal[sqO]);
  return {mask, !fKeep};
}

// A king-pair number for the offset tables. Adjacent kings (an illegal position) read the
// first pair, so that no calculator reads beyond its tables.
inline INDEX IKingPair(int16_t kp) { return kp == iNoKingPair ? 0 : INDEX(kp); }

// Normalisation mask of a table with pawns: the mover's king to files a-d, and the board
// mirrored top to bottom when the colours were exchanged.
inline int IPawnMask(square sqMoverKing, int fInvert) {
  return rgsqColourFlipMask[fInvert] ^ rgsqFileMirrorMask[sqMoverKing];
}

// ---------------------------------------------------------------------------------------
// Building blocks of the calculators of tables with two or three men on one side.

// Square-array slot of man k (from 0) of a side whose men have the types rgt, in table
// order: men of one type fill consecutive slots of that type.
template <int k, int... rgt>
inline constexpr int iManSlot = [] {
  constexpr int rgType[] = {rgt...};
  int iSlot = 4 * rgType[k];
  for (int j = 0; j < k; j++) iSlot += rgType[j] == rgType[k];
  return iSlot;
}();

// Puts two or three squares in ascending order.
inline void VOrderSquares(square& sq1, square& sq2) {
  square sqLo = sq1 < sq2 ? sq1 : sq2;
  sq2 = sq1 ^ sq2 ^ sqLo;
  sq1 = sqLo;
}

inline void VOrderSquares(square& sq1, square& sq2, square& sq3) {
  VOrderSquares(sq1, sq2);
  VOrderSquares(sq2, sq3);
  VOrderSquares(sq1, sq2);
}

// A position normalised for its side to move: the square map, the mover's king F and the
// other king O in that frame, and their king-pair number. fPawns selects the numbering.
template <bool fPawns>
struct CNormalised {
  int mask;
  bool fReflect;  // without pawns only
  square sqF, sqO;
  INDEX kp;

  square Map(square sq) const {
    sq ^= mask;
    if constexpr (fPawns) return sq;
    else return fReflect ? rgsqDiagonalMirror[sq] : sq;
  }
  // Number and placements of a man of type x against the other king.
  INDEX N(int x, square sq) const { return INumberMan(x, sqF, sqO, sq); }
  INDEX C(int x) const { return CManPlacements(x, sqF, sqO); }
};

// With pawns: the kings F and O already in the frame of the mask.
inline CNormalised<true> NormaliseMask(square sqF, square sqO, int mask) {
  return {mask, false, sqF, sqO, IKingPair(rgiKingPairPawns[sqF * 64 + sqO])};
}

// The position as the numbering of the side whose king is sqMoverKing sees it: with pawns in
// the frame of IPawnMask, without pawns in the frame of FramePawnless.
template <bool fPawns>
inline CNormalised<fPawns> Normalise(square sqMoverKing, square sqOtherKing, int fInvert) {
  if constexpr (fPawns) {
    int m = IPawnMask(sqMoverKing, fInvert);
    return NormaliseMask(sqMoverKing ^ m, sqOtherKing ^ m, m);
  } else {
    CPawnlessFrame fr = FramePawnless(sqMoverKing, sqOtherKing);
    square sqF = fr.Map(sqMoverKing), sqO = fr.Map(sqOtherKing);
    return {fr.mask, fr.fReflect, sqF, sqO, IKingPair(rgiKingPairNoPawns[sqF * 64 + sqO])};
  }
}

// The same frame mirrored top to bottom, in which black's pawns move up.
inline CNormalised<true> Flipped(const CNormalised<true>& n) {
  return NormaliseMask(n.sqF ^ 56, n.sqO ^ 56, n.mask ^ 56);
}

// Like men numbered against the kings as an unordered set: N(lo) + C2(N(hi)) (+ C3(N(top))).
template <bool fPawns>
inline INDEX INumberPair(const CNormalised<fPawns>& n, int x, square sq1, square sq2) {
  VOrderSquares(sq1, sq2);
  return n.N(x, sq1) + IBin2(n.N(x, sq2));
}

template <bool fPawns>
inline INDEX INumberTriple(const CNormalised<fPawns>& n, int x, square sq1, square sq2,
                           square sq3) {
  VOrderSquares(sq1, sq2, sq3);
  return n.N(x, sq1) + IBin2(n.N(x, sq2)) + IBin3(n.N(x, sq3));
}

// The mover's men (types in table order, t1 >= t2 >= t3) numbered against the other king,
// without the offset. A pair of like men is the major digit, otherwise the higher type.
template <int t1, int t2, bool fPawns>
inline INDEX INumberMen(const CNormalised<fPawns>& n, square sq1, square sq2) {
  if constexpr (t1 == t2) return INumberPair(n, t1, sq1, sq2);
  else return n.N(t1, sq1) * n.C(t2) + n.N(t2, sq2);
}

template <int t1, int t2, int t3, bool fPawns>
inline INDEX INumberMen(const CNormalised<fPawns>& n, square sq1, square sq2, square sq3) {
  if constexpr (t1 == t3) return INumberTriple(n, t1, sq1, sq2, sq3);
  else if constexpr (t2 == t3) return INumberPair(n, t2, sq2, sq3) * n.C(t1) + n.N(t1, sq1);
  else return INumberMen<t1, t2>(n, sq1, sq2) * n.C(t3) + n.N(t3, sq3);
}

// The same with the offset of the king pair: the high part of an index.
template <int t1, bool fPawns>
inline INDEX IKeyMen(const CNormalised<fPawns>& n, square sq1) {
  return (fPawns ? rgpiOneManOffsetPawns : rgpiOneManOffsetNoPawns)[t1][n.kp] + n.N(t1, sq1);
}

template <int t1, int t2, bool fPawns>
inline INDEX IKeyMen(const CNormalised<fPawns>& n, square sq1, square sq2) {
  return (fPawns ? rgpiPairOffsetPawns : rgpiPairOffsetNoPawns)[t1][t2][n.kp] +
         INumberMen<t1, t2>(n, sq1, sq2);
}

template <int t1, int t2, int t3, bool fPawns>
inline INDEX IKeyMen(const CNormalised<fPawns>& n, square sq1, square sq2, square sq3) {
  return (fPawns ? rgpiTripleOffsetPawns : rgpiTripleOffsetNoPawns)[t1][t2][t3][n.kp] +
         INumberMen<t1, t2, t3>(n, sq1, sq2, sq3);
}

// Like men counted plainly beside the other squares, as an unordered set.
template <typename... Squares>
inline INDEX IPlainPair(square sq1, square sq2, Squares... others) {
  VOrderSquares(sq1, sq2);
  return IPlainCount(sq1, others...) + IBin2(IPlainCount(sq2, others...));
}

template <typename... Squares>
inline INDEX IPlainTriple(square sq1, square sq2, square sq3, Squares... others) {
  VOrderSquares(sq1, sq2, sq3);
  return IPlainCount(sq1, others...) + IBin2(IPlainCount(sq2, others...)) +
         IBin3(IPlainCount(sq3, others...));
}

// Pawns of the side not to move by their places among the 48 pawn squares, counted against
// the listed pawns of the mover below them; two or three of them as an unordered set.
template <typename... Squares>
inline INDEX IPawnCount(square sq, Squares... sqMoverPawns) {
  return IPlainCount(sq - 8, (sqMoverPawns - 8)...);
}

template <typename... Squares>
inline INDEX IPawnPair(square sq1, square sq2, Squares... sqMoverPawns) {
  return IPlainPair(sq1 - 8, sq2 - 8, (sqMoverPawns - 8)...);
}

template <typename... Squares>
inline INDEX IPawnTriple(square sq1, square sq2, square sq3, Squares... sqMoverPawns) {
  return IPlainTriple(sq1 - 8, sq2 - 8, sq3 - 8, (sqMoverPawns - 8)...);
}

// Two men of the side not to move counted plainly beside k other squares: like men as a
// set; unlike men with the first as the major digit, the second counted beside it too.
// CPlainTwo is the number of values.
template <bool fLike, typename... Squares>
inline INDEX IPlainTwo(square sq1, square sq2, Squares... others) {
  constexpr INDEX cMinor = 63 - sizeof...(others);
  if constexpr (fLike) return IPlainPair(sq1, sq2, others...);
  else return IPlainCount(sq1, others...) * cMinor + IPlainCount(sq2, sq1, others...);
}

template <bool fLike, int k>
inline constexpr INDEX CPlainTwo = fLike ? IBin2(64 - k) : INDEX(64 - k) * (63 - k);
