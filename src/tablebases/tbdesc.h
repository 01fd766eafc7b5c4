// The descriptor table of all tables and the piece-counter tree that finds a table by its
// material.
#pragma once
#include <pthread.h>
#include <cstdio>
#include "tablebases/tbtypes.h"

struct decode_info;     // compressed-file header and block index
struct CTbCacheBucket;  // chunk-cache bucket

constexpr int fSymmetric = 1;  // one set of files (white to move) serves both sides
constexpr int f16Bit = 2;      // values are 16-bit words
constexpr int fSplit = 4;      // each side is stored as extents of cbTbExtent bytes

constexpr INDEX cbTbExtent = INDEX(1) << 31;

struct CTbDesc {
  // Static fields.
  int iTb;
  int flags;
  PfnCalcIndex rgpfnIndCalc[2];
  char szName[8];
  INDEX positions[2];
  // Run-time fields, filled by initialisation and by the cache.
  char* rgszExtentName[2][cTbMaxExtents]{};
  pthread_mutex_t rglockSide[2]{};
  FILE* rgfpExtent[2][cTbMaxExtents]{};
  decode_info* rgpdiExtent[2][cTbMaxExtents]{};
  CTbCacheBucket* rgpBuckets[2]{};
};

extern CTbDesc rgtbdDesc[cTb + 1];

// Number of extent files of one side: one, or for a split table one per cbTbExtent bytes.
inline int CTbExtents(const CTbDesc& tbd, color side) {
  if (!(tbd.flags & fSplit)) return 1;
  uint64_t cb = tbd.positions[side] * ((tbd.flags & f16Bit) ? 2u : 1u);
  return int(cb / cbTbExtent) + 1;
}
