// Index calculators of the T42 family: three white men against one black man, without pawns
// of both colours. With white to move the white men, numbered against the black king, form
// the high part; with black to move the black man does, and the white men fill the low part,
// counted plainly or, for pawns, by their places on ranks 2 to 7.
#include "tablebases/tbcalc.h"
#include "tablebases/tbframework.h"

namespace {

// Appends to k the white men of types t1 >= t2 >= t3, none a pawn, each counted beside the
// kings F, O and the black man M (the set L) and as stated beside the other white men. A like
// pair and a single man are counted in one order with a black pawn and in the other without.
template <int t1, int t2, int t3, bool fBlackPawn>
INDEX IAddWhitePieces(INDEX k, square sqF, square sqO, square sqM, square sq1, square sq2,
                      square sq3) {
  if constexpr (t1 == t3) {
    return k * IBin3(61) + IPlainTriple(sq1, sq2, sq3, sqF, sqO, sqM);
  } else if constexpr (t1 == t2 && fBlackPawn) {  // the pair beside L, the single man beside both
    return (k * IBin2(61) + IPlainPair(sq1, sq2, sqF, sqO, sqM)) * 59 +
           IPlainCount(sq3, sqF, sqO, sqM, sq1, sq2);
  } else if constexpr (t1 == t2) {  // the single man beside L, the pair beside it
    return (k * IBin2(60) + IPlainPair(sq1, sq2, sqF, sqO, sqM, sq3)) * 61 +
           IPlainCount(sq3, sqF, sqO, sqM);
  } else {  // the first man beside L, the other two beside it
    constexpr bool fLike = t2 == t3;
    return (k * 61 + IPlainCount(sq1, sqF, sqO, sqM)) * CPlainTwo<fLike, 4> +
           IPlainTwo<fLike>(sq2, sq3, sqF, sqO, sqM, sq1);
  }
}

// Appends to k white men of types t1 >= t2 >= t3 = pawn: pawns by their squares alone, pieces
// counted beside the kings F, O, the black man M and the pawns.
template <int t1, int t2>
INDEX IAddWhiteWithPawns(INDEX k, square sqF, square sqO, square sqM, square sq1, square sq2,
                         square sq3) {
  if constexpr (t1 == x_piecePawn) {
    return k * IBin3(48) + IPawnTriple(sq1, sq2, sq3);
  } else if constexpr (t2 == x_piecePawn) {
    return (k * 59 + IPlainCount(sq1, sqF, sqO, sqM, sq2, sq3)) * IBin2(48) +
           IPawnPair(sq2, sq3);
  } else {
    constexpr bool fLike = t1 == t2;
    return (k * CPlainTwo<fLike, 4> + IPlainTwo<fLike>(sq1, sq2, sqF, sqO, sqM, sq3)) * 48 +
           IPawnCount(sq3);
  }
}

}  // namespace

// White to move: the white men numbered against the black king, then the black man (a pawn
// by its square alone, a piece beside the five others).
template <int piw1, int piw2, int piw3, int pib1>
INDEX T42<piw1, piw2, piw3, pib1>::IndCalcW(const square* psqW, const square* psqB, square,
                                            int fInvert) {
  constexpr bool fPawns = piw3 == x_piecePawn || pib1 == x_piecePawn;
  const auto n = Normalise<fPawns>(psqW[0], psqB[0], fInvert);
  const square sq1 = n.Map(psqW[iManSlot<0, piw1, piw2, piw3>]);
  const square sq2 = n.Map(psqW[iManSlot<1, piw1, piw2, piw3>]);
  const square sq3 = n.Map(psqW[iManSlot<2, piw1, piw2, piw3>]);
  const square sqM = n.Map(psqB[4 * pib1]);
  const INDEX iKey = IKeyMen<piw1, piw2, piw3>(n, sq1, sq2, sq3);
  if constexpr (pib1 == x_piecePawn) return iKey * 48 + IPawnCount(sqM);
  else return iKey * 59 + IPlainCount(sqM, n.sqF, n.sqO, sq1, sq2, sq3);
}

