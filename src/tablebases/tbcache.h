// The chunk cache: 8192-byte chunks of table data, 32 buckets per table side, LRU eviction.
#pragma once
#include <pthread.h>
#include "tablebases/tbdesc.h"

struct CTbCacheSlot;

struct CTbCacheBucket {
  pthread_mutex_t lock;
  CTbCacheSlot* ptbcFirst;
};
constexpr int cTbBuckets = 32;

extern unsigned ctbcSlots;  // 0: no cache

// The byte at offset (0..8191) of the chunk of one table side, sign-extended; 32767 when
// the chunk cannot be had.
int TbtProbeTable(int iTb, color side, INDEX chunk, unsigned offset);
void VInitTbCache();
bool FSetTbCache(void* pv, size_t cb);
// The 32 buckets of a table side; null when memory runs out.
CTbCacheBucket* PtbcbAllocBuckets();
void VFreeTbBuckets(CTbCacheBucket* rgBuckets);
