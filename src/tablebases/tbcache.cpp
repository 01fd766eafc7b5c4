// The chunk cache. Lock order: a bucket mutex before lockLru; a side's file mutex with
// neither held; lockDecodePool alone or under a side mutex. Reading and decoding happen
// outside the bucket and LRU locks.
#include "tablebases/tbcache.h"
#include <sys/types.h>
#include <atomic>
#include <cstdio>
#include "tablebases/tbassert.h"
#include "tablebases/tbdecode.h"
#include "tablebases/tbdesc.h"
#include "tablebases/tbfiles.h"

static_assert(sizeof(off_t) == 8, "table files need 64-bit file positions");

unsigned char* pbTbCache = nullptr;
unsigned ctbcSlots = 0;
CTbCacheSlot* ptbcHead = nullptr;
CTbCacheSlot* ptbcTail = nullptr;
CTbCacheSlot* ptbcFree = nullptr;
pthread_mutex_t lockLru = PTHREAD_MUTEX_INITIALIZER;

namespace {

constexpr INDEX cChunksPerExtent = cbTbExtent / cbTbChunk;

enum EFill { fillOk, fillNoBuffer, fillReadError };

int TbtReadByte(const CTbCacheSlot* ptbc, unsigned offset) {
  return offset < ptbc->cbValid ? int(static_cast<signed char>(ptbc->pbData[offset])) : tbtNoValue;
}

// Under lockLru.
void VLruUnlink(CTbCacheSlot* ptbc) {
  if (ptbc->ptbcPrev) ptbc->ptbcPrev->ptbcNext = ptbc->ptbcNext;
  else ptbcHead = ptbc->ptbcNext;
  if (ptbc->ptbcNext) ptbc->ptbcNext->ptbcPrev = ptbc->ptbcPrev;
  else ptbcTail = ptbc->ptbcPrev;
}

void VLruPushHead(CTbCacheSlot* ptbc) {
  ptbc->ptbcPrev = nullptr;
  ptbc->ptbcNext = ptbcHead;
  if (ptbcHead) ptbcHead->ptbcPrev = ptbc;
  else ptbcTail = ptbc;
  ptbcHead = ptbc;
}

// Under the bucket's mutex.
void VBucketUnlink(CTbCacheBucket& bucket, CTbCacheSlot* ptbc) {
  if (ptbc->ptbcBucketPrev) ptbc->ptbcBucketPrev->ptbcBucketNext = ptbc->ptbcBucketNext;
  else bucket.ptbcFirst = ptbc->ptbcBucketNext;
  if (ptbc->ptbcBucketNext) ptbc->ptbcBucketNext->ptbcBucketPrev = ptbc->ptbcBucketPrev;
}

void VBucketPushFront(CTbCacheBucket& bucket, CTbCacheSlot* ptbc) {
  ptbc->ptbcBucketPrev = nullptr;
  ptbc->ptbcBucketNext = bucket.ptbcFirst;
  if (bucket.ptbcFirst) bucket.ptbcFirst->ptbcBucketPrev = ptbc;
  bucket.ptbcFirst = ptbc;
}

CTbCacheBucket& TbcbBucket(int iTb, color side, INDEX chunk) {
  return rgtbdDesc[iTb].rgpBuckets[side][chunk % cTbBuckets];
}

// A slot for a new chunk, taken from the free list or evicted from the LRU tail; the slot
// is then in transit, owned by the caller alone.
CTbCacheSlot* PtbcTakeSlot() {
  pthread_mutex_lock(&lockLru);
  if (CTbCacheSlot* ptbc = ptbcFree) {
    ptbcFree = ptbc->ptbcNext;
    pthread_mutex_unlock(&lockLru);
    return ptbc;
  }
  for (;;) {
    if (!ptbcTail)  // more probes in flight than slots
      VTbAssertFail("__null != ptbcTail", "tbindex", 5974,
                    "int TbtProbeTable(int, color, unsigned int, unsigned int)");
    CTbCacheSlot* ptbcVictim = ptbcTail;
    CTbCacheBucket& bucket = TbcbBucket(ptbcVictim->iTb, ptbcVictim->side, ptbcVictim->iChunk);
    pthread_mutex_unlock(&lockLru);
    pthread_mutex_lock(&bucket.lock);
    pthread_mutex_lock(&lockLru);
    // The victim may have been taken or refilled while no lock was held; its fields are
    // only trusted while it is still the tail.
    if (ptbcTail == ptbcVictim &&
        &TbcbBucket(ptbcVictim->iTb, ptbcVictim->side, ptbcVictim->iChunk) == &bucket) {
      VLruUnlink(ptbcVictim);
      pthread_mutex_unlock(&lockLru);
      VBucketUnlink(bucket, ptbcVictim);
      pthread_mutex_unlock(&bucket.lock);
      return ptbcVictim;
    }
    pthread_mutex_unlock(&bucket.lock);
  }
}

// The open file of an extent, opened by its stored name on first use. Under the side
// mutex; null when the extent has no name or cannot be opened.
FILE* PfOpenExtent(CTbDesc& tbd, color side, int extent) {
  FILE*& fp = tbd.rgfpExtent[side][extent];
  if (fp) return fp;
  if (!tbd.rgszExtentName[side][extent]) return nullptr;
  fp = fopen(tbd.rgszExtentName[side][extent], "rb");
  if (fp) return fp;
  // Out of file handles, perhaps: close every table file and try once more.
  pthread_mutex_unlock(&tbd.rglockSide[side]);
  VCloseAllTbFiles();
  pthread_mutex_lock(&tbd.rglockSide[side]);
  if (!fp && tbd.rgszExtentName[side][extent]) fp = fopen(tbd.rgszExtentName[side][extent], "rb");
  return fp;
}

decode_block* PdbBorrowDecodeBuffer(int* piEntry) {
  pthread_mutex_lock(&lockDecodePool);
  decode_block* pdb = nullptr;
  for (int i = 0; i < cDecodePool && !pdb; i++) {
    if (rgpdbDecodePool[i]) {
      pdb = rgpdbDecodePool[i];
      rgpdbDecodePool[i] = nullptr;
      *piEntry = i;
    }
  }
  pthread_mutex_unlock(&lockDecodePool);
  return pdb;
}

void VReturnDecodeBuffer(decode_block* pdb, int iEntry) {
  pthread_mutex_lock(&lockDecodePool);
  rgpdbDecodePool[iEntry] = pdb;
  pthread_mutex_unlock(&lockDecodePool);
}

// Reads chunk iChunk of extent `extent` into the slot. Called with the side mutex held;
// returns with it released.
EFill FillFromFile(CTbDesc& tbd, color side, int extent, INDEX iChunk, CTbCacheSlot* ptbc) {
  pthread_mutex_t* plock = &tbd.rglockSide[side];
  FILE* fp = PfOpenExtent(tbd, side, extent);
  if (!fp) {
    pthread_mutex_unlock(plock);
    return fillReadError;
  }
  decode_info* pdi = tbd.rgpdiExtent[side][extent];
  if (!pdi) {
    bool fOk = fseeko(fp, off_t(iChunk * cbTbChunk), SEEK_SET) == 0;
    size_t cbRead = fOk ? fread(ptbc->pbData, 1, cbTbChunk, fp) : 0;
    // A short read is the end of the file; only a reported error fails.
    if (fOk && cbRead < size_t(cbTbChunk) && ferror(fp)) {
      clearerr(fp);
      fOk = false;
    }
    pthread_mutex_unlock(plock);
    ptbc->cbValid = unsigned(cbRead);
    return fOk ? fillOk : fillReadError;
  }
  if (iChunk > INDEX(INT32_MAX)) {
    pthread_mutex_unlock(plock);
    return fillReadError;
  }
  int iEntry = 0;
  decode_block* pdb = PdbBorrowDecodeBuffer(&iEntry);
  if (!pdb) {
    pthread_mutex_unlock(plock);
    return fillNoBuffer;
  }
  pdb->output = ptbc->pbData;
  int err = comp_read_block(pdb, pdi, fp, int(iChunk));
  pthread_mutex_unlock(plock);
  // The block's full length: 8192 bytes, or less for the last block.
  uint64_t cbRest = err ? 0 : comp_decoded_size(pdi) - iChunk * cbTbChunk;
  ptbc->cbValid = unsigned(cbRest < uint64_t(cbTbChunk) ? cbRest : uint64_t(cbTbChunk));
  if (!err) err = comp_decode_and_check_crc(pdb, pdi, int(ptbc->cbValid), 1);
  VReturnDecodeBuffer(pdb, iEntry);
  return err ? fillReadError : fillOk;
}

}  // namespace

