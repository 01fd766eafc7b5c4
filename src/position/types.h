// Squares, piece codes, colours and score conventions.
#pragma once
#include <cstdint>

typedef uint8_t Square;     // 1..64, a1 = 1, h8 = 64; 0 is no square
typedef uint8_t PieceCode;  // 0 empty, 1 king, 2 pawn, 3 knight, 5 bishop, 6 rook, 7 queen; +8 black
typedef uint32_t Move;      // see the accessors in move.h
typedef uint64_t HashLock;  // position check value for repetitions

constexpr PieceCode Empty = 0, King = 1, Pawn = 2, Knight = 3, Bishop = 5, Rook = 6, Queen = 7;
constexpr PieceCode BlackBit = 8;
constexpr Square NoSquare = 0;
constexpr Square CapturedSquare = 99;  // piece-list entry of a captured man

constexpr int White = 0, Black = 1;

constexpr int ColourOf(PieceCode piece) { return piece >> 3; }
constexpr PieceCode TypeOf(PieceCode piece) { return piece & 7; }
constexpr PieceCode MakePiece(PieceCode type, int colour) { return type | (colour << 3); }
constexpr int FileOf(Square square) { return (square - 1) & 7; }  // 0 = a
constexpr int RankOf(Square square) { return (square - 1) >> 3; }  // 0 = rank 1
constexpr Square MakeSquare(int file, int rank) { return Square(rank * 8 + file + 1); }

// Letters of the piece codes, indexed by the code.
constexpr char PieceLetters[] = "0KPNXBRQxkpnxbrq";

// Game state word: en-passant target square in bits 0-5, castling rights in bits 6-9.
constexpr int StateEnPassant = 0x3f;
constexpr int CastleWhiteKing = 1 << 6, CastleWhiteQueen = 1 << 7;
constexpr int CastleBlackKing = 1 << 8, CastleBlackQueen = 1 << 9;
constexpr int StateCastling = 0xf << 6;

// Scores: centipawns from the side to move's view; a mate in n plies scores MateScore - n.
constexpr int MateScore = 30000;
constexpr int MateThreshold = 29000;
constexpr int NoTablebaseValue = 30001;

constexpr int MaxPly = 100;
