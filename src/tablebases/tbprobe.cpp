// The probe entry: the table of a position, its en-passant filter, the index and the
// decoding of the stored value.
#include "tablebases/tbprobe.h"
#include "tablebases/tbassert.h"
#include "tablebases/tbcache.h"
#include "tablebases/tbcounters.h"

// kppkp, black to move: positions stored as broken that are mated in 127 moves.
static constexpr int iTbKppkp = 36;
static constexpr INDEX rgindKppkpMatedIn127[] = {56802428, 56811076, 56849992, 56858640,
                                                 59592489, 67775659, 71071628};

int ITbDecodeByte(int b) {
  if (b == 0) return 0;
  if (b == 127) return tbtNoValue;
  if (b == -127) return -32640;
  if (b == -128) return 32640;
  return b > 0 ? b + 32640 : b - 32640;
}

int ITbDecodeWord(int bLow, int bHigh) { return (bLow & 0xFF) + 256 * bHigh; }

int ITbValueToScore(int code) {
  if (code == 0 || code >= tbtNoValue) return 0;
  if (code > 0) return 32767 - code;
  if (code >= -32766) return -32767 - code;
  if (code == -32767) return -32767;
  if (code == -32768) return 32767;
  return 0;
}

int L_TbtProbeTable(int iTb, color side, INDEX index) {
  TbIndexAssert(iTb > 0 && iTb < ((145 + ((145 + 120) - 145)) + 175 + 1));
  const CTbDesc& tbd = rgtbdDesc[iTb];
  if (tbd.flags & fSymmetric) side = 0;
  if (ctbcSlots == 0 || tbd.rgpBuckets[side] == nullptr) return tbtNoValue;
  // Only illegal positions lie beyond the stored count; never read past a side's data.
  if (index >= tbd.positions[side]) return tbtNoValue;
  if (tbd.flags & f16Bit) {
    INDEX chunk = index >> 12;
    unsigned offset = unsigned(index & 0xFFF) * 2;
    int bLow = TbtProbeTable(iTb, side, chunk, offset);
    if (bLow == tbtNoValue) return tbtNoValue;
    int bHigh = TbtProbeTable(iTb, side, chunk, offset + 1);
    if (bHigh == tbtNoValue) return tbtNoValue;
    return ITbDecodeWord(bLow, bHigh);
  }
  if (iTb == iTbKppkp && side == x_colorBlack) {
    for (INDEX ind : rgindKppkpMatedIn127)
      if (index == ind) return -32639;
  }
  int b = TbtProbeTable(iTb, side, index >> 13, unsigned(index & 0x1FFF));
  if (b == tbtNoValue) return tbtNoValue;
  return ITbDecodeByte(b);
}

// True when a pawn of the first count of psq's pawn slots stands on sq.
static bool FPawnOn(const square* psq, int cPawns, square sq) {
  for (int i = 0; i < cPawns && i < 4; i++)
    if (psq[4 * x_piecePawn + i] == sq) return true;
  return false;
}

// The en-passant square as the calculators take it: kept only when the pawn that has just
// advanced two squares stands in front of it and a pawn of the side to move can take it.
static square SqEnPassantFiltered(const int* piCounters, const square* psqW,
                                  const square* psqB, color side, square sqEnP) {
  if (side == x_colorWhite) {
    if (sqEnP < 40 || sqEnP > 47 || !FPawnOn(psqB, piCounters[5], sqEnP - 8)) return XX;
    if ((sqEnP & 7) != 0 && FPawnOn(psqW, piCounters[0], sqEnP - 9)) return sqEnP;
    if ((sqEnP & 7) != 7 && FPawnOn(psqW, piCounters[0], sqEnP - 7)) return sqEnP;
  } else {
    if (sqEnP < 16 || sqEnP > 23 || !FPawnOn(psqW, piCounters[0], sqEnP + 8)) return XX;
    if ((sqEnP & 7) != 0 && FPawnOn(psqB, piCounters[5], sqEnP + 7)) return sqEnP;
    if ((sqEnP & 7) != 7 && FPawnOn(psqB, piCounters[5], sqEnP + 9)) return sqEnP;
  }
  return XX;
}

bool FTbProbe(const int* piCounters, const square* psqW, const square* psqB, color side,
              square sqEnP, int* piScore) {
  int iTb = ITbFindFromCounters(piCounters);
  if (iTb == 0) return false;
  // The filter looks at the position as passed in, before any exchange of colours.
  sqEnP = SqEnPassantFiltered(piCounters, psqW, psqB, side, sqEnP);
  color sideTable = side;
  int fInvert = 0;
  if (iTb < 0) {
    iTb = -iTb;
    sideTable = 1 - side;
    fInvert = 1;
    const square* psqT = psqW;
    psqW = psqB;
    psqB = psqT;
  }
  if (!FTbPresent(iTb, sideTable)) return false;
  PfnCalcIndex pfn = rgtbdDesc[iTb].rgpfnIndCalc[sideTable];
  if (pfn == nullptr) return false;
  INDEX index = pfn(psqW, psqB, sqEnP, fInvert);
  *piScore = ITbValueToScore(L_TbtProbeTable(iTb, sideTable, index));
  return true;
}
