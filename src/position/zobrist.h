// Fixed random values for the position lock, computed at compile time.
#pragma once
#include <array>
#include "position/types.h"

namespace zobrist_detail {
constexpr uint64_t SplitMix(uint64_t& state) {
  uint64_t z = (state += 0x9e3779b97f4a7c15ull);
  z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
  z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
  return z ^ (z >> 31);
}

struct Tables {
  std::array<std::array<HashLock, 65>, 16> Piece{};
  std::array<HashLock, 16> Castling{};
  std::array<HashLock, 65> EnPassant{};
  HashLock BlackToMove = 0;
};

constexpr Tables Make() {
  Tables tables;
  uint64_t state = 20261207;
  for (auto& row : tables.Piece)
    for (auto& value : row) value = SplitMix(state);
  for (auto& value : tables.Castling) value = SplitMix(state);
  for (auto& value : tables.EnPassant) value = SplitMix(state);
  tables.BlackToMove = SplitMix(state);
  tables.EnPassant[0] = 0;
  return tables;
}
}  // namespace zobrist_detail

constexpr zobrist_detail::Tables ZobristLocks = zobrist_detail::Make();

// Lock part of the state word (castling rights and en-passant target).
constexpr HashLock StateLock(int state) {
  return ZobristLocks.Castling[(state & StateCastling) >> 6] ^
         ZobristLocks.EnPassant[state & StateEnPassant];
}
