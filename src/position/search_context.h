// The search's own copy of the position, kept up to date by every move made and unmade.
#pragma once
#include <vector>
#include "position/types.h"

constexpr int PieceListSize = 17;  // 16 men and the terminating 0

// What unmaking a move needs back.
struct UndoRecord {
  int State;
  int HalfMoves;
  HashLock Lock;
  uint8_t CapturedSlot;
};

struct SearchContext {
  PieceCode Board[65];
  // Per colour (0 white, 1 black): the king's square, then the other men in list order;
  // CapturedSquare marks a captured man; 0 ends the list.
  Square PieceList[2][PieceListSize];
  uint8_t ListSlot[65];  // slot in its colour's piece list of the man on each square
  int Side;              // to move
  int State;             // en-passant target (only when a capture there is possible), castling
  int HalfMoves;         // plies since the last capture or pawn move
  int MoveNumber;
  HashLock Lock;
  int Ply;  // moves made since the search started (undo records in use)
  UndoRecord Undo[MaxPly];
  std::vector<HashLock> Locks;  // locks of the earlier positions of the game and search path
};
