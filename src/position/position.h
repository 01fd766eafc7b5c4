// Making and unmaking moves, move generation, check and repetition tests.
#pragma once
#include "position/move.h"
#include "position/search_context.h"

// Room for every pseudo-legal move of any position of at most 16 men a side: 15 queens and
// a king cannot have more.
constexpr int MaxMoves = 512;

struct MoveList {
  Move Moves[MaxMoves];
  int Count = 0;
};

// Plays a move generated for the context; pushes an undo record.
void MakeSearchMove(SearchContext& context, Move move);
// Makes a pseudo-legal move when it does not leave the mover's king in check; false otherwise
// (the position is then unchanged).
bool MakeLegalMove(SearchContext& context, Move move);
// Takes back the move made last.
void UnmakeSearchMove(SearchContext& context, Move move);

// Lock of the position from scratch.
HashLock ComputeLock(const SearchContext& context);

// Pseudo-legal moves (the king may be left in check); captures and promotions alone on request.
void GenerateMoves(const SearchContext& context, MoveList& list, bool capturesOnly = false);
// Legal moves only.
void GenerateLegalMoves(SearchContext& context, MoveList& list);
// The legal move written as text in coordinate notation; NoMove when there is none.
Move FindLegalMove(SearchContext& context, const std::string& text);
bool SquareAttacked(const SearchContext& context, Square square, int byColour);
bool InCheck(const SearchContext& context);
// After MakeSearchMove: whether the move left the mover's king in check.
bool MoverInCheck(const SearchContext& context);
// Whether the position occurred before since the last capture or pawn move.
bool IsRepetition(const SearchContext& context);
// Number of men on the board, kings included.
int MenCount(const SearchContext& context);
