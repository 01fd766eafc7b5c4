// Replaces the global allocation functions of the test program that includes this header
// (include it from one source file only): every allocation is counted, so that a test can
// show that a hot path allocates nothing, and the nothrow forms, which the tablebase code
// uses, fail on demand.
#pragma once
#include <atomic>
#include <cstdlib>
#include <new>

inline std::atomic<long> cAllocations{0};
// -1: never fail; n >= 0: n more nothrow allocations succeed, then every one fails until
// the count is set again.
inline std::atomic<int> cNothrowUntilFailure{-1};

// Out of line, as is operator delete: GCC, seeing once inlined a pointer from malloc() given
// to operator delete, or from operator new given to free(), warns of a mismatch
// (-Wmismatched-new-delete) although both sides are replaced here.
[[gnu::noinline]] void* operator new(std::size_t cb) {
  cAllocations++;
  if (void* pv = std::malloc(cb ? cb : 1)) return pv;
  throw std::bad_alloc();
}
void* operator new[](std::size_t cb) { return operator new(cb); }
void* operator new(std::size_t cb, const std::nothrow_t&) noexcept {
  int c = cNothrowUntilFailure;
  while (c > 0 && !cNothrowUntilFailure.compare_exchange_weak(c, c - 1)) {}
  if (c == 0) return nullptr;
  cAllocations++;
  return std::malloc(cb ? cb : 1);
}
void* operator new[](std::size_t cb, const std::nothrow_t& nt) noexcept {
  return operator new(cb, nt);
}
[[gnu::noinline]] void operator delete(void* pv) noexcept { std::free(pv); }
void operator delete[](void* pv) noexcept { operator delete(pv); }
void operator delete(void* pv, std::size_t) noexcept { operator delete(pv); }
void operator delete[](void* pv, std::size_t) noexcept { operator delete(pv); }
