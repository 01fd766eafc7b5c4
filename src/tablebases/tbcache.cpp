#include "tablebases/tbcache.h"

unsigned ctbcSlots = 0;

// Not built yet: nothing can be read.
int TbtProbeTable(int, color, INDEX, unsigned) { return 32767; }
void VInitTbCache() {}
bool FSetTbCache(void*, size_t) { return false; }
CTbCacheBucket* PtbcbAllocBuckets() { return nullptr; }
void VFreeTbBuckets(CTbCacheBucket*) {}
