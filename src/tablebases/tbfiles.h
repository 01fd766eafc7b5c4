// Initialisation and release of the tablebase code, the path list and the table files.
#pragma once
#include <pthread.h>
#include <cstddef>
#include "tablebases/tbtypes.h"

struct decode_block;

constexpr int cDecodePool = 8;

extern int cTbInitRefs;                              // initialisations not yet released
extern int cTbPiecesFound;                           // men of the largest table found
extern int cCompressedOpened;                        // compressed files accepted so far
extern unsigned cbDecodeAllocated;                   // bytes taken for decoding
extern decode_block* rgpdbDecodePool[cDecodePool];   // free decode buffers; null = lent out
extern pthread_mutex_t lockDecodePool;
extern void* pbTbCacheAlloc;                         // the cache block ITbInit allocated

// Searches the path list (split at ',', ';' and ':') for every table, registers the tables
// found and allocates a cache of cacheKB kilobytes. Returns the largest number of men found.
int ITbInit(const char* szPaths, int cacheKB);
// Releases one initialisation; the last one frees everything.
void VTbRelease();
int IInitTablebases(const char* szPaths);
bool FOpenTbExtent(const char* szDir, int iTb, color side, int extent);
bool FOpenTbSide(const char* szDir, int iTb, color side);
void VCloseAllTbFiles();

// Array allocation that answers null instead of failing; release with VTbFree.
void* PvTbAlloc(size_t cb);
void VTbFree(void* pv);
char* mystrcpy_s(char* strDest, size_t sizeInCharacters, const char* szSource);
char* mystrcat_s(char* strDest, size_t sizeInCharacters, const char* szSource);
