// The chunk cache: 8192-byte chunks of table data, 32 buckets per table side, LRU eviction.
#pragma once
#include <pthread.h>
#include <cstddef>
#include "tablebases/tbtypes.h"

// One cache slot. The headers lie together at the start of the cache block, the data areas
// after them in the same order.
struct CTbCacheSlot {
  int iTb;
  color side;
  INDEX iChunk;                  // chunk number within the whole table side
  CTbCacheSlot* ptbcNext;        // toward the LRU end; in the free list, the next free slot
  CTbCacheSlot* ptbcPrev;        // toward the MRU end
  CTbCacheSlot* ptbcBucketNext;
  CTbCacheSlot* ptbcBucketPrev;
  unsigned char* pbData;
  unsigned cbValid;              // bytes of the chunk read; offsets beyond have no value
};

struct CTbCacheBucket {
  pthread_mutex_t lock;
  CTbCacheSlot* ptbcFirst;
};
constexpr int cTbBuckets = 32;
constexpr size_t cbTbSlotData = 8228;  // the chunk and slack for the decoder's fast copies
constexpr size_t cbTbSlot = sizeof(CTbCacheSlot) + cbTbSlotData;

extern unsigned char* pbTbCache;
extern unsigned ctbcSlots;  // 0: no cache
extern CTbCacheSlot* ptbcHead;  // most recently used
extern CTbCacheSlot* ptbcTail;  // least recently used
extern CTbCacheSlot* ptbcFree;
extern pthread_mutex_t lockLru;

// The byte at offset (0..8191) of the chunk of one table side, sign-extended; tbtNoValue when
// the chunk cannot be had. The caller makes sure the cache has slots, the side has its
// buckets and side is 0 for a symmetric table.
int TbtProbeTable(int iTb, color side, INDEX chunk, unsigned offset);
// Lays out ctbcSlots slots in pbTbCache, all free.
void VInitTbCache();
// Uses a caller's block as the cache; false (and no cache) below 32 bytes.
bool FSetTbCache(void* pv, size_t cb);
// The 32 buckets of a table side, each with its own mutex; null when memory runs out.
CTbCacheBucket* PtbcbAllocBuckets();
void VFreeTbBuckets(CTbCacheBucket* rgBuckets);
