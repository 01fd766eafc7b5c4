#include "tablebases/tbframework.h"

uint8_t* rgpbManSquareNumber[6];
uint8_t rgcManSquares[6][64];
INDEX* rgpiOneManOffsetPawns[6];
INDEX* rgpiOneManOffsetNoPawns[6];
INDEX* rgpiPairOffsetPawns[6][6];
INDEX* rgpiPairOffsetNoPawns[6][6];
INDEX* rgpiTripleOffsetPawns[6][6][6];
INDEX* rgpiTripleOffsetNoPawns[6][6][6];
INDEX rgcOneManTotalPawns[6];
INDEX rgcPairTotalPawns[6][6];
INDEX rgcTripleTotalPawns[6][6][6];
bool fIndexTablesBuilt = false;

// Not built yet.
bool FBuildIndexTables() { return false; }
void VFreeIndexTables() {}
