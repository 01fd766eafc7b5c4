#include <gtest/gtest.h>
#include <map>
#include "position/fen.h"
#include "search/search.h"
#include "tablebases/tablebases.h"

namespace {

// A stand-in tablebase: values by position lock, 30001 for the rest.
std::map<HashLock, int> Values;
int Probes = 0;

int FakeProbe(const SearchContext& context, const PieceCode* board, int side, int enPassant) {
  ++Probes;
  EXPECT_LE(MenCount(context), TablebasePieces);
  EXPECT_EQ(side, context.Side);
  EXPECT_EQ(enPassant, context.State & StateEnPassant);
  for (int colour : {White, Black}) {  // the lists must agree with the board handed over
    EXPECT_EQ(board[context.PieceList[colour][0]], MakePiece(King, colour));
    for (const Square* entry = context.PieceList[colour]; *entry; ++entry) {
      if (*entry == CapturedSquare) continue;
      EXPECT_EQ(ColourOf(board[*entry]), colour);
    }
  }
  auto found = Values.find(context.Lock);
  return found == Values.end() ? NoTablebaseValue : found->second;
}

constexpr const char* KingQueenKing = "8/8/8/8/8/2k5/8/K6Q w - - 0 1";

class TablebaseSearch : public ::testing::Test {
 protected:
  void SetUp() override {
    Values.clear();
    Probes = 0;
    SearchProbe = FakeProbe;
    TablebasePieces = 3;
    ASSERT_EQ(SetupFen(root, KingQueenKing), nullptr);
    GenerateLegalMoves(root, moves);
    ASSERT_GT(moves.Count, 5);
  }
  void TearDown() override {
    SearchProbe = ProbeTablebase;
    TablebasePieces = 0;
  }
  // Gives the position after the index-th root move a value (or none).
  void SetChild(int index, int value) {
    MakeSearchMove(root, moves.Moves[index]);
    if (value == NoTablebaseValue)
      Values.erase(root.Lock);
    else
      Values[root.Lock] = value;
    UnmakeSearchMove(root, moves.Moves[index]);
  }
  SearchResult Run(int depth, std::string* output = nullptr) {
    SearchLimits limits;
    limits.Depth = depth;
    testing::internal::CaptureStdout();
    SearchResult result = Think(root, limits);
    std::string printed = testing::internal::GetCapturedStdout();
    if (output) *output = printed;
    return result;
  }
  SearchContext root;
  MoveList moves;
};

int WinIn(int moves) { return MateScore - 2 * moves; }
int LossIn(int moves) { return 2 * moves - MateScore; }

}  // namespace

TEST_F(TablebaseSearch, WinningRootPlaysTheFastestMate) {
  Values[root.Lock] = WinIn(2);
  for (int i = 0; i < moves.Count; ++i) SetChild(i, LossIn(4));
  SetChild(3, 0);
  SetChild(4, WinIn(5));
  SetChild(5, LossIn(1));
  std::string output;
  SearchResult result = Run(5, &output);
  EXPECT_EQ(result.Best, moves.Moves[5]);
  EXPECT_EQ(ScoreText(result.Score), "mate 2");
  EXPECT_EQ(result.TbHits, uint64_t(moves.Count + 1));
  EXPECT_NE(output.find("info string +M2\n"), std::string::npos) << output;
  EXPECT_NE(output.find(" score mate 2 "), std::string::npos) << output;
  EXPECT_NE(output.find(" tbhits " + std::to_string(moves.Count + 1) + " "), std::string::npos) << output;
}

TEST_F(TablebaseSearch, LosingRootDelaysTheMate) {
  Values[root.Lock] = LossIn(6);
  for (int i = 0; i < moves.Count; ++i) SetChild(i, WinIn(2 + i % 3));
  SetChild(2, WinIn(6));
  std::string output;
  SearchResult result = Run(5, &output);
  EXPECT_EQ(result.Best, moves.Moves[2]);
  EXPECT_EQ(ScoreText(result.Score), "mate -6");
  EXPECT_NE(output.find("info string -M6\n"), std::string::npos) << output;
}

TEST_F(TablebaseSearch, DrawnRootKeepsTheDraw) {
  Values[root.Lock] = 0;
  for (int i = 0; i < moves.Count; ++i) SetChild(i, WinIn(3));
  SetChild(1, 0);
  std::string output;
  SearchResult result = Run(5, &output);
  EXPECT_EQ(result.Best, moves.Moves[1]);
  EXPECT_EQ(result.Score, 1);  // a draw, with white's extra queen as the tie-break
  EXPECT_NE(output.find("info string Remis\n"), std::string::npos) << output;
}

TEST_F(TablebaseSearch, SearchProbesNodesWithThePlyCorrection) {
  Values[root.Lock] = WinIn(2);
  for (int i = 0; i < moves.Count; ++i) SetChild(i, LossIn(4));
  SetChild(5, LossIn(1));
  SetChild(0, NoTablebaseValue);  // not every root move is known: the search decides
  SearchResult result = Run(3);
  EXPECT_EQ(result.Best, moves.Moves[5]);
  EXPECT_EQ(ScoreText(result.Score), "mate 2");
  EXPECT_GT(result.TbHits, uint64_t(moves.Count + 1));  // the nodes were probed too
}

TEST_F(TablebaseSearch, NoProbesBeyondTheLimit) {
  Values[root.Lock] = WinIn(2);
  TablebasePieces = 2;  // only the positions after the queen is taken are probed
  EXPECT_EQ(Run(3).TbHits, 0u);
  EXPECT_GT(Probes, 0);
  Probes = 0;
  TablebasePieces = 0;
  EXPECT_EQ(Run(3).TbHits, 0u);
  EXPECT_EQ(Probes, 0);
}

TEST_F(TablebaseSearch, NoProbesFarFromTheEndgame) {
  TablebasePieces = 32;  // the stand-in covers every position
  ASSERT_EQ(SetupFen(root, "r3k3/pppp4/8/8/8/8/PPPP4/R3K3 w - - 0 1"), nullptr);
  Run(2);
  EXPECT_GT(Probes, 0);
  Probes = 0;
  ASSERT_EQ(SetupFen(root, "rn2k3/pppp4/8/8/8/8/PPPP4/R3K3 w - - 0 1"), nullptr);  // 13 men
  Run(2);
  EXPECT_EQ(Probes, 0);
}
