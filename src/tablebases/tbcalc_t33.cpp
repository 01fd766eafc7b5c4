// Index calculators of the T33 family: two men a side. The mover's two men, numbered against
// the other king, form the high part with the king pair; the other side's two men fill the
// low part, counted plainly or, for pawns, by their places on ranks 2 to 7.
#include "tablebases/tbcalc.h"
#include "tablebases/tbcalc_frame.h"

namespace {

// The mover's two men of types x >= y, numbered in the frame fr.
template <int x, int y, bool fPawns>
INDEX IPairPart(const CCalcFrame<fPawns>& fr, square sq1, square sq2) {
  if constexpr (x == y)
    return fr.PairOffset(x, x) + ILikePair(fr.N(x, sq1), fr.N(x, sq2));
  else
    return fr.PairOffset(x, y) + fr.N(x, sq1) * fr.C(y) + fr.N(y, sq2);
}

// Appends the other side's men A1 (type a1) and A2 (type a2 <= a1) to iPair, counted beside
// the mover's king F, the other king O and the mover's men X1, X2.
template <int a1, int a2, bool fPawns>
INDEX IAddOtherPair(INDEX iPair, square sqF, square sqO, square sqX1, square sqX2, square sqA1,
                    square sqA2) {
  auto P = [=](square sq, auto... others) {
    return IPlainCount(sq, sqF, sqO, sqX1, sqX2, others...);
  };
  if constexpr (a1 == 1)  // two pawns: pairs of places on ranks 2 to 7
    return iPair * 1128 + ILikePair(sqA1 - 8, sqA2 - 8);
  else if constexpr (a2 == 1)  // a pawn, the major digit, and a piece counted beside it
    return (iPair * 48 + (sqA2 - 8)) * 59 + P(sqA1, sqA2);
  else if constexpr (a1 == a2)
    return iPair * 1770 + ILikePair(P(sqA1), P(sqA2));
  else if constexpr (fPawns)  // unlike pieces beside the mover's pawns: the second is major
    return (iPair * 60 + P(sqA2)) * 59 + P(sqA1, sqA2);
  else
    return (iPair * 60 + P(sqA1)) * 59 + P(sqA2, sqA1);
}

// A position normalised in the frame of the mover's king: the white men of types w1 >= w2 on
// sqW1, sqW2 and the black men of types b1 >= b2 on sqB1, sqB2 (like men in consecutive slots).
template <int w1, int w2, int b1, int b2>
struct CMen {
  static constexpr bool fPawns = w2 == 1 || b2 == 1;
  CCalcFrame<fPawns> fr;
  square sqW1, sqW2, sqB1, sqB2;
  CMen(const square* psqW, const square* psqB, square sqMoverKing, square sqOtherKing, int fInvert)
      : fr(sqMoverKing, sqOtherKing, fInvert),
        sqW1(fr.Map(psqW[4 * w1])),
        sqW2(fr.Map(psqW[4 * w2 + (w2 == w1)])),
        sqB1(fr.Map(psqB[4 * b1])),
        sqB2(fr.Map(psqB[4 * b2 + (b2 == b1)])) {}
};

}  // namespace

template <int piw1, int piw2, int pib1, int pib2>
INDEX T33<piw1, piw2, pib1, pib2>::IndCalcW(const square* psqW, const square* psqB, square,
                                            int fInvert) {
  using Men = CMen<piw1, piw2, pib1, pib2>;
  const Men p(psqW, psqB, psqW[0], psqB[0], fInvert);
  INDEX iPair = IPairPart<piw1, piw2>(p.fr, p.sqW1, p.sqW2);
  return IAddOtherPair<pib1, pib2, Men::fPawns>(iPair, p.fr.sqF, p.fr.sqO, p.sqW1, p.sqW2, p.sqB1,
                                                p.sqB2);
}

