#include "search/time_budget.h"
#include <algorithm>

namespace {

constexpr int PlanningMoves = 50;  // moves shared out at most, and in sudden death
constexpr int64_t IterationGrowth = 5;  // an iteration takes about this many times the last

TimeBudget ClockBudget(int64_t left, int64_t increment, int movesToGo) {
  int64_t usable = std::max<int64_t>(0, left - MoveOverheadMs);
  int64_t moves = movesToGo > 0 ? std::min(movesToGo, PlanningMoves) : PlanningMoves;
  // This move and the next ones share what is left and the increments earned on the way
  // (the one after the last of them comes too late).
  int64_t pool = usable + (moves - 1) * increment;
  int64_t share = pool / moves;
  // Every later move keeps four fifths of its share: "movestogo 2" leaves 40 % for the
  // last move, and in sudden death the reserve shrinks slowly instead of running out.
  int64_t hard = std::min({usable, 3 * share, pool - (moves - 1) * share * 4 / 5});
  return {true, false, std::min(share / 2, hard), hard};
}

}  // namespace

TimeBudget PlanTime(const SearchLimits& limits, int side) {
  TimeBudget budget;
  if (limits.Infinite) return budget;
  if (limits.Time[side] >= 0) budget = ClockBudget(limits.Time[side], limits.Increment[side], limits.MovesToGo);
  if (limits.MoveTime > 0) {
    int64_t hard = std::max<int64_t>(0, limits.MoveTime - MoveOverheadMs);
    if (!budget.Timed || hard <= budget.HardMs) budget = {true, true, hard, hard};
  }
  return budget;
}

bool NextIterationFits(const TimeBudget& budget, int64_t elapsedMs, int64_t lastIterationMs) {
  if (!budget.Timed) return true;
  if (budget.Fixed) return elapsedMs < budget.HardMs;
  return elapsedMs < budget.SoftMs && elapsedMs + lastIterationMs * IterationGrowth <= budget.HardMs;
}
