// A failed allocation during the header parse fails that open only, and leaks nothing.
#include <gtest/gtest.h>
#include <cstdlib>
#include <new>
#include "support/datacomp_writer.h"
#include "support/sample_data.h"
#include "tablebases/tbdecode.h"

// Array allocations that answer null (as the tablebase code asks for them) fail on demand.
static int cNothrowUntilFailure = -1;
void* operator new(std::size_t cb) {
  if (void* pv = std::malloc(cb ? cb : 1)) return pv;
  throw std::bad_alloc();
}
void* operator new[](std::size_t cb) { return operator new(cb); }
void* operator new(std::size_t cb, const std::nothrow_t&) noexcept { return std::malloc(cb ? cb : 1); }
void* operator new[](std::size_t cb, const std::nothrow_t&) noexcept {
  if (cNothrowUntilFailure == 0) return nullptr;
  if (cNothrowUntilFailure > 0) cNothrowUntilFailure--;
  return std::malloc(cb ? cb : 1);
}
void operator delete(void* pv) noexcept { std::free(pv); }
void operator delete[](void* pv) noexcept { std::free(pv); }
void operator delete(void* pv, std::size_t) noexcept { std::free(pv); }
void operator delete[](void* pv, std::size_t) noexcept { std::free(pv); }

namespace {

TEST(DecodeAlloc, FailedAllocationsFailTheOpenOnly) {
  const DatacompFile file = WriteDatacomp(TableLikeBytes(5 * 8192, 1));
  FILE* fp = OpenBytes(file.bytes);
  decode_info* info = nullptr;
  for (int cAllowed : {0, 1}) {  // the header copy, then the decode_info
    cNothrowUntilFailure = cAllowed;
    EXPECT_EQ(comp_open_file(&info, fp), comp_err_no_memory);
    EXPECT_EQ(info, nullptr);
  }
  cNothrowUntilFailure = 0;
  EXPECT_EQ(comp_alloc_block(), nullptr);
  cNothrowUntilFailure = -1;
  ASSERT_EQ(comp_open_file(&info, fp), 0);
  comp_free_info(info);
  fclose(fp);
}

}  // namespace