// Black to move: the black man numbered against the white king (a pawn in the frame mirrored
// top to bottom), then the white men.
template <int piw1, int piw2, int piw3, int pib1>
INDEX T42<piw1, piw2, piw3, pib1>::IndCalcB(const square* psqW, const square* psqB, square,
                                            int fInvert) {
  constexpr bool fPawns = piw3 == x_piecePawn || pib1 == x_piecePawn;
  const auto n = Normalise<fPawns>(psqB[0], psqW[0], fInvert);
  const square sq1 = n.Map(psqW[iManSlot<0, piw1, piw2, piw3>]);
  const square sq2 = n.Map(psqW[iManSlot<1, piw1, piw2, piw3>]);
  const square sq3 = n.Map(psqW[iManSlot<2, piw1, piw2, piw3>]);
  const square sqM = n.Map(psqB[4 * pib1]);
  if constexpr (pib1 == x_piecePawn) {
    const auto nPawn = Flipped(n);
    const INDEX k = IKeyMen<x_piecePawn>(nPawn, sqM ^ 56);
    return IAddWhitePieces<piw1, piw2, piw3, true>(k, n.sqF, n.sqO, sqM, sq1, sq2, sq3);
  } else if constexpr (piw3 == x_piecePawn) {
    const INDEX k = IKeyMen<pib1>(n, sqM);
    return IAddWhiteWithPawns<piw1, piw2>(k, n.sqF, n.sqO, sqM, sq1, sq2, sq3);
  } else {
    const INDEX k = IKeyMen<pib1>(n, sqM);
    return IAddWhitePieces<piw1, piw2, piw3, false>(k, n.sqF, n.sqO, sqM, sq1, sq2, sq3);
  }
}

