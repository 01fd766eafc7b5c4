// End to end: tables solved by retrograde analysis, written as real files (plain and
// compressed), probed through the engine; and the solver itself checked against known facts.
#include <gtest/gtest.h>
#include <unistd.h>
#include <algorithm>
#include <cstdlib>
#include <string>
#include "support/datacomp_writer.h"
#include "support/engine_process.h"
#include "support/tb_solver.h"
#include "support/tb_writer.h"
#include "tablebases/tbfiles.h"

namespace {

int Sq(const char* sz) { return (sz[1] - '1') * 8 + (sz[0] - 'a'); }

int MaxScore(int piece, color side) {
  int best = 0;
  for (square wk = 0; wk < 64; wk++)
    for (square bk = 0; bk < 64; bk++)
      for (square sq = 0; sq < 64; sq++) best = std::max(best, SolvedScore(piece, wk, bk, sq, side));
  return best;
}

TEST(Solver, KnownLongestMatesAndDraws) {
  EXPECT_EQ(MaxScore(5, 0), 10);  // kqk
  EXPECT_EQ(MaxScore(4, 0), 16);  // krk
  EXPECT_EQ(MaxScore(3, 0), 0);   // kbk: no mate exists
  EXPECT_EQ(MaxScore(2, 0), 0);   // knk
}

TEST(Solver, SinglePositions) {
  // Kb6 Qh2 against Ka8: Qh8 mates.
  EXPECT_EQ(SolvedScore(5, Sq("b6"), Sq("a8"), Sq("h2"), 0), 1);
  // Black to move is mated: Qb7 defended by Kb6.
  EXPECT_EQ(SolvedScore(5, Sq("b6"), Sq("a8"), Sq("b7"), 1), -1);
  // Stalemate: Ka8 to move, Qc7, Ke1.
  EXPECT_EQ(SolvedScore(5, Sq("e1"), Sq("a8"), Sq("c7"), 1), 0);
  // Black to move takes the undefended queen.
  EXPECT_EQ(SolvedScore(5, Sq("h1"), Sq("a8"), Sq("b7"), 1), 0);
  // Rook pawn with the defending king in the corner: drawn.
  EXPECT_EQ(SolvedScore(1, Sq("c6"), Sq("a8"), Sq("a5"), 1), 0);
  // Kd6 Pe5 against Kd8, white to move wins.
  EXPECT_GT(SolvedScore(1, Sq("d6"), Sq("d8"), Sq("e5"), 0), 0);
  // Adjacent kings and a pawn on the first rank are illegal.
  EXPECT_EQ(SolvedScore(5, Sq("a1"), Sq("b2"), Sq("h8"), 0), iSolvedIllegal);
  EXPECT_EQ(SolvedScore(1, Sq("a1"), Sq("h8"), Sq("c1"), 0), iSolvedIllegal);
  // White to move with black in check is illegal.
  EXPECT_EQ(SolvedScore(4, Sq("a1"), Sq("h8"), Sq("h1"), 0), iSolvedIllegal);
}

// A position of king and man against king, either colour strong, for playing games against
// the engine with the solution as the referee.
struct CGame {
  int piece;
  square sqStrongK, sqWeakK, sqMan;
  bool fStrongWhite;
  bool fStrongToMove;

