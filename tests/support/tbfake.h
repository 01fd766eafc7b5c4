// Tables registered without files: recording calculators and pretend file names, so that the
// probe road can be tested before (or without) table files. Restores every descriptor it
// touched, and frees the counter tree, when it goes out of scope.
#pragma once
#include <utility>
#include <vector>
#include "position/search_context.h"
#include "tablebases/tbdesc.h"

// What the last fake calculator call received.
struct FakeCalcCall {
  int cCalls = 0;
  color side = -1;  // 0 IndCalcW, 1 IndCalcB
  const square* psqW = nullptr;
  const square* psqB = nullptr;
  square rgsqW[24] = {};
  square rgsqB[24] = {};
  square sqEnP = -1;
  int fInvert = -1;
};
extern FakeCalcCall fakeCalcCall;
extern INDEX indFakeResult;  // what the fake calculators return

class CFakeTables {
 public:
  CFakeTables();
  ~CFakeTables();
  // Registers the table and pretends the files of the chosen sides exist (side 0 only for
  // a symmetric table). Returns its number.
  int Add(const char* szName, bool fWhiteToMove = true, bool fBlackToMove = true);

 private:
  struct Saved {
    int iTb;
    PfnCalcIndex rgpfn[2];
  };
  std::vector<Saved> saved_;
};

int ITbOfName(const char* szName);

// An engine search context holding the men of each colour (engine squares and piece codes,
// king first); a man on CapturedSquare stands in the list only.
SearchContext ContextOf(std::initializer_list<std::pair<Square, PieceCode>> white,
                        std::initializer_list<std::pair<Square, PieceCode>> black);
