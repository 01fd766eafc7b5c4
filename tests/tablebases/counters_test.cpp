// The piece-counter tree: building, registration, lookups, release; the small accessors
// (the decode-buffer size is checked through its text, in the glue tests).
#include <gtest/gtest.h>
#include <array>
#include <cstring>
#include <vector>
#include "tablebases/tbcounters.h"
#include "tablebases/tbfiles.h"
#include "support/alloc_hooks.h"
#include "support/tbfake.h"


namespace {

int ITb(const char* name) { return ITbOfName(name); }

class CounterTree : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(FBuildCounterTree()); }
  void TearDown() override {
    cNothrowUntilFailure = -1;
    FFreeAllTbMemory();
  }
  static int Find(std::initializer_list<int> counters) {
    int rgc[cCounters] = {};
    int i = 0;
    for (int c : counters) rgc[i++] = c;
    return ITbFindFromCounters(rgc);
  }
};

// Nodes and entries reachable from a node with cLevel levels of nodes below it.
void CountTree(const CTbCounterNode* ptbcn, int cLevel, int* pcNodes, int* pcEntries,
               int* pcLeaves) {
  ++*pcNodes;
  *pcEntries += ptbcn->cMax + 1;
  if (cLevel == 0) {
    *pcLeaves += ptbcn->cMax + 1;
    return;
  }
  for (int i = 0; i <= ptbcn->cMax; i++)
    CountTree(ptbcn->rgEntry[i].ptbcn, cLevel - 1, pcNodes, pcEntries, pcLeaves);
}

TEST(Counters, ParseNames) {
  int rgc[cCounters];
  VSetCounters(rgc, "kqrkqp");
  EXPECT_EQ(std::vector<int>(rgc, rgc + cCounters), (std::vector<int>{0, 0, 0, 1, 1, 1, 0, 0, 0, 1}));
  VSetCounters(rgc, "knnpkb");
  EXPECT_EQ(std::vector<int>(rgc, rgc + cCounters), (std::vector<int>{1, 2, 0, 0, 0, 0, 0, 1, 0, 0}));
  EXPECT_STREQ(PchSetHalfCounters(rgc, "ppk"), "k");
}

TEST_F(CounterTree, ShapeOfTheTree) {
  int cNodes = 0, cEntries = 0, cLeaves = 0;
  CountTree(&tbcnRoot, 9, &cNodes, &cEntries, &cLeaves);
  EXPECT_EQ(cNodes, 2002);
  EXPECT_EQ(cEntries, 3002);
  EXPECT_EQ(cLeaves, 1001);
  EXPECT_TRUE(FBuildCounterTree());  // built once: a second call keeps the tree
  int cNodes2 = 0;
  CountTree(&tbcnRoot, 9, &cNodes2, &cEntries, &cLeaves);
  EXPECT_EQ(cNodes2, 2002);
}

TEST_F(CounterTree, RegistrationAndColourOrientation) {
  int iKqkr = ITb("kqkr"), iKqkq = ITb("kqkq"), iKpkp = ITb("kpkp");
  EXPECT_TRUE(FRegisterTb(&rgtbdDesc[iKqkr]));
  EXPECT_EQ(Find({0, 0, 0, 0, 1, 0, 0, 0, 1, 0}), iKqkr);
  EXPECT_EQ(Find({0, 0, 0, 1, 0, 0, 0, 0, 0, 1}), -iKqkr);
  EXPECT_TRUE(FRegisterTb(&rgtbdDesc[iKqkr]));  // once per extent file: same entries
  EXPECT_EQ(Find({0, 0, 0, 1, 0, 0, 0, 0, 0, 1}), -iKqkr);

  EXPECT_TRUE(FRegisterTb(&rgtbdDesc[iKqkq]));
  EXPECT_EQ(Find({0, 0, 0, 0, 1, 0, 0, 0, 0, 1}), iKqkq);

  EXPECT_TRUE(FRegisterTb(&rgtbdDesc[iKpkp]));
  EXPECT_EQ(Find({1, 0, 0, 0, 0, 1, 0, 0, 0, 0}), -iKpkp);

  const int rgWhite[] = {x_pieceQueen}, rgBlack[] = {x_pieceRook};
  EXPECT_EQ(ITbFindFromPieceLists(rgWhite, rgBlack, 1, 1), iKqkr);
  EXPECT_EQ(ITbFindFromPieceLists(rgBlack, rgWhite, 1, 1), -iKqkr);
  const int rgBad[] = {6};
  EXPECT_EQ(ITbFindFromPieceLists(rgBad, rgBlack, 1, 1), 0);
}

TEST_F(CounterTree, LookupsOutsideTheTree) {
  // Registered everything: a material without a registered table still gives 0.
  for (int iTb = 1; iTb <= cTb; iTb++)
    if (iTb != ITb("kbbkbn")) {
      ASSERT_TRUE(FRegisterTb(&rgtbdDesc[iTb])) << iTb;
    }
  EXPECT_EQ(Find({0, 0, 2, 0, 0, 0, 1, 1, 0, 0}), 0);
  EXPECT_EQ(Find({0, 1, 1, 0, 0, 0, 0, 2, 0, 0}), 0);  // colours exchanged
  EXPECT_EQ(Find({3, 0, 0, 0, 0, 0, 0, 0, 0, 2}), 0);  // five men besides the kings
  EXPECT_EQ(Find({5, 0, 0, 0, 0, 0, 0, 0, 0, 0}), 0);
  EXPECT_EQ(Find({0, 0, 0, 0, 1, 0, 0, 0, 0, -1}), 0);
  EXPECT_EQ(Find({}), 0);  // bare kings: record 0 is never registered
  EXPECT_EQ(Find({0, 0, 0, 0, 3, 0, 0, 0, 1, 0}), ITb("kqqqkr"));
  EXPECT_EQ(Find({0, 0, 0, 1, 0, 0, 0, 0, 0, 3}), -ITb("kqqqkr"));
}

