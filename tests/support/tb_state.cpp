#include "support/tb_state.h"
#include <cstring>
#include "tablebases/tbcache.h"
#include "tablebases/tbfiles.h"

CTbDescGuard::~CTbDescGuard() {
  for (auto it = rgSaved.rbegin(); it != rgSaved.rend(); ++it) {
    rgtbdDesc[it->iTb].flags = it->flags;
    rgtbdDesc[it->iTb].positions[0] = it->positions[0];
    rgtbdDesc[it->iTb].positions[1] = it->positions[1];
  }
}

void CTbDescGuard::Set(int iTb, int flags, INDEX cWhite, INDEX cBlack) {
  CTbDesc& tbd = rgtbdDesc[iTb];
  rgSaved.push_back({iTb, tbd.flags, {tbd.positions[0], tbd.positions[1]}});
  tbd.flags = flags;
  tbd.positions[0] = cWhite;
  tbd.positions[1] = cBlack;
}

void CTbDescGuard::SetPositions(int iTb, INDEX cWhite, INDEX cBlack) {
  Set(iTb, rgtbdDesc[iTb].flags, cWhite, cBlack);
}

void VAttachTbExtent(int iTb, color side, int extent, const char* szPath) {
  CTbDesc& tbd = rgtbdDesc[iTb];
  char*& sz = tbd.rgszExtentName[side][extent];
  VTbFree(sz);
  sz = static_cast<char*>(PvTbAlloc(strlen(szPath) + 1));
  strcpy(sz, szPath);
  if (!tbd.rgpBuckets[side]) tbd.rgpBuckets[side] = PtbcbAllocBuckets();
}

void VDetachAllTbFiles() {
  VCloseAllTbFiles();
  for (int iTb = 1; iTb <= cTb; iTb++) {
    for (color side = 0; side < 2; side++) {
      CTbDesc& tbd = rgtbdDesc[iTb];
      for (char*& sz : tbd.rgszExtentName[side]) {
        VTbFree(sz);
        sz = nullptr;
      }
      VFreeTbBuckets(tbd.rgpBuckets[side]);
      tbd.rgpBuckets[side] = nullptr;
    }
  }
}
