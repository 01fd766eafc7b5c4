// Initialisation and release of the tablebase code, the path list and the table files.
#include "tablebases/tbfiles.h"
#include <sys/types.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <new>
#include "tablebases/tbassert.h"
#include "tablebases/tbcache.h"
#include "tablebases/tbcounters.h"
#include "tablebases/tbdecode.h"
#include "tablebases/tbframework.h"

int cTbInitRefs = 0;
int cTbPiecesFound = 0;
int cCompressedOpened = 0;
unsigned cbDecodeAllocated = 0;
decode_block* rgpdbDecodePool[cDecodePool];
pthread_mutex_t lockDecodePool = PTHREAD_MUTEX_INITIALIZER;
void* pbTbCacheAlloc = nullptr;

namespace {

pthread_mutex_t lockInit = PTHREAD_MUTEX_INITIALIZER;

constexpr int cbPathCopy = 512;
constexpr int cbName = 1024;
constexpr int cbMinCache = 1 << 20;

// The locks re-created at every full initialisation and destroyed at the last release.
void VForEachRuntimeLock(int (*pfn)(pthread_mutex_t*)) {
  pfn(&lockLru);
  pfn(&lockDecodePool);
  for (int iTb = 1; iTb <= cTb; iTb++)
    for (color side = 0; side < 2; side++) pfn(&rgtbdDesc[iTb].rglockSide[side]);
}

int IInitLock(pthread_mutex_t* plock) { return pthread_mutex_init(plock, nullptr); }

// Size of an open file, or -1 when it cannot be sized.
off_t CbFile(FILE* fp) {
  if (fseeko(fp, 0, SEEK_END) != 0) return -1;
  return ftello(fp);
}

// The size rule of a plain file: 16-bit tables and 8-bit sides of 2^31 positions or more
// are taken as they are; a split table's extent is either full or the remainder.
bool FPlainSizeFits(const CTbDesc& tbd, color side, INDEX cb) {
  INDEX cPositions = tbd.positions[side];
  if ((tbd.flags & f16Bit) || cPositions >= cbTbExtent || cPositions == 0) return true;
  if (cb == cPositions) return true;
  return (tbd.flags & fSplit) && (cb == cbTbExtent || cb == cPositions % cbTbExtent);
}

// The same rule for the data a compressed file declares, counted in values.
bool FCompressedSizeFits(const CTbDesc& tbd, color side, uint64_t cbDecoded) {
  INDEX cPositions = tbd.positions[side];
  if (cPositions == 0) return true;
  INDEX cbValue = (tbd.flags & f16Bit) ? 2 : 1;
  INDEX cValues = cbDecoded / cbValue, cPerExtent = cbTbExtent / cbValue;
  if (cValues == cPositions) return true;
  return (tbd.flags & fSplit) && (cValues == cPerExtent || cValues == cPositions % cPerExtent);
}

// Opens the first compressed form of an extent's name that exists. szBase is the directory
// and table name (with the extent for a split table), szSide the side letters.
FILE* PfOpenCompressed(const CTbDesc& tbd, const char* szBase, const char* szSide,
                       char* szName) {
  struct Form { const char* szSep; const char* szExt; };
  const Form rgForm[] = {{".", ".emd"}, {"_", ".emd"}, {"_", "_emd"}, {"", ".emd"}};
  bool fSplitTable = tbd.flags & fSplit;
  for (int i = 0; i < 4; i++) {
    if (fSplitTable && i > 0) break;
    if (i == 3 && tbd.iTb > 110) break;
    mystrcpy_s(szName, cbName, szBase);
    mystrcat_s(szName, cbName, rgForm[i].szSep);
    mystrcat_s(szName, cbName, szSide);
    mystrcat_s(szName, cbName, rgForm[i].szExt);
    if (FILE* fp = fopen(szName, "rb")) return fp;
  }
  return nullptr;
}

// Checks an open compressed file and builds its decode_info; null on any failure.
decode_info* PdiCheckCompressed(const CTbDesc& tbd, color side, FILE* fp) {
  off_t cb = CbFile(fp);
  if (cb <= 0) return nullptr;
  cCompressedOpened++;
  decode_info* pdi = nullptr;
  if (fseeko(fp, 0, SEEK_SET) != 0 || comp_open_file(&pdi, fp) != 0) return nullptr;
  if (!FCompressedSizeFits(tbd, side, comp_decoded_size(pdi))) {
    comp_free_info(pdi);
    return nullptr;
  }
  return pdi;
}

char* SzDuplicate(const char* sz) {
  size_t cb = strlen(sz) + 1;
  char* szCopy = static_cast<char*>(PvTbAlloc(cb));
  if (szCopy) memcpy(szCopy, sz, cb);
  return szCopy;
}

// Registers an accepted extent. The name copy and the side's buckets are obtained first:
// without them the extent is not registered.
bool FRegisterExtent(CTbDesc& tbd, color side, int extent, const char* szName, decode_info* pdi) {
  char* szCopy = SzDuplicate(szName);
  CTbCacheBucket* rgBuckets = tbd.rgpBuckets[side] ? nullptr : PtbcbAllocBuckets();
  bool fOk = szCopy && (tbd.rgpBuckets[side] || rgBuckets) && FRegisterTb(&tbd);
  if (!fOk) {
    VTbFree(szCopy);
    VFreeTbBuckets(rgBuckets);
    comp_free_info(pdi);
    return false;
  }
  VTbFree(tbd.rgszExtentName[side][extent]);
  tbd.rgszExtentName[side][extent] = szCopy;
  if (rgBuckets) tbd.rgpBuckets[side] = rgBuckets;
  tbd.rgpdiExtent[side][extent] = pdi;
  return true;
}

}  // namespace

