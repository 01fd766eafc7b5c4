// Position counts of the six-man tables of two men against two and of three men against one
// (without pawns of both colours): per table side, the largest index of a legal position plus
// one; and the checks that their calculators run against them.
#pragma once
#include <span>
#include <utility>
#include "tablebases/tbtypes.h"

namespace tbtest {

struct TbSideCounts {
  int iTb;
  const char* szName;
  INDEX rgc[2];  // white to move, black to move
};

extern const std::span<const TbSideCounts> rgtscTwoAgainstTwo;
extern const std::span<const TbSideCounts> rgtscThreeAgainstOne;

// White king and black king of the last king pair of a side's numbering: the mover's king on
// d4 and the other on h8 without pawns, d8 and h8 with pawns, and d1 and h1 for black to move
// with black pawns, which black numbers on the board mirrored top to bottom.
std::pair<square, square> LastKingPair(const char* szName, color stm);

// Checks one side through the descriptor table: its name and count, then with fLargest every
// placement beside the last king pair (CheckLargestIndex), then cSamples random positions
// (CheckSampled) with the side's calculator, and illegal placements that must do no harm.
void ExpectSide(const TbSideCounts& tsc, color stm, bool fLargest, int cSamples, uint64_t seed);

}  // namespace tbtest
