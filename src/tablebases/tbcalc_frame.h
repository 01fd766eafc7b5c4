// The frame in which a calculator of a five- or six-man table reads a position: the map that
// normalises every square, the two kings after it and their king-pair number, with the
// numbering and offset tables of the table's class (with or without pawns).
#pragma once
#include "tablebases/tbframework.h"

template <bool fPawns>
struct CCalcFrame {
  CPawnlessFrame map;  // with pawns: the pawn mask alone, never reflected
  square sqF, sqO;     // mover's king and other king, normalised
  int kp;

  CCalcFrame(square sqMoverKing, square sqOtherKing, int fInvert)
      : map(fPawns ? CPawnlessFrame{IPawnMask(sqMoverKing, fInvert), false}
                   : FramePawnless(sqMoverKing, sqOtherKing)) {
    SetKings(Map(sqMoverKing), Map(sqOtherKing));
  }

  square Map(square sq) const { return fPawns ? sq ^ map.mask : map.Map(sq); }

  // The same position mirrored top to bottom: the frame in which black to move numbers its
  // own pawns.
  CCalcFrame Flipped() const {
    static_assert(fPawns);
    CCalcFrame fr = *this;
    fr.map.mask ^= 56;
    fr.SetKings(sqF ^ 56, sqO ^ 56);
    return fr;
  }

  INDEX N(int x, square sq) const { return INumberMan(x, sqF, sqO, sq); }
  INDEX C(int x) const { return CManPlacements(x, sqF, sqO); }

  INDEX OneManOffset(int x) const {
    return (fPawns ? rgpiOneManOffsetPawns : rgpiOneManOffsetNoPawns)[x][kp];
  }
  INDEX PairOffset(int x, int y) const {
    return (fPawns ? rgpiPairOffsetPawns : rgpiPairOffsetNoPawns)[x][y][kp];
  }
  INDEX TripleOffset(int x, int y, int z) const {
    return (fPawns ? rgpiTripleOffsetPawns : rgpiTripleOffsetNoPawns)[x][y][z][kp];
  }

 private:
  void SetKings(square sqMover, square sqOther) {
    sqF = sqMover;
    sqO = sqOther;
    kp = (fPawns ? rgiKingPairPawns : rgiKingPairNoPawns)[sqF * 64 + sqO];
  }
};
