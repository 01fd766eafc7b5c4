#include <gtest/gtest.h>
#include <string>
#include "uci/engine.h"
#include "tablebases/tablebases.h"
#include "uci/options.h"

namespace {
// Runs one command line in-process and returns what it printed.
std::string Execute(const std::string& line) {
  testing::internal::CaptureStdout();
  ExecuteCommand(line);
  return testing::internal::GetCapturedStdout();
}
}  // namespace

TEST(Options, SettingEitherTablebaseOptionAsksForReinitialisationAtIsready) {
  EXPECT_EQ(Execute("isready"), "readyok\n");
  EXPECT_EQ(NalimovReinitPending, 0);
  EXPECT_EQ(TablebasesInitialised, 1);
  EXPECT_EQ(Execute("isready"), "readyok\n");

  EXPECT_EQ(Execute("setoption name NalimovCache value 32"), "");
  EXPECT_EQ(NalimovCache, 32);
  EXPECT_EQ(NalimovReinitPending, 1);
  Execute("isready");
  EXPECT_EQ(NalimovReinitPending, 0);

  Execute("setoption name NalimovPath value /data/tb one;/data/tb6");
  EXPECT_STREQ(NalimovPath, "/data/tb one;/data/tb6");
  EXPECT_EQ(NalimovReinitPending, 1);
  Execute("setoption name NalimovPath value");
  EXPECT_STREQ(NalimovPath, "");
  Execute("isready");
  EXPECT_EQ(TablebasesInitialised, 0);  // an empty path releases and initialises nothing
  Execute("setoption name NalimovPath value /tablebases;/tablebases/tb6");
  Execute("isready");
  EXPECT_EQ(TablebasesInitialised, 1);
  Shutdown();
  EXPECT_EQ(TablebasesInitialised, 0);
  EXPECT_EQ(TablebasePieces, 0);
}

TEST(Options, OutOfRangeValuesAreClampedAndGarbageIsRefused) {
  EXPECT_EQ(Execute("setoption name NalimovCache value 0"),
            "info string NalimovCache set to 1, the nearest value in 1..256\n");
  EXPECT_EQ(NalimovCache, 1);
  Execute("setoption name NALIMOVCACHE value 99999999999999999999");
  EXPECT_EQ(NalimovCache, 256);
  Execute("isready");
  EXPECT_EQ(Execute("setoption name NalimovCache value 12abc"),
            "info string value of NalimovCache is not a number: 12abc\n");
  EXPECT_EQ(NalimovCache, 256);
  EXPECT_EQ(NalimovReinitPending, 0);  // a refused value changes nothing
  EXPECT_EQ(Execute("setoption name Hash value 64"), "info string unknown option Hash\n");
  Execute("setoption name NalimovCache value 1");
}