TEST(Counters, FailedAllocationLeavesNoTree) {
  for (int cAllowed : {0, 1, 7, 500, 2000}) {
    cNothrowUntilFailure = cAllowed;
    EXPECT_FALSE(FBuildCounterTree()) << cAllowed;
    cNothrowUntilFailure = -1;
    EXPECT_FALSE(fCounterTreeBuilt);
    for (int n = 0; n <= 4; n++) EXPECT_EQ(tbcnRoot.rgEntry[n].ptbcn, nullptr);
    EXPECT_FALSE(FRegisterTb(&rgtbdDesc[ITb("kqk")]));
    EXPECT_EQ(ITbFindFromCounters(std::array<int, cCounters>{0, 0, 0, 0, 1}.data()), 0);
  }
  ASSERT_TRUE(FBuildCounterTree());
  EXPECT_TRUE(FRegisterTb(&rgtbdDesc[ITb("kqk")]));
  FFreeAllTbMemory();
}

TEST_F(CounterTree, ReleaseFreesNamesAndTree) {
  CTbDesc& tbd = rgtbdDesc[ITb("krbkbn")];
  ASSERT_TRUE(FRegisterTb(&tbd));
  for (int e = 0; e < 3; e++) {
    tbd.rgszExtentName[1][e] = static_cast<char*>(PvTbAlloc(16));
    ASSERT_NE(tbd.rgszExtentName[1][e], nullptr);
  }
  EXPECT_TRUE(FFreeAllTbMemory());
  for (int e = 0; e < 3; e++) EXPECT_EQ(tbd.rgszExtentName[1][e], nullptr);
  EXPECT_FALSE(fCounterTreeBuilt);
  EXPECT_EQ(tbcnRoot.cMax, 4);
  for (int n = 0; n <= 4; n++) EXPECT_EQ(tbcnRoot.rgEntry[n].ptbcn, nullptr);
  EXPECT_EQ(Find({0, 0, 1, 1, 0, 0, 1, 1, 0, 0}), 0);  // a walk after release finds nothing
  EXPECT_TRUE(FBuildCounterTree());                     // and the tree can be built again
  EXPECT_EQ(Find({0, 0, 1, 1, 0, 0, 1, 1, 0, 0}), 0);
}

TEST_F(CounterTree, PresenceOfTableSides) {
  static char szName[] = "x";
  int iSplit = ITb("krbkbn");  // 5644742400 positions a side to move: 3 extents
  CTbDesc& tbd = rgtbdDesc[iSplit];
  ASSERT_EQ(CTbExtents(tbd, 0), 3);
  EXPECT_FALSE(FTbPresent(iSplit, 0));
  tbd.rgszExtentName[0][3] = szName;  // beyond the side's extents
  EXPECT_FALSE(FTbPresent(iSplit, 0));
  tbd.rgszExtentName[0][3] = nullptr;
  tbd.rgszExtentName[0][2] = szName;
  EXPECT_TRUE(FTbPresent(iSplit, 0));
  EXPECT_FALSE(FTbPresent(iSplit, 1));
  tbd.rgszExtentName[0][2] = nullptr;

  int iSym = ITb("kqkq");
  rgtbdDesc[iSym].rgszExtentName[0][0] = szName;
  EXPECT_TRUE(FTbPresent(iSym, 1));
  unsigned char rgb[1001];
  memset(rgb, 0xAA, sizeof rgb);
  VTbPresenceMap(rgb, 1000);
  EXPECT_EQ(rgb[0], 0);
  EXPECT_EQ(rgb[iSym], 1);
  EXPECT_EQ(rgb[iSplit], 0);
  EXPECT_EQ(rgb[440], 0);
  EXPECT_EQ(rgb[441], 0xAA);
  memset(rgb, 0xAA, sizeof rgb);
  VTbPresenceMap(rgb, 0);
  EXPECT_EQ(rgb[0], 0xAA);
  rgtbdDesc[iSym].rgszExtentName[0][0] = nullptr;
  EXPECT_FALSE(FTbPresent(0, 0));
  EXPECT_FALSE(FTbPresent(441, 0));
}

TEST(Counters, Accessors) {
  EXPECT_EQ(PfnTbIndCalc(5, 1), rgtbdDesc[5].rgpfnIndCalc[1]);
  EXPECT_EQ(PfnTbIndCalc(441, 0), nullptr);
  int cRefs = cTbInitRefs, cFound = cTbPiecesFound;
  cTbPiecesFound = 5;
  cTbInitRefs = 0;
  EXPECT_EQ(ITbMaxPieces(), 0);
  cTbInitRefs = 1;
  EXPECT_EQ(ITbMaxPieces(), 5);
  cTbInitRefs = cRefs;
  cTbPiecesFound = cFound;
}

}  // namespace
