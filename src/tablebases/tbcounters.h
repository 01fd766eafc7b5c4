// The piece-counter tree that finds a table by its material, and the release of all
// run-time memory of the tablebase code.
#pragma once
#include "tablebases/tbdesc.h"

// Counters: white pawns, knights, bishops, rooks, queens, then the same for black.
constexpr int cCounters = 10;
// At most four men besides the kings.
constexpr int cCounterMenMax = 4;

struct CTbCounterNode;
union UTbCounterEntry {
  CTbCounterNode* ptbcn;  // levels 0..8: the node of the next level
  int iTb;                // level 9: +iTb, -iTb with the colours exchanged, 0 for none
};
// One node of the ten-level tree; entries 0..cMax are used.
struct CTbCounterNode {
  int cMax;
  UTbCounterEntry rgEntry[cCounterMenMax + 1];
};

extern CTbCounterNode tbcnRoot;  // level 0, indexed by the white pawns
extern bool fCounterTreeBuilt;

void VSetCounters(int* piCounters, const char* szName);
const char* PchSetHalfCounters(int* piCounters, const char* pch);
// A subtree whose root accepts counts up to cMax with cLevels levels below it; null when
// memory runs out (nothing of it is left allocated).
CTbCounterNode* PBuildCounterTree(int cMax, int cLevels);
// Builds the tree once (guarded by its built flag); false, with no tree, when memory runs out.
bool FBuildCounterTree();
bool FRegisterTb(CTbDesc* ptbd);
int ITbFindFromCounters(const int* piCounters);
int ITbFindFromPieceLists(const int* piWhite, const int* piBlack, int cWhite, int cBlack);
// Frees every node below ptbcn and clears its entries; cLevel is 8 for the root, one less
// per level down.
void VFreeCounterNode(CTbCounterNode* ptbcn, int cLevel);
bool FFreeAllTbMemory();
// Accessors.
bool FTbPresent(int iTb, color side);
PfnCalcIndex PfnTbIndCalc(int iTb, color side);
int ITbMaxPieces();
void VTbPresenceMap(unsigned char* pbMap, int n);
int CbTbDecodeBuffers();
void VTbIdle();
