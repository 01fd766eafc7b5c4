#include <gtest/gtest.h>
#include <algorithm>
#include <cstring>
#include <random>
#include "position/fen.h"
#include "position/position.h"

namespace {

SearchContext FromFen(const char* fen) {
  SearchContext context;
  const char* error = SetupFen(context, fen);
  EXPECT_EQ(error, nullptr) << fen << ": " << error;
  return context;
}

// Every live piece-list entry names a man of its colour on the board, with the king first,
// every man of the board is listed once, and the lock matches the position.
void ExpectConsistent(const SearchContext& context) {
  int listed[2] = {0, 0}, onBoard[2] = {0, 0};
  for (int colour : {White, Black}) {
    const Square* list = context.PieceList[colour];
    ASSERT_EQ(context.Board[list[0]], MakePiece(King, colour));
    int slot = 0;
    for (; slot < PieceListSize && list[slot]; ++slot) {
      if (list[slot] == CapturedSquare) continue;
      ASSERT_TRUE(list[slot] >= 1 && list[slot] <= 64);
      ASSERT_NE(context.Board[list[slot]], Empty);
      ASSERT_EQ(ColourOf(context.Board[list[slot]]), colour);
      ASSERT_EQ(context.ListSlot[list[slot]], slot);
      ++listed[colour];
    }
    ASSERT_LT(slot, PieceListSize);
  }
  for (Square square = 1; square <= 64; ++square)
    if (context.Board[square]) ++onBoard[ColourOf(context.Board[square])];
  EXPECT_EQ(listed[White], onBoard[White]);
  EXPECT_EQ(listed[Black], onBoard[Black]);
  EXPECT_EQ(context.Lock, ComputeLock(context));
}

bool SamePosition(const SearchContext& a, const SearchContext& b) {
  return !std::memcmp(a.Board, b.Board, sizeof a.Board) && !std::memcmp(a.PieceList, b.PieceList, sizeof a.PieceList) &&
         a.Side == b.Side && a.State == b.State && a.HalfMoves == b.HalfMoves && a.Lock == b.Lock;
}

Move Find(SearchContext& context, const char* text) {
  Move move = FindLegalMove(context, text);
  if (move == NoMove) ADD_FAILURE() << text << " is not legal";
  return move;
}

void Play(SearchContext& context, std::initializer_list<const char*> moves) {
  for (const char* text : moves) MakeSearchMove(context, Find(context, text));
}

}  // namespace

TEST(Position, PieceListsFollowRandomGamesAndUnmakeRestoresEverything) {
  std::mt19937 random(7);
  for (const char* fen : {StartFen, "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1",
                          "r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1",
                          "8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1"}) {
    for (int game = 0; game < 30; ++game) {
      SearchContext context = FromFen(fen);
      const SearchContext start = context;
      Move played[MaxPly];
      int plies = 0;
      for (; plies < MaxPly - 1; ++plies) {
        MoveList list;
        GenerateLegalMoves(context, list);
        if (list.Count == 0) break;
        played[plies] = list.Moves[random() % list.Count];
        MakeSearchMove(context, played[plies]);
        ExpectConsistent(context);
        if (HasFatalFailure()) return;
      }
      while (plies > 0) UnmakeSearchMove(context, played[--plies]);
      EXPECT_TRUE(SamePosition(context, start)) << fen;
      EXPECT_TRUE(context.Locks.empty());
    }
  }
}