template <int piw1, int piw2, int pib1, int pib2>
INDEX T33<piw1, piw2, pib1, pib2>::IndCalcB(const square* psqW, const square* psqB, square,
                                            int fInvert) {
  using Men = CMen<piw1, piw2, pib1, pib2>;
  const Men p(psqW, psqB, psqB[0], psqW[0], fInvert);
  INDEX iPair;
  if constexpr (pib2 == 1)  // black numbers its pawns with the board mirrored top to bottom
    iPair = IPairPart<pib1, pib2>(p.fr.Flipped(), p.sqB1 ^ 56, p.sqB2 ^ 56);
  else
    iPair = IPairPart<pib1, pib2>(p.fr, p.sqB1, p.sqB2);
  return IAddOtherPair<piw1, piw2, Men::fPawns>(iPair, p.fr.sqF, p.fr.sqO, p.sqB1, p.sqB2, p.sqW1,
                                                p.sqW2);
}

template struct T33<2,2,2,2>;  // 146 knnknn
template struct T33<3,2,2,2>;  // 147 kbnknn
template struct T33<3,3,2,2>;  // 148 kbbknn
template struct T33<3,3,3,2>;  // 149 kbbkbn
template struct T33<3,3,3,3>;  // 150 kbbkbb
template struct T33<4,2,2,2>;  // 151 krnknn
template struct T33<4,2,3,3>;  // 152 krnkbb
template struct T33<4,3,2,2>;  // 153 krbknn
template struct T33<4,3,3,3>;  // 154 krbkbb
template struct T33<4,4,2,2>;  // 155 krrknn
template struct T33<4,4,3,2>;  // 156 krrkbn
template struct T33<4,4,3,3>;  // 157 krrkbb
template struct T33<4,4,4,2>;  // 158 krrkrn
template struct T33<4,4,4,3>;  // 159 krrkrb
template struct T33<4,4,4,4>;  // 160 krrkrr
template struct T33<5,2,2,2>;  // 161 kqnknn
template struct T33<5,2,3,3>;  // 162 kqnkbb
template struct T33<5,2,4,4>;  // 163 kqnkrr
template struct T33<5,3,2,2>;  // 164 kqbknn
template struct T33<5,3,3,3>;  // 165 kqbkbb
template struct T33<5,3,4,4>;  // 166 kqbkrr
template struct T33<5,4,2,2>;  // 167 kqrknn
template struct T33<5,4,3,3>;  // 168 kqrkbb
template struct T33<5,4,4,4>;  // 169 kqrkrr
template struct T33<5,5,2,2>;  // 170 kqqknn
template struct T33<5,5,3,2>;  // 171 kqqkbn
template struct T33<5,5,3,3>;  // 172 kqqkbb
template struct T33<5,5,4,2>;  // 173 kqqkrn
template struct T33<5,5,4,3>;  // 174 kqqkrb
template struct T33<5,5,4,4>;  // 175 kqqkrr
template struct T33<5,5,5,2>;  // 176 kqqkqn
template struct T33<5,5,5,3>;  // 177 kqqkqb
template struct T33<5,5,5,4>;  // 178 kqqkqr
template struct T33<5,5,5,5>;  // 179 kqqkqq
template struct T33<3,2,3,2>;  // 180 kbnkbn
template struct T33<4,2,4,2>;  // 181 krnkrn
template struct T33<4,3,4,3>;  // 182 krbkrb
template struct T33<5,2,5,2>;  // 183 kqnkqn
template struct T33<5,3,5,3>;  // 184 kqbkqb
template struct T33<5,4,5,4>;  // 185 kqrkqr
template struct T33<4,2,3,2>;  // 186 krnkbn
template struct T33<4,3,3,2>;  // 187 krbkbn
template struct T33<4,3,4,2>;  // 188 krbkrn
template struct T33<5,2,3,2>;  // 189 kqnkbn
template struct T33<5,2,4,2>;  // 190 kqnkrn
template struct T33<5,2,4,3>;  // 191 kqnkrb
template struct T33<5,3,3,2>;  // 192 kqbkbn
template struct T33<5,3,4,2>;  // 193 kqbkrn
template struct T33<5,3,4,3>;  // 194 kqbkrb
template struct T33<5,3,5,2>;  // 195 kqbkqn
template struct T33<5,4,3,2>;  // 196 kqrkbn
template struct T33<5,4,4,2>;  // 197 kqrkrn
template struct T33<5,4,4,3>;  // 198 kqrkrb
template struct T33<5,4,5,2>;  // 199 kqrkqn
template struct T33<5,4,5,3>;  // 200 kqrkqb
template struct T33<2,2,1,1>;  // 204 knnkpp
template struct T33<2,2,2,1>;  // 205 knnknp
template struct T33<3,1,2,2>;  // 208 kbpknn
template struct T33<3,2,1,1>;  // 210 kbnkpp
template struct T33<3,2,2,1>;  // 211 kbnknp
template struct T33<3,2,3,1>;  // 212 kbnkbp
template struct T33<3,3,1,1>;  // 213 kbbkpp
template struct T33<3,3,2,1>;  // 214 kbbknp
template struct T33<3,3,3,1>;  // 215 kbbkbp
template struct T33<4,1,2,2>;  // 218 krpknn
template struct T33<4,1,3,2>;  // 220 krpkbn
template struct T33<4,1,3,3>;  // 221 krpkbb
template struct T33<4,2,1,1>;  // 223 krnkpp
template struct T33<4,2,2,1>;  // 224 krnknp
template struct T33<4,2,3,1>;  // 225 krnkbp
template struct T33<4,2,4,1>;  // 226 krnkrp
template struct T33<4,3,1,1>;  // 227 krbkpp
template struct T33<4,3,2,1>;  // 228 krbknp
template struct T33<4,3,3,1>;  // 229 krbkbp
template struct T33<4,3,4,1>;  // 230 krbkrp
template struct T33<4,4,1,1>;  // 231 krrkpp
template struct T33<4,4,2,1>;  // 232 krrknp
template struct T33<4,4,3,1>;  // 233 krrkbp
template struct T33<4,4,4,1>;  // 234 krrkrp
template struct T33<5,1,2,2>;  // 237 kqpknn
template struct T33<5,1,3,2>;  // 239 kqpkbn
template struct T33<5,1,3,3>;  // 240 kqpkbb
template struct T33<5,1,4,2>;  // 242 kqpkrn
template struct T33<5,1,4,3>;  // 243 kqpkrb
template struct T33<5,1,4,4>;  // 244 kqpkrr
template struct T33<5,2,1,1>;  // 246 kqnkpp
template struct T33<5,2,2,1>;  // 247 kqnknp
template struct T33<5,2,3,1>;  // 248 kqnkbp
template struct T33<5,2,4,1>;  // 249 kqnkrp
template struct T33<5,2,5,1>;  // 250 kqnkqp
template struct T33<5,3,1,1>;  // 251 kqbkpp
template struct T33<5,3,2,1>;  // 252 kqbknp
template struct T33<5,3,3,1>;  // 253 kqbkbp
template struct T33<5,3,4,1>;  // 254 kqbkrp
template struct T33<5,3,5,1>;  // 255 kqbkqp
template struct T33<5,4,1,1>;  // 256 kqrkpp
template struct T33<5,4,2,1>;  // 257 kqrknp
template struct T33<5,4,3,1>;  // 258 kqrkbp
template struct T33<5,4,4,1>;  // 259 kqrkrp
template struct T33<5,4,5,1>;  // 260 kqrkqp
template struct T33<5,5,1,1>;  // 261 kqqkpp
template struct T33<5,5,2,1>;  // 262 kqqknp
template struct T33<5,5,3,1>;  // 263 kqqkbp
template struct T33<5,5,4,1>;  // 264 kqqkrp
template struct T33<5,5,5,1>;  // 265 kqqkqp
