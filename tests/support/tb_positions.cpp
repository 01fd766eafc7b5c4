#include "support/tb_positions.h"
#include <algorithm>
#include <random>
#include <sstream>
#include <utility>
#include <vector>

namespace tbtest {
namespace {

int File(square sq) { return sq & 7; }
int Rank(square sq) { return sq >> 3; }
uint64_t Bit(square sq) { return uint64_t(1) << sq; }
int Abs(int n) { return n < 0 ? -n : n; }

constexpr char szPieceLetters[] = "-PNBRQ";

// Attack sets and the eight board symmetries: g & 4 reflects in the a1-h8 diagonal, then
// g & 3 picks the XOR mask 0, 7, 56 or 63.
struct Geometry {
  uint64_t rgbbKnight[64], rgbbKing[64], rgbbPawn[2][64], rgbbBetween[64][64];
  uint8_t rgLine[64][64];  // 4 on a rank or file, 3 on a diagonal, else 0 (the slider type)
  square rgsqSym[8][64];
  // Per white king * 64 + black king, the symmetries that bring the pair into the
  // canonical frame: without pawns the white king in a1-b1-..-d4 with the black king not
  // above the diagonal when the white king is on it; with pawns the white king on files a-d.
  uint8_t rgfgFrameNoPawns[64 * 64], rgfgFramePawns[64 * 64];

  Geometry() {
    for (square a = 0; a < 64; a++) {
      rgbbKnight[a] = rgbbKing[a] = rgbbPawn[0][a] = rgbbPawn[1][a] = 0;
      for (square b = 0; b < 64; b++) {
        int df = File(b) - File(a), dr = Rank(b) - Rank(a);
        if (Abs(df) * Abs(dr) == 2) rgbbKnight[a] |= Bit(b);
        if (a != b && Abs(df) <= 1 && Abs(dr) <= 1) rgbbKing[a] |= Bit(b);
        if (Abs(df) == 1 && dr == 1) rgbbPawn[0][a] |= Bit(b);
        if (Abs(df) == 1 && dr == -1) rgbbPawn[1][a] |= Bit(b);
        rgLine[a][b] = a == b ? 0 : df == 0 || dr == 0 ? 4 : Abs(df) == Abs(dr) ? 3 : 0;
        rgbbBetween[a][b] = 0;
        if (rgLine[a][b]) {
          int n = std::max(Abs(df), Abs(dr)), sf = (df > 0) - (df < 0), sr = (dr > 0) - (dr < 0);
          for (int i = 1; i < n; i++) rgbbBetween[a][b] |= Bit(a + i * (sr * 8 + sf));
        }
      }
      for (int g = 0; g < 8; g++) {
        static const int rgMask[4] = {0, 7, 56, 63};
        square sq = g & 4 ? File(a) * 8 + Rank(a) : a;
        rgsqSym[g][a] = sq ^ rgMask[g & 3];
      }
    }
    for (square wk = 0; wk < 64; wk++)
      for (square bk = 0; bk < 64; bk++) {
        uint8_t fgNo = 0, fgPawns = 0;
        for (int g = 0; g < 8; g++) {
          square w = rgsqSym[g][wk], b = rgsqSym[g][bk];
          bool fTriangle = File(w) <= 3 && Rank(w) <= File(w);
          if (fTriangle && (File(w) != Rank(w) || File(b) >= Rank(b))) fgNo |= 1 << g;
          if (g <= 1 && File(w) <= 3) fgPawns |= 1 << g;
        }
        rgfgFrameNoPawns[wk * 64 + bk] = fgNo;
        rgfgFramePawns[wk * 64 + bk] = fgPawns;
      }
  }
};

const Geometry& Geo() {
  static const Geometry geo;
  return geo;
}

struct Man {
  color c;
  int type, slot;
  bool fLikePrevious;  // same colour and type as the man before it in the list
};

// A table's men in enumeration order (white then black, types descending, like men
// together), with the side to move.
struct Setup {
  TbMaterial mat;
  color stm;
  std::vector<Man> rgman;

