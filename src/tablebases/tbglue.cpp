// The engine's side of the tablebases: initialisation from the options, probes from the
// search's piece lists, and tablebase scores as engine scores.
#include <array>
#include <cstdio>
#include "position/search_context.h"
#include "tablebases/tablebases.h"
#include "tablebases/tbcounters.h"
#include "tablebases/tbfiles.h"
#include "tablebases/tbprobe.h"
#include "uci/options.h"

int TablebasesInitialised = 0;
int TablebasePieces = 0;

void InitTablebases() {
  if (NalimovPath[0] == '\0') return;
  TablebasesInitialised = 1;
  TablebasePieces = ITbInit(NalimovPath, NalimovCache << 10);
}

void ReleaseTablebases() {
  if (!TablebasesInitialised) return;
  TablebasesInitialised = 0;
  TablebasePieces = 0;
  VTbRelease();
}

// Smallest magnitude of a tablebase win or loss: above any ply of the search, so that the
// search's ply correction keeps the sign. Only distances beyond any real table reach it
// (from 14951 moves on, and the extreme 16-bit values, which read as mate in 32767).
constexpr int TablebaseScoreMin = 100;
constexpr int TablebaseMovesMax = (30000 - TablebaseScoreMin) / 2;

int TablebaseScore(int moves) {
  if (moves > 0) return moves <= TablebaseMovesMax ? 30000 - 2 * moves : TablebaseScoreMin;
  if (moves == 0) return 0;
  int mated = -moves - 1;
  return mated <= TablebaseMovesMax ? 2 * mated - 30000 : -TablebaseScoreMin;
}

// Fills the square array of one colour from its piece list and counts its men into the
// five counters; false for a list that no table can cover.
static bool FFillSide(const Square* pList, const PieceCode* board, int* piCounters,
                      square* psq) {
  // Tablebase piece type of each engine piece type; 0 (refused) for the king and no piece.
  static constexpr auto rgType = [] {
    std::array<int, 8> a{};
    a[Pawn] = x_piecePawn, a[Knight] = x_pieceKnight, a[Bishop] = x_pieceBishop;
    a[Rook] = x_pieceRook, a[Queen] = x_pieceQueen;
    return a;
  }();
  if (pList[0] < 1 || pList[0] > 64) return false;
  psq[0] = pList[0] - 1;
  for (int i = 1; i < PieceListSize && pList[i] != NoSquare; i++) {
    Square sq = pList[i];
    if (sq == CapturedSquare) continue;
    if (sq > 64) return false;
    int t = rgType[TypeOf(board[sq])];
    if (t < x_piecePawn || t > x_pieceQueen || piCounters[t - 1] == 4) return false;
    psq[4 * t + piCounters[t - 1]] = sq - 1;
    piCounters[t - 1]++;
  }
  return true;
}

int ProbeTablebase(const SearchContext& context, const PieceCode* board, int side, int enPassant) {
  int rgCounters[cCounters] = {};
  square rgsqWhite[24] = {};
  square rgsqBlack[24] = {};
  int score = NoTablebaseValue;
  if (!FFillSide(context.PieceList[0], board, rgCounters, rgsqWhite) ||
      !FFillSide(context.PieceList[1], board, rgCounters + 5, rgsqBlack))
    return score;
  square sqEnP = enPassant >= 1 && enPassant <= 64 ? enPassant - 1 : 0;
  if (!FTbProbe(rgCounters, rgsqWhite, rgsqBlack, side, sqEnP, &score)) return NoTablebaseValue;
  return TablebaseScore(score);
}

const char* TablebaseMemoryText() {
  static char szText[16];
  unsigned cb = unsigned(CbTbDecodeBuffers());
  unsigned y = ((cb / 1024) * 100) / 1024;
  snprintf(szText, sizeof szText, "%u.%02u", y / 100, y % 100);
  return szText;
}
