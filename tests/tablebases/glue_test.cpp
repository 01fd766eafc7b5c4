// The engine glue: initialisation and release from the options, the probe adapter's piece
// lists and en-passant argument, and the engine score of a distance to mate.
#include <gtest/gtest.h>
#include <cstring>
#include "position/search_context.h"
#include "support/tb_writer.h"
#include "support/tbfake.h"
#include "tablebases/tablebases.h"
#include "tablebases/tbfiles.h"
#include "uci/options.h"

namespace {

// Engine squares.
constexpr Square a1 = 1, b1 = 2, c1 = 3, e1 = 5, g1 = 7, a5 = 33, b5 = 34, a6 = 41, e8 = 61;

int Probe(const SearchContext& context, int side, int enPassant = 0) {
  return ProbeTablebase(context, context.Board, side, enPassant);
}

TEST(Glue, EngineScores) {
  EXPECT_EQ(TablebaseScore(1), 29998);
  EXPECT_EQ(TablebaseScore(10), 29980);
  EXPECT_EQ(TablebaseScore(0), 0);
  EXPECT_EQ(TablebaseScore(-1), -30000);
  EXPECT_EQ(TablebaseScore(-2), -29998);
  EXPECT_EQ(TablebaseScore(-128), -29746);
  EXPECT_EQ(TablebaseScore(32767), 100);
  EXPECT_EQ(TablebaseScore(-32767), -100);
  for (int s = -32768; s <= 32767; s++) {
    int v = TablebaseScore(s);
    ASSERT_TRUE(s > 0 ? v >= 100 && v <= 29998 : s < 0 ? v <= -100 && v >= -30000 : v == 0) << s;
  }
}

TEST(Glue, PieceListsToSquareArrays) {
  CFakeTables tables;
  tables.Add("kbnnk");
  SearchContext setup = ContextOf({{e1, King}, {b1, Knight}, {CapturedSquare, 0}, {g1, Knight},
                                   {CapturedSquare, 0}, {c1, Bishop}},
                                  {{e8, King}, {CapturedSquare, 0}});
  EXPECT_EQ(Probe(setup, 0), 0);  // found, no stored value without a cache
  EXPECT_EQ(fakeCalcCall.side, 0);
  EXPECT_EQ(fakeCalcCall.fInvert, 0);
  const square rgsqW[24] = {4, 0, 0, 0, 0, 0, 0, 0, 1, 6, 0, 0, 2};
  const square rgsqB[24] = {60};
  EXPECT_EQ(memcmp(fakeCalcCall.rgsqW, rgsqW, sizeof rgsqW), 0);
  EXPECT_EQ(memcmp(fakeCalcCall.rgsqB, rgsqB, sizeof rgsqB), 0);
  EXPECT_EQ(fakeCalcCall.sqEnP, XX);
}

TEST(Glue, NoValueAndBadInput) {
  CFakeTables tables;
  tables.Add("kpkp");
  tables.Add("kqk", true, false);
  // White to move, black pawn just advanced a7-a5.
  SearchContext kpkp = ContextOf({{e1, King}, {b5, Pawn}}, {{e8, King}, {a5, Pawn}});
  EXPECT_EQ(Probe(kpkp, 0, a6), 0);
  EXPECT_EQ(fakeCalcCall.sqEnP, a6 - 1);
  EXPECT_EQ(fakeCalcCall.fInvert, 1);

  SearchContext kqk = ContextOf({{e1, King}, {a1, Queen}}, {{e8, King}});
  EXPECT_EQ(Probe(kqk, 0), 0);
  EXPECT_EQ(Probe(kqk, 1), 30001);  // only the white-to-move file
  SearchContext kqkr = ContextOf({{e1, King}, {a1, Queen}}, {{e8, King}, {a6, Rook}});
  EXPECT_EQ(Probe(kqkr, 0), 30001);  // no table for the material
  // Five queens of one side: no table, and no slot beyond the array is written.
  SearchContext five = ContextOf(
      {{e1, King}, {9, Queen}, {10, Queen}, {11, Queen}, {12, Queen}, {13, Queen}}, {{e8, King}});
  EXPECT_EQ(Probe(five, 0), 30001);
  // A king code on a listed man's square.
  SearchContext kingOnList = ContextOf({{e1, King}, {a1, King}}, {{e8, King}});
  EXPECT_EQ(Probe(kingOnList, 0), 30001);
}

TEST(Glue, InitialiseAndRelease) {
  char szSaved[NalimovPathSize];
  strcpy(szSaved, NalimovPath);
  NalimovPath[0] = '\0';
  InitTablebases();
  EXPECT_EQ(TablebasesInitialised, 0);
  EXPECT_EQ(cTbInitRefs, 0);

  CTempDir dir;
  strcpy(NalimovPath, dir.Path().c_str());
  InitTablebases();
  EXPECT_EQ(TablebasesInitialised, 1);
  EXPECT_EQ(TablebasePieces, 0);  // a directory without tables
  ReleaseTablebases();
  EXPECT_EQ(TablebasesInitialised, 0);
  EXPECT_EQ(TablebasePieces, 0);
  EXPECT_EQ(cTbInitRefs, 0);
  ReleaseTablebases();  // nothing outstanding: nothing happens
  EXPECT_EQ(cTbInitRefs, 0);
  strcpy(NalimovPath, szSaved);
}

TEST(Glue, MemoryText) {
  unsigned cbSaved = cbDecodeAllocated;
  cbDecodeAllocated = 0;
  EXPECT_STREQ(TablebaseMemoryText(), "0.00");
  cbDecodeAllocated = 8 * 8256;
  EXPECT_STREQ(TablebaseMemoryText(), "0.06");
  cbDecodeAllocated = 3 * 1048576 / 2;
  EXPECT_STREQ(TablebaseMemoryText(), "1.50");
  cbDecodeAllocated = 0xFFFFFFFFu;
  EXPECT_STREQ(TablebaseMemoryText(), "4095.99");
  cbDecodeAllocated = cbSaved;
}

}  // namespace