char* mystrcpy_s(char* strDest, size_t sizeInCharacters, const char* szSource) {
  if (strlen(szSource) >= sizeInCharacters)
    VTbAssertFail("strlen(strDest) < sizeInCharacters", "tbindex", 39,
                  "char* mystrcpy_s(char*, size_t, const char*)");
  return strcpy(strDest, szSource);
}

char* mystrcat_s(char* strDest, size_t sizeInCharacters, const char* szSource) {
  if (strlen(strDest) + strlen(szSource) >= sizeInCharacters)
    VTbAssertFail("strlen(strDest) < sizeInCharacters", "tbindex", 46,
                  "char* mystrcat_s(char*, size_t, const char*)");
  return strcat(strDest, szSource);
}

void* PvTbAlloc(size_t cb) { return new (std::nothrow) char[cb]; }
void VTbFree(void* pv) { delete[] static_cast<char*>(pv); }

int ITbInit(const char* szPaths, int cacheKB) {
  pthread_mutex_lock(&lockInit);
  if (cTbInitRefs != 0) {
    cTbInitRefs++;
    pthread_mutex_unlock(&lockInit);
    return cTbPiecesFound;
  }
  char szCopy[cbPathCopy] = "";
  if (szPaths) {
    strncpy(szCopy, szPaths, cbPathCopy - 1);
    szCopy[cbPathCopy - 1] = '\0';
  }
  cTbPiecesFound = IInitTablebases(szPaths ? szCopy : nullptr);

  int32_t cb = int32_t(uint32_t(int64_t(cacheKB) * 1024));  // wraps like a 32-bit product
  if (cb < cbMinCache) cb = cbMinCache;
  while (!(pbTbCacheAlloc = malloc(size_t(cb))) && cb > 0) cb >>= 1;
  if (cb < cbMinCache) cTbPiecesFound = 0;
  FSetTbCache(pbTbCacheAlloc, pbTbCacheAlloc ? size_t(cb) : 0);

  cTbInitRefs++;
  pthread_mutex_unlock(&lockInit);
  return cTbPiecesFound;
}

void VTbRelease() {
  pthread_mutex_lock(&lockInit);
  if (cTbInitRefs == 0 || --cTbInitRefs != 0) {
    pthread_mutex_unlock(&lockInit);
    return;
  }
  FSetTbCache(nullptr, 0);  // closes the files; no probe reaches the cache memory now
  free(pbTbCacheAlloc);
  pbTbCacheAlloc = nullptr;
  FFreeAllTbMemory();
  VForEachRuntimeLock(pthread_mutex_destroy);
  pthread_mutex_unlock(&lockInit);
}