  Setup(const TbMaterial& m, color s) : mat(m), stm(s) {
    for (color c = 0; c < 2; c++)
      for (int t = 5; t >= 1; t--)
        for (int n = 0; n < mat.rgcMen[c][t]; n++) rgman.push_back({c, t, 4 * t + n, n > 0});
  }
};

TbPlacement EmptyPlacement() {
  TbPlacement pl;
  std::fill(&pl.rgsq[0][0], &pl.rgsq[0][0] + 48, XX);
  return pl;
}

// Does the man of colour c and type t on sq attack sqK, given the occupied squares?
bool FAttacks(color c, int t, square sq, square sqK, uint64_t bbOcc) {
  const Geometry& geo = Geo();
  switch (t) {
    case 1: return geo.rgbbPawn[c][sq] & Bit(sqK);
    case 2: return geo.rgbbKnight[sq] & Bit(sqK);
    default: {
      int line = geo.rgLine[sq][sqK];
      return line && (t == 5 || t == line) && !(geo.rgbbBetween[sq][sqK] & bbOcc);
    }
  }
}

bool FKingsApart(square wk, square bk) { return wk != bk && !(Geo().rgbbKing[wk] & Bit(bk)); }

// Depth-first walk over the men; sliders of the side to move are tested at the leaf, the
// other attacks as soon as the man is placed.
template <typename F>
class Walker {
 public:
  Walker(const Setup& s, F& f) : s_(s), f_(f), pl_(EmptyPlacement()) {}

  // Returns false when the visitor asked to stop.
  bool FKings(square wk, square bk) {
    if (!FKingsApart(wk, bk)) return true;
    pl_.rgsq[0][0] = wk;
    pl_.rgsq[1][0] = bk;
    bbOcc_ = Bit(wk) | Bit(bk);
    return FMen(0);
  }

 private:
  bool FMen(size_t i) {
    if (i == s_.rgman.size()) return FInCheck() || f_(pl_);
    const Man& man = s_.rgman[i];
    square sqK = pl_.rgsq[1 - s_.stm][0];
    square sqLo = man.type == 1 ? 8 : 0, sqHi = man.type == 1 ? 56 : 64;
    if (man.fLikePrevious) sqLo = std::max(sqLo, pl_.rgsq[man.c][man.slot - 1] + 1);
    bool fEarly = man.c == s_.stm && man.type <= 2;
    for (square sq = sqLo; sq < sqHi; sq++) {
      if ((bbOcc_ & Bit(sq)) || (fEarly && FAttacks(man.c, man.type, sq, sqK, 0))) continue;
      pl_.rgsq[man.c][man.slot] = sq;
      bbOcc_ |= Bit(sq);
      bool fGoOn = FMen(i + 1);
      bbOcc_ &= ~Bit(sq);
      if (!fGoOn) return false;
    }
    return true;
  }

  bool FInCheck() const {
    square sqK = pl_.rgsq[1 - s_.stm][0];
    for (const Man& man : s_.rgman)
      if (man.c == s_.stm && man.type >= 3 &&
          FAttacks(man.c, man.type, pl_.rgsq[man.c][man.slot], sqK, bbOcc_))
        return true;
    return false;
  }

