// Worked indices and edge cases of the calculators of the tables without pawns of both
// colours, family by family (every side against its count: calc_sides_test).
#include <gtest/gtest.h>
#include "support/tb_counts.h"
#include "support/tb_positions.h"
#include "tablebases/tbdesc.h"

namespace {

using namespace tbtest;

// Three men, and four men one a side.
using CalcT2 = CalcTest;

TEST_F(CalcT2, WorkedIndicesWithPawns) {
  EXPECT_EQ(IndexIn("kpk", 0, "a1 a2 c1"), 0u);
  EXPECT_EQ(IndexIn("kpk", 0, "a1 b2 c1"), 1u);
  EXPECT_EQ(IndexIn("kpk", 0, "a1 a2 d1"), 48u);  // the second king pair starts after 48
  EXPECT_EQ(IndexIn("kpk", 0, "h1 h2 f1"), 0u);   // the same, mirrored
  EXPECT_EQ(IndexIn("kpk", 0, "a8 a7 c8", 1), 0u);  // the same, colours exchanged
  // A white king on rank 1 or 8 never reduces the pawn's number.
  EXPECT_EQ(IndexIn("kpk", 0, "a1 h7 c1"), 47u);
  EXPECT_EQ(IndexIn("kpk", 0, "a8 a2 c8"),
            rgpiOneManOffsetPawns[1][rgiKingPairPawns[56 * 64 + 58]]);
  // Black to move: the pawn that gives check is numbered like any other; in the frame
  // turned and mirrored the kings stand on d4 and h8, the pawn on e5 above d4.
  EXPECT_EQ(IndexIn("kpk", 1, "a1 d4 e5"),
            rgpiOneManOffsetPawns[0][rgiKingPairPawns[27 * 64 + 63]] + 27);
  // A black pawn takes places 0 (a2) to 47 (h7), whatever the other men.
  INDEX i = IndexIn("knkp", 0, "a1 h8 c1 a2");
  EXPECT_EQ(i % 48, 0u);
  EXPECT_EQ(IndexIn("knkp", 0, "a1 h8 c1 h7"), i + 47);
  EXPECT_EQ(IndexIn("knkp", 0, "a1 b1 c1 a2"), 0u);
  EXPECT_EQ(IndexIn("knkp", 0, "h1 g1 f1 h2"), 0u);  // the mirror image
  // Black to move: pawn numbered against the white king, knight counted plainly.
  EXPECT_EQ(IndexIn("knkp", 1, "c8 h1 a8 a7"), 7u);
  EXPECT_EQ(IndexIn("knkp", 1, "c8 h8 a8 a7"), 60u);
  EXPECT_EQ(IndexIn("knkp", 1, "c8 h8 a8 b7"), 61u + 60);
}

TEST_F(CalcT2, WorkedIndicesWithoutPawns) {
  EXPECT_EQ(IndexIn("knk", 0, "a1 b1 c1"), 0u);  // a1 takes a place below b1
  EXPECT_EQ(IndexIn("knk", 0, "a1 d1 c1"), 1u);  // c1 itself and its knight squares are skipped
  EXPECT_EQ(IndexIn("knk", 1, "c1 b1 a1"), 0u);
  EXPECT_EQ(IndexIn("knk", 1, "c1 h8 a1"), 61u);
  EXPECT_EQ(IndexIn("knk", 1, "d1 a1 b1"), 33u * 62);  // a1 pairs with 33 kings
  EXPECT_EQ(IndexIn("knk", 1, "a3 h1 c2"), IndexIn("knk", 1, "c1 a8 b3"));  // b3 reflects to c2
  EXPECT_EQ(IndexIn("knkn", 0, "a1 b1 c1 d1"), 0u);
  EXPECT_EQ(IndexIn("knkn", 0, "a1 b1 c1 h8"), 60u);
  EXPECT_EQ(IndexIn("knkn", 0, "a1 d1 c1 b1"), 61u);
  // Both kings on the long diagonal: the men keep their sides of it, so positions that are
  // mirror images in it get different indices.
  EXPECT_NE(IndexIn("kbkn", 0, "c3 b1 f6 a2"), IndexIn("kbkn", 0, "c3 a2 f6 b1"));
  EXPECT_NE(IndexIn("knk", 1, "f6 a2 c3"), IndexIn("knk", 1, "f6 b1 c3"));
  EXPECT_EQ(IndexIn("knk", 0, "c3 b1 h5"), IndexIn("knk", 0, "c3 a2 e8"));  // kings off it
}

// King and two men against the lone king.
using CalcT31 = CalcTest;

TEST_F(CalcT31, WorkedIndices) {
  EXPECT_EQ(IndexIn("kbnk", 0, "g2 e3 b1 c6"), 772288u);
  EXPECT_EQ(IndexIn("kbnk", 1, "g2 e3 b1 c6"), 1417145u);
  for (const char* sz : {"c3 a1 h8 e5", "c3 h8 a1 e5"}) {
    EXPECT_EQ(IndexIn("knnk", 0, sz), 583662u) << sz;
    EXPECT_EQ(IndexIn("knnk", 1, sz), 864126u) << sz;
  }
  EXPECT_EQ(IndexIn("kqqk", 0, "d4 a1 b1 h8"), 697361u);
  EXPECT_EQ(IndexIn("kppk", 0, "e1 d2 f2 e5"), 210698u);
  EXPECT_EQ(IndexIn("kppk", 1, "e1 d2 f2 e5"), 951725u);
  EXPECT_EQ(IndexIn("krpk", 0, "f1 a1 g2 h5"), 386489u);
  EXPECT_EQ(IndexIn("krpk", 1, "f1 a1 g2 h5"), 2081692u);
  EXPECT_EQ(IndexIn("krpk", 1, "f1 a1 g2 h5", 1), 2568221u);
}

TEST_F(CalcT31, EdgeCases) {
  // Bishop and knight on one square: the bound's last index, beyond the stored positions.
  EXPECT_EQ(IndexIn("kbnk", 0, "d4 g8 g8 h8"), 1550620u);
  EXPECT_EQ(IndexIn("kbnk", 0, "d4 g8 f8 h8"), 1550619u);
  // Black to move: a pawn checking the black king is numbered like any other pawn.
  EXPECT_EQ(IndexIn("krpk", 1, "a1 h1 f4 h5") - IndexIn("krpk", 1, "a1 h1 g4 h5"), 61u);
  // The pawn's numbers ignore a king on the first rank: a2 and b2 follow each other.
  EXPECT_EQ(IndexIn("kppk", 0, "b1 a2 c2 h8") + 1, IndexIn("kppk", 0, "b1 b2 c2 h8"));
}

// King and two men against king and one man: pawn places and the last values of the high part.
using CalcT32 = CalcTest;

TEST_F(CalcT32, WorkedIndices) {
  EXPECT_EQ(IndexIn("kppkn", 1, "e1 a2 b2 d8 g8"), 112512360u);
  EXPECT_EQ(IndexIn("kppkn", 0, "d1 a2 b2 e8 g8"), 14153518u);
  EXPECT_EQ(IndexIn("kppkn", 0, "d1 a2 b2 e8 g8", 1), 105121445u);
  EXPECT_EQ(IndexIn("kppkn", 0, "d8 a7 b7 e1 g1"), 105121445u);
  EXPECT_EQ(IndexIn("kqqkq", 0, "c1 h2 g8 a3 d5"), 9245612u);
  EXPECT_EQ(IndexIn("kqqkq", 0, "a3 b8 h7 c1 e4"), 9245612u);  // diagonal mirror
  EXPECT_EQ(IndexIn("kbnkr", 0, "a1 g8 h8 c3 h2"), 2649074u);
  EXPECT_EQ(IndexIn("kbnkr", 0, "a1 h7 h8 c3 b8"), 2626434u);  // kings on the diagonal
  EXPECT_EQ(IndexIn("kbnkr", 1, "a1 g8 h8 c3 h2"), 74338199u);
  EXPECT_EQ(IndexIn("knnkp", 0, "d1 a1 b1 f5 c3"), 15685210u);
  EXPECT_EQ(IndexIn("knnkp", 1, "d1 a1 b1 f5 c3"), 69827330u);
  EXPECT_EQ(IndexIn("kbbkp", 1, "c1 h1 a8 f5 e3"), 69907770u);
}

TEST_F(CalcT32, PawnPlacesIgnoreTheOtherMen) {
  // Two white pawns, black to move: C2(hi - 8) + (lo - 8) after the file mirror.
  EXPECT_EQ(IndexIn("kppkn", 1, "e1 a2 b2 d8 g8") % 1128, 0u);
  EXPECT_EQ(IndexIn("kppkn", 1, "e1 g7 h7 d8 g8") % 1128, 1127u);
  EXPECT_EQ(IndexIn("kppkn", 1, "e1 a2 b2 e8 g8") % 1128, 27u);
  // A black pawn, white to move: its square minus 8 wherever the others stand.
  EXPECT_EQ(IndexIn("knnkp", 0, "d1 a1 b1 f5 a2") % 48, 0u);
  EXPECT_EQ(IndexIn("knnkp", 0, "d1 a1 b1 f5 h7") % 48, 47u);
  EXPECT_EQ(IndexIn("knnkp", 0, "e1 a1 b1 f5 h7") % 48, 40u);  // file mirror: a7
}

TEST_F(CalcT32, LastValuesOfTheHighPart) {
  // kppkr, black to move: the last two values put the rook on e8 or f8 beside Kd8 and Kh8.
  EXPECT_EQ(IndexIn("kppkr", 1, "h8 a2 b2 d8 f8") / 1128, 105683u);
  EXPECT_EQ(IndexIn("kppkr", 1, "h8 a2 b2 d8 e8") / 1128, 105682u);
  // kbnkn, white to move: the last value of the pair puts both white men on g8.
  EXPECT_EQ(IndexIn("kbnkn", 0, "d4 g8 g8 h8 a1") / 60, 1550620u);
}

// King and three men against the lone king, with like men in every order.
using CalcT41 = CalcTest;

TEST_F(CalcT41, WorkedIndices) {
  struct Case {
    const char* szTable;
    std::initializer_list<const char*> rgszSquares;  // one position, like men reordered
    int fInvert;
    INDEX rgi[2];  // white, black to move
  };
  const Case rgcase[] = {
      {"krbnk", {"b3 d1 f1 h1 g7"}, 0, {55135249, 52861134}},
      {"kbbnk", {"c2 a2 h3 b8 f6", "c2 h3 a2 b8 f6"}, 0, {26417827, 42313558}},
      {"kbnnk", {"c2 e2 a1 h1 f6"}, 0, {25412045, 42261967}},
      {"knnnk", {"d1 a1 b1 c1 d8", "d1 c1 a1 b1 d8", "d1 b1 c1 a1 d8"}, 0, {5821924, 7670495}},
      {"kbnpk", {"e1 c1 g1 a2 e8"}, 0, {35032275, 39740521}},
      {"knnpk", {"e1 b1 g1 h2 e8"}, 0, {16569948, 19857341}},
      {"knppk", {"e1 b1 a2 h2 e8"}, 0, {13322553, 15055565}},
      {"kpppk", {"e1 a2 b2 c2 e8"}, 0, {3430891, 3782418}},
      {"kpppk", {"e1 a2 b2 c2 e8"}, 1, {25249899, 27486136}},
  };
  for (const Case& c : rgcase)
    for (const char* sz : c.rgszSquares)
      for (color stm : {0, 1})
        EXPECT_EQ(IndexIn(c.szTable, stm, sz, c.fInvert), c.rgi[stm]) << c.szTable << " " << sz;
}

// Two men against two: like men in either order, the symmetric tables, and mirror images of
// tables with pawns.
using CalcT33 = CalcTest;

TEST_F(CalcT33, LikeMenInEitherOrderAndSymmetricTable) {
  for (const char* sz : {"b1 c3 d6 g7 a8 h1", "b1 d6 c3 g7 a8 h1", "b1 c3 d6 g7 h1 a8"})
    EXPECT_EQ(IndexIn("kqqkqq", 0, sz), 215505912u) << sz;
  EXPECT_EQ(IndexIn("kqqkqq", 1, "g7 a8 h1 b1 c3 d6"), 215505912u);
  EXPECT_EQ(IndexIn("kqqkqq", 1, "g7 h1 a8 b1 d6 c3"), 215505912u);
}

TEST_F(CalcT33, PawnlessTables) {
  EXPECT_EQ(IndexIn("kqrkrb", 0, "c1 h2 g8 a3 d5 e4"), 1162891913u);
  EXPECT_EQ(IndexIn("kqrkrb", 0, "a3 b8 h7 c1 e4 d5"), 1162891913u);  // diagonal mirror
  EXPECT_EQ(IndexIn("kqrkrb", 1, "c1 h2 g8 a3 d5 e4"), 1238150038u);
  // Both kings on the long diagonal: the men are not reflected.
  EXPECT_EQ(IndexIn("kbnkbn", 0, "a1 g8 h8 c3 h2 b8"), 156295420u);
  EXPECT_EQ(IndexIn("kbnkbn", 0, "a1 h7 h8 c3 b8 h2"), 154959620u);
  // Neither the invert flag nor the en-passant square is read.
  EXPECT_EQ(IndexIn("kqrkrb", 0, "c1 h2 g8 a3 d5 e4", 1, 20), 1162891913u);
  EXPECT_EQ(IndexIn("kqrkrb", 1, "c1 h2 g8 a3 d5 e4", 1, 20), 1238150038u);
}

TEST_F(CalcT33, TablesWithPawnsAndTheirMirrorImages) {
  EXPECT_EQ(IndexIn("kqrkqp", 0, "d1 a5 h8 f8 c8 e7"), 2123594843u);
  EXPECT_EQ(IndexIn("kqrkqp", 0, "d8 a4 h1 f1 c1 e2", 1), 2123594843u);  // colours exchanged
  EXPECT_EQ(IndexIn("kqrkqp", 0, "e1 h5 a8 c8 f8 d7"), 2123594843u);     // left to right
  EXPECT_EQ(IndexIn("kqrkqp", 1, "d1 a5 h8 f8 c8 e7"), 1543705184u);
  EXPECT_EQ(IndexIn("kqrkqp", 1, "d1 a5 h8 f8 c8 e7", 0, 44), 1543705184u);
  // Two black pawns: the lowest and the highest pawns' part of one Pair, in either order.
  EXPECT_EQ(IndexIn("kqrkpp", 0, "d1 a5 h8 f8 a2 b2"), 845837568u);
  EXPECT_EQ(IndexIn("kqrkpp", 0, "d1 a5 h8 f8 h7 g7"), 845838695u);
}

// Symmetric tables: black to move is white to move with the arrays exchanged.
TEST_F(CalcT33, SymmetricTablesExchangeTheArrays) {
  for (const TbSideCounts& tsc : rgtscT33) {
    const CTbDesc& tbd = rgtbdDesc[tsc.iTb];
    if (!(tbd.flags & fSymmetric)) continue;
    int cChecked = 0;
    TbMaterial mat = TbMaterial::FromName(tsc.szName);
    ForEachLegalWithKings(mat, 1, SqFromName("g6"), SqFromName("b2"), false,
                          [&](const TbPlacement& pl, square) {
                            INDEX iB = IndexOf(tbd.rgpfnIndCalc[1], pl);
                            INDEX iW = tbd.rgpfnIndCalc[0](pl.rgsq[1], pl.rgsq[0], XX, 0);
                            EXPECT_EQ(iB, iW) << tsc.szName << " " << SzPlacement(pl);
                            return iB == iW && ++cChecked < 20000;
                          });
    EXPECT_EQ(cChecked, 20000) << tsc.szName;
  }
}

// Three men against one: the two shapes that count a like pair and a single man in opposite
// orders, and an index of 2^32 or more.
using CalcT42 = CalcTest;

TEST_F(CalcT42, WorkedIndices) {
  EXPECT_EQ(IndexIn("knnnkn", 0, "a1 c3 e5 g7 h8 b1"), 55051956u);
  EXPECT_EQ(IndexIn("knnnkn", 1, "a1 c3 e5 g7 h8 b1"), 67134927u);
  EXPECT_EQ(IndexIn("knnnkn", 1, "a1 g7 c3 e5 h8 b1"), 67134927u);  // like men in another order
  // The bishop, though the first white man, is the minor digit of Tr.
  EXPECT_EQ(IndexIn("kbnnkn", 0, "d4 e8 f8 g8 h8 a1"), 2560971287u);
  EXPECT_EQ(IndexIn("kbnnkn", 0, "d4 e8 g8 f8 h8 a1"), 2560971287u);
  // The highest K that a legal position reaches.
  EXPECT_EQ(IndexIn("kpppkr", 1, "h8 a2 b2 c2 d8 c8"), 1827858576u);
  EXPECT_EQ(IndexIn("kpppkr", 1, "h8 c2 a2 b2 d8 c8"), 1827858576u);
}

// Without a pawn the like bishops are counted beside the knight; with a black pawn the knight
// is counted beside the bishops.
TEST_F(CalcT42, LikePairAndSingleManInOppositeOrders) {
  EXPECT_EQ(IndexIn("kbbnkn", 1, "e1 c1 f1 g1 e8 b8"), 1236141326u);
  EXPECT_EQ(IndexIn("kbbnkn", 1, "e1 f1 c1 g1 e8 b8"), 1236141326u);
  EXPECT_EQ(IndexIn("kbbnkp", 1, "e1 c1 f1 g1 e8 b7"), 1132605773u);
  EXPECT_EQ(IndexIn("kbbnkp", 1, "e1 f1 c1 g1 e8 b7"), 1132605773u);
}

// kqppkn, white to move, colours exchanged: the worked value 1444319360 is the index taken
// modulo 2^32; the full index lies 2^32 above it.
TEST_F(CalcT42, IndexOfTwoToTheThirtyTwoOrMore) {
  INDEX i = IndexIn("kqppkn", 0, "e1 d1 a2 h2 e8 g8", 1);
  EXPECT_EQ(i & 0xFFFFFFFFu, 1444319360u);
  EXPECT_EQ(i, 1444319360u + (INDEX(1) << 32));
  EXPECT_LT(i, 5920486098u);  // the side's count
  // The same position mirrored top to bottom, colours not exchanged, and left to right.
  EXPECT_EQ(IndexIn("kqppkn", 0, "e8 d8 a7 h7 e1 g1"), i);
  EXPECT_EQ(IndexIn("kqppkn", 0, "d8 e8 h7 a7 d1 b1"), i);
  // Neither the en-passant square nor, without pawns, the invert flag is read.
  EXPECT_EQ(IndexIn("kqppkn", 0, "e8 d8 a7 h7 e1 g1", 0, 40), i);
  EXPECT_EQ(IndexIn("knnnkn", 1, "a1 c3 e5 g7 h8 b1", 1, 40), 67134927u);
}

}  // namespace
