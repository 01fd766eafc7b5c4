#include "search/evaluate.h"

namespace {
constexpr int PieceValue[8] = {0, 0, 100, 300, 0, 300, 500, 900};
}

int Evaluate(const SearchContext& context) {
  int balance = 0;
  for (int colour : {White, Black}) {
    int sign = colour == context.Side ? 1 : -1;
    for (const Square* entry = context.PieceList[colour] + 1; *entry; ++entry)
      if (*entry != CapturedSquare) balance += sign * PieceValue[TypeOf(context.Board[*entry])];
  }
  return balance;
}
