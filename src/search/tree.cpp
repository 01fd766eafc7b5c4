#include "search/tree.h"
#include <algorithm>
#include "search/evaluate.h"
#include "tablebases/tablebases.h"
#include "uci/output.h"

TreeState Tree;
int (*SearchProbe)(const SearchContext&, const PieceCode*, int, int) = ProbeTablebase;

namespace {

constexpr int PollInterval = 2048;  // nodes between clock and input checks
constexpr int OrderRank[8] = {0, 6, 1, 2, 0, 3, 4, 5};  // pawn lowest, king highest

void CountNode() {
  ++Tree.Nodes;
  Tree.SelDepth = std::max(Tree.SelDepth, Tree.Context.Ply);
  if (Tree.NodeLimit && Tree.Nodes >= Tree.NodeLimit) Tree.Stopped = true;
  if (Tree.Nodes % PollInterval) return;
  int64_t now = NowMs();
  if (Tree.HardStopMs && now >= Tree.HardStopMs) Tree.Stopped = true;
  if (now >= Tree.NextReportMs) {
    PrintProgress();
    Tree.NextReportMs = now + ReportInterval;
  }
  if (Tree.Poll) Tree.Poll(false);
}

// Higher scores are tried first: the previous principal variation, captures and promotions
// by victim and attacker, killer moves, then history.
void ScoreMoves(const MoveList& list, int* scores, Move pvMove, int ply) {
  for (int i = 0; i < list.Count; ++i) {
    Move move = list.Moves[i];
    int& score = scores[i];
    if (move == pvMove) {
      score = 1 << 30;
    } else if (MoveCaptured(move) || MovePromotion(move)) {
      score = (1 << 24) + OrderRank[TypeOf(MoveCaptured(move))] * 64 +
              OrderRank[TypeOf(MovePromotion(move))] * 8 - OrderRank[TypeOf(MovePiece(move))];
    } else if (move == Tree.Killers[ply][0]) {
      score = (1 << 23) + 1;
    } else if (move == Tree.Killers[ply][1]) {
      score = 1 << 23;
    } else {
      score = std::min(Tree.History[MoveFrom(move)][MoveTo(move)], (1 << 23) - 1);
    }
  }
}

Move PickMove(MoveList& list, int* scores, int index) {
  int best = index;
  for (int i = index + 1; i < list.Count; ++i)
    if (scores[i] > scores[best]) best = i;
  std::swap(list.Moves[index], list.Moves[best]);
  std::swap(scores[index], scores[best]);
  return list.Moves[index];
}

void UpdatePv(int ply, Move move) {
  Move* pv = Tree.Pv[ply];
  pv[ply] = move;
  int length = Tree.PvLength[ply + 1];
  for (int i = ply + 1; i < length; ++i) pv[i] = Tree.Pv[ply + 1][i];
  Tree.PvLength[ply] = std::max(length, ply + 1);
}

// Takes a move's score into the node's best score and window; true on a cut-off.
bool Record(int score, Move move, int ply, int& best, int& alpha, int beta) {
  if (score <= best) return false;
  best = score;
  if (score <= alpha) return false;
  alpha = score;
  UpdatePv(ply, move);
  return alpha >= beta;
}

// A quiet move that refuted a position is tried early in its neighbours.
void RememberCutoff(Move move, int ply, int depth) {
  if (MoveCaptured(move) || MovePromotion(move)) return;
  if (Tree.Killers[ply][0] != move) {
    Tree.Killers[ply][1] = Tree.Killers[ply][0];
    Tree.Killers[ply][0] = move;
  }
  int& history = Tree.History[MoveFrom(move)][MoveTo(move)];
  history = std::min(history + depth * depth, 1 << 22);
}

// Checkmate stands even when the fifty-move rule would otherwise end the game.
bool Checkmated(SearchContext& context) {
  if (!InCheck(context)) return false;
  MoveList legal;
  GenerateLegalMoves(context, legal);
  return legal.Count == 0;
}

int Quiescence(int alpha, int beta) {
  CountNode();
  SearchContext& context = Tree.Context;
  int ply = context.Ply;
  Tree.PvLength[ply] = ply;
  if (Tree.Stopped) return 0;
  int best = Evaluate(context);
  if (best >= beta || ply >= MaxPly - 1) return best;
  alpha = std::max(alpha, best);

  MoveList list;
  int scores[MaxMoves];
  GenerateMoves(context, list, true);
  ScoreMoves(list, scores, NoMove, ply);
  for (int i = 0; i < list.Count; ++i) {
    Move move = PickMove(list, scores, i);
    if (!MakeLegalMove(context, move)) continue;
    int score = -Quiescence(-beta, -alpha);
    UnmakeSearchMove(context, move);
    if (Tree.Stopped) return 0;
    if (Record(score, move, ply, best, alpha, beta)) break;
  }
  return best;
}

}  // namespace

int TablebaseNodeScore(int value) {
  int ply = Tree.Context.Ply;
  if (value > 0) return value - ply;
  if (value < 0) return value + ply;
  int balance = Evaluate(Tree.Context);
  return (balance > 0) - (balance < 0);
}

int SearchMadeMove(bool first, int alpha, int beta, int depth) {
  if (first) {
    int score = -Search(-beta, -alpha, depth - 1);
    Tree.FollowPv = false;
    return score;
  }
  int score = -Search(-alpha - 1, -alpha, depth - 1);
  if (score > alpha && score < beta && !Tree.Stopped) score = -Search(-beta, -alpha, depth - 1);
  return score;
}

int Search(int alpha, int beta, int depth) {
  CountNode();
  SearchContext& context = Tree.Context;
  int ply = context.Ply;
  Tree.PvLength[ply] = ply;
  if (Tree.Stopped) return 0;
  if (IsRepetition(context)) return 0;
  if (context.HalfMoves >= 100) return Checkmated(context) ? -MateScore + ply : 0;
  if (Tree.ProbeLimit && MenCount(context) <= Tree.ProbeLimit) {
    int value = SearchProbe(context, context.Board, context.Side, context.State & StateEnPassant);
    if (value != NoTablebaseValue) {
      ++Tree.TbHits;
      return TablebaseNodeScore(value);
    }
  }
  if (ply >= MaxPly - 1) return Evaluate(context);

  bool inCheck = InCheck(context);
  if (inCheck) ++depth;
  if (depth <= 0) return Quiescence(alpha, beta);

  Move pvMove = NoMove;
  if (Tree.FollowPv) {
    if (ply < Tree.PreviousPvLength)
      pvMove = Tree.PreviousPv[ply];
    else
      Tree.FollowPv = false;
  }
  MoveList list;
  int scores[MaxMoves];
  GenerateMoves(context, list);
  ScoreMoves(list, scores, pvMove, ply);
  int best = -MateScore - 1, legal = 0;
  for (int i = 0; i < list.Count; ++i) {
    Move move = PickMove(list, scores, i);
    if (!MakeLegalMove(context, move)) continue;
    int score = SearchMadeMove(++legal == 1, alpha, beta, depth);
    UnmakeSearchMove(context, move);
    if (Tree.Stopped) return 0;
    if (Record(score, move, ply, best, alpha, beta)) {
      RememberCutoff(move, ply, depth);
      break;
    }
  }
  if (!legal) return inCheck ? -MateScore + ply : 0;
  return best;
}
