#include "uci/output.h"
#include <chrono>
#include <cstdarg>
#include <cstdio>

namespace {
void PrintLineWith(const char* prefix, const char* format, va_list arguments) {
  std::fputs(prefix, stdout);
  std::vfprintf(stdout, format, arguments);
  std::fputc('\n', stdout);
  std::fflush(stdout);
}
}  // namespace

void PrintLine(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  PrintLineWith("", format, arguments);
  va_end(arguments);
}

void PrintInfoString(const char* format, ...) {
  va_list arguments;
  va_start(arguments, format);
  PrintLineWith("info string ", format, arguments);
  va_end(arguments);
}

int64_t NowMs() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}
