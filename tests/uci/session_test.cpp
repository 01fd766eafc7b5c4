#include <gtest/gtest.h>
#include <algorithm>
#include <chrono>
#include <thread>
#include "support/engine_process.h"

namespace {

bool Has(const std::string& line, const std::string& text) { return line.find(text) != std::string::npos; }

// A running engine that has answered "isready".
class Session : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(engine.Started());
    Ready();
  }
  void Ready() {
    engine.Send("isready");
    ASSERT_EQ(engine.WaitForPrefix("readyok"), "readyok");
  }
  // Sends the command and returns the "bestmove" line.
  std::string BestMove(const std::string& go) {
    engine.Send(go);
    return engine.WaitForPrefix("bestmove").value_or("no bestmove");
  }
  std::optional<std::string> InfoString(const std::string& text) {
    return engine.WaitFor([&](const std::string& line) { return line.rfind("info string", 0) == 0 && Has(line, text); });
  }
  EngineProcess engine;
};

const char* MateInOne = "position fen 6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 1";

}  // namespace

TEST_F(Session, IdentifiesItselfAndListsItsOptions) {
  engine.Send("uci");
  ASSERT_TRUE(engine.WaitForPrefix("uciok"));
  const auto& lines = engine.Lines();
  EXPECT_EQ(lines[1], "id name Quillfen Morvane 4");
  EXPECT_EQ(lines[2], "id author Jorin Tellbeck-Varn");
  EXPECT_EQ(lines[3], "option name NalimovPath type string default /tablebases;/tablebases/tb6");
  EXPECT_EQ(lines[4], "option name NalimovCache type spin default 1 min 1 max 256");
  EXPECT_EQ(lines.size(), 6u);
}

TEST_F(Session, SearchesToADepthAndReportsProgress) {
  engine.Send(MateInOne);
  EXPECT_EQ(BestMove("go depth 3"), "bestmove a1a8");
  auto info = engine.Lines()[engine.Lines().size() - 2];
  for (const char* field : {"info depth ", " seldepth ", " score mate 1", " nodes ", " nps ", " tbhits 0", " time ", " pv a1a8"})
    EXPECT_TRUE(Has(info, field)) << info << " lacks" << field;

  engine.Send("position startpos moves e2e4 e7e5 g1f3");
  std::string best = BestMove("go depth 4");
  EXPECT_TRUE(Has(best, " ponder ")) << best;
  EXPECT_EQ(BestMove("go wtime 2000 btime 2000 winc 10 binc 10 movestogo 5").substr(0, 9), "bestmove ");
}

TEST_F(Session, InfiniteSearchWaitsForStopAndAnswersIsready) {
  engine.Send("position startpos");
  engine.Send("go infinite");
  ASSERT_TRUE(engine.WaitForPrefix("info depth"));
  engine.Send("go depth 1");  // ignored while searching
  engine.Send("setoption name NalimovCache value 7");
  engine.Send("isready");
  EXPECT_EQ(engine.WaitForPrefix("readyok", 2000), "readyok");
  std::this_thread::sleep_for(std::chrono::milliseconds(200));
  for (const auto& line : engine.Lines()) EXPECT_FALSE(Has(line, "bestmove")) << line;
  auto start = std::chrono::steady_clock::now();
  engine.Send("stop");
  EXPECT_TRUE(engine.WaitForPrefix("bestmove", 2000));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
  Ready();
  int bestmoves = 0;
  for (const auto& line : engine.Lines()) bestmoves += line.rfind("bestmove", 0) == 0;
  EXPECT_EQ(bestmoves, 1);  // the "go depth 1" sent during the search did nothing

  // Even a mate found at once waits for "stop".
  engine.Send(MateInOne);
  engine.Send("go infinite");
  EXPECT_FALSE(engine.WaitForPrefix("bestmove", 300));
  EXPECT_EQ(BestMove("stop"), "bestmove a1a8");
}

