#include "tablebases/tbcounters.h"

// Not built yet.
void VSetCounters(int*, const char*) {}
const char* PchSetHalfCounters(int*, const char* pch) { return pch; }
bool FBuildCounterTree() { return false; }
bool FRegisterTb(CTbDesc*) { return false; }
int ITbFindFromCounters(const int*) { return 0; }
int ITbFindFromPieceLists(const int*, const int*, int, int) { return 0; }
bool FFreeAllTbMemory() { return true; }
bool FTbPresent(int, color) { return false; }
PfnCalcIndex PfnTbIndCalc(int, color) { return nullptr; }
int ITbMaxPieces() { return 0; }
void VTbPresenceMap(unsigned char*, int) {}
int CbTbDecodeBuffers() { return 0; }
void VTbIdle() {}
