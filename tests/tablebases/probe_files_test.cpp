// The probe road end to end over table files written here: stored bytes become engine
// scores in both colour orientations, and indices beyond 2^32 reach their true place in the
// later extents of split tables, for byte and for 16-bit values.
#include <gtest/gtest.h>
#include <cstring>
#include <map>
#include <vector>
#include "position/search_context.h"
#include "support/tb_writer.h"
#include "support/tbfake.h"
#include "tablebases/tablebases.h"
#include "tablebases/tbframework.h"
#include "tablebases/tbprobe.h"
#include "uci/options.h"

namespace {

class TableFiles : public ::testing::Test {
 protected:
  void SetUp() override { strcpy(szSavedPath_, NalimovPath); }
  void TearDown() override {
    ReleaseTablebases();
    if (fIndexTablesBuilt) VFreeIndexTables();
    strcpy(NalimovPath, szSavedPath_);
  }
  // Writes one side with the listed values and 0 elsewhere (only their chunks hold data).
  void Write(int iTb, color side, std::map<INDEX, int> values) {
    std::vector<INDEX> chunks;
    INDEX cbValue = rgtbdDesc[iTb].flags & f16Bit ? 2 : 1;
    for (auto [i, v] : values) chunks.push_back(i * cbValue / cbTbChunk);
    auto value = [&](INDEX i) { return values.count(i) ? values[i] : 0; };
    ASSERT_TRUE(FWriteTbChunks(dir_.Path(), iTb, side, chunks, value));
  }
  void Initialise() {
    strcpy(NalimovPath, dir_.Path().c_str());
    InitTablebases();
  }
  CTempDir dir_;
  char szSavedPath_[NalimovPathSize];
};

TEST_F(TableFiles, StoredBytesBecomeEngineScores) {
  int iKqk = ITbOfName("kqk");
  const CTbDesc& tbd = rgtbdDesc[iKqk];
  ASSERT_TRUE(FBuildIndexTables());
  // White Ke1, Qb3 against Ke8, white to move: mate in 10 (stored byte 117).
  square rgsqW[24] = {4}, rgsqB[24] = {60};
  rgsqW[20] = 17;
  INDEX indMateIn10 = tbd.rgpfnIndCalc[0](rgsqW, rgsqB, XX, 0);
  // White Kf6, Qg7 against Kh8, black to move: checkmated (stored byte -126); the same
  // with the queen on a1 instead: mated in 1 (-125).
  square rgsqW2[24] = {45}, rgsqB2[24] = {63};
  rgsqW2[20] = 54;
  INDEX indMated = tbd.rgpfnIndCalc[1](rgsqW2, rgsqB2, XX, 0);
  rgsqW2[20] = 0;
  INDEX indMatedIn1 = tbd.rgpfnIndCalc[1](rgsqW2, rgsqB2, XX, 0);
  ASSERT_NE(indMated, indMatedIn1);
  Write(iKqk, 0, {{indMateIn10, 117}});
  Write(iKqk, 1, {{indMated, -126}, {indMatedIn1, -125}});
  Initialise();
  ASSERT_EQ(TablebasePieces, 3);

  SearchContext won = ContextOf({{5, King}, {18, Queen}}, {{61, King}});
  EXPECT_EQ(ProbeTablebase(won, won.Board, 0, 0), 30000 - 20);
  // Mirrored top to bottom with the colours exchanged, black to move: the same table entry.
  SearchContext wonMirrored = ContextOf({{5, King}}, {{61, King}, {42, Queen}});
  EXPECT_EQ(ProbeTablebase(wonMirrored, wonMirrored.Board, 1, 0), 30000 - 20);
  SearchContext mated = ContextOf({{46, King}, {55, Queen}}, {{64, King}});
  EXPECT_EQ(ProbeTablebase(mated, mated.Board, 1, 0), -30000);
  SearchContext matedIn1 = ContextOf({{46, King}, {1, Queen}}, {{64, King}});
  EXPECT_EQ(ProbeTablebase(matedIn1, matedIn1.Board, 1, 0), -29998);
  SearchContext draw = ContextOf({{5, King}, {19, Queen}}, {{61, King}});
  EXPECT_EQ(ProbeTablebase(draw, draw.Board, 0, 0), 0);
  SearchContext noTable = ContextOf({{5, King}, {19, Rook}}, {{61, King}});
  EXPECT_EQ(ProbeTablebase(noTable, noTable.Board, 0, 0), 30001);
}

TEST_F(TableFiles, KppkpMatedIn127WhateverTheFileHolds) {
  const CTbDesc& tbd = rgtbdDesc[36];
  ASSERT_STREQ(tbd.szName, "kppkp");
  Write(36, 0, {{56802428, 7}});
  Write(36, 1, {{56802428, 7}, {56802429, 7}});
  Initialise();
  EXPECT_EQ(ITbValueToScore(L_TbtProbeTable(36, 1, 56802428)), -128);
  EXPECT_EQ(ITbValueToScore(L_TbtProbeTable(36, 1, 56802429)), 120);
  EXPECT_EQ(ITbValueToScore(L_TbtProbeTable(36, 0, 56802428)), 120);
}

constexpr INDEX cbExtent = INDEX(1) << 31;

TEST_F(TableFiles, IndicesBeyond32BitsOfByteTables) {
  int iTb = ITbOfName("knpknp");  // symmetric, split, one byte a position: 7 extents
  const CTbDesc& tbd = rgtbdDesc[iTb];
  ASSERT_EQ(CTbExtents(tbd, 0), 7);
  Write(iTb, 0, {{5, 1}, {12345, 2}, {(INDEX(1) << 32) + 5, 100}, {6 * cbExtent + 12345, -100}});
  Initialise();
  ASSERT_EQ(TablebasePieces, 6);
  EXPECT_EQ(L_TbtProbeTable(iTb, 0, 5), 1 + 32640);
  EXPECT_EQ(L_TbtProbeTable(iTb, 0, (uint64_t(1) << 32) + 5), 100 + 32640);
  EXPECT_EQ(L_TbtProbeTable(iTb, 1, 6 * cbExtent + 12345), -100 - 32640);
  EXPECT_EQ(L_TbtProbeTable(iTb, 1, 6 * cbExtent + 12346), 0);
  EXPECT_EQ(L_TbtProbeTable(iTb, 0, tbd.positions[0]), 32767);  // past the data
}

TEST_F(TableFiles, IndicesBeyond32BitsOfWordTables) {
  int iTb = ITbOfName("kbpkpp");  // 16-bit, split: 5 extents a side
  const CTbDesc& tbd = rgtbdDesc[iTb];
  ASSERT_EQ(CTbExtents(tbd, 0), 5);
  Write(iTb, 0, {{3, 1}, {7, 2}, {cbExtent + 3, -32766}, {(INDEX(1) << 32) + 7, 32766}});
  Initialise();
  ASSERT_EQ(TablebasePieces, 6);
  EXPECT_EQ(L_TbtProbeTable(iTb, 0, 3), 1);
  EXPECT_EQ(L_TbtProbeTable(iTb, 0, cbExtent + 3), -32766);
  EXPECT_EQ(L_TbtProbeTable(iTb, 0, (uint64_t(1) << 32) + 7), 32766);
  EXPECT_EQ(ITbValueToScore(L_TbtProbeTable(iTb, 0, (uint64_t(1) << 32) + 7)), 1);
  EXPECT_EQ(L_TbtProbeTable(iTb, 1, 3), 32767);  // no black-to-move files
}

}  // namespace
