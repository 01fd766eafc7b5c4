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
  for (int sq = 0; sq < 64; sq++) a[sq] = (TbFile(sq) < 4 ? 0 : 7) | (TbRank(sq) < 4 ? 0 : 56);
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

// King-pair numbers, indexed first (mover's) king * 64 + second king; iNoKingPair where the
// pair is not numbered. With pawns: first king on files a-d.
inline constexpr std::array<int16_t, 64 * 64> rgiKingPairPawns = [] {
  std::array<int16_t, 64 * 64> a{};
  int16_t n = 0;
  for (int i = 0; i < 64 * 64; i++) {
    square k1 = i / 64, k2 = i % 64;
    a[i] = TbFile(k1) < 4 && FKingsApart(k1, k2) ? n++ : iNoKingPair;
  }
  return a;
}();

// Without pawns: first king in the triangle; on the long diagonal, second king not above it.
inline constexpr std::array<int16_t, 64 * 64> rgiKingPairNoPawns = [] {
  std::array<int16_t, 64 * 64> a{};
  int16_t n = 0;
  for (int i = 0; i < 64 * 64; i++) {
    square k1 = i / 64, k2 = i % 64;
    bool fValid = rgfInTriangle[k1] && FKingsApart(k1, k2) &&
                  (rgfOffDiagonal[k1] || rgfNotAboveDiagonal[k2]);
    a[i] = fValid ? n++ : iNoKingPair;
  }
  return a;
}();

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

// The kings of a table without pawns after normalisation, with their pair number.
struct CPawnlessKings {
  CPawnlessFrame fr;
  square sqF, sqO;
  INDEX kp;
};

inline CPawnlessKings KingsPawnless(square sqMoverKing, square sqOtherKing) {
  CPawnlessFrame fr = FramePawnless(sqMoverKing, sqOtherKing);
  square sqF = fr.Map(sqMoverKing), sqO = fr.Map(sqOtherKing);
  return {fr, sqF, sqO, INDEX(rgiKingPairNoPawns[sqF * 64 + sqO])};
}

// Normalisation mask of a table with pawns: the mover's king to files a-d, and the board
// mirrored top to bottom when the colours were exchanged.
inline int IPawnMask(square sqMoverKing, int fInvert) {
  return rgsqColourFlipMask[fInvert] ^ rgsqFileMirrorMask[sqMoverKing];
}

// The kings of a table with pawns in the frame of mask m, with their pair number.
struct CPawnKings {
  square sqF, sqO;
  INDEX kp;
};

inline CPawnKings KingsPawns(square sqMoverKing, square sqOtherKing, int m) {
  square sqF = sqMoverKing ^ m, sqO = sqOtherKing ^ m;
  return {sqF, sqO, INDEX(rgiKingPairPawns[sqF * 64 + sqO])};
}
