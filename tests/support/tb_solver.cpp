#include "support/tb_solver.h"
#include <algorithm>
#include <cstdlib>
#include <vector>
#include "support/tb_writer.h"
#include "tablebases/tbdesc.h"
#include "tablebases/tbframework.h"
#include "tablebases/tbprobe.h"

namespace {

// Values in plies: v > 0 win in v, v < 0 loss in -v - 1, 0 draw or not yet known.
constexpr int16_t vIllegal = -32768;
constexpr int cPositions = 64 * 64 * 64;

int Pos(square wk, square bk, square sq) { return (wk * 64 + bk) * 64 + sq; }
bool FAdjacent(square a, square b) { return abs(a % 8 - b % 8) <= 1 && abs(a / 8 - b / 8) <= 1; }
bool FOnBoard(int file, int rank) { return file >= 0 && file < 8 && rank >= 0 && rank < 8; }

const int rgKingDir[8][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1}, {1, -1}, {-1, 1}, {-1, -1}};
const int rgKnightDir[8][2] = {{1, 2}, {2, 1}, {-1, 2}, {-2, 1}, {1, -2}, {2, -1}, {-1, -2}, {-2, -1}};

// Squares the man of type piece on sq reaches (moves, and attacks for the pieces), with
// blockers on b1 and b2. Pawns: the attacked squares only.
template <typename Fn>
void VForEachReach(int piece, square sq, square b1, square b2, Fn fn) {
  int f = sq % 8, r = sq / 8;
  if (piece == 1) {
    if (r < 7 && f > 0) fn(sq + 7);
    if (r < 7 && f < 7) fn(sq + 9);
    return;
  }
  if (piece == 2) {
    for (auto& d : rgKnightDir)
      if (FOnBoard(f + d[0], r + d[1])) fn((r + d[1]) * 8 + f + d[0]);
    return;
  }
  for (int i = 0; i < 8; i++) {
    bool fDiagonal = i >= 4;
    if ((piece == 3 && !fDiagonal) || (piece == 4 && fDiagonal)) continue;
    for (int ff = f + rgKingDir[i][0], rr = r + rgKingDir[i][1]; FOnBoard(ff, rr);
         ff += rgKingDir[i][0], rr += rgKingDir[i][1]) {
      square t = rr * 8 + ff;
      fn(t);
      if (t == b1 || t == b2) break;
    }
  }
}

bool FAttacks(int piece, square sq, square target, square blocker) {
  bool f = false;
  VForEachReach(piece, sq, blocker, target, [&](square t) { f |= t == target; });
  return f;
}

bool FLegal(int piece, square wk, square bk, square sq, color side) {
  if (wk == bk || sq == wk || sq == bk || FAdjacent(wk, bk)) return false;
  if (piece == 1 && (sq < 8 || sq >= 56)) return false;
  return side == 1 || !FAttacks(piece, sq, bk, wk);
}

struct CTable {
  std::vector<int16_t> rgv[2];
};

CTable rgTable[6];
bool rgfSolved[6];

void VSolve(int piece);

// Calls fn(v, fExit) for every legal move: v is the child's value in the child table when
// fExit is false (same table, other side) or the mover's result already known otherwise.
template <typename Fn>
void VForEachChild(int piece, square wk, square bk, square sq, color side, Fn fn) {
  const std::vector<int16_t>& child = rgTable[piece].rgv[1 - side];
  if (side == 0) {
    for (auto& d : rgKingDir) {
      int f = wk % 8 + d[0], r = wk / 8 + d[1];
      if (!FOnBoard(f, r)) continue;
      square t = r * 8 + f;
      if (t != sq && FLegal(piece, t, bk, sq, 1)) fn(child[Pos(t, bk, sq)], false);
    }
    auto fnMan = [&](square t) {
      if (t == wk || t == bk) return;
      if (piece == 1 && t >= 56) {  // promotion: the child lies in another table
        for (int promoted = 2; promoted <= 5; promoted++) fn(rgTable[promoted].rgv[1][Pos(wk, bk, t)], false);
        return;
      }
      if (FLegal(piece, wk, bk, t, 1)) fn(child[Pos(wk, bk, t)], false);
    };
    if (piece == 1) {
      if (sq + 8 != wk && sq + 8 != bk) {
        fnMan(sq + 8);
        if (sq < 16 && sq + 16 != wk && sq + 16 != bk) fnMan(sq + 16);
      }
    } else {
      VForEachReach(piece, sq, wk, bk, fnMan);
    }
    return;
  }
  for (auto& d : rgKingDir) {
    int f = bk % 8 + d[0], r = bk / 8 + d[1];
    if (!FOnBoard(f, r)) continue;
    square t = r * 8 + f;
    if (FAdjacent(t, wk)) continue;
    if (t == sq) {
      fn(0, true);  // the man is taken: a draw
    } else if (!FAttacks(piece, sq, t, wk)) {
      fn(child[Pos(wk, t, sq)], false);
    }
  }
}