int IInitTablebases(const char* szPaths) {
  cbDecodeAllocated = 0;
  VCloseAllTbFiles();
  // Whatever an earlier initialisation left behind goes before the locks are created.
  FFreeAllTbMemory();
  VForEachRuntimeLock(IInitLock);
  if (!FBuildIndexTables() || !FBuildCounterTree()) return 0;
  if (!szPaths) return 0;

  int iTbHighest = 0;
  const char* pch = szPaths;
  for (;;) {
    size_t cch = strcspn(pch, ",;:");
    char szDir[cbName];
    if (cch >= sizeof(szDir)) cch = sizeof(szDir) - 1;
    memcpy(szDir, pch, cch);
    szDir[cch] = '\0';
    for (int iTb = 1; iTb <= cTb; iTb++) {
      bool fFound = FOpenTbSide(szDir, iTb, 0);
      if (!(rgtbdDesc[iTb].flags & fSymmetric)) fFound |= FOpenTbSide(szDir, iTb, 1);
      if (fFound) iTbHighest = std::max(iTbHighest, iTb);
    }
    pch += strcspn(pch, ",;:");
    if (*pch == '\0') break;
    pch++;
  }

  if (cCompressedOpened != 0) {
    for (decode_block*& pdb : rgpdbDecodePool) {
      if (pdb) continue;
      pdb = comp_alloc_block();
      if (pdb) cbDecodeAllocated += unsigned(comp_block_alloc_size());
    }
  }
  return iTbHighest ? int(strlen(rgtbdDesc[iTbHighest].szName)) : 0;  // men of the table
}

bool FOpenTbSide(const char* szDir, int iTb, color side) {
  int cExtents = CTbExtents(rgtbdDesc[iTb], side);
  int extent = 0;
  while (extent < cExtents && FOpenTbExtent(szDir, iTb, side, extent)) extent++;
  return extent > 0;
}

bool FOpenTbExtent(const char* szDir, int iTb, color side, int extent) {
  CTbDesc& tbd = rgtbdDesc[iTb];
  if (extent < 0 || extent >= cTbMaxExtents) return false;
  if (tbd.flags & fSymmetric) side = 0;  // one set of files serves both sides
  if (tbd.rgszExtentName[side][extent]) return true;

  char szBase[cbName], szName[cbName];
  mystrcpy_s(szBase, cbName, szDir);
  size_t cchDir = strlen(szDir);
  if (cchDir > 0 && szDir[cchDir - 1] != '/') mystrcat_s(szBase, cbName, "/");
  mystrcat_s(szBase, cbName, tbd.szName);
  if (tbd.flags & fSplit) {
    char szExtent[3] = {'.', char(extent < 10 ? '0' + extent : 'a' + extent - 10), '\0'};
    mystrcat_s(szBase, cbName, szExtent);
  }
  const char* szSide = side == 0 ? "nbw" : "nbb";
  mystrcpy_s(szName, cbName, szBase);
  mystrcat_s(szName, cbName, ".");
  mystrcat_s(szName, cbName, szSide);

  decode_info* pdi = nullptr;
  FILE* fp = fopen(szName, "rb");
  off_t cb = fp ? CbFile(fp) : -1;
  if (fp && cb <= 0) {
    fclose(fp);
    fp = nullptr;
  }
  if (fp) {
    bool fFits = FPlainSizeFits(tbd, side, INDEX(cb));
    fclose(fp);
    if (!fFits) return false;
  } else {
    fp = PfOpenCompressed(tbd, szBase, szSide, szName);
    if (!fp) return false;
    pdi = PdiCheckCompressed(tbd, side, fp);
    fclose(fp);
    if (!pdi) return false;
  }
  return FRegisterExtent(tbd, side, extent, szName, pdi);
}

void VCloseAllTbFiles() {
  if (ctbcSlots == 0) return;  // files are only opened through the cache
  for (int iTb = 1; iTb <= cTb; iTb++) {
    for (color side = 0; side < 2; side++) {
      CTbDesc& tbd = rgtbdDesc[iTb];
      pthread_mutex_lock(&tbd.rglockSide[side]);
      for (FILE*& fp : tbd.rgfpExtent[side]) {
        if (fp) fclose(fp);
        fp = nullptr;
      }
      pthread_mutex_unlock(&tbd.rglockSide[side]);
    }
  }
}
