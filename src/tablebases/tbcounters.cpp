// The piece-counter tree, the release of all run-time memory, and the small accessors.
#include "tablebases/tbcounters.h"
#include <atomic>
#include <cassert>
#include <new>
#include "tablebases/tbcache.h"
#include "tablebases/tbdecode.h"
#include "tablebases/tbfiles.h"
#include "tablebases/tbframework.h"

CTbCounterNode tbcnRoot = {cCounterMenMax, {}};
bool fCounterTreeBuilt = false;

const char* PchSetHalfCounters(int* piCounters, const char* pch) {
  for (int i = 0; i < 5; i++) piCounters[i] = 0;
  for (; *pch != '\0' && *pch != 'k'; pch++) {
    switch (*pch) {
      case 'p': piCounters[0]++; break;
      case 'n': piCounters[1]++; break;
      case 'b': piCounters[2]++; break;
      case 'r': piCounters[3]++; break;
      case 'q': piCounters[4]++; break;
      default: assert(0);
    }
  }
  return pch;
}

void VSetCounters(int* piCounters, const char* szName) {
  const char* pch = szName;
  assert('k' == *pch);
  pch = PchSetHalfCounters(piCounters, pch + 1);
  assert('k' == *pch);
  pch = PchSetHalfCounters(piCounters + 5, pch + 1);
  assert('\0' == *pch);
  (void)pch;
}

CTbCounterNode* PBuildCounterTree(int cMax, int cLevels) {
  CTbCounterNode* ptbcn = new (std::nothrow) CTbCounterNode;
  if (ptbcn == nullptr) return nullptr;
  ptbcn->cMax = cMax;
  for (int i = 0; i <= cMax; i++) {
    if (cLevels == 0) {
      ptbcn->rgEntry[i].iTb = 0;
      continue;
    }
    ptbcn->rgEntry[i].ptbcn = PBuildCounterTree(cMax - i, cLevels - 1);
    if (ptbcn->rgEntry[i].ptbcn == nullptr) {
      ptbcn->cMax = i - 1;  // free only the subtrees built so far
      VFreeCounterNode(ptbcn, cLevels - 1);
      delete ptbcn;
      return nullptr;
    }
  }
  return ptbcn;
}

bool FBuildCounterTree() {
  if (fCounterTreeBuilt) return true;
  tbcnRoot.cMax = cCounterMenMax;
  for (int n = 0; n <= cCounterMenMax; n++) {
    tbcnRoot.rgEntry[n].ptbcn = PBuildCounterTree(cCounterMenMax - n, cCounters - 2);
    if (tbcnRoot.rgEntry[n].ptbcn == nullptr) {
      VFreeCounterNode(&tbcnRoot, cCounters - 2);
      return false;
    }
  }
  fCounterTreeBuilt = true;
  return true;
}

void VFreeCounterNode(CTbCounterNode* ptbcn, int cLevel) {
  if (cLevel < 0 || ptbcn->cMax < 0) return;
  for (int i = 0; i <= ptbcn->cMax; i++) {
    CTbCounterNode* ptbcnChild = ptbcn->rgEntry[i].ptbcn;
    if (ptbcnChild == nullptr) continue;
    if (cLevel != 0) VFreeCounterNode(ptbcnChild, cLevel - 1);
    delete ptbcnChild;
    ptbcn->rgEntry[i].ptbcn = nullptr;
  }
}

// The level-9 entry that the counters lead to, read in the order counters[(k + iFirst) % 10];
// null when a counter is out of its node's range or the tree is not there.
static int* PiCounterLeaf(const int* piCounters, int iFirst) {
  CTbCounterNode* ptbcn = &tbcnRoot;
  for (int k = 0;; k++) {
    int c = piCounters[(k + iFirst) % cCounters];
    if (ptbcn == nullptr || c < 0 || c > ptbcn->cMax) return nullptr;
    if (k == cCounters - 1) return &ptbcn->rgEntry[c].iTb;
    ptbcn = ptbcn->rgEntry[c].ptbcn;
  }
}