  // The solved score for the side to move, in the solver's colours (strong = white).
  int Score() const {
    int m = fStrongWhite ? 0 : 56;
    return SolvedScore(piece, sqStrongK ^ m, sqWeakK ^ m, sqMan ^ m, fStrongToMove ? 0 : 1);
  }
  std::string Fen() const {
    char rgch[64] = {};
    rgch[sqStrongK] = fStrongWhite ? 'K' : 'k';
    rgch[sqWeakK] = fStrongWhite ? 'k' : 'K';
    rgch[sqMan] = char("?PNBRQ"[piece] + (fStrongWhite ? 0 : 32));
    std::string rows;
    for (int r = 7; r >= 0; r--) {
      for (int f = 0, cEmpty = 0; f < 8; f++) {
        char ch = rgch[r * 8 + f];
        if (!ch) cEmpty++;
        if (!ch && f < 7) continue;
        if (cEmpty) rows += char('0' + cEmpty);
        cEmpty = 0;
        if (ch) rows += ch;
      }
      if (r) rows += '/';
    }
    bool fWhiteToMove = fStrongToMove == fStrongWhite;
    return rows + (fWhiteToMove ? " w - - 0 1" : " b - - 0 1");
  }
  // Plays a move given as from and to squares; false when no man of the side to move
  // stands on from.
  bool FPlay(square from, square to) {
    square& sq = !fStrongToMove ? sqWeakK : from == sqStrongK ? sqStrongK : sqMan;
    if (sq != from) return false;
    sq = to;
    fStrongToMove = !fStrongToMove;
    return true;
  }
  // The weak king's longest defence; false when it has no legal move.
  bool FDefend(std::string* pszMove) {
    int best = -1, iBest = -1;
    for (int d = 0; d < 9; d++) {
      int df = d % 3 - 1, dr = d / 3 - 1;
      int f = sqWeakK % 8 + df, r = sqWeakK / 8 + dr;
      if (d == 4 || f < 0 || f > 7 || r < 0 || r > 7) continue;
      CGame next = *this;
      next.sqWeakK = r * 8 + f;
      next.fStrongToMove = true;
      bool fDefended = std::abs(sqStrongK % 8 - f) <= 1 && std::abs(sqStrongK / 8 - r) <= 1;
      int s = next.sqWeakK == sqMan && !fDefended ? 1000 : next.Score();  // taking the man draws
      if (s == iSolvedIllegal) continue;
      if (s > best) best = s, iBest = next.sqWeakK;
    }
    if (iBest < 0) return false;
    *pszMove = SzSquare(sqWeakK) + SzSquare(iBest);
    FPlay(sqWeakK, iBest);
    return true;
  }
  static std::string SzSquare(square sq) { return {char('a' + sq % 8), char('1' + sq / 8)}; }
};

// The first legal position with the given solved score.
CGame GameWithScore(int piece, bool fStrongWhite, bool fStrongToMove, int score) {
  for (int p = 0; p < 64 * 64 * 64; p++) {
    CGame game{piece, p / 4096, p / 64 % 64, p % 64, fStrongWhite, fStrongToMove};
    if (game.Score() == score) return game;
  }
  ADD_FAILURE() << "no position with score " << score;
  return {};
}

bool Has(const std::string& line, const std::string& text) { return line.find(text) != std::string::npos; }

long TbHits(const std::string& line) {
  size_t i = line.find(" tbhits ");
  return i == std::string::npos ? -1 : std::stol(line.substr(i + 8));
}

// The solved tables in a folder, as plain files or compressed (plain files removed).
bool FWriteTables(const std::string& dir, bool fCompressed) {
  return FWriteSolvedTables(dir) && (!fCompressed || CompressTableFiles(dir));
}

// A fresh engine whose NalimovPath names the tables.
class CPlay {
 public:
  void Ready(const std::string& path, int cacheMB = 1) {
    ASSERT_TRUE(engine.Started());
    engine.Send("setoption name NalimovPath value " + path);
    engine.Send("setoption name NalimovCache value " + std::to_string(cacheMB));
    engine.Send("isready");
    ASSERT_EQ(engine.WaitForPrefix("readyok", 20000), "readyok");
  }
  // Searches the position after the moves; returns the last "info depth" line and sets the
  // best move.
  std::string Search(const CGame& start, const std::string& moves, std::string* pszBest) {
    engine.Send("position fen " + start.Fen() + (moves.empty() ? "" : " moves" + moves));
    engine.Send("go depth 3");
    std::string info;
    auto best = engine.WaitFor([&](const std::string& line) {
      if (line.rfind("info depth", 0) == 0) info = line;
      return line.rfind("bestmove", 0) == 0;
    });
    *pszBest = best ? best->substr(9, 4) : "";
    return info;
  }
  // The engine, on the strong side, reports the true mate and plays it out in exactly that
  // many moves against the longest defence.
  void PlayOutMate(CGame game) {
    int n = game.Score();
    ASSERT_GT(n, 0);
    CGame start = game;
    std::string moves, best;
    for (int i = 1; i <= n; i++) {
      std::string info = Search(start, moves, &best);
      EXPECT_TRUE(Has(info, " score mate " + std::to_string(n - i + 1) + " ")) << info;
      EXPECT_GT(TbHits(info), 0) << info;
      ASSERT_EQ(best.size(), 4u);
      ASSERT_TRUE(game.FPlay(Sq(best.c_str()), Sq(best.c_str() + 2))) << best;
      ASSERT_EQ(game.Score(), -(n - i) - 1) << "after " << moves << " " << best;
      moves += " " + best;
      std::string reply;
      if (!game.FDefend(&reply)) break;
      moves += " " + reply;
    }
    EXPECT_EQ(game.Score(), -1) << moves;  // mated
  }

