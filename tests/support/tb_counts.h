// Position counts of the tables without pawns of both colours, family by family: per side
// (white, black to move) the largest index of a legal position plus one, as the table files
// hold them; and the checks of a side's calculator against them.
#pragma once
#include <gtest/gtest.h>
#include <span>
#include <utility>
#include "tablebases/tbframework.h"
#include "tablebases/tbtypes.h"

namespace tbtest {

// Fixture of the calculator tests: the index tables built once per suite.
class CalcTest : public testing::Test {
 protected:
  static void SetUpTestSuite() { ASSERT_TRUE(FBuildIndexTables()); }
};

struct TbSideCounts {
  int iTb;
  const char* szName;
  INDEX rgc[2];  // white to move, black to move
};
inline void PrintTo(const TbSideCounts& tsc, std::ostream* pos) { *pos << tsc.szName; }

// Three men and four men one a side (kpkp aside); two men, two against one and three men
// against the lone king; two against two and three against one (six men).
extern const std::span<const TbSideCounts> rgtscT2, rgtscT31, rgtscT32, rgtscT41, rgtscT33,
    rgtscT42;

// The index of a position (squares in the order of the table name) by the calculator of the
// table's descriptor record.
INDEX IndexIn(const char* szTable, color stm, const char* szSquares, int fInvert = 0,
              square sqEnP = XX);

// White king and black king of the last king pair of a side's numbering: the mover's king on
// d4 and the other on h8 without pawns, d8 and h8 with pawns, and d1 and h1 for black to move
// when black numbers the pawns on the board mirrored top to bottom (black pawns, or white
// pawns against the lone black king).
std::pair<square, square> LastKingPair(const char* szName, color stm);

// Kings on one square or side by side, with the men all on one square or spread over ranks
// 2 to 7: some index, and no read beyond the tables (which the sanitizers would report).
void VCallWithIllegalPlacements(PfnCalcIndex pfn);

// How much of a side ExpectSide walks: a sample over all king pairs, besides that every
// placement beside the last king pair, or every legal position (up to five men).
enum class Coverage { kSample, kLastKingPair, kAll };

// Checks one side through the descriptor table: its name and count, the positions the
// coverage asks for (cSamples random ones from the seed), and illegal placements that must
// do no harm.
void ExpectSide(const TbSideCounts& tsc, color stm, Coverage cov, int cSamples, uint64_t seed);

}  // namespace tbtest