TEST(Position, FenSetsUpListsAndRights) {
  SearchContext context = FromFen("r3k2r/8/8/8/8/8/8/R3K3 b Qk - 5 40");
  EXPECT_EQ(context.Side, Black);
  EXPECT_EQ(context.State, CastleWhiteQueen | CastleBlackKing);
  EXPECT_EQ(context.HalfMoves, 5);
  EXPECT_EQ(context.MoveNumber, 40);
  const Square white[] = {MakeSquare(4, 0), MakeSquare(0, 0), 0};
  const Square black[] = {MakeSquare(4, 7), MakeSquare(0, 7), MakeSquare(7, 7), 0};
  EXPECT_EQ(0, std::memcmp(context.PieceList[White], white, sizeof white));
  EXPECT_EQ(0, std::memcmp(context.PieceList[Black], black, sizeof black));
  EXPECT_EQ(MenCount(context), 5);

  // Castling rights without their rook are dropped.
  EXPECT_EQ(FromFen("r3k2r/8/8/8/8/8/8/R3K3 w KQkq - 0 1").State & StateCastling,
            CastleWhiteQueen | CastleBlackKing | CastleBlackQueen);
  // An en-passant target is kept only when it can be captured.
  EXPECT_EQ(FromFen("rnbqkbnr/ppp1pppp/8/3p4/8/8/PPPPPPPP/RNBQKBNR w KQkq d6 0 2").State & StateEnPassant, 0);
  EXPECT_EQ(FromFen("rnbqkbnr/ppp1pppp/8/3pP3/8/8/PPPP1PPP/RNBQKBNR w KQkq d6 0 3").State & StateEnPassant,
            MakeSquare(3, 5));
  // Missing counters default.
  EXPECT_EQ(FromFen("4k3/8/8/8/8/8/8/4K3 w").MoveNumber, 1);
}

TEST(Position, RefusedFenLeavesThePositionAlone) {
  SearchContext context = FromFen(StartFen);
  const SearchContext before = context;
  for (const char* fen :
       {"", "8/8/8/8/8/8/8 w - - 0 1", "9/8/8/8/8/8/8/8 w - - 0 1", "4k3/8/8/8/8/8/8/4K3", "4k3/8/8/8/8/8/8/4K3 x",
        "4k3/8/8/8/8/8/8/4KK2 w - - 0 1", "8/8/8/8/8/8/8/4K3 w - - 0 1", "4k3/8/8/8/8/8/8/4K2P w - - 0 1",
        "4k3/8/8/8/8/8/8/4K3 w KX - 0 1", "4k3/8/8/8/8/8/8/4K3 w - e4 0 1", "4k3/8/8/8/8/8/8/4K3 w - - x 1",
        "4k3/8/8/8/8/8/8/4K3 w - - 0 -1", "4k3/8/8/8/8/8/8/4K3 w - - 0 1 extra", "4k3/4Q3/8/8/8/8/8/4K3 w - - 0 1",
        "4k3/8/8/8/8/8/8/4K3/8 w - - 0 1", "4k3/8/8/8/8/8/8/3XK3 w - - 0 1", "4k3/pppppppp/pppppppp/p7/8/8/8/4K3 b - - 0 1",
        "4k3/8/8/8/8/8/8/4K4 w - - 0 1"}) {
    EXPECT_NE(SetupFen(context, fen), nullptr) << fen;
    EXPECT_TRUE(SamePosition(context, before)) << fen;
  }
}

TEST(Position, SpecialMovesAndTheirText) {
  SearchContext context = FromFen("r3k2r/1P6/8/3pP3/8/8/8/R3K2R w KQkq d6 0 1");
  Move castle = Find(context, "e1c1"), enPassant = Find(context, "e5d6"), promotion = Find(context, "b7a8n");
  EXPECT_TRUE(castle & MoveCastling);
  EXPECT_TRUE(enPassant & MoveEnPassant);
  EXPECT_EQ(MovePromotion(promotion), Knight);
  EXPECT_EQ(MoveCaptured(promotion), Rook | BlackBit);
  EXPECT_EQ(MoveText(NoMove), "0000");

  MakeSearchMove(context, castle);
  EXPECT_EQ(context.Board[MakeSquare(3, 0)], Rook);
  EXPECT_EQ(context.State & StateCastling, CastleBlackKing | CastleBlackQueen);
  MakeSearchMove(context, Find(context, "a8b8"));
  EXPECT_EQ(context.State & StateCastling, CastleBlackKing);
  MakeSearchMove(context, enPassant);
  EXPECT_EQ(context.Board[MakeSquare(3, 4)], Empty);
  EXPECT_EQ(MenCount(context), 8);
  ExpectConsistent(context);

  // A double step leaves a target only beside an enemy pawn.
  SearchContext game = FromFen("4k3/8/8/8/1p6/8/P1P5/4K3 w - - 0 1");
  Play(game, {"c2c4"});
  EXPECT_EQ(game.State & StateEnPassant, MakeSquare(2, 2));
  Play(game, {"e8e7", "a2a4"});
  EXPECT_EQ(game.State & StateEnPassant, MakeSquare(0, 2));
  Play(game, {"e7e6", "e1e2", "e6e5"});
  EXPECT_EQ(game.State & StateEnPassant, 0);
}