  const Setup& s_;
  F& f_;
  TbPlacement pl_;
  uint64_t bbOcc_ = 0;
};

// Calls f(pl, sqEnP) for the placement without an en-passant right, or with fEnPassant for
// each en-passant square it allows; false when f asked to stop.
template <typename F>
bool FForEachPosition(const Setup& s, bool fEnPassant, const TbPlacement& pl, F&& f) {
  if (!fEnPassant) return f(pl, XX);
  color cOther = 1 - s.stm;
  int dsq = s.stm == 0 ? 8 : -8;   // the way the side to move's pawns go
  int rankV = s.stm == 0 ? 4 : 3;  // where the two-square advance ends
  uint64_t bbOcc = Bit(pl.rgsq[0][0]) | Bit(pl.rgsq[1][0]), bbMoverPawns = 0;
  for (const Man& man : s.rgman) {
    bbOcc |= Bit(pl.rgsq[man.c][man.slot]);
    if (man.c == s.stm && man.type == 1) bbMoverPawns |= Bit(pl.rgsq[man.c][man.slot]);
  }
  for (int n = 0; n < s.mat.rgcMen[cOther][1]; n++) {
    square sqV = pl.rgsq[cOther][4 + n], sqE = sqV + dsq;
    if (Rank(sqV) != rankV || (bbOcc & (Bit(sqE) | Bit(sqE + dsq)))) continue;
    bool fBeside = (File(sqV) > 0 && (bbMoverPawns & Bit(sqV - 1))) ||
                   (File(sqV) < 7 && (bbMoverPawns & Bit(sqV + 1)));
    if (fBeside && !f(pl, sqE)) return false;
  }
  return true;
}

// Every legal position with the kings given; false when f asked to stop.
template <typename F>
bool FWalk(const Setup& s, bool fEnPassant, square sqWk, square sqBk, F&& f) {
  auto visit = [&](const TbPlacement& pl) { return FForEachPosition(s, fEnPassant, pl, f); };
  return Walker(s, visit).FKings(sqWk, sqBk);
}

square SqImage(int g, square sq) { return sq == XX ? XX : Geo().rgsqSym[g][sq]; }

TbPlacement Transformed(const Setup& s, const TbPlacement& pl, int g) {
  TbPlacement plT = pl;
  for (color c = 0; c < 2; c++) plT.rgsq[c][0] = SqImage(g, pl.rgsq[c][0]);
  for (const Man& man : s.rgman) plT.rgsq[man.c][man.slot] = SqImage(g, pl.rgsq[man.c][man.slot]);
  return plT;
}

// 6 bits per square of the image under g: the kings, each group of like men in ascending
// order, then the en-passant square if any.
uint64_t Key(const Setup& s, const TbPlacement& pl, square sqEnP, int g) {
  uint64_t key = uint64_t(SqImage(g, pl.rgsq[0][0])) << 6 | SqImage(g, pl.rgsq[1][0]);
  for (size_t i = 0; i < s.rgman.size();) {
    square rgsq[4];  // a group of like men: at most four
    size_t n = 0;
    do {
      rgsq[n++] = SqImage(g, pl.rgsq[s.rgman[i].c][s.rgman[i].slot]);
    } while (++i < s.rgman.size() && s.rgman[i].fLikePrevious && n < 4);
    // Insertion sort: std::sort here makes GCC warn of a subscript beyond the array, on a
    // path taken only for more than sixteen elements.
    for (size_t j = 1; j < n; j++)
      for (size_t k = j; k > 0 && rgsq[k - 1] > rgsq[k]; k--) std::swap(rgsq[k - 1], rgsq[k]);
    for (size_t j = 0; j < n; j++) key = key << 6 | rgsq[j];
  }
  return sqEnP == XX ? key : key << 6 | SqImage(g, sqEnP);
}

// The position a key was made from (like men in ascending order).
TbPlacement FromKey(const Setup& s, bool fEnPassant, uint64_t key, square* psqEnP) {
  *psqEnP = fEnPassant ? key & 63 : XX;
  if (fEnPassant) key >>= 6;
  TbPlacement pl = EmptyPlacement();
  for (size_t j = s.rgman.size(); j-- > 0; key >>= 6) pl.rgsq[s.rgman[j].c][s.rgman[j].slot] = key & 63;
  pl.rgsq[1][0] = key & 63;
  pl.rgsq[0][0] = (key >> 6) & 63;
  return pl;
}

// The same key for a position and all its images: the least key among the images in the
// canonical frame of the kings.
uint64_t CanonicalKey(const Setup& s, const TbPlacement& pl, square sqEnP) {
  const Geometry& geo = Geo();
  int iKings = pl.rgsq[0][0] * 64 + pl.rgsq[1][0];
  int fg = s.mat.FPawns() ? geo.rgfgFramePawns[iKings] : geo.rgfgFrameNoPawns[iKings];
  uint64_t key = UINT64_MAX;
  for (int g = 0; g < 8; g++)
    if (fg & (1 << g)) key = std::min(key, Key(s, pl, sqEnP, g));
  return key;
}

bool FKingsOnOneLongDiagonal(const TbPlacement& pl) {
  square wk = pl.rgsq[0][0], bk = pl.rgsq[1][0];
  return (File(wk) == Rank(wk) && File(bk) == Rank(bk)) ||
         (File(wk) + Rank(wk) == 7 && File(bk) + Rank(bk) == 7);
}

bool FLegalSetup(const Setup& s, const TbPlacement& pl) {
  if (!FKingsApart(pl.rgsq[0][0], pl.rgsq[1][0])) return false;
  uint64_t bbOcc = Bit(pl.rgsq[0][0]) | Bit(pl.rgsq[1][0]);
  for (const Man& man : s.rgman) {
    square sq = pl.rgsq[man.c][man.slot];
    if (sq < 0 || sq > 63 || (bbOcc & Bit(sq))) return false;
    if (man.type == 1 && (sq < 8 || sq >= 56)) return false;
    bbOcc |= Bit(sq);
  }
  square sqK = pl.rgsq[1 - s.stm][0];
  for (const Man& man : s.rgman)
    if (man.c == s.stm && FAttacks(man.c, man.type, pl.rgsq[man.c][man.slot], sqK, bbOcc))
      return false;
  return true;
}

// A uniformly drawn legal placement (like men in any order).
TbPlacement RandomLegal(const Setup& s, std::mt19937_64& rng) {
  TbPlacement pl = EmptyPlacement();
  do {
    pl.rgsq[0][0] = square(rng() % 64);
    pl.rgsq[1][0] = square(rng() % 64);
    for (const Man& man : s.rgman)
      pl.rgsq[man.c][man.slot] = man.type == 1 ? square(8 + rng() % 48) : square(rng() % 64);
  } while (!FLegalSetup(s, pl));
  return pl;
}

std::string SzPosition(const TbPlacement& pl, square sqEnP) {
  if (sqEnP == XX) return SzPlacement(pl);
  return SzPlacement(pl) + ", en passant " + char('a' + File(sqEnP)) + char('1' + Rank(sqEnP));
}

// Runs the checks over the positions it is shown and keeps the first failure.
class Checker {
 public:
  Checker(const TbSide& side, uint64_t cStride)
      : side_(side), s_(TbMaterial::FromName(side.szTable), side.stm), cStride_(cStride) {}

