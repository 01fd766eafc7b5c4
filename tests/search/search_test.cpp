#include <gtest/gtest.h>
#include <map>
#include "position/fen.h"
#include "search/search.h"
#include "tablebases/tablebases.h"

namespace {

SearchContext FromFen(const char* fen) {
  SearchContext context;
  EXPECT_EQ(SetupFen(context, fen), nullptr) << fen;
  return context;
}

SearchResult SearchDepth(const char* fen, int depth) {
  SearchLimits limits;
  limits.Depth = depth;
  return Think(FromFen(fen), limits);
}

constexpr int MateIn(int moves) { return MateScore - (2 * moves - 1); }

}  // namespace

TEST(Search, FindsMateInTwoAtDepthFour) {
  SearchResult quiet = SearchDepth("7k/8/5K2/8/8/8/8/R7 w - - 0 1", 4);
  EXPECT_EQ(quiet.Score, MateIn(2));
  SearchResult sacrifice = SearchDepth("r2qkb1r/pp2nppp/3p4/2pNN1B1/2BnP3/3P4/PPP2PPP/R2bK2R w KQkq - 1 1", 4);
  EXPECT_EQ(MoveText(sacrifice.Best), "d5f6");
  EXPECT_EQ(sacrifice.Score, MateIn(2));
  EXPECT_EQ(MoveText(sacrifice.Ponder), "g7f6");
}

TEST(Search, FindsMateInThreeAtDepthSix) {
  SearchResult quiet = SearchDepth("8/8/8/8/8/5K2/6R1/7k w - - 0 1", 6);
  EXPECT_EQ(quiet.Score, MateIn(3));
  SearchResult black = SearchDepth("2r3k1/p4p2/3Rp2p/1p2P1pK/8/1P4P1/P3Q2P/1q6 b - - 0 1", 6);
  EXPECT_EQ(MoveText(black.Best), "b1g6");
  EXPECT_EQ(black.Score, MateIn(3));
}

TEST(Search, SeesBeingMatedAndWinsMaterial) {
  SearchResult mated = SearchDepth("r2qkb1r/pp2nppp/3p1N2/2p1N1B1/2BnP3/3P4/PPP2PPP/R2bK2R b KQkq - 2 1", 3);
  EXPECT_EQ(MoveText(mated.Best), "g7f6");
  EXPECT_EQ(mated.Score, -MateScore + 2);
  SearchResult capture = SearchDepth("4k3/8/8/3q4/8/8/3R4/4K3 w - - 0 1", 3);
  EXPECT_EQ(MoveText(capture.Best), "d2d5");
  EXPECT_GT(capture.Score, 0);
}

TEST(Search, PositionWithFifteenQueens) {
  SearchResult result = SearchDepth("knQ4Q/pp2Q3/QQ4Q1/3Q4/Q4Q1Q/2Q4Q/4Q3/KQ4Q1 w - - 0 1", 2);
  EXPECT_GT(result.Score, 10000);
}

TEST(Search, PositionsWithoutMoves) {
  SearchResult mate = SearchDepth("rnb1kbnr/pppp1ppp/8/4p3/6Pq/5P2/PPPPP2P/RNBQKBNR w KQkq - 1 3", 3);
  EXPECT_EQ(mate.Best, NoMove);
  EXPECT_EQ(mate.Score, -MateScore);
  EXPECT_EQ(ScoreText(mate.Score), "mate 0");
  EXPECT_EQ(ScoreText(-MateScore + 2), "mate -1");
  EXPECT_EQ(ScoreText(MateScore - 1), "mate 1");
  EXPECT_EQ(ScoreText(-35), "cp -35");
  SearchResult stalemate = SearchDepth("7k/5Q2/6K1/8/8/8/8/8 b - - 0 1", 3);
  EXPECT_EQ(stalemate.Best, NoMove);
  EXPECT_EQ(stalemate.Score, 0);
}

TEST(Search, RepeatingAPositionOfTheGameIsADraw) {
  // A queen down, white can only hope to repeat the position after h1g1.
  SearchContext game = FromFen("k7/8/8/8/8/8/q7/7K w - - 0 1");
  for (const char* text : {"h1g1", "a2a3", "g1h1", "a3a2"}) {
    MakeSearchMove(game, FindLegalMove(game, text));
    game.Ply = 0;
  }
  ASSERT_EQ(game.Locks.size(), 4u);
  SearchLimits limits;
  limits.Depth = 2;
  SearchResult result = Think(game, limits);
  EXPECT_EQ(MoveText(result.Best), "h1g1");
  EXPECT_EQ(result.Score, 0);
}

TEST(Search, HonoursNodeLimitAndSearchMoves) {
  SearchLimits limits;
  limits.Nodes = 3000;
  SearchResult limited = Think(FromFen(StartFen), limits);
  EXPECT_LE(limited.Nodes, 3000u);
  EXPECT_NE(limited.Best, NoMove);

  SearchContext start = FromFen(StartFen);
  SearchLimits restricted;
  restricted.Depth = 3;
  restricted.SearchMoves.Moves[restricted.SearchMoves.Count++] = FindLegalMove(start, "a2a3");
  EXPECT_EQ(MoveText(Think(start, restricted).Best), "a2a3");
}

TEST(Search, CheckmateBeatsTheFiftyMoveRule) {
  SearchResult mate = SearchDepth("7k/8/6K1/8/8/8/8/R7 w - - 99 80", 3);
  EXPECT_EQ(MoveText(mate.Best), "a1a8");
  EXPECT_EQ(mate.Score, MateIn(1));
  // No mate in one: every move reaches the hundredth half-move and draws.
  EXPECT_EQ(SearchDepth("7k/8/5K2/8/8/8/8/R7 w - - 99 80", 4).Score, 0);
  EXPECT_EQ(SearchDepth("7k/8/5K2/8/8/8/8/R7 w - - 97 80", 4).Score, MateIn(2));
  // Reached on the hundredth half-move: checkmate is mate, stalemate a draw.
  EXPECT_EQ(SearchDepth("R6k/8/6K1/8/8/8/8/8 b - - 100 80", 3).Score, -MateScore);
  EXPECT_EQ(SearchDepth("7k/5Q2/6K1/8/8/8/8/8 b - - 100 80", 3).Score, 0);
}

TEST(Search, CompletesDepthOneWhateverTheClock) {
  const char* kiwipete = "r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1";
  Move depthOne = SearchDepth(kiwipete, 1).Best;
  for (int64_t left : {0, 1, 20}) {
    SearchLimits limits;
    limits.Time[White] = limits.Time[Black] = left;
    SearchResult result = Think(FromFen(kiwipete), limits);
    EXPECT_EQ(result.Depth, 1) << left;
    EXPECT_EQ(result.Best, depthOne) << left;
  }
  SearchLimits limits;
  limits.MoveTime = 1;
  SearchResult result = Think(FromFen(kiwipete), limits);
  EXPECT_EQ(result.Depth, 1);
  EXPECT_EQ(result.Best, depthOne);
}
