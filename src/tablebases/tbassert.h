// Consistency checks of the index code. They stay on in every build: a failed check is a
// programming error and stops the program with the standard assertion report, naming the
// source "tbindex" and the enclosing function.
#pragma once

// The standard assertion report, also in builds without assertions: stops the program.
[[noreturn]] void VTbAssertFail(const char* szExpr, const char* szSource, unsigned line,
                                const char* szFunction);

#define TbIndexAssert(...)                                                                   \
  ((__VA_ARGS__) ? void(0)                                                                   \
                 : VTbAssertFail(#__VA_ARGS__, "tbindex", __LINE__, __PRETTY_FUNCTION__))