  const Setup& S() const { return s_; }

  // Takes the index of a position (checked against the range), and every cStride-th time
  // checks the invariance. False once a check failed.
  bool FVisit(const TbPlacement& pl, square sqEnP, INDEX* pi) {
    INDEX i = *pi = IndexOf(side_.pfn, pl, 0, sqEnP);
    iMax_ = std::max(iMax_, i);
    if (i < side_.iFirstEnPassant || i >= side_.cEnd)
      return FFail(SzPosition(pl, sqEnP) + ": index " + std::to_string(i) + " outside [" +
                   std::to_string(side_.iFirstEnPassant) + ", " + std::to_string(side_.cEnd) + ")");
    return cVisited_++ % cStride_ != 0 || FInvariant(pl, sqEnP, i);
  }

  // The collisions of (index, canonical key) pairs must be images of each other.
  bool FCollisionsAreImages(std::vector<std::pair<INDEX, uint64_t>>& rg) {
    std::sort(rg.begin(), rg.end());
    for (size_t j = 1; j < rg.size(); j++)
      if (rg[j].first == rg[j - 1].first && rg[j].second != rg[j - 1].second)
        return FCollision(rg[j].second, rg[j].first, rg[j - 1].second);
    return true;
  }

  bool FCollision(uint64_t key, INDEX i, uint64_t keyOther) {
    return FFail(SzKey(key) + ": shares index " + std::to_string(i) + " with " + SzKey(keyOther) +
                 ", which is no image of it");
  }

  bool FFail(const std::string& sz) {
    if (szFailure_.empty()) szFailure_ = std::string(side_.szTable) +
                                         (side_.stm == 0 ? ", white" : ", black") + " to move, " + sz;
    return false;
  }

  // With fLast the largest index plus one must be the end of the range.
  testing::AssertionResult Result(bool fLast) {
    if (fLast && szFailure_.empty() && iMax_ + 1 != side_.cEnd)
      FFail("largest index " + std::to_string(iMax_) + ", count " + std::to_string(side_.cEnd));
    if (szFailure_.empty()) return testing::AssertionSuccess();
    return testing::AssertionFailure() << szFailure_;
  }

 private:
  std::string SzKey(uint64_t key) const {
    square sqEnP;
    TbPlacement pl = FromKey(s_, side_.FEnPassant(), key, &sqEnP);
    return SzPosition(pl, sqEnP);
  }

  INDEX IImage(const TbPlacement& pl, square sqEnP, int g, int fInvert) const {
    return IndexOf(side_.pfn, Transformed(s_, pl, g), fInvert, SqImage(g, sqEnP));
  }

