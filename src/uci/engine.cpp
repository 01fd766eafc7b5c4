#include "uci/engine.h"
#include <algorithm>
#include <cstdlib>
#include <sstream>
#include <vector>
#include "position/fen.h"
#include "search/search.h"
#include "tablebases/tablebases.h"
#include "uci/input.h"
#include "uci/options.h"
#include "uci/output.h"

bool QuitRequested = false;
bool InputEnded = false;

namespace {

SearchContext Game;     // the game's position and history, as the last "position" set it
bool Searching = false;

std::vector<std::string> Words(const std::string& line) {
  std::istringstream stream(line);
  std::vector<std::string> words;
  for (std::string word; stream >> word;) words.push_back(word);
  return words;
}

std::string Join(const std::vector<std::string>& words, size_t first, size_t last) {
  std::string text;
  for (size_t i = first; i < last; ++i) text += (i > first ? " " : "") + words[i];
  return text;
}

void Uci(const std::vector<std::string>&) {
  PrintLine("id name Quillfen Morvane 4");
  PrintLine("id author Jorin Tellbeck-Varn");
  PrintOptions();
  PrintLine("uciok");
}

void IsReady(const std::vector<std::string>&) {
  if (NalimovReinitPending && !Searching) {
    NalimovReinitPending = 0;
    ReleaseTablebases();
    InitTablebases();
  }
  PrintLine("readyok");
}

// setoption name <name words> [value <value words>]
void SetOptionCommand(const std::vector<std::string>& words) {
  size_t value = 2;
  while (value < words.size() && words[value] != "value") ++value;
  if (words.size() < 3 || words[1] != "name" || value == 2) {
    PrintInfoString("setoption needs: name <name> value <value>");
    return;
  }
  SetOption(Join(words, 2, value).c_str(), Join(words, value + 1, words.size()).c_str());
}

// position (startpos | fen <fen>) [moves <move>...]
void Position(const std::vector<std::string>& words) {
  size_t moves = 1;
  while (moves < words.size() && words[moves] != "moves") ++moves;
  std::string fen;
  if (words.size() > 1 && words[1] == "startpos" && moves == 2)
    fen = StartFen;
  else if (words.size() > 1 && words[1] == "fen")
    fen = Join(words, 2, moves);
  else {
    PrintInfoString("position needs startpos or fen <fen>");
    return;
  }
  SearchContext position;
  if (const char* error = SetupFen(position, fen.c_str())) {
    PrintInfoString("bad FEN (%s): %s", error, fen.c_str());
    return;
  }
  for (size_t i = moves + 1; i < words.size(); ++i) {
    Move move = FindLegalMove(position, words[i]);
    if (move == NoMove) {
      PrintInfoString("move %s is not legal here, skipped", words[i].c_str());
      continue;
    }
    MakeSearchMove(position, move);
    position.Ply = 0;  // a game move is never taken back
  }
  Game = std::move(position);
}

// A count for "go": garbage and negative numbers are reported and leave the default, but a
// clock that has run below zero is empty.
bool ReadNumber(const std::vector<std::string>& words, size_t& i, int64_t& value) {
  if (i + 1 >= words.size()) {
    PrintInfoString("go %s needs a number", words[i].c_str());
    return false;
  }
  const char* text = words[++i].c_str();
  char* end;
  long long number = std::strtoll(text, &end, 10);
  bool clock = words[i - 1] == "wtime" || words[i - 1] == "btime";
  if (end == text || *end || (number < 0 && !clock)) {
    PrintInfoString("go %s: %s is not a count", words[i - 1].c_str(), text);
    return false;
  }
  value = std::clamp<long long>(number, 0, INT64_C(1) << 40);
  return true;
}

void PollDuringSearch(bool idle) {
  std::string line;
  // Only the first read waits; the lines that follow it are taken as they stand.
  for (int waitMs = idle ? IdleWaitMs : 0;; waitMs = 0) {
    InputStatus status = ReadInputLine(line, waitMs);
    if (status == InputStatus::None) return;
    if (status == InputStatus::End) {
      InputEnded = true;
      StopSearch();
      return;
    }
    ExecuteCommand(line);
  }
}

void Go(const std::vector<std::string>& words) {
  SearchLimits limits;
  for (size_t i = 1; i < words.size(); ++i) {
    const std::string& word = words[i];
    int64_t value;
    if (word == "infinite") {
      limits.Infinite = true;
    } else if (word == "searchmoves") {
      for (; i + 1 < words.size(); ++i) {
        Move move = FindLegalMove(Game, words[i + 1]);
        if (move == NoMove) break;
        if (limits.SearchMoves.Count < MaxMoves) limits.SearchMoves.Moves[limits.SearchMoves.Count++] = move;
      }
    } else if (word == "depth" || word == "nodes" || word == "movetime" || word == "wtime" ||
               word == "btime" || word == "winc" || word == "binc" || word == "movestogo") {
      if (!ReadNumber(words, i, value)) continue;
      if (word == "depth") limits.Depth = int(std::clamp<int64_t>(value, 1, 1000));
      if (word == "nodes") limits.Nodes = std::max<uint64_t>(value, 1);
      if (word == "movetime") limits.MoveTime = std::max<int64_t>(value, 1);
      if (word == "wtime") limits.Time[White] = value;
      if (word == "btime") limits.Time[Black] = value;
      if (word == "winc") limits.Increment[White] = value;
      if (word == "binc") limits.Increment[Black] = value;
      if (word == "movestogo") limits.MovesToGo = int(std::min<int64_t>(value, 1000));
    }
  }
  bool limited = limits.Depth || limits.Nodes || limits.MoveTime || limits.Infinite || limits.Time[Game.Side] >= 0;
  if (!limited) limits.Depth = 3;  // the default level
  limits.Poll = PollDuringSearch;
  Searching = true;
  SearchResult result = Think(Game, limits);
  Searching = false;
  if (result.Ponder)
    PrintLine("bestmove %s ponder %s", MoveText(result.Best).c_str(), MoveText(result.Ponder).c_str());
  else
    PrintLine("bestmove %s", MoveText(result.Best).c_str());
}

void Stop(const std::vector<std::string>&) { StopSearch(); }

void Quit(const std::vector<std::string>&) {
  QuitRequested = true;
  StopSearch();
}

void NewGame(const std::vector<std::string>&) {}

struct Command {
  const char* Name;
  void (*Execute)(const std::vector<std::string>& words);
  bool DuringSearch;  // executed while a search runs; the others are ignored then
};

const Command Commands[] = {
    {"uci", Uci, false},           {"isready", IsReady, true},  {"setoption", SetOptionCommand, false},
    {"ucinewgame", NewGame, false}, {"position", Position, false}, {"go", Go, false},
    {"stop", Stop, true},          {"quit", Quit, true},
};

}  // namespace

void InitEngine() {
  SetupFen(Game, StartFen);
}

void ExecuteCommand(const std::string& line) {
  std::vector<std::string> words = Words(line);
  if (words.empty()) return;
  for (const Command& command : Commands)
    if (words[0] == command.Name) {
      if (!Searching || command.DuringSearch) command.Execute(words);
      return;
    }
}

void Shutdown() { ReleaseTablebases(); }
