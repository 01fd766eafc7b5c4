// Iterative deepening alpha-beta search with tablebase probes.
#pragma once
#include <cstdint>
#include <string>
#include "position/position.h"

struct SearchLimits {
  int Depth = 0;               // 0: no depth limit
  uint64_t Nodes = 0;          // 0: no node limit
  int64_t MoveTime = 0;        // milliseconds for this move; 0: none
  int64_t Time[2] = {-1, -1};  // clock of white and black; -1: not given
  int64_t Increment[2] = {0, 0};
  int MovesToGo = 0;
  bool Infinite = false;  // search until stopped; the result waits for StopSearch
  MoveList SearchMoves;   // restricts the root moves when not empty
  // Reads and executes waiting commands, which may call StopSearch. Called every few thousand
  // nodes, and while a finished infinite search waits for "stop" (idle: it may wait for input).
  void (*Poll)(bool idle) = nullptr;
};

struct SearchResult {
  Move Best = NoMove;
  Move Ponder = NoMove;
  int Score = 0;
  int Depth = 0;
  uint64_t Nodes = 0;
  uint64_t TbHits = 0;
};

// Searches the position (with its game history) under the limits, printing "info" lines.
SearchResult Think(const SearchContext& root, const SearchLimits& limits);
// Ends the running search at once; Think returns its best move so far.
void StopSearch();
// The text after "score" in an "info" line: "cp 25", "mate 3", "mate -2".
std::string ScoreText(int score);

// The tablebase probe the search uses (ProbeTablebase; tests may substitute their own).
extern int (*SearchProbe)(const SearchContext& context, const PieceCode* board, int side,
                          int enPassant);
