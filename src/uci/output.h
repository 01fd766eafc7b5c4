// Protocol output and the millisecond clock.
#pragma once
#include <cstdint>

// Writes one formatted line to standard output and flushes it.
void PrintLine(const char* format, ...) __attribute__((format(printf, 1, 2)));
// The same wrapped as an "info string" line.
void PrintInfoString(const char* format, ...) __attribute__((format(printf, 1, 2)));
// Wall-clock milliseconds.
int64_t NowMs();
