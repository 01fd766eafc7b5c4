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

struct Men {
  SearchContext context{};
  void Add(int colour, Square sq, PieceCode pc) {
    Square* pList = context.PieceList[colour];
    int i = 0;
    while (pList[i] != NoSquare) i++;
    pList[i] = sq;
    if (sq != CapturedSquare) context.Board[sq] = pc | (colour ? BlackBit : 0);
  }
  int Probe(int side, int enPassant = 0) {
    return ProbeTablebase(context, context.Board, side, enPassant);
  }
};

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
  Men setup;
  setup.Add(0, e1, King);
  setup.Add(0, b1, Knight);
  setup.Add(0, CapturedSquare, 0);
  setup.Add(0, g1, Knight);
  setup.Add(0, CapturedSquare, 0);
  setup.Add(0, c1, Bishop);
  setup.Add(1, e8, King);
  setup.Add(1, CapturedSquare, 0);
  EXPECT_EQ(setup.Probe(0), 0);  // found, no stored value without a cache
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
  Men kpkp;  // white to move, black pawn just advanced a7-a5
  kpkp.Add(0, e1, King);
  kpkp.Add(0, b5, Pawn);
  kpkp.Add(1, e8, King);
  kpkp.Add(1, a5, Pawn);
  EXPECT_EQ(kpkp.Probe(0, a6), 0);
  EXPECT_EQ(fakeCalcCall.sqEnP, a6 - 1);
  EXPECT_EQ(fakeCalcCall.fInvert, 1);

  Men kqk;
  kqk.Add(0, e1, King);
  kqk.Add(0, a1, Queen);
  kqk.Add(1, e8, King);
  EXPECT_EQ(kqk.Probe(0), 0);
  EXPECT_EQ(kqk.Probe(1), 30001);  // only the white-to-move file
  kqk.Add(1, a6, Rook);
  EXPECT_EQ(kqk.Probe(0), 30001);  // no table for the material

  Men five;  // five queens of one side: no table, and no slot beyond the array is written
  five.Add(0, e1, King);
  for (Square sq = 9; sq < 14; sq++) five.Add(0, sq, Queen);
  five.Add(1, e8, King);
  EXPECT_EQ(five.Probe(0), 30001);
  Men kingOnList;  // a king code on a listed man's square
  kingOnList.Add(0, e1, King);
  kingOnList.Add(0, a1, King);
  kingOnList.Add(1, e8, King);
  EXPECT_EQ(kingOnList.Probe(0), 30001);
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
