// The probe entry: table and colour orientation, presence of the table side, the en-passant
// filter, and the decoding of stored values into move scores.
#include <gtest/gtest.h>
#include "support/tbfake.h"
#include "tablebases/tbcache.h"
#include "tablebases/tbcounters.h"
#include "tablebases/tbprobe.h"

namespace {

// Squares of the tablebase numbering.
constexpr square a5 = 32, b5 = 33, c5 = 34, h4 = 31, g4 = 30, b6 = 41, a6 = 40, h3 = 23,
                 e1 = 4, e8 = 60, e2 = 12, d7 = 51;

struct Position {
  int rgc[cCounters] = {};
  square rgsqW[24] = {};
  square rgsqB[24] = {};
  // Kings, then men as (white?, type, square).
  Position(square sqWK, square sqBK, std::initializer_list<std::tuple<bool, int, square>> men) {
    rgsqW[0] = sqWK;
    rgsqB[0] = sqBK;
    for (auto [fWhite, t, sq] : men) {
      int* pc = &rgc[fWhite ? t - 1 : t + 4];
      (fWhite ? rgsqW : rgsqB)[4 * t + (*pc)++] = sq;
    }
  }
  bool Probe(color side, square sqEnP, int* pScore) const {
    return FTbProbe(rgc, rgsqW, rgsqB, side, sqEnP, pScore);
  }
};

TEST(Probe, ColourOrientation) {
  CFakeTables tables;
  tables.Add("kpk");
  Position kpk(e1, e8, {{true, x_piecePawn, e2}});
  int score = 12345;
  ASSERT_TRUE(kpk.Probe(x_colorBlack, 0, &score));
  EXPECT_EQ(score, 0);  // no cache: no value, answered as a draw
  EXPECT_EQ(fakeCalcCall.side, x_colorBlack);
  EXPECT_EQ(fakeCalcCall.fInvert, 0);
  EXPECT_EQ(fakeCalcCall.psqW, kpk.rgsqW);
  EXPECT_EQ(fakeCalcCall.sqEnP, XX);

  Position kkp(e1, e8, {{false, x_piecePawn, d7}});
  ASSERT_TRUE(kkp.Probe(x_colorWhite, 0, &score));
  EXPECT_EQ(fakeCalcCall.side, x_colorBlack);
  EXPECT_EQ(fakeCalcCall.fInvert, 1);
  EXPECT_EQ(fakeCalcCall.psqW, kkp.rgsqB);
  EXPECT_EQ(fakeCalcCall.psqB, kkp.rgsqW);
  EXPECT_EQ(fakeCalcCall.cCalls, 2);
}

TEST(Probe, PresenceOfTheTableSide) {
  CFakeTables tables;
  tables.Add("kqkr", true, false);
  tables.Add("kqkq", true, false);
  tables.Add("kpkp", true, false);
  Position kqkr(e1, e8, {{true, x_pieceQueen, e2}, {false, x_pieceRook, d7}});
  int score = 12345;
  EXPECT_FALSE(kqkr.Probe(x_colorBlack, 0, &score));  // only the other side's file
  EXPECT_EQ(score, 12345);
  EXPECT_EQ(fakeCalcCall.cCalls, 0);
  EXPECT_TRUE(kqkr.Probe(x_colorWhite, 0, &score));

  // A symmetric table answers both sides from the white-to-move files.
  Position kqkq(e1, e8, {{true, x_pieceQueen, e2}, {false, x_pieceQueen, d7}});
  EXPECT_TRUE(kqkq.Probe(x_colorBlack, 0, &score));
  EXPECT_EQ(fakeCalcCall.side, x_colorBlack);
  EXPECT_EQ(fakeCalcCall.fInvert, 0);

  // kpkp always has a negative leaf: black to move reads the white-to-move side.
  Position kpkp(e1, e8, {{true, x_piecePawn, e2}, {false, x_piecePawn, d7}});
  EXPECT_FALSE(kpkp.Probe(x_colorWhite, 0, &score));
  EXPECT_TRUE(kpkp.Probe(x_colorBlack, 0, &score));
  EXPECT_EQ(fakeCalcCall.side, x_colorWhite);
  EXPECT_EQ(fakeCalcCall.fInvert, 1);

  Position kbbkbn(e1, e8, {{true, x_pieceBishop, e2}, {true, x_pieceBishop, 13},
                           {false, x_pieceBishop, d7}, {false, x_pieceKnight, 52}});
  score = 12345;
  EXPECT_FALSE(kbbkbn.Probe(x_colorWhite, 0, &score));  // no table registered
  Position six(e1, e8, {{true, x_piecePawn, 8}, {true, x_piecePawn, 9}, {true, x_piecePawn, 10},
                        {false, x_pieceQueen, 50}, {false, x_pieceQueen, 51}});
  EXPECT_FALSE(six.Probe(x_colorWhite, 0, &score));
  EXPECT_EQ(score, 12345);
}

// The en-passant square that reaches the calculator of kpkp or kppkp.
square SqEnPassantSeen(const Position& pos, color side, square sqEnP) {
  int score;
  fakeCalcCall.sqEnP = -1;
  EXPECT_TRUE(pos.Probe(side, sqEnP, &score));
  return fakeCalcCall.sqEnP;
}

TEST(Probe, EnPassantFilter) {
  CFakeTables tables;
  tables.Add("kpkp");
  tables.Add("kppkp");
  using P = Position;
  const square e7 = 52, a8 = 56;
  // White to move, black pawn just advanced b7-b5.
  EXPECT_EQ(SqEnPassantSeen(P(e1, e7, {{true, 1, a5}, {false, 1, b5}}), 0, b6), b6);
  EXPECT_EQ(SqEnPassantSeen(P(e1, e7, {{true, 1, c5}, {false, 1, b5}}), 0, b6), b6);
  EXPECT_EQ(SqEnPassantSeen(P(e1, e7, {{true, 1, 35}, {false, 1, b5}}), 0, b6), XX);
  EXPECT_EQ(SqEnPassantSeen(P(e1, e7, {{true, 1, 35}, {true, 1, c5}, {false, 1, b5}}), 0, b6),
            b6);
  EXPECT_EQ(SqEnPassantSeen(P(e1, e7, {{true, 1, h4}, {false, 1, a5}}), 0, a6), XX);
  EXPECT_EQ(SqEnPassantSeen(P(e1, e7, {{true, 1, 39}, {false, 1, a5}}), 0, a6), XX);  // h5
  EXPECT_EQ(SqEnPassantSeen(P(e1, e7, {{true, 1, b5}, {false, 1, a5}}), 0, a6), a6);
  EXPECT_EQ(SqEnPassantSeen(P(e1, e7, {{true, 1, a5}, {false, 1, b5}}), 0, 0), XX);
  // No pawn of the side not to move in front of the square: not an en-passant position.
  EXPECT_EQ(SqEnPassantSeen(P(e1, e7, {{true, 1, a5}, {false, 1, 49}}), 0, b6), XX);
  // A square off the sixth rank (white to move) is no en-passant square either.
  EXPECT_EQ(SqEnPassantSeen(P(e1, a8, {{true, 1, 40}, {false, 1, 41}}), 0, 49), XX);
  // Black to move, white pawn just advanced h2-h4; the filter sees the colours as passed in.
  EXPECT_EQ(SqEnPassantSeen(P(e1, e8, {{true, 1, h4}, {false, 1, g4}}), 1, h3), h3);
  EXPECT_EQ(fakeCalcCall.fInvert, 1);
  EXPECT_EQ(SqEnPassantSeen(P(e1, e8, {{true, 1, h4}, {false, 1, a5}}), 1, h3), XX);
  EXPECT_EQ(SqEnPassantSeen(P(e1, e8, {{true, 1, 25}, {false, 1, g4}}), 1, h3), XX);
  EXPECT_EQ(SqEnPassantSeen(P(e1, e8, {{true, 1, 24}, {false, 1, 25}}), 1, 16), 16);  // a3
  EXPECT_EQ(SqEnPassantSeen(P(e1, e8, {{true, 1, 24}, {false, 1, 31}}), 1, 16), XX);
}

TEST(Probe, StoredBytesAndWords) {
  const int rgByte[] = {126, 1, 127, -126, -1, -127, -128, 0};
  const int rgScore[] = {1, 126, 0, -1, -126, -127, 127, 0};
  for (int i = 0; i < 8; i++) EXPECT_EQ(ITbValueToScore(ITbDecodeByte(rgByte[i])), rgScore[i]);
  EXPECT_EQ(ITbDecodeWord(int8_t(0xFE), 0x7F), 32766);
  EXPECT_EQ(ITbValueToScore(ITbDecodeWord(int8_t(0xFE), 0x7F)), 1);
  EXPECT_EQ(ITbDecodeWord(0x02, int8_t(0x80)), -32766);
  EXPECT_EQ(ITbValueToScore(-32766), -1);
  EXPECT_EQ(ITbDecodeWord(-1, -1), -1);
  EXPECT_EQ(ITbDecodeWord(0, int8_t(0x80)), -32768);
  EXPECT_EQ(ITbValueToScore(32767), 0);
  EXPECT_EQ(ITbValueToScore(-32767), -32767);
  EXPECT_EQ(ITbValueToScore(-32768), 32767);
  EXPECT_EQ(ITbValueToScore(-32769), 0);
  EXPECT_EQ(ITbValueToScore(-32639), -128);
}

TEST(Probe, ReadsWithoutCacheOrBeyondTheData) {
  int iKppkp = ITbOfName("kppkp");
  ASSERT_EQ(iKppkp, 36);
  CTbDesc& tbd = rgtbdDesc[iKppkp];
  EXPECT_EQ(L_TbtProbeTable(iKppkp, 1, 56802428), 32767);  // no cache slots
  unsigned cSlots = ctbcSlots;
  ctbcSlots = 1;
  EXPECT_EQ(L_TbtProbeTable(iKppkp, 1, 56802428), 32767);  // no buckets for the side
  CTbCacheBucket* rgBucketsDummy = reinterpret_cast<CTbCacheBucket*>(&tbd);
  tbd.rgpBuckets[1] = rgBucketsDummy;  // never read on these paths
  for (INDEX ind : {56802428, 56811076, 56849992, 56858640, 59592489, 67775659, 71071628})
    EXPECT_EQ(L_TbtProbeTable(iKppkp, 1, ind), -32639) << ind;
  EXPECT_EQ(L_TbtProbeTable(iKppkp, 1, tbd.positions[1]), 32767);
  EXPECT_EQ(L_TbtProbeTable(iKppkp, 1, INDEX(1) << 40), 32767);
  EXPECT_EQ(L_TbtProbeTable(iKppkp, 0, 56802428), 32767);  // white to move is read
  tbd.rgpBuckets[1] = nullptr;
  ctbcSlots = cSlots;
}

}  // namespace

TEST(ProbeDeathTest, TableNumberOutsideTheDescriptorsFailsItsCheckInEveryBuild) {
  const char* szReport =
      "tbindex:[0-9]+: .*L_TbtProbeTable.*: Assertion `iTb > 0 && iTb < \\(\\(145 \\+ \\(\\(145 \\+ "
      "120\\) - 145\\)\\) \\+ 175 \\+ 1\\)' failed";
  EXPECT_DEATH(L_TbtProbeTable(0, 0, 0), szReport);
  EXPECT_DEATH(L_TbtProbeTable(cTb + 1, 1, 0), szReport);
}
