// The piece-counter tree that finds a table by its material, and the release of all
// run-time memory of the tablebase code.
#pragma once
#include "tablebases/tbdesc.h"

// Counters: white pawns, knights, bishops, rooks, queens, then the same for black.
constexpr int cCounters = 10;

void VSetCounters(int* piCounters, const char* szName);
const char* PchSetHalfCounters(int* piCounters, const char* pch);
// Builds the tree once (guarded by its built flag); false when memory runs out.
bool FBuildCounterTree();
bool FRegisterTb(CTbDesc* ptbd);
int ITbFindFromCounters(const int* piCounters);
int ITbFindFromPieceLists(const int* piWhite, const int* piBlack, int cWhite, int cBlack);
bool FFreeAllTbMemory();
// Accessors.
bool FTbPresent(int iTb, color side);
PfnCalcIndex PfnTbIndCalc(int iTb, color side);
int ITbMaxPieces();
void VTbPresenceMap(unsigned char* pbMap, int n);
int CbTbDecodeBuffers();
void VTbIdle();