  bool FInvariant(const TbPlacement& pl, square sqEnP, INDEX i) {
    bool fPawns = s_.mat.FPawns();
    auto fnFail = [&](const std::string& sz) { return FFail(SzPosition(pl, sqEnP) + ": " + sz); };
    // fInvert = 1 reads the board mirrored top to bottom, which without pawns changes nothing.
    INDEX iInverted = IImage(pl, sqEnP, fPawns ? 2 : 0, 1);
    if (iInverted != i) return fnFail("fInvert 1 gives index " + std::to_string(iInverted));
    TbPlacement plSwapped = pl;
    for (size_t j = 1; j < s_.rgman.size(); j++)
      if (s_.rgman[j].fLikePrevious) {
        const Man& m = s_.rgman[j];
        std::swap(plSwapped.rgsq[m.c][m.slot - 1], plSwapped.rgsq[m.c][m.slot]);
      }
    if (IndexOf(side_.pfn, plSwapped, 0, sqEnP) != i)
      return fnFail("like men in another order get another index");
    bool fTwo = !fPawns && FKingsOnOneLongDiagonal(pl);
    INDEX iOther = i;
    for (int g = 1; g < (fPawns ? 2 : 8); g++) {
      INDEX iImage = IImage(pl, sqEnP, g, 0);
      if (iImage == i) continue;
      if (fTwo && (iOther == i || iOther == iImage)) {
        iOther = iImage;
        continue;
      }
      return fnFail("image under symmetry " + std::to_string(g) + " gets index " +
                    std::to_string(iImage) + " instead of " + std::to_string(i));
    }
    return true;
  }

