// The en-passant routines. The side to move's pawn A takes the pawn V that has just advanced
// two squares, onto the en-passant square E; V started from the origin square behind E.
// Capture code: file of A - 1 when A takes towards the a-file (0..6), file of A + 7 when it
// takes towards the h-file (7..13). Where the side to move has several pawns, the lowest
// that can take is A, each trying towards the a-file first.
#include "tablebases/tbenpassant.h"
#include <utility>
#include "tablebases/tbassert.h"
#include "tablebases/tbframework.h"

namespace {

constexpr unsigned cNoCapture = ~0u;

constexpr unsigned ICodeToA(square sqA) { return TbFile(sqA) - 1; }
constexpr unsigned ICodeToH(square sqA) { return TbFile(sqA) + 7; }

// Code of a capture onto sqEnP by a white (upward) or black pawn on sq, or cNoCapture.
unsigned ICaptureW(square sq, square sqEnP) {
  if (sq + 7 == sqEnP && TbFile(sq) != 0) return ICodeToA(sq);
  if (sq + 9 == sqEnP && TbFile(sq) != 7) return ICodeToH(sq);
  return cNoCapture;
}

unsigned ICaptureB(square sq, square sqEnP) {
  if (sq - 9 == sqEnP && TbFile(sq) != 0) return ICodeToA(sq);
  if (sq - 7 == sqEnP && TbFile(sq) != 7) return ICodeToH(sq);
  return cNoCapture;
}

// Two pawns of the side to move, lo < hi: the code of the first that can take, the lower
// first; it becomes sqA and the other sqOther. cNoCapture when neither can.
template <unsigned (*ICapture)(square, square)>
unsigned ICaptureOfTwo(square lo, square hi, square sqEnP, square& sqA, square& sqOther) {
  sqA = lo, sqOther = hi;
  unsigned code = ICapture(lo, sqEnP);
  if (code == cNoCapture) {
    sqA = hi, sqOther = lo;
    code = ICapture(hi, sqEnP);
  }
  return code;
}

// Number of a pawn that takes no part: its place among the 48 pawn squares less the four
// en-passant squares below it (0..43).
unsigned IOtherPawn(square sq, square sqEnP, square sqOrigin, square sqA, square sqV) {
  return unsigned(IPlainCount(sq, sqEnP, sqOrigin, sqA, sqV)) - 8;
}

}  // namespace

unsigned int IndEnPassant11W(square sqw, square sqb, square sqEnP) {
  TbIndexAssert(sqb+8 == sqEnP);
  if (sqw + 7 == sqEnP) return ICodeToA(sqw);
  TbIndexAssert(sqw+9 == sqEnP);
  return ICodeToH(sqw);
}

unsigned int IndEnPassant11B(square sqw, square sqb, square sqEnP) {
  TbIndexAssert(sqw-8 == sqEnP);
  if (sqb - 9 == sqEnP) return ICodeToA(sqb);
  TbIndexAssert(sqb-7 == sqEnP);
  return ICodeToH(sqb);
}

unsigned int IndEnPassant21W(square sqw1, square sqw2, square sqb, square sqEnP) {
  TbIndexAssert(sqb+8 == sqEnP);
  if (sqw1 > sqw2) std::swap(sqw1, sqw2);
  square sqA, sqOther;
  unsigned code = ICaptureOfTwo<ICaptureW>(sqw1, sqw2, sqEnP, sqA, sqOther);
  // Neither fits: fail with the check of the last candidate.
  if (code == cNoCapture) TbIndexAssert(sqw2+9 == sqEnP && 7 != ((sqw2) & 7));
  return cEnPassant11 * IOtherPawn(sqOther, sqEnP, sqEnP + 8, sqA, sqb) + code;
}

unsigned int IndEnPassant21B(square sqw1, square sqw2, square sqb, square sqEnP) {
  TbIndexAssert(sqw1 < sqw2);
  unsigned code = ICaptureB(sqb, sqEnP);
  if (code == cNoCapture) TbIndexAssert(sqb-7 == sqEnP && 7 != ((sqb) & 7));
  square sqV = sqw1, sqOther = sqw2;
  if (sqw1 - 8 != sqEnP) {
    TbIndexAssert(sqw2-8 == sqEnP);
    std::swap(sqV, sqOther);
  }
  return cEnPassant11 * IOtherPawn(sqOther, sqEnP, sqEnP - 8, sqb, sqV) + code;
}