int TbtProbeTable(int iTb, color side, INDEX chunk, unsigned offset) {
  CTbDesc& tbd = rgtbdDesc[iTb];
  CTbCacheBucket& bucket = TbcbBucket(iTb, side, chunk);

  pthread_mutex_lock(&bucket.lock);
  for (CTbCacheSlot* ptbc = bucket.ptbcFirst; ptbc; ptbc = ptbc->ptbcBucketNext) {
    if (ptbc->iChunk != chunk) continue;
    pthread_mutex_lock(&lockLru);
    if (ptbc != ptbcHead) {
      VLruUnlink(ptbc);
      VLruPushHead(ptbc);
    }
    pthread_mutex_unlock(&lockLru);
    if (ptbc != bucket.ptbcFirst) {
      VBucketUnlink(bucket, ptbc);
      VBucketPushFront(bucket, ptbc);
    }
    int tbt = TbtReadByte(ptbc, offset);
    pthread_mutex_unlock(&bucket.lock);
    return tbt;
  }
  pthread_mutex_unlock(&bucket.lock);

  CTbCacheSlot* ptbc = PtbcTakeSlot();
  ptbc->iTb = iTb;
  ptbc->side = side;
  ptbc->iChunk = chunk;

  INDEX extent = 0, iChunkInExtent = chunk;
  if (tbd.flags & fSplit) {
    extent = chunk / cChunksPerExtent;
    iChunkInExtent = chunk % cChunksPerExtent;
  }
  EFill fill = fillReadError;
  if (extent < INDEX(cTbMaxExtents)) {
    pthread_mutex_lock(&tbd.rglockSide[side]);
    fill = FillFromFile(tbd, side, int(extent), iChunkInExtent, ptbc);
  }

  if (fill == fillOk) {
    pthread_mutex_lock(&bucket.lock);
    pthread_mutex_lock(&lockLru);
    VLruPushHead(ptbc);
    VBucketPushFront(bucket, ptbc);
    int tbt = TbtReadByte(ptbc, offset);
    pthread_mutex_unlock(&bucket.lock);
    pthread_mutex_unlock(&lockLru);
    return tbt;
  }
  // A read error makes the extent count as missing from now on; a file already open
  // stays in use until the table files are closed. No free decode buffer is no error of
  // the file.
  if (fill == fillReadError && extent < INDEX(cTbMaxExtents)) {
    pthread_mutex_lock(&tbd.rglockSide[side]);
    // FTbPresent reads the name without the lock.
    std::atomic_ref<char*> szName(tbd.rgszExtentName[side][extent]);
    VTbFree(szName.exchange(nullptr, std::memory_order_relaxed));
    pthread_mutex_unlock(&tbd.rglockSide[side]);
  }
  pthread_mutex_lock(&lockLru);
  ptbc->ptbcNext = ptbcFree;
  ptbcFree = ptbc;
  pthread_mutex_unlock(&lockLru);
  return tbtNoValue;
}

