#include "position/fen.h"
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include "position/position.h"

namespace {

const char* PlaceMen(SearchContext& context, const std::string& placement) {
  int rank = 7, file = 0;
  for (char c : placement) {
    if (c == '/') {
      if (file != 8 || rank == 0) return "bad rank count or length in the piece placement";
      --rank;
      file = 0;
    } else if (c >= '1' && c <= '8') {
      file += c - '0';
      if (file > 8) return "rank too long in the piece placement";
    } else {
      const char* letter = std::strchr(PieceLetters, c);
      if (!letter || c == '0' || c == 'X' || c == 'x' || file > 7)
        return "bad character or rank too long in the piece placement";
      context.Board[MakeSquare(file++, rank)] = PieceCode(letter - PieceLetters);
    }
  }
  if (rank != 0 || file != 8) return "the piece placement needs eight ranks of eight squares";
  return nullptr;
}

// Kings first, then the other men in square order.
const char* BuildPieceLists(SearchContext& context) {
  int count[2] = {1, 1};
  for (Square square = 1; square <= 64; ++square) {
    PieceCode piece = context.Board[square];
    if (piece == Empty) continue;
    int colour = ColourOf(piece);
    if (TypeOf(piece) == Pawn && (RankOf(square) == 0 || RankOf(square) == 7))
      return "pawn on the first or last rank";
    int slot = 0;
    if (TypeOf(piece) == King) {
      if (context.PieceList[colour][0]) return "more than one king of a colour";
    } else {
      if (count[colour] == PieceListSize - 1) return "more than 16 men of a colour";
      slot = count[colour]++;
    }
    context.PieceList[colour][slot] = square;
    context.ListSlot[square] = uint8_t(slot);
  }
  if (!context.PieceList[White][0] || !context.PieceList[Black][0]) return "a king is missing";
  return nullptr;
}

const char* ReadCastling(SearchContext& context, const std::string& field) {
  if (field == "-") return nullptr;
  for (char c : field) {
    const char* letters = "KQkq";
    const char* letter = std::strchr(letters, c);
    if (!letter) return "bad castling field";
    int right = int(letter - letters), colour = right / 2, rank = colour == White ? 0 : 7;
    Square rook = MakeSquare(right % 2 == 0 ? 7 : 0, rank);
    // A right without its king and rook at home is dropped.
    if (context.Board[MakeSquare(4, rank)] == MakePiece(King, colour) &&
        context.Board[rook] == MakePiece(Rook, colour))
      context.State |= CastleWhiteKing << right;
  }
  return nullptr;
}

// The target is kept only when a pawn of the side to move can capture there.
const char* ReadEnPassant(SearchContext& context, const std::string& field) {
  if (field == "-") return nullptr;
  int rank = context.Side == White ? 5 : 2;
  if (field.size() != 2 || field[0] < 'a' || field[0] > 'h' || field[1] != '1' + rank)
    return "bad en-passant square";
  Square target = MakeSquare(field[0] - 'a', rank);
  int forward = context.Side == White ? 8 : -8;
  int them = context.Side ^ 1;
  if (context.Board[target] != Empty || context.Board[target + forward] != Empty ||
      context.Board[target - forward] != MakePiece(Pawn, them))
    return nullptr;
  PieceCode pawn = MakePiece(Pawn, context.Side);
  Square from = target - forward;
  if ((FileOf(from) > 0 && context.Board[from - 1] == pawn) ||
      (FileOf(from) < 7 && context.Board[from + 1] == pawn))
    context.State |= target;
  return nullptr;
}

bool ReadCount(const std::string& field, int low, int& value) {
  char* end;
  long number = std::strtol(field.c_str(), &end, 10);
  if (field.empty() || *end || number < low || number > 100000) return false;
  value = int(number);
  return true;
}

}  // namespace

const char* SetupFen(SearchContext& context, const char* fen) {
  std::istringstream stream(fen);
  std::string placement, side, castling = "-", enPassant = "-", halfMoves = "0", moveNumber = "1", extra;
  stream >> placement >> side;
  if (placement.empty()) return "empty FEN";
  if (side != "w" && side != "b") return "side to move must be w or b";
  stream >> castling >> enPassant >> halfMoves >> moveNumber;
  if (stream >> extra) return "text after the move number";

  SearchContext position{};
  position.Side = side == "w" ? White : Black;
  const char* error = PlaceMen(position, placement);
  if (!error) error = BuildPieceLists(position);
  if (!error) error = ReadCastling(position, castling);
  if (!error) error = ReadEnPassant(position, enPassant);
  if (!error && !ReadCount(halfMoves, 0, position.HalfMoves)) error = "bad half-move clock";
  if (!error && !ReadCount(moveNumber, 0, position.MoveNumber)) error = "bad move number";
  position.MoveNumber = std::max(position.MoveNumber, 1);  // puzzles often give 0
  if (!error && MoverInCheck(position)) error = "the side not to move is in check";
  if (error) return error;
  position.Lock = ComputeLock(position);
  context = position;
  return nullptr;
}
