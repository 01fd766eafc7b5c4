#include "position/position.h"
#include "position/zobrist.h"

namespace {

// Castling rights that survive a move from or to each square.
constexpr auto CastleKeep = [] {
  std::array<int, 65> keep{};
  for (int& rights : keep) rights = StateCastling;
  keep[MakeSquare(4, 0)] &= ~(CastleWhiteKing | CastleWhiteQueen);
  keep[MakeSquare(7, 0)] &= ~CastleWhiteKing;
  keep[MakeSquare(0, 0)] &= ~CastleWhiteQueen;
  keep[MakeSquare(4, 7)] &= ~(CastleBlackKing | CastleBlackQueen);
  keep[MakeSquare(7, 7)] &= ~CastleBlackKing;
  keep[MakeSquare(0, 7)] &= ~CastleBlackQueen;
  return keep;
}();

void Relocate(SearchContext& context, int colour, Square from, Square to) {
  context.Board[to] = context.Board[from];
  context.Board[from] = Empty;
  context.ListSlot[to] = context.ListSlot[from];
  context.PieceList[colour][context.ListSlot[to]] = to;
}

// Start and end squares of the rook when the king castles to kingTo.
void CastlingRook(Square kingTo, Square& from, Square& to) {
  bool kingSide = FileOf(kingTo) == 6;
  from = kingSide ? kingTo + 1 : kingTo - 2;
  to = kingSide ? kingTo - 1 : kingTo + 1;
}

Square CaptureSquare(Move move, int side) {
  Square to = MoveTo(move);
  if (!(move & MoveEnPassant)) return to;
  return side == White ? to - 8 : to + 8;
}

bool EnemyPawnBeside(const SearchContext& context, Square square, int enemy) {
  PieceCode pawn = MakePiece(Pawn, enemy);
  return (FileOf(square) > 0 && context.Board[square - 1] == pawn) ||
         (FileOf(square) < 7 && context.Board[square + 1] == pawn);
}

}  // namespace

void MakeSearchMove(SearchContext& context, Move move) {
  UndoRecord& undo = context.Undo[context.Ply++];
  undo.State = context.State;
  undo.HalfMoves = context.HalfMoves;
  undo.Lock = context.Lock;
  context.Locks.push_back(context.Lock);

  int us = context.Side, them = us ^ 1;
  Square from = MoveFrom(move), to = MoveTo(move);
  PieceCode piece = MovePiece(move), captured = MoveCaptured(move);
  HashLock lock = context.Lock ^ StateLock(context.State) ^ ZobristLocks.BlackToMove;

  if (captured) {
    Square square = CaptureSquare(move, us);
    undo.CapturedSlot = context.ListSlot[square];
    context.PieceList[them][undo.CapturedSlot] = CapturedSquare;
    context.Board[square] = Empty;
    lock ^= ZobristLocks.Piece[captured][square];
  }
  Relocate(context, us, from, to);
  lock ^= ZobristLocks.Piece[piece][from];
  if (PieceCode promotion = MovePromotion(move)) {
    context.Board[to] = promotion;
    lock ^= ZobristLocks.Piece[promotion][to];
  } else {
    lock ^= ZobristLocks.Piece[piece][to];
  }
  if (move & MoveCastling) {
    Square rookFrom, rookTo;
    CastlingRook(to, rookFrom, rookTo);
    Relocate(context, us, rookFrom, rookTo);
    PieceCode rook = MakePiece(Rook, us);
    lock ^= ZobristLocks.Piece[rook][rookFrom] ^ ZobristLocks.Piece[rook][rookTo];
  }

  int state = context.State & StateCastling & CastleKeep[from] & CastleKeep[to];
  if ((move & MoveDoubleStep) && EnemyPawnBeside(context, to, them)) state |= (from + to) / 2;
  context.State = state;
  context.HalfMoves = captured || TypeOf(piece) == Pawn ? 0 : context.HalfMoves + 1;
  if (us == Black) ++context.MoveNumber;
  context.Side = them;
  context.Lock = lock ^ StateLock(state);
}

void UnmakeSearchMove(SearchContext& context, Move move) {
  const UndoRecord& undo = context.Undo[--context.Ply];
  context.Locks.pop_back();
  int us = context.Side ^ 1, them = context.Side;
  Square from = MoveFrom(move), to = MoveTo(move);

  if (move & MoveCastling) {
    Square rookFrom, rookTo;
    CastlingRook(to, rookFrom, rookTo);
    Relocate(context, us, rookTo, rookFrom);
  }
  Relocate(context, us, to, from);
  context.Board[from] = MovePiece(move);
  if (PieceCode captured = MoveCaptured(move)) {
    Square square = CaptureSquare(move, us);
    context.Board[square] = captured;
    context.ListSlot[square] = undo.CapturedSlot;
    context.PieceList[them][undo.CapturedSlot] = square;
  }
  if (us == Black) --context.MoveNumber;
  context.Side = us;
  context.State = undo.State;
  context.HalfMoves = undo.HalfMoves;
  context.Lock = undo.Lock;
}

HashLock ComputeLock(const SearchContext& context) {
  HashLock lock = StateLock(context.State);
  if (context.Side == Black) lock ^= ZobristLocks.BlackToMove;
  for (Square square = 1; square <= 64; ++square)
    if (context.Board[square]) lock ^= ZobristLocks.Piece[context.Board[square]][square];
  return lock;
}