unsigned int IndEnPassant12W(square sqw, square sqb1, square sqb2, square sqEnP) {
  square sqV = sqb2, sqOther = sqb1;
  if (sqb2 + 8 != sqEnP) {
    TbIndexAssert(sqb1+8 == sqEnP);
    std::swap(sqV, sqOther);
  }
  unsigned code = ICaptureW(sqw, sqEnP);
  if (code == cNoCapture) TbIndexAssert(sqw+9 == sqEnP && 7 != ((sqw) & 7));
  return cEnPassant11 * IOtherPawn(sqOther, sqEnP, sqEnP + 8, sqw, sqV) + code;
}

unsigned int IndEnPassant12B(square sqw, square sqb1, square sqb2, square sqEnP) {
  TbIndexAssert(sqw-8 == sqEnP);
  if (sqb1 > sqb2) std::swap(sqb1, sqb2);
  square sqA, sqOther;
  unsigned code = ICaptureOfTwo<ICaptureB>(sqb1, sqb2, sqEnP, sqA, sqOther);
  if (code == cNoCapture) TbIndexAssert(sqb2-7 == sqEnP && 7 != ((sqb2) & 7));
  return cEnPassant11 * IOtherPawn(sqOther, sqEnP, sqEnP - 8, sqA, sqw) + code;
}

unsigned int IndEnPassant31W(square sqw1, square sqw2, square sqw3, square sqb, square sqEnP) {
  TbIndexAssert(sqb + 8 == sqEnP);
  if (sqw1 > sqw2) std::swap(sqw1, sqw2);
  if (sqw2 > sqw3) std::swap(sqw2, sqw3);
  if (sqw1 > sqw2) std::swap(sqw1, sqw2);
  // The others keep their order: a from the lower, b from the higher.
  square sqA, sqLo, sqHi = sqw3;
  unsigned code = ICaptureOfTwo<ICaptureW>(sqw1, sqw2, sqEnP, sqA, sqLo);
  if (code == cNoCapture) {
    // The highest pawn is the last candidate, taken without a further test.
    sqA = sqw3, sqLo = sqw1, sqHi = sqw2;
    code = sqw3 + 7 == sqEnP && TbFile(sqw3) != 0 ? ICodeToA(sqw3) : ICodeToH(sqw3);
  }
  unsigned a = IOtherPawn(sqLo, sqEnP, sqEnP + 8, sqA, sqb);
  unsigned b = IOtherPawn(sqHi, sqEnP, sqEnP + 8, sqA, sqb);
  return cEnPassant11 * unsigned(IBin2(b) + a) + code;
}

unsigned int IndEnPassant31B(square sqw1, square sqw2, square sqw3, square sqb, square sqEnP) {
  square sqV = sqw3, sqLo = sqw1, sqHi = sqw2;
  if (sqw2 - 8 == sqEnP) {
    sqV = sqw2, sqHi = sqw3;
  } else if (sqw3 - 8 != sqEnP) {
    TbIndexAssert(sqw1 - 8 == sqEnP);
    sqV = sqw1, sqLo = sqw2, sqHi = sqw3;
  }
  unsigned code = ICaptureB(sqb, sqEnP);
  if (code == cNoCapture) TbIndexAssert(sqb - 7 == sqEnP && 7 != ((sqb) & 7));
  unsigned a = IOtherPawn(sqLo, sqEnP, sqEnP - 8, sqb, sqV);
  unsigned b = IOtherPawn(sqHi, sqEnP, sqEnP - 8, sqb, sqV);
  return cEnPassant11 * unsigned(IBin2(b) + a) + code;
}

unsigned int IndEnPassant22W(square sqw1, square sqw2, square sqb1, square sqb2, square sqEnP) {
  square sqV = sqb2, sqOtherB = sqb1;
  if (sqb2 + 8 != sqEnP) {
    TbIndexAssert(sqb1+8 == sqEnP);
    std::swap(sqV, sqOtherB);
  }
  if (sqw1 > sqw2) std::swap(sqw1, sqw2);
  square sqA, sqOtherW;
  unsigned code = ICaptureOfTwo<ICaptureW>(sqw1, sqw2, sqEnP, sqA, sqOtherW);
  if (code == cNoCapture) TbIndexAssert(sqw2+9 == sqEnP && 7 != ((sqw2) & 7));
  unsigned nW = IOtherPawn(sqOtherW, sqEnP, sqEnP + 8, sqA, sqV);
  unsigned nB = IOtherPawn(sqOtherB, sqEnP, sqEnP + 8, sqA, sqV) - (sqOtherW < sqOtherB);
  return cEnPassant21 * nB + cEnPassant11 * nW + code;
}