// Solves layer by layer: at pass n a position wins in n plies when a move reaches a loss
// in n - 1, and loses in n plies when every move reaches a win of at most n - 1.
void VSolve(int piece) {
  if (rgfSolved[piece]) return;
  rgfSolved[piece] = true;
  // Promotions lead into the other tables: solve them first and go on at least as many
  // passes as their longest values need.
  int nLast = 0;
  for (int promoted = 2; piece == 1 && promoted <= 5; promoted++) {
    VSolve(promoted);
    for (color side = 0; side < 2; side++)
      for (int16_t v : rgTable[promoted].rgv[side])
        if (v != vIllegal) nLast = std::max(nLast, std::abs(int(v)) + 1);
  }
  CTable& table = rgTable[piece];
  for (color side = 0; side < 2; side++) {
    table.rgv[side].assign(cPositions, vIllegal);
    for (int p = 0; p < cPositions; p++)
      if (FLegal(piece, p / 4096, p / 64 % 64, p % 64, side)) table.rgv[side][p] = 0;
  }
  std::vector<uint8_t> rgfFinal[2] = {std::vector<uint8_t>(cPositions), std::vector<uint8_t>(cPositions)};
  std::vector<std::pair<int, int16_t>> rgNew;
  int nIdle = 0;
  for (int n = 0; nIdle < 2 || n <= nLast; n++) {
    rgNew.clear();
    for (color side = 0; side < 2; side++) {
      for (int p = 0; p < cPositions; p++) {
        if (table.rgv[side][p] == vIllegal || rgfFinal[side][p]) continue;
        square wk = p / 4096, bk = p / 64 % 64, sq = p % 64;
        bool fWin = false, fAllLose = true;
        int cMoves = 0;
        VForEachChild(piece, wk, bk, sq, side, [&](int16_t v, bool fExit) {
          cMoves++;
          if (fExit || v == 0) {  // a draw, or a child not known yet
            fAllLose = false;
            return;
          }
          if (v < 0 && -v - 1 == n - 1) fWin = true;
          if (v < 0 || v > n - 1) fAllLose = false;
        });
        int16_t vNew = 0;
        if (cMoves == 0) {
          bool fCheck = side == 1 && FAttacks(piece, sq, bk, wk);
          if (n == 0) rgNew.push_back({side * cPositions + p, int16_t(fCheck ? -1 : 0)});
          continue;
        }
        if (fWin) vNew = int16_t(n);
        else if (fAllLose && n > 0) vNew = int16_t(-n - 1);
        if (vNew) rgNew.push_back({side * cPositions + p, vNew});
      }
    }
    for (auto& [i, v] : rgNew) {
      table.rgv[i / cPositions][i % cPositions] = v;
      rgfFinal[i / cPositions][i % cPositions] = 1;
    }
    nIdle = rgNew.empty() ? nIdle + 1 : 0;
  }
}

int ScoreOfPlies(int v) {
  if (v > 0) return (v + 1) / 2;
  if (v < 0) return -((-v - 1) / 2) - 1;
  return 0;
}

// The stored byte of a move score in an 8-bit table.
int TbtStoredByte(int score) {
  if (score > 0) return 127 - score;
  if (score < 0) return -score - 1 - 126;
  return 0;
}

}  // namespace

int SolvedScore(int piece, square wk, square bk, square sq, color side) {
  VSolve(piece);
  int16_t v = rgTable[piece].rgv[side][Pos(wk, bk, sq)];
  return v == vIllegal ? iSolvedIllegal : ScoreOfPlies(v);
}

bool FWriteSolvedTables(const std::string& dir) {
  if (!FBuildIndexTables()) return false;
  for (int piece = 1; piece <= 5; piece++) {
    VSolve(piece);
    int iTb = piece;  // kpk 1, knk 2, kbk 3, krk 4, kqk 5
    for (color side = 0; side < 2; side++) {
      std::vector<int8_t> rgb(rgtbdDesc[iTb].positions[side], 127);
      std::vector<uint8_t> rgfSet(rgb.size());
      for (int p = 0; p < cPositions; p++) {
        int16_t v = rgTable[piece].rgv[side][p];
        if (v == vIllegal) continue;
        square rgsqW[24] = {p / 4096}, rgsqB[24] = {p / 64 % 64};
        rgsqW[4 * piece] = p % 64;
        INDEX index = rgtbdDesc[iTb].rgpfnIndCalc[side](rgsqW, rgsqB, XX, 0);
        int8_t b = int8_t(TbtStoredByte(ScoreOfPlies(v)));
        if (index >= rgb.size() || (rgfSet[index] && rgb[index] != b)) return false;
        rgb[index] = b;
        rgfSet[index] = 1;
      }
      if (!FWriteTbSide(dir, iTb, side, [&](INDEX i) { return int(rgb[i]); })) return false;
    }
  }
  return true;
}

int IProbeKingAndMan(int piece, square wk, square bk, square sq, color side,
                     bool fColoursExchanged) {
  int rgc[10] = {};
  square rgsqW[24] = {wk}, rgsqB[24] = {bk};
  rgc[piece - 1] = 1;
  rgsqW[4 * piece] = sq;
  if (fColoursExchanged) {
    std::swap(rgc[piece - 1], rgc[piece + 4]);
    rgsqW[0] = bk ^ 56;
    rgsqB[0] = wk ^ 56;
    rgsqB[4 * piece] = sq ^ 56;
    rgsqW[4 * piece] = 0;
    side = 1 - side;
  }
  int score = 12345;  // a probe that answers must write its score
  return FTbProbe(rgc, rgsqW, rgsqB, side, 0, &score) ? score : iSolvedIllegal;
}
