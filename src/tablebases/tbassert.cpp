// The assertion report of the tablebase code.
#include "tablebases/tbassert.h"

extern "C" [[noreturn]] void __assert_fail(const char*, const char*, unsigned, const char*) noexcept;

void VTbAssertFail(const char* szExpr, const char* szSource, unsigned line,
                   const char* szFunction) {
  __assert_fail(szExpr, szSource, line, szFunction);
}
