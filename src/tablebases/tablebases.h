// The engine's view of the endgame tablebases: initialise, release, probe.
#pragma once
#include "position/types.h"

struct SearchContext;

extern int TablebasesInitialised;  // 1 while an initialisation is outstanding
extern int TablebasePieces;        // largest number of men of the tables found; 0 when none

// Initialises from the NalimovPath and NalimovCache options (nothing for an empty path).
void InitTablebases();
// Releases the initialisation made by InitTablebases, if any.
void ReleaseTablebases();
// Distance-to-mate score of the position in the context's piece lists, with the pieces
// looked up on board, for side to move (0 white, 1 black) and en-passant target square
// (0 for none). NoTablebaseValue when no table covers the position.
int ProbeTablebase(const SearchContext& context, const PieceCode* board, int side, int enPassant);
// Engine score of a tablebase move score (s > 0 mate in s, 0 draw, s < 0 mated in -s - 1):
// 30000 - 2s, 0, 2m - 30000, kept at least 100 away from 0 for impossible distances.
int TablebaseScore(int moves);
// Memory taken by compressed-table decoding, in megabytes with two decimals.
const char* TablebaseMemoryText();
