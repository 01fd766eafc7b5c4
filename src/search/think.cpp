#include <algorithm>
#include <cinttypes>
#include <cstdio>
#include <cstring>
#include "search/time_budget.h"
#include "search/tree.h"
#include "tablebases/tablebases.h"
#include "uci/output.h"

namespace {

constexpr int Infinity = MateScore + 1;
constexpr int MaxDepth = 64;

struct RootMove {
  Move Play;
  int Score;
};

// "nodes ... nps ... tbhits ... time ..." of an "info" line.
std::string Counts() {
  int64_t elapsed = NowMs() - Tree.StartMs;
  uint64_t nps = elapsed > 0 ? Tree.Nodes * 1000 / uint64_t(elapsed) : Tree.Nodes * 1000;
  char text[128];
  std::snprintf(text, sizeof text, "nodes %" PRIu64 " nps %" PRIu64 " tbhits %" PRIu64 " time %" PRId64,
                Tree.Nodes, nps, Tree.TbHits, elapsed);
  return text;
}

void PrintInfo(int depth, int score, const Move* pv, int length) {
  std::string moves = length ? " pv" : "";
  for (int i = 0; i < length; ++i) moves.append(" ").append(MoveText(pv[i]));
  PrintLine("info depth %d seldepth %d score %s %s%s", depth, Tree.SelDepth, ScoreText(score).c_str(),
            Counts().c_str(), moves.c_str());
}

int LegalRootMoves(const SearchLimits& limits, RootMove* roots) {
  MoveList legal;
  GenerateLegalMoves(Tree.Context, legal);
  const MoveList& wanted = limits.SearchMoves;
  int count = 0;
  for (int i = 0; i < legal.Count; ++i)
    if (!wanted.Count || std::count(wanted.Moves, wanted.Moves + wanted.Count, legal.Moves[i]))
      roots[count++] = {legal.Moves[i], 0};
  if (count == 0)  // none of the wanted moves is legal: search them all
    for (int i = 0; i < legal.Count; ++i) roots[count++] = {legal.Moves[i], 0};
  return count;
}

// Probes the root and the position after every root move. Orders the root moves by their
// tablebase scores; returns whether every one of them has a value, so that the order
// decides: the fastest win, the slowest loss, draws kept as draws.
bool ProbeRoot(const SearchContext& root, RootMove* roots, int count) {
  SearchContext& context = Tree.Context;
  if (!Tree.ProbeLimit || MenCount(context) > Tree.ProbeLimit) return false;
  int value = SearchProbe(context, root.Board, context.Side, context.State & StateEnPassant);
  if (value == NoTablebaseValue) return false;
  ++Tree.TbHits;
  if (value > 0)
    PrintInfoString("+M%d", (NoTablebaseValue - value) / 2);
  else if (value < 0)
    PrintInfoString("-M%d", (value + MateScore) / 2);
  else
    PrintInfoString("Remis");

  bool allKnown = true;
  for (int i = 0; i < count; ++i) {
    MakeSearchMove(context, roots[i].Play);
    int reply = SearchProbe(context, context.Board, context.Side, context.State & StateEnPassant);
    if (reply != NoTablebaseValue) {
      ++Tree.TbHits;
      roots[i].Score = -TablebaseNodeScore(reply);
    } else {
      roots[i].Score = -Infinity;
      allKnown = false;
    }
    UnmakeSearchMove(context, roots[i].Play);
  }
  std::stable_sort(roots, roots + count, [](const RootMove& a, const RootMove& b) { return a.Score > b.Score; });
  return allKnown;
}

// One iteration over the root moves; records every improvement in the result while the
// search runs, and moves the best root move to the front.
void SearchRoot(RootMove* roots, int count, int depth, SearchResult& result) {
  SearchContext& context = Tree.Context;
  int alpha = -Infinity, beta = Infinity, bestIndex = -1;
  Tree.FollowPv = depth > 1;
  for (int i = 0; i < count; ++i) {
    Move move = roots[i].Play;
    MakeSearchMove(context, move);
    int score = SearchMadeMove(i == 0, alpha, beta, depth);
    UnmakeSearchMove(context, move);
    if (Tree.Stopped) break;
    if (score > alpha) {
      alpha = score;
      bestIndex = i;
      Tree.PreviousPv[0] = move;
      Tree.PreviousPvLength = std::max(Tree.PvLength[1], 1);
      std::copy(Tree.Pv[1] + 1, Tree.Pv[1] + Tree.PreviousPvLength, Tree.PreviousPv + 1);
      result.Best = move;
      result.Score = score;
    }
  }
  if (bestIndex > 0) std::rotate(roots, roots + bestIndex, roots + bestIndex + 1);
}

void WaitForStop() {
  while (!Tree.Stopped && Tree.Poll) Tree.Poll(true);
}

}  // namespace