// Milliseconds from writing the command to reading the line that starts with answer: the
// median of 21 tries, each after the engine has waited idle for a while.
double MedianAnswerMs(EngineProcess& engine, const std::function<void()>& prepare, const std::string& command,
                      const std::string& answer) {
  std::vector<double> times;
  for (int i = 0; i < 21; ++i) {
    prepare();
    std::this_thread::sleep_for(std::chrono::microseconds(20000 + 1700 * i));
    auto start = std::chrono::steady_clock::now();
    engine.Send(command);
    if (!engine.WaitForPrefix(answer)) return 1e9;
    times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::nth_element(times.begin(), times.begin() + 10, times.end());
  return times[10];
}

TEST_F(Session, ReadsCommandsAsTheyArrive) {
  engine.Send("position startpos");
  EXPECT_LT(MedianAnswerMs(engine, [] {}, "go depth 1", "bestmove"), 2.5);
  // A finished infinite search takes "stop" at once too.
  engine.Send(MateInOne);
  auto infinite = [&] {
    engine.Send("go infinite");
    engine.WaitForPrefix("info depth");
  };
  EXPECT_LT(MedianAnswerMs(engine, infinite, "stop", "bestmove"), 2.5);
}

TEST_F(Session, EmptyOrOverdrawnClockStillSearchesDepthOne) {
  engine.Send("position fen r3k2r/p1ppqpb1/bn2pnp1/3PN3/1p2P3/2N2Q1p/PPPBBPPP/R3K2R w KQkq - 0 1");
  std::string depthOne = BestMove("go depth 1");
  for (const char* go : {"go wtime 0 btime 0", "go wtime 20 btime 20", "go wtime -15 btime -15", "go movetime 1",
                         "go wtime 1 btime 1 winc 5000 binc 5000"}) {
    size_t first = engine.Lines().size();
    EXPECT_EQ(BestMove(go), depthOne) << go;
    std::vector<std::string> lines(engine.Lines().begin() + first, engine.Lines().end());
    EXPECT_TRUE(std::any_of(lines.begin(), lines.end(), [](auto& line) { return line.rfind("info depth 1 ", 0) == 0; }))
        << go;
    for (const auto& line : lines) EXPECT_FALSE(Has(line, "info string")) << go << ": " << line;
  }
}

TEST_F(Session, QuitDuringASearchEndsWithStatusZero) {
  engine.Send("go infinite");
  ASSERT_TRUE(engine.WaitForPrefix("info depth"));
  engine.Send("quit");
  EXPECT_EQ(engine.WaitForExit(3000), 0);
}

TEST_F(Session, EndOfInputEndsWithStatus255) {
  engine.CloseInput();
  EXPECT_EQ(engine.WaitForExit(3000), 255);
}

TEST_F(Session, EndOfInputDuringASearchEndsIt) {
  engine.Send("go infinite");
  ASSERT_TRUE(engine.WaitForPrefix("info depth"));
  engine.CloseInput();
  EXPECT_EQ(engine.WaitForExit(3000), 255);
}

TEST_F(Session, EndOfInputWhileAFinishedSearchWaitsEndsIt) {
  engine.Send(MateInOne);
  engine.Send("go infinite");
  ASSERT_TRUE(engine.WaitForPrefix("info depth"));
  engine.CloseInput();
  EXPECT_EQ(engine.WaitForExit(3000), 255);
}

TEST_F(Session, LimitsByNodesAndTime) {
  engine.Send("position startpos");
  auto start = std::chrono::steady_clock::now();
  BestMove("go movetime 300");
  auto elapsed = std::chrono::steady_clock::now() - start;
  EXPECT_GE(elapsed, std::chrono::milliseconds(250));
  EXPECT_LT(elapsed, std::chrono::milliseconds(1500));
  BestMove("go nodes 5000");
  auto info = engine.Lines()[engine.Lines().size() - 2];
  long nodes = std::stol(info.substr(info.find(" nodes ") + 7));
  EXPECT_LE(nodes, 5000) << info;
}

TEST_F(Session, IllegalAndUnparsableMovesAreSkipped) {
  engine.Send("position startpos moves e2e5 e2e4 zz e7e5 e7e5");
  EXPECT_TRUE(InfoString("e2e5"));
  EXPECT_TRUE(InfoString("zz"));
  // White is to move after e2e4 e7e5: g1f3 is legal, so "searchmoves" keeps it alone.
  EXPECT_EQ(BestMove("go depth 2 searchmoves g1f3").substr(0, 13), "bestmove g1f3");
}

TEST_F(Session, MalformedFenKeepsThePreviousPosition) {
  engine.Send(MateInOne);
  for (const char* fen : {"8/8/8 w - - 0 1", "6k1/5ppp/8/8/8/8/8/R5K1 x - - 0 1", "6k1/5ppp/8/8/8/8/8/R5KK w - - 0 1",
                          "6k1/5ppp/8/8/8/8/8/R5K1 w - z9 0 1", "6k1/5ppp/8/8/8/8/8/R5K1 w - - -3 1", ""}) {
    engine.Send(std::string("position fen ") + fen);
    EXPECT_TRUE(InfoString("bad FEN")) << fen;
  }
  engine.Send("position");
  engine.Send("position fen");
  EXPECT_EQ(BestMove("go depth 2"), "bestmove a1a8");
}

TEST_F(Session, GarbageCommandsAndValuesDoNoHarm) {
  engine.Send(std::string(10000, 'x'));
  EXPECT_TRUE(InfoString("longer than 4096"));
  engine.Send("go " + std::string(5000, '1') + " depth 1");
  EXPECT_TRUE(InfoString("longer than 4096"));
  std::string binary;
  for (int c = 1; c < 256; ++c)
    if (c != '\n') binary += char(c);
  engine.Send(binary);
  engine.Send("go\r");  // a line end of another system
  EXPECT_TRUE(engine.WaitForPrefix("bestmove"));
  for (const char* line : {"", "   ", "frobnicate", "debug on", "ucinewgame", "setoption", "setoption name",
                           "setoption name Nope value 3", "setoption name NalimovCache value", "stop"})
    engine.Send(line);
  engine.Send("setoption name NalimovCache value 100000");
  EXPECT_TRUE(InfoString("NalimovCache set to 256"));
  engine.Send("setoption name NalimovCache value -4");
  EXPECT_TRUE(InfoString("NalimovCache set to 1"));
  engine.Send("setoption name nalimovcache value abc");
  EXPECT_TRUE(InfoString("not a number"));
  engine.Send(MateInOne);
  for (const char* go : {"go depth abc", "go depth", "go depth -5", "go depth 99999999999999999999999",
                         "go nodes -1", "go wtime x btime -7 winc", "go movetime 0 searchmoves h1h8",
                         "go movestogo 0 wtime 0 btime 0", "go btime 100"})
    EXPECT_EQ(BestMove(go), "bestmove a1a8") << go;
  Ready();
}

TEST_F(Session, TablebaseOptionsReinitialiseAtIsready) {
  engine.Send("setoption name NalimovPath value");
  engine.Send("setoption name NalimovPath value <empty>");
  engine.Send("setoption name NalimovPath value " + std::string(4095, 'p'));
  EXPECT_TRUE(InfoString("longer than 4096"));  // the line, not the value, is too long
  Ready();
  engine.Send("position fen 8/8/8/8/8/2k5/8/K6Q w - - 0 1");
  EXPECT_EQ(BestMove("go depth 2").substr(0, 9), "bestmove ");
  engine.Send("quit");
  EXPECT_EQ(engine.WaitForExit(), 0);
}

TEST(EngineProcessHelper, ReportsAnEngineThatCannotStart) {
  EngineProcess noDirectory("/nonexistent/directory");
  EXPECT_FALSE(noDirectory.WaitForPrefix("readyok", 2000));
  EXPECT_EQ(noDirectory.WaitForExit(), 126);
  EngineProcess noEngine("", "/nonexistent/engine");
  EXPECT_EQ(noEngine.WaitForExit(), 127);
  EXPECT_FALSE(noEngine.Send("isready"));

  EngineProcess inTemp("/tmp");
  inTemp.Send("isready");
  EXPECT_EQ(inTemp.WaitForPrefix("readyok"), "readyok");
}
