// Non-blocking line input from standard input.
#pragma once
#include <string>

constexpr int MaxLineLength = 4096;

enum class InputStatus { None, Line, End };

// Takes one complete line (without its line end) when one is waiting, without blocking.
// Lines longer than MaxLineLength are dropped whole (reported as an "info string").
// End: standard input is closed (or failed) and every line has been taken.
InputStatus ReadInputLine(std::string& line);
void SleepMs(int milliseconds);