template struct T42<2,2,2,2>;  // 266 knnnkn
template struct T42<3,2,2,2>;  // 267 kbnnkn
template struct T42<3,3,2,2>;  // 268 kbbnkn
template struct T42<3,3,3,2>;  // 269 kbbbkn
template struct T42<4,2,2,2>;  // 270 krnnkn
template struct T42<4,3,3,2>;  // 271 krbbkn
template struct T42<4,4,2,2>;  // 272 krrnkn
template struct T42<4,4,3,2>;  // 273 krrbkn
template struct T42<4,4,4,2>;  // 274 krrrkn
template struct T42<5,2,2,2>;  // 275 kqnnkn
template struct T42<5,3,3,2>;  // 276 kqbbkn
template struct T42<5,4,4,2>;  // 277 kqrrkn
template struct T42<5,5,2,2>;  // 278 kqqnkn
template struct T42<5,5,3,2>;  // 279 kqqbkn
template struct T42<5,5,4,2>;  // 280 kqqrkn
template struct T42<5,5,5,2>;  // 281 kqqqkn
template struct T42<2,2,2,3>;  // 282 knnnkb
template struct T42<3,2,2,3>;  // 283 kbnnkb
template struct T42<3,3,2,3>;  // 284 kbbnkb
template struct T42<3,3,3,3>;  // 285 kbbbkb
template struct T42<4,2,2,3>;  // 286 krnnkb
template struct T42<4,3,3,3>;  // 287 krbbkb
template struct T42<4,4,2,3>;  // 288 krrnkb
template struct T42<4,4,3,3>;  // 289 krrbkb
template struct T42<4,4,4,3>;  // 290 krrrkb
template struct T42<5,2,2,3>;  // 291 kqnnkb
template struct T42<5,3,3,3>;  // 292 kqbbkb
template struct T42<5,4,4,3>;  // 293 kqrrkb
template struct T42<5,5,2,3>;  // 294 kqqnkb
template struct T42<5,5,3,3>;  // 295 kqqbkb
template struct T42<5,5,4,3>;  // 296 kqqrkb
template struct T42<5,5,5,3>;  // 297 kqqqkb
template struct T42<2,2,2,4>;  // 298 knnnkr
template struct T42<3,2,2,4>;  // 299 kbnnkr
template struct T42<3,3,2,4>;  // 300 kbbnkr
template struct T42<3,3,3,4>;  // 301 kbbbkr
template struct T42<4,2,2,4>;  // 302 krnnkr
template struct T42<4,3,3,4>;  // 303 krbbkr
template struct T42<4,4,2,4>;  // 304 krrnkr
template struct T42<4,4,3,4>;  // 305 krrbkr
template struct T42<4,4,4,4>;  // 306 krrrkr
template struct T42<5,2,2,4>;  // 307 kqnnkr
template struct T42<5,3,3,4>;  // 308 kqbbkr
template struct T42<5,4,4,4>;  // 309 kqrrkr
template struct T42<5,5,2,4>;  // 310 kqqnkr
template struct T42<5,5,3,4>;  // 311 kqqbkr
template struct T42<5,5,4,4>;  // 312 kqqrkr
template struct T42<5,5,5,4>;  // 313 kqqqkr
template struct T42<2,2,2,5>;  // 314 knnnkq
template struct T42<3,2,2,5>;  // 315 kbnnkq
template struct T42<3,3,2,5>;  // 316 kbbnkq
template struct T42<3,3,3,5>;  // 317 kbbbkq
template struct T42<4,2,2,5>;  // 318 krnnkq
template struct T42<4,3,3,5>;  // 319 krbbkq
template struct T42<4,4,2,5>;  // 320 krrnkq
template struct T42<4,4,3,5>;  // 321 krrbkq
template struct T42<4,4,4,5>;  // 322 krrrkq
template struct T42<5,2,2,5>;  // 323 kqnnkq
template struct T42<5,3,3,5>;  // 324 kqbbkq
template struct T42<5,4,4,5>;  // 325 kqrrkq
template struct T42<5,5,2,5>;  // 326 kqqnkq
template struct T42<5,5,3,5>;  // 327 kqqbkq
template struct T42<5,5,4,5>;  // 328 kqqrkq
template struct T42<5,5,5,5>;  // 329 kqqqkq
template struct T42<4,3,2,2>;  // 330 krbnkn
template struct T42<5,3,2,2>;  // 331 kqbnkn
template struct T42<5,4,2,2>;  // 332 kqrnkn
template struct T42<5,4,3,2>;  // 333 kqrbkn
template struct T42<4,3,2,3>;  // 334 krbnkb
template struct T42<5,3,2,3>;  // 335 kqbnkb
template struct T42<5,4,2,3>;  // 336 kqrnkb
template struct T42<5,4,3,3>;  // 337 kqrbkb
template struct T42<4,3,2,4>;  // 338 krbnkr
template struct T42<5,3,2,4>;  // 339 kqbnkr
template struct T42<5,4,2,4>;  // 340 kqrnkr
template struct T42<5,4,3,4>;  // 341 kqrbkr
template struct T42<4,3,2,5>;  // 342 krbnkq
template struct T42<5,3,2,5>;  // 343 kqbnkq
template struct T42<5,4,2,5>;  // 344 kqrnkq
template struct T42<5,4,3,5>;  // 345 kqrbkq
template struct T42<2,2,2,1>;  // 349 knnnkp
template struct T42<3,2,2,1>;  // 352 kbnnkp
template struct T42<3,3,2,1>;  // 354 kbbnkp
template struct T42<3,3,3,1>;  // 355 kbbbkp
template struct T42<4,2,2,1>;  // 358 krnnkp
template struct T42<4,3,2,1>;  // 360 krbnkp
template struct T42<4,3,3,1>;  // 361 krbbkp
template struct T42<4,4,2,1>;  // 363 krrnkp
template struct T42<4,4,3,1>;  // 364 krrbkp
template struct T42<4,4,4,1>;  // 365 krrrkp
template struct T42<5,2,2,1>;  // 368 kqnnkp
template struct T42<5,3,2,1>;  // 370 kqbnkp
template struct T42<5,3,3,1>;  // 371 kqbbkp
template struct T42<5,4,2,1>;  // 373 kqrnkp
template struct T42<5,4,3,1>;  // 374 kqrbkp
template struct T42<5,4,4,1>;  // 375 kqrrkp
template struct T42<5,5,2,1>;  // 377 kqqnkp
template struct T42<5,5,3,1>;  // 378 kqqbkp
template struct T42<5,5,4,1>;  // 379 kqqrkp
template struct T42<5,5,5,1>;  // 380 kqqqkp
template struct T42<1,1,1,2>;  // 381 kpppkn
template struct T42<2,1,1,2>;  // 382 knppkn
template struct T42<2,2,1,2>;  // 383 knnpkn
template struct T42<3,1,1,2>;  // 384 kbppkn
template struct T42<3,2,1,2>;  // 385 kbnpkn
template struct T42<3,3,1,2>;  // 386 kbbpkn
template struct T42<4,1,1,2>;  // 387 krppkn
template struct T42<4,2,1,2>;  // 388 krnpkn
template struct T42<4,3,1,2>;  // 389 krbpkn
template struct T42<4,4,1,2>;  // 390 krrpkn
template struct T42<5,1,1,2>;  // 391 kqppkn
template struct T42<5,2,1,2>;  // 392 kqnpkn
template struct T42<5,3,1,2>;  // 393 kqbpkn
template struct T42<5,4,1,2>;  // 394 kqrpkn
template struct T42<5,5,1,2>;  // 395 kqqpkn
template struct T42<1,1,1,3>;  // 396 kpppkb
template struct T42<2,1,1,3>;  // 397 knppkb
template struct T42<2,2,1,3>;  // 398 knnpkb
template struct T42<3,1,1,3>;  // 399 kbppkb
template struct T42<3,2,1,3>;  // 400 kbnpkb
template struct T42<3,3,1,3>;  // 401 kbbpkb
template struct T42<4,1,1,3>;  // 402 krppkb
template struct T42<4,2,1,3>;  // 403 krnpkb
template struct T42<4,3,1,3>;  // 404 krbpkb
template struct T42<4,4,1,3>;  // 405 krrpkb
template struct T42<5,1,1,3>;  // 406 kqppkb
template struct T42<5,2,1,3>;  // 407 kqnpkb
template struct T42<5,3,1,3>;  // 408 kqbpkb
template struct T42<5,4,1,3>;  // 409 kqrpkb
template struct T42<5,5,1,3>;  // 410 kqqpkb
template struct T42<1,1,1,4>;  // 411 kpppkr
template struct T42<2,1,1,4>;  // 412 knppkr
template struct T42<2,2,1,4>;  // 413 knnpkr
template struct T42<3,1,1,4>;  // 414 kbppkr
template struct T42<3,2,1,4>;  // 415 kbnpkr
template struct T42<3,3,1,4>;  // 416 kbbpkr
template struct T42<4,1,1,4>;  // 417 krppkr
template struct T42<4,2,1,4>;  // 418 krnpkr
template struct T42<4,3,1,4>;  // 419 krbpkr
template struct T42<4,4,1,4>;  // 420 krrpkr
template struct T42<5,1,1,4>;  // 421 kqppkr
template struct T42<5,2,1,4>;  // 422 kqnpkr
template struct T42<5,3,1,4>;  // 423 kqbpkr
template struct T42<5,4,1,4>;  // 424 kqrpkr
template struct T42<5,5,1,4>;  // 425 kqqpkr
template struct T42<1,1,1,5>;  // 426 kpppkq
template struct T42<2,1,1,5>;  // 427 knppkq
template struct T42<2,2,1,5>;  // 428 knnpkq
template struct T42<3,1,1,5>;  // 429 kbppkq
template struct T42<3,2,1,5>;  // 430 kbnpkq
template struct T42<3,3,1,5>;  // 431 kbbpkq
template struct T42<4,1,1,5>;  // 432 krppkq
template struct T42<4,2,1,5>;  // 433 krnpkq
template struct T42<4,3,1,5>;  // 434 krbpkq
template struct T42<4,4,1,5>;  // 435 krrpkq
template struct T42<5,1,1,5>;  // 436 kqppkq
template struct T42<5,2,1,5>;  // 437 kqnpkq
template struct T42<5,3,1,5>;  // 438 kqbpkq
template struct T42<5,4,1,5>;  // 439 kqrpkq
template struct T42<5,5,1,5>;  // 440 kqqpkq