bool FRegisterTb(CTbDesc* ptbd) {
  if (ptbd->rgpfnIndCalc[0] == nullptr || ptbd->rgpfnIndCalc[1] == nullptr) return false;
  int rgc[cCounters];
  VSetCounters(rgc, ptbd->szName);
  int* piLeaf = PiCounterLeaf(rgc, 0);
  if (piLeaf == nullptr) return false;
  *piLeaf = ptbd->iTb;
  if (ptbd->flags & fSymmetric) return true;
  piLeaf = PiCounterLeaf(rgc, 5);
  bool fInserted = piLeaf != nullptr;
  assert(fInserted);
  if (fInserted) *piLeaf = -ptbd->iTb;
  return true;
}

int ITbFindFromCounters(const int* piCounters) {
  const int* piLeaf = PiCounterLeaf(piCounters, 0);
  return piLeaf == nullptr ? 0 : *piLeaf;
}

int ITbFindFromPieceLists(const int* piWhite, const int* piBlack, int cWhite, int cBlack) {
  int rgc[cCounters] = {};
  for (int i = 0; i < cWhite; i++) {
    if (piWhite[i] < x_piecePawn || piWhite[i] > x_pieceQueen) return 0;
    rgc[piWhite[i] - 1]++;
  }
  for (int i = 0; i < cBlack; i++) {
    if (piBlack[i] < x_piecePawn || piBlack[i] > x_pieceQueen) return 0;
    rgc[piBlack[i] + 4]++;
  }
  return ITbFindFromCounters(rgc);
}

bool FFreeAllTbMemory() {
  for (int iTb = 1; iTb <= cTb; iTb++) {
    CTbDesc& tbd = rgtbdDesc[iTb];
    for (color side = 0; side < 2; side++) {
      if (tbd.rgpBuckets[side] != nullptr) {
        VFreeTbBuckets(tbd.rgpBuckets[side]);
        tbd.rgpBuckets[side] = nullptr;
      }
      for (int e = 0; e < cTbMaxExtents; e++) {
        if (tbd.rgszExtentName[side][e] != nullptr) {
          VTbFree(tbd.rgszExtentName[side][e]);
          tbd.rgszExtentName[side][e] = nullptr;
        }
        if (tbd.rgpdiExtent[side][e] != nullptr) {
          comp_free_info(tbd.rgpdiExtent[side][e]);
          tbd.rgpdiExtent[side][e] = nullptr;
        }
      }
    }
  }
  for (decode_block*& pdb : rgpdbDecodePool) {
    if (pdb != nullptr) {
      comp_free_block(pdb);
      pdb = nullptr;
    }
  }
  if (fCounterTreeBuilt) {
    fCounterTreeBuilt = false;
    VFreeCounterNode(&tbcnRoot, cCounters - 2);
  }
  if (fIndexTablesBuilt) VFreeIndexTables();
  return true;
}

bool FTbPresent(int iTb, color side) {
  if (iTb < 1 || iTb > cTb || side < 0 || side > 1) return false;
  CTbDesc& tbd = rgtbdDesc[iTb];
  color sideNames = (tbd.flags & fSymmetric) ? 0 : side;
  int cExtents = CTbExtents(tbd, side);
  for (int e = 0; e < cExtents && e < cTbMaxExtents; e++) {
    // No lock: a probe that fails to read the extent may drop the name meanwhile.
    std::atomic_ref<char*> szName(tbd.rgszExtentName[sideNames][e]);
    if (szName.load(std::memory_order_relaxed) != nullptr) return true;
  }
  return false;
}

PfnCalcIndex PfnTbIndCalc(int iTb, color side) {
  if (iTb < 0 || iTb > cTb || side < 0 || side > 1) return nullptr;
  return rgtbdDesc[iTb].rgpfnIndCalc[side];
}

int ITbMaxPieces() { return cTbInitRefs != 0 ? cTbPiecesFound : 0; }

void VTbPresenceMap(unsigned char* pbMap, int n) {
  for (int iTb = 0; iTb < n && iTb <= cTb; iTb++)
    pbMap[iTb] = FTbPresent(iTb, 0) && FTbPresent(iTb, 1);
}

int CbTbDecodeBuffers() { return int(cbDecodeAllocated); }

void VTbIdle() {}
