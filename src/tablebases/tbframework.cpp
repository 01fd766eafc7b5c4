// Builds the square-numbering and offset tables that every index calculator reads.
#include "tablebases/tbframework.h"
#include <new>

uint8_t* rgpbManSquareNumber[6];
uint8_t rgcManSquares[6][64];
INDEX* rgpiOneManOffsetPawns[6];
INDEX* rgpiOneManOffsetNoPawns[6];
INDEX* rgpiPairOffsetPawns[6][6];
INDEX* rgpiPairOffsetNoPawns[6][6];
INDEX* rgpiTripleOffsetPawns[6][6][6];
INDEX* rgpiTripleOffsetNoPawns[6][6][6];
INDEX rgcOneManTotalPawns[6];
INDEX rgcPairTotalPawns[6][6];
INDEX rgcTripleTotalPawns[6][6][6];
bool fIndexTablesBuilt = false;

namespace {

// May a man of type x stand on sq beside the reference king sqK?
bool FManAllowed(int x, square sqK, square sq) {
  if (sq == sqK) return false;
  if (x <= x_piecePawn && (sq < 8 || sq >= 56)) return false;
  int df = TbFile(sq) - TbFile(sqK), dr = TbRank(sq) - TbRank(sqK);
  int adf = df < 0 ? -df : df, adr = dr < 0 ? -dr : dr;
  switch (x) {
    case x_piecePawn: return !(dr == -1 && adf == 1);  // a pawn there would attack the king
    case x_pieceKnight: return adf * adr != 2;
    case x_pieceBishop: return !(adf == 1 && adr == 1);
    case x_pieceRook: return adf + adr != 1;
    case x_pieceQueen: return adf > 1 || adr > 1;
    default: return true;
  }
}

void VBuildManSquareNumbers() {
  for (int x = 0; x < 6; x++) {
    for (square sqK = 0; sqK < 64; sqK++) {
      uint8_t* pb = rgpbManSquareNumber[x] + sqK * 64;
      uint8_t n = 0;
      for (square sq = 0; sq < 64; sq++) pb[sq] = FManAllowed(x, sqK, sq) ? n++ : bNotNumbered;
      rgcManSquares[x][sqK] = n;
    }
  }
}

// Placements of men of the types rgx (descending, cx of them) for one king pair: different
// types independently, like men as an unordered set of distinct squares.
INDEX CPlacements(const int* rgx, int cx, square sqF, square sqO) {
  INDEX c = 1;
  for (int i = 0; i < cx;) {
    int cLike = 1;
    while (i + cLike < cx && rgx[i + cLike] == rgx[i]) cLike++;
    INDEX n = CManPlacements(rgx[i], sqF, sqO);
    c *= cLike == 1 ? n : cLike == 2 ? IBin2(n) : IBin3(n);
    i += cLike;
  }
  return c;
}

// Fills the offsets of one combination of types over one king-pair numbering: the running
// total of placements before each pair, in ascending order of first king * 64 + second king.
INDEX* PiBuildOffsets(const std::array<int16_t, 64 * 64>& rgiKingPair, int cPairs,
                      const int* rgx, int cx, INDEX* pcTotal) {
  INDEX* pi = new (std::nothrow) INDEX[cPairs];
  if (!pi) return nullptr;
  INDEX cTotal = 0;
  for (int i = 0; i < 64 * 64; i++) {
    if (rgiKingPair[i] == iNoKingPair) continue;
    pi[rgiKingPair[i]] = cTotal;
    cTotal += CPlacements(rgx, cx, i / 64, i % 64);
  }
  if (pcTotal) *pcTotal = cTotal;
  return pi;
}

// Builds the offsets of one combination with both numberings (the pawnless one only when
// every type is a piece); false when memory runs out.
bool FBuildCombination(const int* rgx, int cx, INDEX*& piPawns, INDEX*& piNoPawns,
                       INDEX& cTotalPawns) {
  piPawns = PiBuildOffsets(rgiKingPairPawns, cKingPairsPawns, rgx, cx, &cTotalPawns);
  if (!piPawns) return false;
  if (rgx[cx - 1] < x_pieceKnight) return true;
  piNoPawns = PiBuildOffsets(rgiKingPairNoPawns, cKingPairsNoPawns, rgx, cx, nullptr);
  return piNoPawns != nullptr;
}

bool FBuildAll() {
  for (auto& pb : rgpbManSquareNumber)
    if (!(pb = new (std::nothrow) uint8_t[64 * 64])) return false;
  VBuildManSquareNumbers();
  // Type 0 combines only with itself; the others with every type from 1 up to their own.
  for (int t1 = 0; t1 < 6; t1++) {
    int tLow = t1 == 0 ? 0 : 1;
    int rgx1[] = {t1};
    if (!FBuildCombination(rgx1, 1, rgpiOneManOffsetPawns[t1], rgpiOneManOffsetNoPawns[t1],
                           rgcOneManTotalPawns[t1]))
      return false;
    for (int t2 = tLow; t2 <= t1; t2++) {
      int rgx2[] = {t1, t2};
      if (!FBuildCombination(rgx2, 2, rgpiPairOffsetPawns[t1][t2],
                             rgpiPairOffsetNoPawns[t1][t2], rgcPairTotalPawns[t1][t2]))
        return false;
      for (int t3 = tLow; t3 <= t2; t3++) {
        int rgx3[] = {t1, t2, t3};
        if (!FBuildCombination(rgx3, 3, rgpiTripleOffsetPawns[t1][t2][t3],
                               rgpiTripleOffsetNoPawns[t1][t2][t3],
                               rgcTripleTotalPawns[t1][t2][t3]))
          return false;
      }
    }
  }
  return true;
}

template <typename T>
void VFree(T*& p) {
  delete[] p;
  p = nullptr;
}

}  // namespace

bool FBuildIndexTables() {
  if (fIndexTablesBuilt) return true;
  if (!FBuildAll()) {
    VFreeIndexTables();
    return false;
  }
  fIndexTablesBuilt = true;
  return true;
}

void VFreeIndexTables() {
  fIndexTablesBuilt = false;
  for (int t1 = 0; t1 < 6; t1++) {
    VFree(rgpbManSquareNumber[t1]);
    VFree(rgpiOneManOffsetPawns[t1]);
    VFree(rgpiOneManOffsetNoPawns[t1]);
    rgcOneManTotalPawns[t1] = 0;
    for (int t2 = 0; t2 < 6; t2++) {
      VFree(rgpiPairOffsetPawns[t1][t2]);
      VFree(rgpiPairOffsetNoPawns[t1][t2]);
      rgcPairTotalPawns[t1][t2] = 0;
      for (int t3 = 0; t3 < 6; t3++) {
        VFree(rgpiTripleOffsetPawns[t1][t2][t3]);
        VFree(rgpiTripleOffsetNoPawns[t1][t2][t3]);
        rgcTripleTotalPawns[t1][t2][t3] = 0;
      }
    }
  }
}
