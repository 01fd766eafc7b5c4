#include "tablebases/tbfiles.h"
#include <new>

int cTbInitRefs = 0;
int cTbPiecesFound = 0;
int cCompressedOpened = 0;
unsigned cbDecodeAllocated = 0;
decode_block* rgpdbDecodePool[cDecodePool];
pthread_mutex_t lockDecodePool = PTHREAD_MUTEX_INITIALIZER;

// Not built yet: no table is ever found.
int ITbInit(const char*, int) { return 0; }
void VTbRelease() {}
int IInitTablebases(const char*) { return 0; }
bool FOpenTbExtent(const char*, int, color, int) { return false; }
bool FOpenTbSide(const char*, int, color) { return false; }
void VCloseAllTbFiles() {}

void* PvTbAlloc(size_t cb) { return new (std::nothrow) char[cb]; }
void VTbFree(void* pv) { delete[] static_cast<char*>(pv); }
char* mystrcpy_s(char* strDest, size_t, const char*) { return strDest; }
char* mystrcat_s(char* strDest, size_t, const char*) { return strDest; }
