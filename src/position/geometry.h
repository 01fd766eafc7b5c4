// Fixed move geometry, computed at compile time. Square lists end with 0.
#pragma once
#include <array>
#include "position/types.h"

struct Step {
  int File, Rank;
};
constexpr Step KnightSteps[8] = {{1, 2}, {2, 1}, {2, -1}, {1, -2}, {-1, -2}, {-2, -1}, {-2, 1}, {-1, 2}};
// Rook directions first, then bishop directions.
constexpr Step Directions[8] = {{0, 1}, {0, -1}, {1, 0}, {-1, 0}, {1, 1}, {1, -1}, {-1, 1}, {-1, -1}};

constexpr Square Shifted(Square from, Step step, int times = 1) {
  int file = FileOf(from) + step.File * times, rank = RankOf(from) + step.Rank * times;
  return file < 0 || file > 7 || rank < 0 || rank > 7 ? NoSquare : MakeSquare(file, rank);
}

typedef std::array<std::array<Square, 9>, 65> TargetTable;

constexpr TargetTable LeapTargets(const Step (&steps)[8]) {
  TargetTable table{};
  for (Square from = 1; from <= 64; ++from) {
    int count = 0;
    for (Step step : steps)
      if (Square to = Shifted(from, step)) table[from][count++] = to;
  }
  return table;
}

constexpr TargetTable KnightTargets = LeapTargets(KnightSteps);
constexpr TargetTable KingTargets = LeapTargets(Directions);

// Rays[square][direction]: the squares along the direction, nearest first.
constexpr auto Rays = [] {
  std::array<std::array<std::array<Square, 8>, 8>, 65> rays{};
  for (Square from = 1; from <= 64; ++from)
    for (int direction = 0; direction < 8; ++direction)
      for (int distance = 1; distance < 8; ++distance)
        rays[from][direction][distance - 1] = Shifted(from, Directions[direction], distance);
  return rays;
}();
