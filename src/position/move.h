// The packed 32-bit move word.
#pragma once
#include <string>
#include "position/types.h"

// from bits 0-6, to bits 7-13, promotion piece 14-17, captured piece 18-21, moving piece 22-25
constexpr Move MoveEnPassant = 1u << 26;
constexpr Move MoveCastling = 1u << 27;
constexpr Move MoveNull = 1u << 28;
constexpr Move MoveDoubleStep = 1u << 29;
constexpr Move NoMove = 0;

constexpr Square MoveFrom(Move move) { return move & 0x7f; }
constexpr Square MoveTo(Move move) { return (move >> 7) & 0x7f; }
constexpr PieceCode MovePromotion(Move move) { return (move >> 14) & 0xf; }
constexpr PieceCode MoveCaptured(Move move) { return (move >> 18) & 0xf; }
constexpr PieceCode MovePiece(Move move) { return (move >> 22) & 0xf; }

constexpr Move PackMove(Square from, Square to, PieceCode piece, PieceCode captured = Empty,
                        PieceCode promotion = Empty, Move flags = 0) {
  return from | Move(to) << 7 | Move(promotion) << 14 | Move(captured) << 18 |
         Move(piece) << 22 | flags;
}

// Coordinate notation: "e2e4", "e7e8q"; "0000" for no move.
std::string MoveText(Move move);
