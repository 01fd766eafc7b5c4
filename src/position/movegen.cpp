#include "position/geometry.h"
#include "position/position.h"

namespace {

void Add(MoveList& list, Move move) { list.Moves[list.Count++] = move; }

void AddPawnMoves(const SearchContext& context, MoveList& list, Square from, bool capturesOnly) {
  int us = context.Side;
  PieceCode pawn = MakePiece(Pawn, us);
  int forward = us == White ? 8 : -8;
  int lastRank = us == White ? 7 : 0;
  auto addWithPromotions = [&](Square to, PieceCode captured, Move flags) {
    if (RankOf(to) != lastRank) {
      Add(list, PackMove(from, to, pawn, captured, Empty, flags));
      return;
    }
    for (PieceCode type : {Queen, Knight, Rook, Bishop})
      Add(list, PackMove(from, to, pawn, captured, MakePiece(type, us), flags));
  };

  Square ahead = from + forward;
  if (context.Board[ahead] == Empty && (!capturesOnly || RankOf(ahead) == lastRank)) {
    addWithPromotions(ahead, Empty, 0);
    Square twoAhead = ahead + forward;
    bool onStartRank = RankOf(from) == (us == White ? 1 : 6);
    if (!capturesOnly && onStartRank && context.Board[twoAhead] == Empty)
      Add(list, PackMove(from, twoAhead, pawn, Empty, Empty, MoveDoubleStep));
  }
  Square enPassant = context.State & StateEnPassant;
  for (int side : {-1, 1}) {
    if ((side < 0 && FileOf(from) == 0) || (side > 0 && FileOf(from) == 7)) continue;
    Square to = ahead + side;
    PieceCode target = context.Board[to];
    if (target != Empty && ColourOf(target) != us)
      addWithPromotions(to, target, 0);
    else if (to == enPassant)
      Add(list, PackMove(from, to, pawn, MakePiece(Pawn, us ^ 1), Empty, MoveEnPassant));
  }
}

void AddTarget(const SearchContext& context, MoveList& list, Square from, Square to, bool capturesOnly) {
  PieceCode target = context.Board[to];
  if (target == Empty ? !capturesOnly : ColourOf(target) != context.Side)
    Add(list, PackMove(from, to, context.Board[from], target));
}

void AddCastling(const SearchContext& context, MoveList& list) {
  int us = context.Side;
  int rights = context.State & (us == White ? CastleWhiteKing | CastleWhiteQueen
                                            : CastleBlackKing | CastleBlackQueen);
  if (!rights) return;
  Square king = MakeSquare(4, us == White ? 0 : 7);
  auto empty = [&](int first, int last) {
    for (Square square = king + first; square <= king + last; ++square)
      if (context.Board[square] != Empty) return false;
    return true;
  };
  auto safe = [&](Square square) { return !SquareAttacked(context, square, us ^ 1); };
  PieceCode piece = MakePiece(King, us);
  bool kingSide = rights & (CastleWhiteKing | CastleBlackKing);
  bool queenSide = rights & (CastleWhiteQueen | CastleBlackQueen);
  if (kingSide && empty(1, 2) && safe(king) && safe(king + 1))
    Add(list, PackMove(king, king + 2, piece, Empty, Empty, MoveCastling));
  if (queenSide && empty(-3, -1) && safe(king) && safe(king - 1))
    Add(list, PackMove(king, king - 2, piece, Empty, Empty, MoveCastling));
}

}  // namespace

void GenerateMoves(const SearchContext& context, MoveList& list, bool capturesOnly) {
  list.Count = 0;
  for (const Square* entry = context.PieceList[context.Side]; *entry; ++entry) {
    Square from = *entry;
    if (from == CapturedSquare) continue;
    PieceCode type = TypeOf(context.Board[from]);
    if (type == Pawn) {
      AddPawnMoves(context, list, from, capturesOnly);
    } else if (type == Knight || type == King) {
      for (const Square* to = (type == Knight ? KnightTargets : KingTargets)[from].data(); *to; ++to)
        AddTarget(context, list, from, *to, capturesOnly);
    } else {
      int first = type == Bishop ? 4 : 0, last = type == Rook ? 4 : 8;
      for (int direction = first; direction < last; ++direction)
        for (Square to : Rays[from][direction]) {
          if (!to) break;
          AddTarget(context, list, from, to, capturesOnly);
          if (context.Board[to] != Empty) break;
        }
    }
  }
  if (!capturesOnly) AddCastling(context, list);
}

void GenerateLegalMoves(SearchContext& context, MoveList& list) {
  MoveList pseudo;
  GenerateMoves(context, pseudo);
  list.Count = 0;
  for (int i = 0; i < pseudo.Count; ++i) {
    if (!MakeLegalMove(context, pseudo.Moves[i])) continue;
    Add(list, pseudo.Moves[i]);
    UnmakeSearchMove(context, pseudo.Moves[i]);
  }
}

Move FindLegalMove(SearchContext& context, const std::string& text) {
  // Only the move that matches is tried for legality: a controller sends the whole game
  // before every move, and each ply of it costs time on the clock.
  MoveList pseudo;
  GenerateMoves(context, pseudo);
  for (int i = 0; i < pseudo.Count; ++i) {
    Move move = pseudo.Moves[i];
    if (MoveText(move) != text || !MakeLegalMove(context, move)) continue;
    UnmakeSearchMove(context, move);
    return move;
  }
  return NoMove;
}

bool SquareAttacked(const SearchContext& context, Square square, int byColour) {
  const PieceCode* board = context.Board;
  PieceCode pawn = MakePiece(Pawn, byColour);
  int behind = byColour == White ? -8 : 8;
  int rank = RankOf(square);
  if (rank != (byColour == White ? 0 : 7)) {
    if (FileOf(square) > 0 && board[square + behind - 1] == pawn) return true;
    if (FileOf(square) < 7 && board[square + behind + 1] == pawn) return true;
  }
  for (const Square* from = KnightTargets[square].data(); *from; ++from)
    if (board[*from] == MakePiece(Knight, byColour)) return true;
  for (const Square* from = KingTargets[square].data(); *from; ++from)
    if (board[*from] == MakePiece(King, byColour)) return true;
  for (int direction = 0; direction < 8; ++direction) {
    PieceCode slider = MakePiece(direction < 4 ? Rook : Bishop, byColour);
    for (Square from : Rays[square][direction]) {
      if (!from) break;
      PieceCode piece = board[from];
      if (piece == Empty) continue;
      if (piece == slider || piece == MakePiece(Queen, byColour)) return true;
      break;
    }
  }
  return false;
}

bool MakeLegalMove(SearchContext& context, Move move) {
  MakeSearchMove(context, move);
  if (!MoverInCheck(context)) return true;
  UnmakeSearchMove(context, move);
  return false;
}

bool InCheck(const SearchContext& context) {
  return SquareAttacked(context, context.PieceList[context.Side][0], context.Side ^ 1);
}

bool MoverInCheck(const SearchContext& context) {
  return SquareAttacked(context, context.PieceList[context.Side ^ 1][0], context.Side);
}

bool IsRepetition(const SearchContext& context) {
  int count = int(context.Locks.size());
  int earliest = count - context.HalfMoves;
  for (int i = count - 2; i >= 0 && i >= earliest; i -= 2)
    if (context.Locks[i] == context.Lock) return true;
  return false;
}

int MenCount(const SearchContext& context) {
  int men = 0;
  for (const auto& list : context.PieceList)
    for (const Square* entry = list; *entry; ++entry) men += *entry != CapturedSquare;
  return men;
}
