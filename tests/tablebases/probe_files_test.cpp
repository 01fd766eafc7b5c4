// The probe road end to end over table files written here: stored bytes become engine
// scores in both colour orientations, and indices beyond 2^32 reach their true place in the
// later extents of split tables, for byte and for 16-bit values.
#include <gtest/gtest.h>
#include <fcntl.h>
#include <unistd.h>
#include <cstring>
#include <string>
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
  // A file of cb bytes (sparse where nothing is written) holding the given bytes.
  void Write(const std::string& name, uint64_t cb,
             std::vector<std::pair<uint64_t, std::vector<uint8_t>>> bytes) {
    int fd = open(dir_.File(name).c_str(), O_CREAT | O_TRUNC | O_WRONLY, 0644);
    ASSERT_GE(fd, 0) << name;
    ASSERT_EQ(ftruncate(fd, off_t(cb)), 0);
    for (auto& [offset, rgb] : bytes)
      ASSERT_EQ(pwrite(fd, rgb.data(), rgb.size(), off_t(offset)), ssize_t(rgb.size()));
    close(fd);
  }
  void Initialise() {
    strcpy(NalimovPath, dir_.Path().c_str());
    InitTablebases();
  }
  CTempDir dir_;
  char szSavedPath_[NalimovPathSize];
};

// A search context with the men of each colour (engine squares and codes, king first).
SearchContext Context(std::initializer_list<std::pair<Square, PieceCode>> white,
                      std::initializer_list<std::pair<Square, PieceCode>> black) {
  SearchContext context{};
  int i = 0;
  for (auto [sq, pc] : white) {
    context.PieceList[0][i++] = sq;
    context.Board[sq] = pc;
  }
  i = 0;
  for (auto [sq, pc] : black) {
    context.PieceList[1][i++] = sq;
    context.Board[sq] = pc | BlackBit;
  }
  return context;
}

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
  Write("kqk.nbw", tbd.positions[0], {{indMateIn10, {117}}});
  Write("kqk.nbb", tbd.positions[1], {{indMated, {uint8_t(-126)}}, {indMatedIn1, {uint8_t(-125)}}});
  Initialise();
  ASSERT_EQ(TablebasePieces, 3);

  SearchContext won = Context({{5, King}, {18, Queen}}, {{61, King}});
  EXPECT_EQ(ProbeTablebase(won, won.Board, 0, 0), 30000 - 20);
  // Mirrored top to bottom with the colours exchanged, black to move: the same table entry.
  SearchContext wonMirrored = Context({{5, King}}, {{61, King}, {42, Queen}});
  EXPECT_EQ(ProbeTablebase(wonMirrored, wonMirrored.Board, 1, 0), 30000 - 20);
  SearchContext mated = Context({{46, King}, {55, Queen}}, {{64, King}});
  EXPECT_EQ(ProbeTablebase(mated, mated.Board, 1, 0), -30000);
  SearchContext matedIn1 = Context({{46, King}, {1, Queen}}, {{64, King}});
  EXPECT_EQ(ProbeTablebase(matedIn1, matedIn1.Board, 1, 0), -29998);
  SearchContext draw = Context({{5, King}, {19, Queen}}, {{61, King}});
  EXPECT_EQ(ProbeTablebase(draw, draw.Board, 0, 0), 0);
  SearchContext noTable = Context({{5, King}, {19, Rook}}, {{61, King}});
  EXPECT_EQ(ProbeTablebase(noTable, noTable.Board, 0, 0), 30001);
}

TEST_F(TableFiles, KppkpMatedIn127WhateverTheFileHolds) {
  const CTbDesc& tbd = rgtbdDesc[36];
  ASSERT_STREQ(tbd.szName, "kppkp");
  Write("kppkp.nbw", tbd.positions[0], {{56802428, {7}}});
  Write("kppkp.nbb", tbd.positions[1], {{56802428, {7}}, {56802429, {7}}});
  Initialise();
  EXPECT_EQ(ITbValueToScore(L_TbtProbeTable(36, 1, 56802428)), -128);
  EXPECT_EQ(ITbValueToScore(L_TbtProbeTable(36, 1, 56802429)), 120);
  EXPECT_EQ(ITbValueToScore(L_TbtProbeTable(36, 0, 56802428)), 120);
}

constexpr uint64_t cbExtent = uint64_t(1) << 31;

TEST_F(TableFiles, IndicesBeyond32BitsOfByteTables) {
  int iTb = ITbOfName("knpknp");  // symmetric, split, one byte a position: 7 extents
  const CTbDesc& tbd = rgtbdDesc[iTb];
  ASSERT_EQ(CTbExtents(tbd, 0), 7);
  for (int e = 0; e < 7; e++) {
    uint64_t cb = e < 6 ? cbExtent : tbd.positions[0] - 6 * cbExtent;
    std::vector<std::pair<uint64_t, std::vector<uint8_t>>> bytes;
    if (e == 0) bytes = {{5, {1}}, {12345, {2}}};
    if (e == 2) bytes = {{5, {100}}};
    if (e == 6) bytes = {{12345, {uint8_t(-100)}}};
    Write("knpknp." + std::to_string(e) + ".nbw", cb, bytes);
  }
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
  for (int e = 0; e < 5; e++) {
    uint64_t cb = e < 4 ? cbExtent : 2 * tbd.positions[0] - 4 * cbExtent;
    std::vector<std::pair<uint64_t, std::vector<uint8_t>>> bytes;
    if (e == 0) bytes = {{6, {0x01, 0x00}}, {14, {0x02, 0x00}}};
    if (e == 2) bytes = {{6, {0x02, 0x80}}};
    if (e == 4) bytes = {{14, {0xFE, 0x7F}}};
    Write("kbpkpp." + std::to_string(e) + ".nbw", cb, bytes);
  }
  Initialise();
  ASSERT_EQ(TablebasePieces, 6);
  EXPECT_EQ(L_TbtProbeTable(iTb, 0, 3), 1);
  EXPECT_EQ(L_TbtProbeTable(iTb, 0, cbExtent + 3), -32766);
  EXPECT_EQ(L_TbtProbeTable(iTb, 0, (uint64_t(1) << 32) + 7), 32766);
  EXPECT_EQ(ITbValueToScore(L_TbtProbeTable(iTb, 0, (uint64_t(1) << 32) + 7)), 1);
  EXPECT_EQ(L_TbtProbeTable(iTb, 1, 3), 32767);  // no black-to-move files
}

}  // namespace
