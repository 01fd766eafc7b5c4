// Test fixture: exact distances to mate of king and one man against the lone king (kqk,
// krk, kbk, knk and kpk, pawn promotions included), by retrograde analysis, and their
// tables written through the real index calculators.
#pragma once
#include <string>
#include "tablebases/tbtypes.h"

constexpr int iSolvedIllegal = -100000;

// Move score of a position, as the probe reports it: s > 0 the side to move mates in s
// moves, 0 draw, s < 0 mated in -s - 1 moves; iSolvedIllegal for an illegal position.
// piece is the white man's type (1 pawn .. 5 queen); squares 0..63.
int SolvedScore(int piece, square wk, square bk, square sq, color side);

// Writes both sides of the five tables into dir as plain files; false when two positions
// of one index disagree, an index lies beyond the side's positions, or a write fails.
bool FWriteSolvedTables(const std::string& dir);

// Probes king and man against king through the probe entry: the man of type piece on sq
// white, or with fColoursExchanged black on the board turned top to bottom. The move score,
// or iSolvedIllegal when the probe fails.
int IProbeKingAndMan(int piece, square wk, square bk, square sq, color side,
                     bool fColoursExchanged = false);
