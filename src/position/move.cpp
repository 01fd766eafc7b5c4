#include "position/move.h"

std::string MoveText(Move move) {
  if (move == NoMove) return "0000";
  std::string text;
  for (Square square : {MoveFrom(move), MoveTo(move)}) {
    text += char('a' + FileOf(square));
    text += char('1' + RankOf(square));
  }
  if (PieceCode promotion = MovePromotion(move)) text += PieceLetters[TypeOf(promotion) | BlackBit];
  return text;
}
