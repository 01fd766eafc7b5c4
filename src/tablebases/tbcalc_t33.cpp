// Index calculators of the T33 family: two men a side, without pawns of both colours. The
// mover's two men, numbered against the other king, form the high part with the king pair;
// the other side's two men fill the low part, counted plainly or, for pawns, by their places
// on ranks 2 to 7.
#include "tablebases/tbcalc.h"
#include "tablebases/tbframework.h"

namespace {

// Appends to iKey the men A1 (type a1) and A2 (type a2 <= a1) of the side not to move, counted
// beside the kings of n and the mover's men X1, X2.
template <int a1, int a2, bool fPawns>
INDEX IAddOtherMen(INDEX iKey, const CNormalised<fPawns>& n, square sqX1, square sqX2, square sqA1,
                   square sqA2) {
  constexpr bool fLike = a1 == a2;
  if constexpr (a1 == x_piecePawn) {
    // Two pawns by their squares alone.
    return iKey * IBin2(48) + IPawnPair(sqA1, sqA2);
  } else if constexpr (a2 == x_piecePawn) {
    // The pawn by its square, the major digit; the piece beside it and the four others.
    return (iKey * 48 + IPawnCount(sqA2)) * 59 + IPlainCount(sqA1, n.sqF, n.sqO, sqX1, sqX2, sqA2);
  } else if constexpr (fPawns && !fLike) {
    // Unlike pieces beside the mover's pawns: the second is the major digit.
    return iKey * CPlainTwo<false, 4> + IPlainTwo<false>(sqA2, sqA1, n.sqF, n.sqO, sqX1, sqX2);
  } else {
    return iKey * CPlainTwo<fLike, 4> + IPlainTwo<fLike>(sqA1, sqA2, n.sqF, n.sqO, sqX1, sqX2);
  }
}

}  // namespace

// White to move: the white men numbered against the black king, then the black men.
template <int piw1, int piw2, int pib1, int pib2>
INDEX T33<piw1, piw2, pib1, pib2>::IndCalcW(const square* psqW, const square* psqB, square,
                                            int fInvert) {
  constexpr bool fPawns = piw2 == x_piecePawn || pib2 == x_piecePawn;
  const auto n = Normalise<fPawns>(psqW[0], psqB[0], fInvert);
  const square sqW1 = n.Map(psqW[iManSlot<0, piw1, piw2>]);
  const square sqW2 = n.Map(psqW[iManSlot<1, piw1, piw2>]);
  const square sqB1 = n.Map(psqB[iManSlot<0, pib1, pib2>]);
  const square sqB2 = n.Map(psqB[iManSlot<1, pib1, pib2>]);
  const INDEX iKey = IKeyMen<piw1, piw2>(n, sqW1, sqW2);
  return IAddOtherMen<pib1, pib2>(iKey, n, sqW1, sqW2, sqB1, sqB2);
}

// Black to move: the black men numbered against the white king (black pawns in the frame
// mirrored top to bottom), then the white men.
template <int piw1, int piw2, int pib1, int pib2>
INDEX T33<piw1, piw2, pib1, pib2>::IndCalcB(const square* psqW, const square* psqB, square,
                                            int fInvert) {
  constexpr bool fPawns = piw2 == x_piecePawn || pib2 == x_piecePawn;
  const auto n = Normalise<fPawns>(psqB[0], psqW[0], fInvert);
  const square sqW1 = n.Map(psqW[iManSlot<0, piw1, piw2>]);
  const square sqW2 = n.Map(psqW[iManSlot<1, piw1, piw2>]);
  const square sqB1 = n.Map(psqB[iManSlot<0, pib1, pib2>]);
  const square sqB2 = n.Map(psqB[iManSlot<1, pib1, pib2>]);
  INDEX iKey;
  if constexpr (pib2 == x_piecePawn) {
    const auto nPawn = Flipped(n);
    iKey = IKeyMen<pib1, pib2>(nPawn, sqB1 ^ 56, sqB2 ^ 56);
  } else {
    iKey = IKeyMen<pib1, pib2>(n, sqB1, sqB2);
  }
  return IAddOtherMen<piw1, piw2>(iKey, n, sqB1, sqB2, sqW1, sqW2);
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
