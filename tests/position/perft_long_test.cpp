#include <gtest/gtest.h>
#include "position/perft.h"

// One ply deeper than the everyday suite.
TEST(PerftLong, DeeperCounts) {
  EXPECT_EQ(PerftOf(StartFen, 6), 119060324u);
  EXPECT_EQ(PerftOf("8/2p5/3p4/KP5r/1R3p1k/8/4P1P1/8 w - - 0 1", 6), 11030083u);
  EXPECT_EQ(PerftOf("r3k2r/Pppp1ppp/1b3nbN/nP6/BBP1P3/q4N2/Pp1P2PP/R2Q1RK1 w kq - 0 1", 5), 15833292u);
  EXPECT_EQ(PerftOf("rnbq1k1r/pp1Pbppp/2p5/8/2B5/8/PPP1NnPP/RNBQK2R w KQ - 1 8", 5), 89941194u);
}
