// Squares, piece codes and the packed move word.
#pragma once
#include <cstdint>

typedef uint8_t Square;     // 1..64, a1 = 1, h8 = 64; 0 is no square
typedef uint8_t PieceCode;  // 0 empty, 1 king, 2 pawn, 3 knight, 5 bishop, 6 rook, 7 queen; +8 black
typedef uint32_t Move;      // see the accessors in move.h

constexpr PieceCode Empty = 0, King = 1, Pawn = 2, Knight = 3, Bishop = 5, Rook = 6, Queen = 7;
constexpr PieceCode BlackBit = 8;
constexpr Square NoSquare = 0;
constexpr Square CapturedSquare = 99;  // piece-list entry of a captured man
