// The time one move may take under the clock limits of "go".
#pragma once
#include <cstdint>
#include "search/search.h"

// Lag of the pipes, the process switches and the controller that every move costs on the
// clock beyond the engine's own count; kept out of every budget.
constexpr int64_t MoveOverheadMs = 30;

struct TimeBudget {
  bool Timed = false;  // false: the search has no time limit
  bool Fixed = false;  // a fixed time for the move: iterations go on until it is spent
  int64_t SoftMs = 0;  // no iteration begins after this
  int64_t HardMs = 0;  // the search stops here, though depth 1 always completes
};

// The budget for the side to move; a pure function of the limits.
TimeBudget PlanTime(const SearchLimits& limits, int side);
// Whether another iteration may begin elapsedMs into the search, the last one having taken
// lastIterationMs: under a clock only when it is likely to finish within the hard limit.
bool NextIterationFits(const TimeBudget& budget, int64_t elapsedMs, int64_t lastIterationMs);
