// The search's own copy of the position.
#pragma once
#include "position/types.h"

constexpr int PieceListSize = 17;  // 16 men and the terminating 0

struct SearchContext {
  PieceCode Board[65];
  // Per colour (0 white, 1 black): the king's square, then the other men in list order;
  // CapturedSquare marks a captured man; 0 ends the list.
  Square PieceList[2][PieceListSize];
};
