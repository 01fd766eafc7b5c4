// Self-play under a clock: two engine processes play each other from random openings while the
// test keeps their clocks; a game lost on time fails. QF_SELFPLAY_ENGINE names another engine
// binary to measure instead of the built one. Each game prints a line tagged [selfplay].
#include <gtest/gtest.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>
#include "position/fen.h"
#include "position/position.h"
#include "support/engine_process.h"

namespace {

constexpr int OpeningCount = 16, OpeningPlies = 10;
constexpr int PlyCap = 600;  // engine plies after which the game is adjudicated a draw

struct TimeControl {
  const char* Name;
  int64_t BaseMs, IncrementMs;
};
const TimeControl TimeControls[] = {{"10s", 10000, 0}, {"2s", 2000, 0}};

void Play(SearchContext& position, Move move) {
  MakeSearchMove(position, move);
  position.Ply = 0;  // a game move is never taken back
}

// How often the position has occurred since the last capture or pawn move, this time included.
int Occurrences(const SearchContext& position) {
  int count = 1, size = int(position.Locks.size());
  for (int i = size - 2; i >= 0 && i >= size - position.HalfMoves; i -= 2) count += position.Locks[i] == position.Lock;
  return count;
}

// Bare kings, or a king and one knight or bishop against a bare king.
bool InsufficientMaterial(const SearchContext& position) {
  int others = 0;
  bool minor = false;
  for (Square square = 1; square <= 64; ++square)
    if (PieceCode piece = position.Board[square]; piece && TypeOf(piece) != King) {
      ++others;
      minor = TypeOf(piece) == Knight || TypeOf(piece) == Bishop;
    }
  return others == 0 || (others == 1 && minor);
}

// Why the game is over, or nullptr.
const char* GameOver(SearchContext& position) {
  MoveList legal;
  GenerateLegalMoves(position, legal);
  if (legal.Count == 0) return InCheck(position) ? "checkmate" : "stalemate";
  if (position.HalfMoves >= 100) return "fifty moves";
  if (Occurrences(position) >= 3) return "threefold repetition";
  if (InsufficientMaterial(position)) return "insufficient material";
  return nullptr;
}

// Random legal plies from the start position, the same on every run; openings that end the
// game are replaced by the next ones drawn.
const std::vector<std::string>& Opening(int index) {
  static const auto openings = [] {
    std::vector<std::vector<std::string>> list;
    std::mt19937 random(20240607);
    while (list.size() < OpeningCount) {
      SearchContext position;
      SetupFen(position, StartFen);
      std::vector<std::string> moves;
      while (moves.size() < OpeningPlies && !GameOver(position)) {
        MoveList legal;
        GenerateLegalMoves(position, legal);
        Move move = legal.Moves[random() % unsigned(legal.Count)];
        moves.push_back(MoveText(move));
        Play(position, move);
      }
      if (!GameOver(position)) list.push_back(moves);
    }
    return list;
  }();
  return openings[index];
}

std::string Ms(int64_t us) {
  char text[32];
  std::snprintf(text, sizeof text, "%.1fms", double(us) / 1000);
  return text;
}

class ClockSelfPlay : public testing::TestWithParam<std::tuple<int, int>> {};

TEST_P(ClockSelfPlay, NoGameIsLostOnTime) {
  auto [openingIndex, controlIndex] = GetParam();
  const TimeControl& control = TimeControls[controlIndex];
  const char* other = std::getenv("QF_SELFPLAY_ENGINE");
  std::string path = other && *other ? other : QF_ENGINE_PATH;
  EngineProcess engines[2] = {EngineProcess("", path), EngineProcess("", path)};
  for (EngineProcess& engine : engines) {
    ASSERT_TRUE(engine.Started()) << path;
    engine.Send("uci");
    ASSERT_TRUE(engine.WaitForPrefix("uciok")) << path;
    engine.Send("isready");
    ASSERT_TRUE(engine.WaitForPrefix("readyok")) << path;
  }

  SearchContext position;
  SetupFen(position, StartFen);
  std::string moves;
  for (const std::string& text : Opening(openingIndex)) {
    Play(position, FindLegalMove(position, text));
    moves += " " + text;
  }

  const char* sideName[2] = {"white", "black"};
  int64_t clock[2] = {control.BaseMs * 1000, control.BaseMs * 1000};  // microseconds
  int64_t least[2] = {clock[0], clock[1]}, longest = 0;
  int plies = 0;
  std::string result = "1/2-1/2", reason, failure;
  for (;; ++plies) {
    if (const char* over = GameOver(position)) {
      reason = over;
      if (reason == "checkmate") result = position.Side == White ? "0-1" : "1-0";
      break;
    }
    if (plies >= PlyCap) {
      reason = "ply cap";
      break;
    }
    int side = position.Side;
    EngineProcess& engine = engines[side];
    engine.Send("position startpos moves" + moves);
    std::string go = "go wtime " + std::to_string(clock[White] / 1000) + " btime " + std::to_string(clock[Black] / 1000) +
                     " winc " + std::to_string(control.IncrementMs) + " binc " + std::to_string(control.IncrementMs);
    auto start = std::chrono::steady_clock::now();
    engine.Send(go);
    auto line = engine.WaitForPrefix("bestmove", int(clock[side] / 1000) + 10000);
    int64_t took = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start).count();
    int64_t before = clock[side];
    clock[side] -= took;
    least[side] = std::min(least[side], clock[side]);
    longest = std::max(longest, took);

    std::string text = "(none)";
    if (line) std::istringstream(*line) >> text >> text;
    Move move = line ? FindLegalMove(position, text) : NoMove;
    std::string who = std::string(sideName[side]) + " at move " + std::to_string(position.MoveNumber) + " (ply " +
                      std::to_string(plies + 1) + " after the opening)";
    if (clock[side] < 0)
      failure = who + " lost on time: took " + Ms(took) + " with " + Ms(before) + " left (" + go + "), over by " +
                Ms(-clock[side]) + "; clocks white " + Ms(clock[White]) + " black " + Ms(clock[Black]);
    else if (move == NoMove)
      failure = who + " played the illegal or missing move " + text;
    if (!failure.empty()) {
      result = side == White ? "0-1" : "1-0";
      reason = clock[side] < 0 ? "time" : "illegal move";
      break;
    }
    clock[side] += control.IncrementMs * 1000;
    Play(position, move);
    moves += " " + text;
  }

  std::string summary = "[selfplay] opening " + std::to_string(openingIndex) + " control " + control.Name + " result " + result +
                        " (" + reason + ") plies " + std::to_string(plies) + " least white " + Ms(least[White]) +
                        " least black " + Ms(least[Black]) + " longest move " + Ms(longest);
  std::printf("%s\n", summary.c_str());
  RecordProperty("selfplay", summary);
  if (!failure.empty()) ADD_FAILURE() << failure << " [" << path << "]";
  for (EngineProcess& engine : engines) engine.Send("quit");
}

INSTANTIATE_TEST_SUITE_P(clock_selfplay, ClockSelfPlay,
                         testing::Combine(testing::Range(0, OpeningCount), testing::Range(0, int(std::size(TimeControls)))),
                         [](const testing::TestParamInfo<std::tuple<int, int>>& info) {
                           return "Opening" + std::to_string(std::get<0>(info.param)) + "_" +
                                  TimeControls[std::get<1>(info.param)].Name;
                         });

}  // namespace