  EngineProcess engine;
};

// Every case runs on the plain tables and on the same tables compressed, with the same
// expected answers. Both folders are written once: the solution costs seconds.
class EndgamePlay : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    for (bool fCompressed : {false, true}) {
      rgpdir[fCompressed] = new CTempDir;
      ASSERT_TRUE(FWriteTables(rgpdir[fCompressed]->Path(), fCompressed));
    }
  }
  static void TearDownTestSuite() {
    for (CTempDir*& pdir : rgpdir) delete pdir, pdir = nullptr;
  }
  // Runs fn(folder, name suffix of the files) with a fresh engine for each form.
  template <typename Fn>
  void ForEachForm(Fn fn) {
    for (bool fCompressed : {false, true}) {
      SCOPED_TRACE(fCompressed ? "compressed tables" : "plain tables");
      CPlay play;
      fn(play, rgpdir[fCompressed]->Path(), std::string(fCompressed ? ".emd" : ""));
    }
  }

  static CTempDir* rgpdir[2];
};
CTempDir* EndgamePlay::rgpdir[2] = {};

TEST_F(EndgamePlay, QueenAndRookMateInTheTrueNumberOfMoves) {
  ForEachForm([](CPlay& play, const std::string& dir, const std::string&) {
    play.Ready(dir);
    play.PlayOutMate(GameWithScore(5, true, true, 10));
    play.PlayOutMate(GameWithScore(4, false, true, 16));  // colours exchanged
  });
}

TEST_F(EndgamePlay, TheLosingSideSeesItsMateAndAPawnEndingIsADraw) {
  ForEachForm([](CPlay& play, const std::string& dir, const std::string&) {
    play.Ready(dir, 256);
    std::string best;
    CGame lost = GameWithScore(4, true, false, -13);  // black to move, mated in 12
    std::string info = play.Search(lost, "", &best);
    EXPECT_TRUE(Has(info, " score mate -12 ")) << info;
    EXPECT_GT(TbHits(info), 0) << info;
    CGame drawn{1, Sq("c6"), Sq("a8"), Sq("a5"), true, false};
    ASSERT_EQ(drawn.Score(), 0);
    info = play.Search(drawn, "", &best);
    size_t i = info.find(" score cp ");
    ASSERT_NE(i, std::string::npos) << info;
    EXPECT_LE(std::abs(std::stoi(info.substr(i + 10))), 1) << info;  // a draw, by material
  });
}

TEST_F(EndgamePlay, BadFoldersAndDamagedFilesDoNotStopThePlay) {
  ForEachForm([](CPlay& play, const std::string& dir, const std::string& ext) {
    CGame game = GameWithScore(5, true, true, 10);
    std::string best;
    play.Ready("/nonexistent/folder;;:" + dir + "/kqk.nbw" + ext);
    play.Search(game, "", &best);
    EXPECT_EQ(best.size(), 4u);
    // Tables registered, then cut short: no value, and the engine plays on.
    CTempDir damaged;
    ASSERT_TRUE(FWriteTables(damaged.Path(), !ext.empty()));
    play.Ready(damaged.Path());
    ASSERT_EQ(truncate(damaged.File("kqk.nbw" + ext).c_str(), 100), 0);
    ASSERT_EQ(truncate(damaged.File("kqk.nbb" + ext).c_str(), 0), 0);
    play.Search(game, "", &best);
    EXPECT_EQ(best.size(), 4u);
    play.engine.Send("quit");
    EXPECT_EQ(play.engine.WaitForExit(), 0);
  });
}

// Every legal position of the five tables, probed through the files written from the
// solution, plain and compressed, in the tables' colours and with the colours exchanged,
// gives the solved score.
TEST(SolvedTables, EveryProbeGivesTheSolvedScore) {
  for (bool fCompressed : {false, true}) {
    SCOPED_TRACE(fCompressed ? "compressed tables" : "plain tables");
    CTempDir dir;
    ASSERT_TRUE(FWriteTables(dir.Path(), fCompressed));
    const int cOpenedBefore = cCompressedOpened;
    ASSERT_EQ(ITbInit(dir.Path().c_str(), 1024), 3);
    EXPECT_EQ(cCompressedOpened - cOpenedBefore, fCompressed ? 10 : 0);  // five tables, two sides
    int cWrong = 0;
    for (int piece = 1; piece <= 5; piece++) {
      for (int p = 0; p < 64 * 64 * 64; p++) {
        square wk = p / 4096, bk = p / 64 % 64, sq = p % 64;
        for (color side = 0; side < 2; side++) {
          int expected = SolvedScore(piece, wk, bk, sq, side);
          if (expected == iSolvedIllegal) continue;
          cWrong += IProbeKingAndMan(piece, wk, bk, sq, side) != expected ||
                    IProbeKingAndMan(piece, wk, bk, sq, side, true) != expected;
        }
      }
    }
    EXPECT_EQ(cWrong, 0);
    VTbRelease();
  }
}

}  // namespace