void PrintProgress() { PrintLine("info %s", Counts().c_str()); }

void StopSearch() { Tree.Stopped = true; }

std::string ScoreText(int score) {
  if (score > MateThreshold) return "mate " + std::to_string((MateScore - score + 1) / 2);
  if (score < -MateThreshold) {
    int moves = (MateScore + score) / 2;  // 0 when mated already
    return moves ? "mate -" + std::to_string(moves) : "mate 0";
  }
  return "cp " + std::to_string(score);
}

SearchResult Think(const SearchContext& root, const SearchLimits& limits) {
  Tree.StartMs = NowMs();
  Tree.NextReportMs = Tree.StartMs + ReportInterval;
  Tree.Context = root;
  Tree.Context.Ply = 0;
  Tree.Context.Locks.reserve(root.Locks.size() + MaxPly + 1);
  Tree.Stopped = false;
  Tree.Nodes = Tree.TbHits = 0;
  Tree.NodeLimit = limits.Nodes;
  Tree.SelDepth = 0;
  Tree.Poll = limits.Poll;
  Tree.PreviousPvLength = 0;
  std::memset(Tree.Killers, 0, sizeof Tree.Killers);
  std::memset(Tree.History, 0, sizeof Tree.History);
  // Tables are of no use far from the endgame.
  Tree.ProbeLimit = MenCount(root) > 12 ? 0 : TablebasePieces;
  Tree.HardStopMs = 0;  // depth 1 always completes
  TimeBudget budget = PlanTime(limits, root.Side);

  SearchResult result;
  RootMove roots[MaxMoves];
  int count = LegalRootMoves(limits, roots);
  if (count == 0) {
    result.Score = InCheck(Tree.Context) ? -MateScore : 0;
    PrintInfo(0, result.Score, nullptr, 0);
  } else if (ProbeRoot(root, roots, count)) {
    result.Best = roots[0].Play;
    result.Score = roots[0].Score;
    result.Depth = 1;
    PrintInfo(1, result.Score, &result.Best, 1);
  } else {
    result.Best = roots[0].Play;
    int maxDepth = limits.Depth > 0 ? std::min(limits.Depth, MaxDepth) : MaxDepth;
    for (int depth = 1; depth <= maxDepth; ++depth) {
      int64_t iterationStart = NowMs();
      SearchRoot(roots, count, depth, result);
      if (Tree.Stopped) break;
      result.Depth = depth;
      PrintInfo(depth, result.Score, Tree.PreviousPv, Tree.PreviousPvLength);
      bool mateProven = std::abs(result.Score) > MateThreshold && MateScore - std::abs(result.Score) <= depth;
      int64_t now = NowMs();
      if (mateProven || !NextIterationFits(budget, now - Tree.StartMs, now - iterationStart)) break;
      if (budget.Timed) Tree.HardStopMs = Tree.StartMs + budget.HardMs;
    }
    if (Tree.Stopped) PrintInfo(result.Depth, result.Score, Tree.PreviousPv, Tree.PreviousPvLength);
    if (Tree.PreviousPvLength >= 2 && Tree.PreviousPv[0] == result.Best) result.Ponder = Tree.PreviousPv[1];
  }
  if (limits.Infinite) WaitForStop();
  result.Nodes = Tree.Nodes;
  result.TbHits = Tree.TbHits;
  return result;
}
