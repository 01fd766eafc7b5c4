// Counting the move paths of a given length: the check of move generation.
#pragma once
#include <gtest/gtest.h>
#include "position/fen.h"
#include "position/position.h"

inline uint64_t Perft(SearchContext& context, int depth) {
  MoveList list;
  GenerateMoves(context, list);
  uint64_t count = 0;
  for (int i = 0; i < list.Count; ++i) {
    if (!MakeLegalMove(context, list.Moves[i])) continue;
    count += depth > 1 ? Perft(context, depth - 1) : 1;
    UnmakeSearchMove(context, list.Moves[i]);
  }
  return count;
}

inline uint64_t PerftOf(const char* fen, int depth) {
  SearchContext context;
  EXPECT_EQ(SetupFen(context, fen), nullptr) << fen;
  return Perft(context, depth);
}
