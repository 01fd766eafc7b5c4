// Basic types shared by every part of the tablebase code.
#pragma once
#include <cstdint>

typedef int square;          // 0..63, a1 = 0, h8 = 63; 127 is "no en-passant square"
typedef int color;           // 0 white to move, 1 black to move
typedef uint64_t INDEX;      // position index within one side of one table

constexpr square XX = 127;   // no en-passant square
constexpr color x_colorWhite = 0;
constexpr color x_colorBlack = 1;

// Piece types of the tablebase code (template arguments of the calculators).
constexpr int x_pieceNone = 0;  // selects the numbering of a pawn of the side not to move
constexpr int x_piecePawn = 1;
constexpr int x_pieceKnight = 2;
constexpr int x_pieceBishop = 3;
constexpr int x_pieceRook = 4;
constexpr int x_pieceQueen = 5;

constexpr int cTb = 440;               // tables 1..440; record 0 is a dummy
constexpr int cTbMaxExtents = 18;      // files per table side
constexpr int cbTbChunk = 8192;        // bytes per cache chunk and per compressed block

constexpr int tbtNoValue = 32767;      // score code of a position with no value (see tbprobe.h)

// An index calculator: white's and black's square arrays (24 entries each: slot 0 the
// king, slots 4t..4t+3 the men of type t), the en-passant square or XX, the invert flag.
typedef INDEX (*PfnCalcIndex)(const square* psqW, const square* psqB, square sqEnP, int fInvert);
