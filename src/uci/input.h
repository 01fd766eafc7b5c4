// Line input from standard input that never blocks longer than asked.
#pragma once
#include <string>

constexpr int MaxLineLength = 4096;
constexpr int IdleWaitMs = 10;  // longest wait for input while there is nothing else to do

enum class InputStatus { None, Line, End };

// Takes one complete line (without its line end), waiting up to waitMs for input to arrive
// when none is buffered; a line is taken as soon as it arrives.
// Lines longer than MaxLineLength are dropped whole (reported as an "info string").
// End: standard input is closed (or failed) and every line has been taken.
InputStatus ReadInputLine(std::string& line, int waitMs = 0);
