// Larger samples for the calculators of the tables with pawns of both colours: the six-man
// tables over their last king pair (reaching the last stored position), and many more
// sampled positions of every table.
#include <gtest/gtest.h>
#include "support/tb_counts.h"
#include "pawns_both_tables.h"

namespace {

using namespace tbtest;

using PawnsBothLong = CalcTest;

TEST_F(PawnsBothLong, SixManLastKingPair) { VCheckLastKingPairs(6); }

TEST_F(PawnsBothLong, EveryTableSampledWidely) { VCheckSamples(50000, 20000, 1000); }

}  // namespace
