// The en-passant routines of the tables with pawns of both colours. Each takes squares in the
// calculator's frame (the en-passant square last) and returns the code of the capture in
// 0 .. size - 1: the capturing pawn's side and file, and the numbers of the pawns not taking
// part. Digits: white pawns, black pawns; last letter: the side to move.
#pragma once
#include "tablebases/tbtypes.h"

constexpr unsigned cEnPassant11 = 14;                 // capture codes
constexpr unsigned cEnPassant21 = 44 * cEnPassant11;  // and one other pawn (44 places); also 12
constexpr unsigned cEnPassant31 = 946 * cEnPassant11; // two other like pawns: Bin(44, 2)
constexpr unsigned cEnPassant22 = 43 * cEnPassant21;  // other black pawn also beside the white

unsigned int IndEnPassant11W(square sqw, square sqb, square sqEnP);
unsigned int IndEnPassant11B(square sqw, square sqb, square sqEnP);
unsigned int IndEnPassant21W(square sqw1, square sqw2, square sqb, square sqEnP);
unsigned int IndEnPassant21B(square sqw1, square sqw2, square sqb, square sqEnP);  // sqw1 < sqw2
unsigned int IndEnPassant12W(square sqw, square sqb1, square sqb2, square sqEnP);
unsigned int IndEnPassant12B(square sqw, square sqb1, square sqb2, square sqEnP);
unsigned int IndEnPassant31W(square sqw1, square sqw2, square sqw3, square sqb, square sqEnP);
unsigned int IndEnPassant31B(square sqw1, square sqw2, square sqw3, square sqb,
                             square sqEnP);  // sqw1 < sqw2 < sqw3
unsigned int IndEnPassant22W(square sqw1, square sqw2, square sqb1, square sqb2, square sqEnP);