TEST(Position, MoveTextFindsExactlyTheLegalMoves) {
  for (const char* fen : {"r3k2r/1P6/8/3pP3/8/8/8/R3K2R w KQkq d6 0 1", "4k3/8/8/1B6/8/8/4n3/R3K2R b KQ - 0 1",
                          "4k3/4r3/8/8/8/8/4B3/4K3 w - - 0 1"}) {
    SearchContext context = FromFen(fen), before = context;
    MoveList pseudo, legal;
    GenerateMoves(context, pseudo);
    GenerateLegalMoves(context, legal);
    for (int i = 0; i < pseudo.Count; ++i) {
      Move move = pseudo.Moves[i];
      bool isLegal = std::count(legal.Moves, legal.Moves + legal.Count, move);
      EXPECT_EQ(FindLegalMove(context, MoveText(move)), isLegal ? move : NoMove) << fen << " " << MoveText(move);
    }
    for (const char* text : {"", "e1", "b7a8", "b7a8k", "e1g1q", "a1a9", "0000", "e5d6 "})
      EXPECT_EQ(FindLegalMove(context, text), NoMove) << fen << " " << text;
    EXPECT_TRUE(SamePosition(context, before)) << fen;
  }
}

TEST(Position, CrowdedPositionsFitTheMoveList) {
  SearchContext most = FromFen("R6R/3Q4/1Q4Q1/4Q3/2Q4Q/Q4Q2/pp1Q4/kBNN1KB1 w - - 0 1");
  MoveList list;
  GenerateLegalMoves(most, list);
  EXPECT_EQ(list.Count, 218);  // the most moves a reachable position is known to have
  SearchContext queens = FromFen("knQ4Q/pp2Q3/QQ4Q1/3Q4/Q4Q1Q/2Q4Q/4Q3/KQ4Q1 w - - 0 1");
  GenerateMoves(queens, list);
  EXPECT_EQ(list.Count, 240);  // 238 queen moves and two king moves
}

TEST(Position, MateStalemateAndRepetition) {
  SearchContext mated = FromFen("rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR w KQkq - 1 3");
  MoveList list;
  GenerateLegalMoves(mated, list);
  EXPECT_EQ(list.Count, 0);
  EXPECT_TRUE(InCheck(mated));
  SearchContext stalemate = FromFen("7k/5Q2/6K1/8/8/8/8/8 b - - 0 1");
  GenerateLegalMoves(stalemate, list);
  EXPECT_EQ(list.Count, 0);
  EXPECT_FALSE(InCheck(stalemate));

  SearchContext context = FromFen(StartFen);
  Play(context, {"g1f3", "g8f6", "f3g1"});
  EXPECT_FALSE(IsRepetition(context));
  Play(context, {"f6g8"});
  EXPECT_TRUE(IsRepetition(context));
  Play(context, {"e2e4", "g8f6", "g1f3", "f6g8"});
  EXPECT_FALSE(IsRepetition(context));  // the pawn move ended the earlier run
  Play(context, {"f3g1"});
  EXPECT_TRUE(IsRepetition(context));  // as after e2e4
}
