#include "support/tbfake.h"
#include <cstring>
#include "tablebases/tbcounters.h"

FakeCalcCall fakeCalcCall;
INDEX indFakeResult = 0;

namespace {

char szFakeFile[] = "fake";

template <color side>
INDEX FakeCalc(const square* psqW, const square* psqB, square sqEnP, int fInvert) {
  fakeCalcCall.cCalls++;
  fakeCalcCall.side = side;
  fakeCalcCall.psqW = psqW;
  fakeCalcCall.psqB = psqB;
  memcpy(fakeCalcCall.rgsqW, psqW, sizeof fakeCalcCall.rgsqW);
  memcpy(fakeCalcCall.rgsqB, psqB, sizeof fakeCalcCall.rgsqB);
  fakeCalcCall.sqEnP = sqEnP;
  fakeCalcCall.fInvert = fInvert;
  return indFakeResult;
}

}  // namespace

int ITbOfName(const char* szName) {
  for (int iTb = 1; iTb <= cTb; iTb++)
    if (strcmp(rgtbdDesc[iTb].szName, szName) == 0) return iTb;
  return 0;
}

CFakeTables::CFakeTables() {
  fakeCalcCall = FakeCalcCall();
  indFakeResult = 0;
  FBuildCounterTree();
}

CFakeTables::~CFakeTables() {
  for (const Saved& s : saved_) {
    CTbDesc& tbd = rgtbdDesc[s.iTb];
    tbd.rgpfnIndCalc[0] = s.rgpfn[0];
    tbd.rgpfnIndCalc[1] = s.rgpfn[1];
    for (auto& rgsz : tbd.rgszExtentName)
      for (char*& sz : rgsz) sz = nullptr;
  }
  FFreeAllTbMemory();
}

int CFakeTables::Add(const char* szName, bool fWhiteToMove, bool fBlackToMove) {
  int iTb = ITbOfName(szName);
  CTbDesc& tbd = rgtbdDesc[iTb];
  saved_.push_back({iTb, {tbd.rgpfnIndCalc[0], tbd.rgpfnIndCalc[1]}});
  tbd.rgpfnIndCalc[0] = FakeCalc<0>;
  tbd.rgpfnIndCalc[1] = FakeCalc<1>;
  FRegisterTb(&tbd);
  if (fWhiteToMove) tbd.rgszExtentName[0][0] = szFakeFile;
  if (fBlackToMove && !(tbd.flags & fSymmetric)) tbd.rgszExtentName[1][0] = szFakeFile;
  return iTb;
}

SearchContext ContextOf(std::initializer_list<std::pair<Square, PieceCode>> white,
                        std::initializer_list<std::pair<Square, PieceCode>> black) {
  SearchContext context{};
  for (int colour : {0, 1}) {
    int i = 0;
    for (auto [sq, pc] : colour ? black : white) {
      context.PieceList[colour][i++] = sq;
      if (sq != CapturedSquare) context.Board[sq] = pc | (colour ? BlackBit : 0);
    }
  }
  return context;
}