  const TbSide side_;
  Setup s_;
  INDEX iMax_ = 0;
  uint64_t cStride_, cVisited_ = 0;
  std::string szFailure_;
};

}  // namespace

TbMaterial TbMaterial::FromName(std::string_view szTable) {
  TbMaterial mat;
  color c = -1;
  for (char ch : szTable) {
    if (ch == 'k') {
      c++;
      continue;
    }
    const char* pch = std::find(szPieceLetters, szPieceLetters + 6, ch - 'a' + 'A');
    if (c < 0 || c > 1 || pch - szPieceLetters < 1 || pch - szPieceLetters > 5) {
      ADD_FAILURE() << "bad table name " << szTable;
      return TbMaterial();
    }
    mat.rgcMen[c][pch - szPieceLetters]++;
  }
  return mat;
}

square SqFromName(std::string_view sz) {
  if (sz.size() != 2 || sz[0] < 'a' || sz[0] > 'h' || sz[1] < '1' || sz[1] > '8') {
    ADD_FAILURE() << "bad square " << sz;
    return 0;
  }
  return (sz[1] - '1') * 8 + (sz[0] - 'a');
}

TbPlacement Place(std::string_view szTable, std::string_view szSquares) {
  TbPlacement pl = EmptyPlacement();
  std::istringstream in{std::string(szSquares)};
  int rgcPlaced[2][6] = {};
  color c = -1;
  for (char ch : szTable) {
    std::string szSq;
    if (!(in >> szSq)) {
      ADD_FAILURE() << "too few squares for " << szTable;
      break;
    }
    if (ch == 'k') {
      pl.rgsq[++c][0] = SqFromName(szSq);
      continue;
    }
    int t = int(std::find(szPieceLetters, szPieceLetters + 6, ch - 'a' + 'A') - szPieceLetters);
    pl.rgsq[c][4 * t + rgcPlaced[c][t]++] = SqFromName(szSq);
  }
  return pl;
}

std::string SzPlacement(const TbPlacement& pl) {
  std::string sz;
  for (color c = 0; c < 2; c++) {
    if (pl.rgsq[c][0] == XX) continue;
    sz += c ? " / K" : "K";
    for (int slot = 0; slot < 24; slot++) {
      square sq = pl.rgsq[c][slot];
      if (slot >= 4 && sq != XX) sz += std::string(" ") + szPieceLetters[slot / 4];
      if ((slot == 0 || slot >= 4) && sq != XX) sz += std::string{char('a' + File(sq)), char('1' + Rank(sq))};
    }
  }
  return sz;
}

INDEX IndexOf(PfnCalcIndex pfn, const TbPlacement& pl, int fInvert, square sqEnP) {
  return pfn(pl.rgsq[0], pl.rgsq[1], sqEnP, fInvert);
}

bool FLegal(const TbMaterial& mat, color stm, const TbPlacement& pl) {
  return FLegalSetup(Setup(mat, stm), pl);
}

void ForEachLegal(const TbMaterial& mat, color stm, bool fEnPassant,
                  const PositionVisitor& visit) {
  Setup s(mat, stm);
  for (square wk = 0; wk < 64; wk++)
    for (square bk = 0; bk < 64; bk++)
      if (!FWalk(s, fEnPassant, wk, bk, visit)) return;
}

void ForEachLegalWithKings(const TbMaterial& mat, color stm, square sqWk, square sqBk,
                           bool fEnPassant, const PositionVisitor& visit) {
  FWalk(Setup(mat, stm), fEnPassant, sqWk, sqBk, visit);
}

testing::AssertionResult CheckAllPositions(const TbSide& side) {
  INDEX iFirst = side.iFirstEnPassant;
  Checker ck(side, 1 + (side.cEnd - iFirst) / 100000);
  if (2 + ck.S().rgman.size() + side.FEnPassant() > 5)
    return testing::AssertionFailure() << "too many squares for all positions";
  // Per index the canonical key of the first position that took it (30 bits at most).
  std::vector<uint32_t> rgKey(side.cEnd - iFirst, UINT32_MAX);
  auto visit = [&](const TbPlacement& pl, square sqEnP) {
    INDEX i;
    if (!ck.FVisit(pl, sqEnP, &i)) return false;
    uint32_t key = uint32_t(CanonicalKey(ck.S(), pl, sqEnP));
    uint32_t& keyFirst = rgKey[i - iFirst];
    if (keyFirst == UINT32_MAX) keyFirst = key;
    return keyFirst == key || ck.FCollision(key, i, keyFirst);
  };
  for (square wk = 0; wk < 64; wk++)
    for (square bk = 0; bk < 64; bk++)
      if (!FWalk(ck.S(), side.FEnPassant(), wk, bk, visit)) return ck.Result(false);
  return ck.Result(true);
}

testing::AssertionResult CheckKingPair(const TbSide& side, square sqWk, square sqBk, bool fLast) {
  Checker ck(side, 97);
  if (!FKingsApart(sqWk, sqBk)) return testing::AssertionFailure() << "kings not apart";
  // First the indices alone; then, for the few that repeat, the keys of their positions.
  std::vector<INDEX> rgi;
  auto visit = [&](const TbPlacement& pl, square sqEnP) {
    INDEX i;
    return ck.FVisit(pl, sqEnP, &i) && (rgi.push_back(i), true);
  };
  if (!FWalk(ck.S(), side.FEnPassant(), sqWk, sqBk, visit)) return ck.Result(false);
  // The repeated indices: marked in a bitmap over their span when that is no larger than the
  // list (as where the king pair is the major digit), else found by sorting.
  std::vector<INDEX> rgiRepeated;
  auto [piMin, piMax] = std::minmax_element(rgi.begin(), rgi.end());
  if (!rgi.empty() && (*piMax - *piMin) / 64 < rgi.size()) {
    INDEX iMin = *piMin;
    std::vector<uint64_t> rgbm((*piMax - iMin) / 64 + 1);
    for (INDEX i : rgi) {
      uint64_t bit = uint64_t(1) << (i - iMin) % 64, &bm = rgbm[(i - iMin) / 64];
      if (bm & bit) rgiRepeated.push_back(i);
      bm |= bit;
    }
  } else {
    std::sort(rgi.begin(), rgi.end());
    for (size_t j = 1; j < rgi.size(); j++)
      if (rgi[j] == rgi[j - 1]) rgiRepeated.push_back(rgi[j]);
  }
  std::sort(rgiRepeated.begin(), rgiRepeated.end());
  std::vector<std::pair<INDEX, uint64_t>> rg;
  auto collect = [&](const TbPlacement& pl, square sqEnP) {
    INDEX i = IndexOf(side.pfn, pl, 0, sqEnP);
    if (std::binary_search(rgiRepeated.begin(), rgiRepeated.end(), i))
      rg.emplace_back(i, CanonicalKey(ck.S(), pl, sqEnP));
    return true;
  };
  if (!rgiRepeated.empty()) FWalk(ck.S(), side.FEnPassant(), sqWk, sqBk, collect);
  ck.FCollisionsAreImages(rg);
  return ck.Result(fLast);
}

testing::AssertionResult CheckSampled(const TbSide& side, int cSamples, uint64_t seed) {
  Checker ck(side, 1);
  std::mt19937_64 rng(seed);
  std::vector<std::pair<INDEX, uint64_t>> rg;
  auto visit = [&](const TbPlacement& pl, square sqEnP) {
    INDEX i;
    if (!ck.FVisit(pl, sqEnP, &i)) return false;
    rg.emplace_back(i, CanonicalKey(ck.S(), pl, sqEnP));
    return true;
  };
  while (rg.size() < size_t(cSamples))
    if (!FForEachPosition(ck.S(), side.FEnPassant(), RandomLegal(ck.S(), rng), visit))
      return ck.Result(false);
  ck.FCollisionsAreImages(rg);
  return ck.Result(false);
}

}  // namespace tbtest
