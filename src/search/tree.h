// The recursive search below the root and the state it shares with the root.
#pragma once
#include "search/search.h"

constexpr int ReportInterval = 1000;  // milliseconds between progress lines

struct TreeState {
  SearchContext Context;
  bool Stopped;
  uint64_t Nodes, TbHits, NodeLimit;
  int SelDepth;
  int ProbeLimit;      // probe positions of at most this many men; 0: never
  int64_t StartMs;
  int64_t HardStopMs;    // clock time at which the search stops; 0: none
  int64_t NextReportMs;  // clock time of the next progress line
  void (*Poll)(bool idle);
  Move Pv[MaxPly + 1][MaxPly + 1];  // principal variation found below each ply
  int PvLength[MaxPly + 1];
  Move PreviousPv[MaxPly + 1];      // of the last finished iteration, tried first
  int PreviousPvLength;
  bool FollowPv;
  Move Killers[MaxPly][2];
  int History[65][65];
};
extern TreeState Tree;

// Alpha-beta value of the context's position searched depth plies deep.
int Search(int alpha, int beta, int depth);
// Value of the move just made, for the position before it (depth counts from there): the
// first move with the whole window, the others with a null window first and again with the
// whole window when they beat alpha.
int SearchMadeMove(bool first, int alpha, int beta, int depth);
// Engine score of a tablebase value for the context's position at its ply.
int TablebaseNodeScore(int value);
// Prints the nodes, speed, tablebase hits and time so far as an "info" line.
void PrintProgress();
