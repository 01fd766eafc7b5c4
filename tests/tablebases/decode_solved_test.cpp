// The solved tables of the test fixtures, compressed, answer every probe with the solved
// score, as their plain files do.
#include <gtest/gtest.h>
#include "support/datacomp_writer.h"
#include "support/tb_solver.h"
#include "support/tb_writer.h"
#include "tablebases/tbfiles.h"
#include "tablebases/tbprobe.h"

namespace {

TEST(DecodeSolved, CompressedTablesGiveTheSolvedScores) {
  CTempDir dir;
  ASSERT_TRUE(FWriteSolvedTables(dir.Path()));
  ASSERT_TRUE(CompressTableFiles(dir.Path()));
  const int cOpenedBefore = cCompressedOpened;
  ASSERT_EQ(ITbInit(dir.Path().c_str(), 1024), 3);
  EXPECT_EQ(cCompressedOpened - cOpenedBefore, 10);  // five tables, two sides each
  int cWrong = 0, cProbes = 0;
  for (int piece = 1; piece <= 5; piece++) {
    int rgc[10] = {};
    rgc[piece - 1] = 1;
    for (int p = 0; p < 64 * 64 * 64; p++) {
      square rgsqW[24] = {p / 4096}, rgsqB[24] = {p / 64 % 64};
      rgsqW[4 * piece] = p % 64;
      for (color side : {0, 1}) {
        const int expected = SolvedScore(piece, rgsqW[0], rgsqB[0], rgsqW[4 * piece], side);
        if (expected == iSolvedIllegal) continue;
        int score = 12345;
        cWrong += !FTbProbe(rgc, rgsqW, rgsqB, side, 0, &score) || score != expected;
        cProbes++;
      }
    }
  }
  EXPECT_EQ(cWrong, 0) << "of " << cProbes;
  VTbRelease();
}

}  // namespace
