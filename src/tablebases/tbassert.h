// Consistency checks of the tablebase code. They stay on in every build: a failed check is a
// programming error and stops the program with the standard assertion report, naming the
// source by its own name ("tbindex", "tbdecode") rather than by file.
#pragma once
#include <cstdio>
#include <cstdlib>

[[noreturn]] inline void VTbAssertFail(const char* szExpr, const char* szSource, unsigned line,
                                       const char* szFunction) {
  std::fprintf(stderr, "%s:%u: %s: Assertion `%s' failed.\n", szSource, line, szFunction, szExpr);
  std::abort();
}

#define TbAssert(szSource, ...) \
  ((__VA_ARGS__) ? void(0) : VTbAssertFail(#__VA_ARGS__, szSource, __LINE__, __PRETTY_FUNCTION__))