void VInitTbCache() {
  if (ctbcSlots == 0) return;
  VCloseAllTbFiles();
  CTbCacheSlot* rgSlots = reinterpret_cast<CTbCacheSlot*>(pbTbCache);
  unsigned char* pbData = pbTbCache + size_t(ctbcSlots) * sizeof(CTbCacheSlot);
  for (unsigned i = 0; i < ctbcSlots; i++) {
    CTbCacheSlot& slot = rgSlots[i];
    slot.ptbcNext = i + 1 < ctbcSlots ? &rgSlots[i + 1] : nullptr;
    slot.ptbcPrev = slot.ptbcBucketNext = slot.ptbcBucketPrev = nullptr;
    slot.pbData = pbData + size_t(i) * cbTbSlotData;
    slot.cbValid = 0;
  }
  for (int iTb = 1; iTb <= cTb; iTb++) {
    for (color side = 0; side < 2; side++) {
      CTbCacheBucket* rgBuckets = rgtbdDesc[iTb].rgpBuckets[side];
      if (!rgBuckets) continue;
      for (int i = 0; i < cTbBuckets; i++) {
        pthread_mutex_destroy(&rgBuckets[i].lock);
        rgBuckets[i].ptbcFirst = nullptr;
        pthread_mutex_init(&rgBuckets[i].lock, nullptr);
      }
    }
  }
  ptbcTail = ptbcHead = nullptr;
  ptbcFree = rgSlots;
}

bool FSetTbCache(void* pv, size_t cb) {
  VCloseAllTbFiles();
  ctbcSlots = 0;
  ptbcHead = nullptr;
  if (cb < 32) return false;
  pbTbCache = static_cast<unsigned char*>(pv);
  ctbcSlots = unsigned(cb / cbTbSlot);
  VInitTbCache();
  return true;
}

CTbCacheBucket* PtbcbAllocBuckets() {
  auto* rgBuckets = static_cast<CTbCacheBucket*>(PvTbAlloc(cTbBuckets * sizeof(CTbCacheBucket)));
  if (!rgBuckets) return nullptr;
  for (int i = 0; i < cTbBuckets; i++) {
    pthread_mutex_init(&rgBuckets[i].lock, nullptr);
    rgBuckets[i].ptbcFirst = nullptr;
  }
  return rgBuckets;
}

void VFreeTbBuckets(CTbCacheBucket* rgBuckets) {
  if (!rgBuckets) return;
  for (int i = 0; i < cTbBuckets; i++) pthread_mutex_destroy(&rgBuckets[i].lock);
  VTbFree(rgBuckets);
}
