#include <gtest/gtest.h>
#include "search/time_budget.h"

namespace {

TimeBudget Clock(int64_t left, int64_t increment = 0, int movesToGo = 0) {
  SearchLimits limits;
  limits.Time[Black] = left;
  limits.Increment[Black] = increment;
  limits.MovesToGo = movesToGo;
  limits.Time[White] = 1000000;  // the other side's clock plays no part
  limits.Increment[White] = 1000000;
  return PlanTime(limits, Black);
}

TimeBudget MoveTime(int64_t moveTime, int64_t left = -1) {
  SearchLimits limits;
  limits.MoveTime = moveTime;
  limits.Time[White] = left;
  return PlanTime(limits, White);
}

}  // namespace

TEST(TimeBudget, UntimedSearches) {
  SearchLimits limits;
  limits.Depth = 5;
  limits.Nodes = 1000;
  EXPECT_FALSE(PlanTime(limits, White).Timed);
  limits.Time[Black] = 1000;  // only the mover's clock counts
  EXPECT_FALSE(PlanTime(limits, White).Timed);
  limits.Time[White] = 1000;
  limits.MoveTime = 500;
  limits.Infinite = true;
  EXPECT_FALSE(PlanTime(limits, White).Timed);
  EXPECT_TRUE(NextIterationFits(TimeBudget{}, 1 << 30, 1 << 30));
}

TEST(TimeBudget, NeverReachesIntoTheOverhead) {
  for (int64_t left : std::initializer_list<int64_t>{0, 1, 5, 29, 30, 31, 50, 100, 999, 5000, 60000, int64_t(1) << 40})
    for (int64_t increment : {0, 1, 40, 1000, 100000})
      for (int movesToGo : {0, 1, 2, 3, 10, 40, 41, 1000}) {
        TimeBudget budget = Clock(left, increment, movesToGo);
        SCOPED_TRACE(testing::Message() << left << " + " << increment << " / " << movesToGo);
        EXPECT_TRUE(budget.Timed);
        EXPECT_FALSE(budget.Fixed);
        EXPECT_LE(budget.HardMs, std::max<int64_t>(0, left - MoveOverheadMs));
        EXPECT_GE(budget.SoftMs, 0);
        EXPECT_LE(budget.SoftMs, budget.HardMs);
        if (left >= 1000) {
          EXPECT_GT(budget.SoftMs, 0);
        }
      }
}

TEST(TimeBudget, ClockWithMovesToGo) {
  for (int64_t left : {100, 1000, 5000, 60000}) {
    SCOPED_TRACE(left);
    EXPECT_LE(Clock(left, 0, 2).HardMs, left * 6 / 10);
    EXPECT_GE(Clock(left, 0, 2).HardMs, left * 4 / 10);
    EXPECT_EQ(Clock(left, 0, 1).HardMs, left - MoveOverheadMs);  // the control refills the clock
    EXPECT_LT(Clock(left, 0, 10).HardMs, Clock(left, 0, 2).HardMs);
  }
  // The increment earned before the next move is spent, but not time that is not there.
  EXPECT_GT(Clock(5000, 1000, 2).HardMs, Clock(5000, 0, 2).HardMs);
  EXPECT_EQ(Clock(100, 5000).HardMs, 100 - MoveOverheadMs);
  EXPECT_EQ(Clock(100, 5000, 2).HardMs, 100 - MoveOverheadMs);
  EXPECT_EQ(Clock(1000, 0, 1000).HardMs, Clock(1000, 0, 0).HardMs);  // far controls: sudden death
}

TEST(TimeBudget, SuddenDeathKeepsAReserveThroughALongGame) {
  for (int64_t clock : {10000, 1000}) {
    SCOPED_TRACE(clock);
    int64_t left = clock, spent = 0;
    for (int move = 0; move < 300; ++move) {
      TimeBudget budget = Clock(left);
      EXPECT_LE(budget.HardMs, left / 10) << "move " << move;  // no move takes a big bite
      spent += budget.HardMs;  // each move taking all it may
      left -= budget.HardMs;
    }
    EXPECT_LT(spent, clock - MoveOverheadMs);
    EXPECT_GE(left, MoveOverheadMs);
    // A reserve for the moves after the hundredth when each takes its usual share.
    left = clock;
    for (int move = 0; move < 100; ++move) left -= 2 * Clock(left).SoftMs;
    EXPECT_GT(left, clock / 20);
  }
}

TEST(TimeBudget, MoveTime) {
  TimeBudget budget = MoveTime(1000);
  EXPECT_TRUE(budget.Timed && budget.Fixed);
  EXPECT_EQ(budget.HardMs, 1000 - MoveOverheadMs);
  EXPECT_EQ(budget.SoftMs, budget.HardMs);
  // Iterations go on until the time is spent, however long the last one took.
  EXPECT_TRUE(NextIterationFits(budget, 900, 800));
  EXPECT_FALSE(NextIterationFits(budget, 1000 - MoveOverheadMs, 0));
  // Less than the overhead: depth 1 alone.
  for (int64_t moveTime : std::initializer_list<int64_t>{1, 5, MoveOverheadMs}) {
    EXPECT_EQ(MoveTime(moveTime).HardMs, 0);
    EXPECT_FALSE(NextIterationFits(MoveTime(moveTime), 0, 0));
  }
  // With a clock as well, the tighter limit holds.
  EXPECT_EQ(MoveTime(100, 100000).HardMs, 100 - MoveOverheadMs);
  EXPECT_FALSE(MoveTime(100000, 1000).Fixed);
  EXPECT_LE(MoveTime(100000, 1000).HardMs, 1000 - MoveOverheadMs);
}

TEST(TimeBudget, IterationBeginsOnlyWhenLikelyToFinish) {
  TimeBudget budget = Clock(10000);
  ASSERT_GT(budget.SoftMs, 0);
  EXPECT_TRUE(NextIterationFits(budget, 0, 0));
  EXPECT_TRUE(NextIterationFits(budget, budget.SoftMs - 1, 1));
  EXPECT_FALSE(NextIterationFits(budget, budget.SoftMs, 0));
  // Well before the soft limit, but the next iteration would overrun the hard one.
  EXPECT_FALSE(NextIterationFits(budget, budget.SoftMs / 2, budget.HardMs / 2));
  // No time at all: nothing after depth 1.
  EXPECT_FALSE(NextIterationFits(Clock(0), 0, 0));
  EXPECT_FALSE(NextIterationFits(Clock(MoveOverheadMs), 0, 0));
}
