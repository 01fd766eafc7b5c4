// The en-passant routines: worked codes, the capturer chosen when several pawns can take,
// every capture configuration mapped into the routine's range without collision, and the
// consistency checks.
#include <gtest/gtest.h>
#include <algorithm>
#include <set>
#include <string>
#include "tablebases/tbenpassant.h"

namespace {

constexpr square Sq(const char* sz) { return (sz[1] - '1') * 8 + (sz[0] - 'a'); }
bool FPawnSquare(square sq) { return sq >= 8 && sq < 56; }

TEST(EnPassant, SingleCaptureCodes) {
  // White e5 takes d5 (just from d7) towards the a-file: file(e5) - 1.
  EXPECT_EQ(IndEnPassant11W(Sq("e5"), Sq("d5"), Sq("d6")), 3u);
  EXPECT_EQ(IndEnPassant11W(Sq("c5"), Sq("d5"), Sq("d6")), 2u + 7);
  // Edge files: a6 only from b5 (code 0), h6 only from g5 (code 13).
  EXPECT_EQ(IndEnPassant11W(Sq("b5"), Sq("a5"), Sq("a6")), 0u);
  EXPECT_EQ(IndEnPassant11W(Sq("g5"), Sq("h5"), Sq("h6")), 13u);
  // Black to move: towards the a-file is down and left.
  EXPECT_EQ(IndEnPassant11B(Sq("e3") + 8, Sq("f4"), Sq("e3")), 5u - 1);
  EXPECT_EQ(IndEnPassant11B(Sq("e4"), Sq("d4"), Sq("e3")), 3u + 7);
  EXPECT_EQ(IndEnPassant11B(Sq("a4"), Sq("b4"), Sq("a3")), 0u);
  EXPECT_EQ(IndEnPassant11B(Sq("h4"), Sq("g4"), Sq("h3")), 13u);
}

TEST(EnPassant, WorkedRoutineResults) {
  // d5 and f5 can both take e5: the lower pawn d5 is the capturer (code 3 + 7), f5 the
  // other pawn with d5 and e5 below it: 37 - 8 - 2 = 27.
  EXPECT_EQ(IndEnPassant21W(Sq("d5"), Sq("f5"), Sq("e5"), Sq("e6")), 14u * 27 + 10);
  EXPECT_EQ(IndEnPassant21W(Sq("f5"), Sq("d5"), Sq("e5"), Sq("e6")), 388u);
  // b5 takes c5 (code 8); d5 and h5 get 25 and 29.
  EXPECT_EQ(IndEnPassant31W(Sq("b5"), Sq("d5"), Sq("h5"), Sq("c5"), Sq("c6")), 6042u);
  EXPECT_EQ(IndEnPassant31W(Sq("h5"), Sq("b5"), Sq("d5"), Sq("c5"), Sq("c6")), 6042u);
  // The capturer of the lower file wins also among black pawns (12B) and the other black
  // pawn of 22W is counted against the other white pawn too.
  EXPECT_EQ(IndEnPassant12B(Sq("e4"), Sq("f4"), Sq("d4"), Sq("e3")), 14u * (29 - 8 - 4) + 10);
  EXPECT_EQ(IndEnPassant22W(Sq("a2"), Sq("e5"), Sq("h7"), Sq("d5"), Sq("d6")),
            616u * (55 - 8 - 4 - 1) + 14u * 0 + 3);
  // The file guard: h4 + 9 is a6 only by wrapping round the board, so b5 takes.
  EXPECT_EQ(IndEnPassant21W(Sq("h4"), Sq("b5"), Sq("a5"), Sq("a6")), 14u * (31 - 8) + 0);
}

// Every placement with an en-passant capture, as a set of pawns: the routine's results are
// distinct and below its size. Pawns of one colour are generated in ascending order.
template <typename Fn>
void VExpectInjective(unsigned cSize, size_t cExpected, Fn fnEnumerate) {
  std::set<unsigned> setSeen;
  size_t cPositions = 0;
  fnEnumerate([&](unsigned code) {
    cPositions++;
    EXPECT_LT(code, cSize);
    EXPECT_TRUE(setSeen.insert(code).second) << code;
  });
  EXPECT_EQ(cPositions, cExpected);
}

// White to move: E on rank 6, V on E - 8, origin E + 8 empty; fn(A) for each capturer square.
template <typename Fn>
void VForCapturesW(Fn fn) {
  for (square sqE = 40; sqE < 48; sqE++)
    for (square sqA : {sqE - 9, sqE - 7})
      if (sqA / 8 == 4) fn(sqE, sqA);
}

template <typename Fn>
void VForCapturesB(Fn fn) {
  for (square sqE = 16; sqE < 24; sqE++)
    for (square sqA : {sqE + 7, sqE + 9})
      if (sqA / 8 == 3) fn(sqE, sqA);
}

// Whether a pawn on sq could take onto sqE as well.
bool FCanTakeW(square sq, square sqE) {
  return (sq == sqE - 9 || sq == sqE - 7) && sq / 8 == sqE / 8 - 1;
}
bool FCanTakeB(square sq, square sqE) {
  return (sq == sqE + 9 || sq == sqE + 7) && sq / 8 == sqE / 8 + 1;
}

bool FFree(square sq, std::initializer_list<square> rgsqTaken) {
  if (!FPawnSquare(sq)) return false;
  for (square s : rgsqTaken)
    if (s == sq) return false;
  return true;
}

TEST(EnPassant, EveryCaptureHasItsOwnCode) {
  VExpectInjective(cEnPassant11, 14, [](auto report) {
    VForCapturesW([&](square sqE, square sqA) { report(IndEnPassant11W(sqA, sqE - 8, sqE)); });
  });
  VExpectInjective(cEnPassant11, 14, [](auto report) {
    VForCapturesB([&](square sqE, square sqA) { report(IndEnPassant11B(sqE + 8, sqA, sqE)); });
  });
  // One more pawn on any free pawn square; when it could take as well, the placement was
  // already counted with it as the capturer, so it is skipped here.
  size_t cOne = 14 * 44;
  VExpectInjective(cEnPassant21, cOne - 1 * 6, [](auto report) {
    VForCapturesW([&](square sqE, square sqA) {
      for (square sq = 8; sq < 56; sq++)
        if (FFree(sq, {sqE, sqE + 8, sqE - 8, sqA}) && !(FCanTakeW(sq, sqE) && sq < sqA))
          report(IndEnPassant21W(sqA, sq, sqE - 8, sqE));
    });
  });
  VExpectInjective(cEnPassant21, cOne, [](auto report) {
    VForCapturesB([&](square sqE, square sqA) {
      for (square sq = 8; sq < 56; sq++)
        if (FFree(sq, {sqE, sqE - 8, sqE + 8, sqA}))
          report(IndEnPassant21B(std::min(sq, sqE + 8), std::max(sq, sqE + 8), sqA, sqE));
    });
  });
  VExpectInjective(cEnPassant21, cOne, [](auto report) {
    VForCapturesW([&](square sqE, square sqA) {
      for (square sq = 8; sq < 56; sq++)
        if (FFree(sq, {sqE, sqE + 8, sqE - 8, sqA}))
          report(IndEnPassant12W(sqA, sq, sqE - 8, sqE));
    });
  });
  VExpectInjective(cEnPassant21, cOne - 6, [](auto report) {
    VForCapturesB([&](square sqE, square sqA) {
      for (square sq = 8; sq < 56; sq++)
        if (FFree(sq, {sqE, sqE - 8, sqE + 8, sqA}) && !(FCanTakeB(sq, sqE) && sq < sqA))
          report(IndEnPassant12B(sqE + 8, sq, sqA, sqE));
    });
  });
}

TEST(EnPassant, SeveralOtherPawnsHaveTheirOwnCodes) {
  // 31W: two other white pawns; 6 en-passant squares have two capture squares.
  VExpectInjective(cEnPassant31, 14 * 946 - 6 * 43, [](auto report) {
    VForCapturesW([&](square sqE, square sqA) {
      for (square sq1 = 8; sq1 < 56; sq1++)
        for (square sq2 = sq1 + 1; sq2 < 56; sq2++) {
          if (!FFree(sq1, {sqE, sqE + 8, sqE - 8, sqA}) || !FFree(sq2, {sqE, sqE + 8, sqE - 8, sqA}))
            continue;
          if ((FCanTakeW(sq1, sqE) && sq1 < sqA) || (FCanTakeW(sq2, sqE) && sq2 < sqA)) continue;
          report(IndEnPassant31W(sq2, sqA, sq1, sqE - 8, sqE));
        }
    });
  });
  VExpectInjective(cEnPassant31, 14 * 946, [](auto report) {
    VForCapturesB([&](square sqE, square sqA) {
      for (square sq1 = 8; sq1 < 56; sq1++)
        for (square sq2 = sq1 + 1; sq2 < 56; sq2++) {
          if (!FFree(sq1, {sqE, sqE - 8, sqE + 8, sqA}) || !FFree(sq2, {sqE, sqE - 8, sqE + 8, sqA}))
            continue;
          square rgsq[3] = {sq1, sq2, sqE + 8};
          std::sort(rgsq, rgsq + 3);
          report(IndEnPassant31B(rgsq[0], rgsq[1], rgsq[2], sqA, sqE));
        }
    });
  });
  // 22W: one other pawn of each colour on distinct free squares.
  VExpectInjective(cEnPassant22, 14 * 44 * 43 - 6 * 43, [](auto report) {
    VForCapturesW([&](square sqE, square sqA) {
      for (square sqW = 8; sqW < 56; sqW++)
        for (square sqB = 8; sqB < 56; sqB++) {
          if (sqW == sqB || !FFree(sqW, {sqE, sqE + 8, sqE - 8, sqA}) ||
              !FFree(sqB, {sqE, sqE + 8, sqE - 8, sqA}) || (FCanTakeW(sqW, sqE) && sqW < sqA))
            continue;
          report(IndEnPassant22W(sqW, sqA, sqB, sqE - 8, sqE));
        }
    });
  });
}

std::string SzRegex(const std::string& sz) {
  std::string szOut;
  for (char ch : sz) {
    if (std::string("()+*?.[]{}|^$\\").find(ch) != std::string::npos) szOut += '\\';
    szOut += ch;
  }
  return szOut;
}

std::string SzReport(const char* szFunction, const char* szExpr) {
  return "tbindex:[0-9]+: " + SzRegex(szFunction) + ": Assertion `" + SzRegex(szExpr) + "' failed";
}

TEST(EnPassantDeathTest, ImpossibleCapturesFailTheirChecks) {
  const char* sz11W = "unsigned int IndEnPassant11W(square, square, square)";
  const char* sz11B = "unsigned int IndEnPassant11B(square, square, square)";
  const char* sz21W = "unsigned int IndEnPassant21W(square, square, square, square)";
  const char* sz21B = "unsigned int IndEnPassant21B(square, square, square, square)";
  const char* sz12W = "unsigned int IndEnPassant12W(square, square, square, square)";
  const char* sz12B = "unsigned int IndEnPassant12B(square, square, square, square)";
  const char* sz31W = "unsigned int IndEnPassant31W(square, square, square, square, square)";
  const char* sz31B = "unsigned int IndEnPassant31B(square, square, square, square, square)";
  const char* sz22W = "unsigned int IndEnPassant22W(square, square, square, square, square)";
  square d6 = Sq("d6"), d3 = Sq("d3");
  EXPECT_DEATH(IndEnPassant11W(Sq("e5"), Sq("d4"), d6), SzReport(sz11W, "sqb+8 == sqEnP"));
  EXPECT_DEATH(IndEnPassant11W(Sq("f5"), Sq("d5"), d6), SzReport(sz11W, "sqw+9 == sqEnP"));
  EXPECT_DEATH(IndEnPassant11B(Sq("d5"), Sq("e4"), d3), SzReport(sz11B, "sqw-8 == sqEnP"));
  EXPECT_DEATH(IndEnPassant11B(Sq("d4"), Sq("f4"), d3), SzReport(sz11B, "sqb-7 == sqEnP"));
  EXPECT_DEATH(IndEnPassant21W(Sq("e5"), Sq("a2"), Sq("d4"), d6),
               SzReport(sz21W, "sqb+8 == sqEnP"));
  EXPECT_DEATH(IndEnPassant21W(Sq("f5"), Sq("a2"), Sq("d5"), d6),
               SzReport(sz21W, "sqw2+9 == sqEnP && 7 != ((sqw2) & 7)"));
  EXPECT_DEATH(IndEnPassant21B(Sq("d4"), Sq("a2"), Sq("e4"), d3), SzReport(sz21B, "sqw1 < sqw2"));
  EXPECT_DEATH(IndEnPassant21B(Sq("a2"), Sq("d4"), Sq("f4"), d3),
               SzReport(sz21B, "sqb-7 == sqEnP && 7 != ((sqb) & 7)"));
  EXPECT_DEATH(IndEnPassant21B(Sq("a2"), Sq("d5"), Sq("e4"), d3), SzReport(sz21B, "sqw2-8 == sqEnP"));
  EXPECT_DEATH(IndEnPassant21B(Sq("a2"), Sq("d5"), Sq("c4"), d3), SzReport(sz21B, "sqw2-8 == sqEnP"));
  EXPECT_DEATH(IndEnPassant12W(Sq("e5"), Sq("d4"), Sq("a7"), d6), SzReport(sz12W, "sqb1+8 == sqEnP"));
  EXPECT_DEATH(IndEnPassant12W(Sq("f5"), Sq("d5"), Sq("a7"), d6),
               SzReport(sz12W, "sqw+9 == sqEnP && 7 != ((sqw) & 7)"));
  EXPECT_DEATH(IndEnPassant12B(Sq("d5"), Sq("e4"), Sq("a7"), d3), SzReport(sz12B, "sqw-8 == sqEnP"));
  EXPECT_DEATH(IndEnPassant12B(Sq("d4"), Sq("f4"), Sq("a3"), d3),
               SzReport(sz12B, "sqb2-7 == sqEnP && 7 != ((sqb2) & 7)"));
  EXPECT_DEATH(IndEnPassant31W(Sq("e5"), Sq("a2"), Sq("b2"), Sq("d4"), d6),
               SzReport(sz31W, "sqb + 8 == sqEnP"));
  EXPECT_DEATH(IndEnPassant31B(Sq("a5"), Sq("b5"), Sq("c5"), Sq("e4"), d3),
               SzReport(sz31B, "sqw1 - 8 == sqEnP"));
  EXPECT_DEATH(IndEnPassant31B(Sq("a5"), Sq("b5"), Sq("d4"), Sq("f4"), d3),
               SzReport(sz31B, "sqb - 7 == sqEnP && 7 != ((sqb) & 7)"));
  EXPECT_DEATH(IndEnPassant22W(Sq("e5"), Sq("a2"), Sq("d4"), Sq("a7"), d6),
               SzReport(sz22W, "sqb1+8 == sqEnP"));
  EXPECT_DEATH(IndEnPassant22W(Sq("f5"), Sq("a2"), Sq("d5"), Sq("a7"), d6),
               SzReport(sz22W, "sqw2+9 == sqEnP && 7 != ((sqw2) & 7)"));
}

}  // namespace
