// A failed allocation during the header parse fails that open only, and leaks nothing.
#include <gtest/gtest.h>
#include <cstdlib>
#include <new>
#include "support/alloc_hooks.h"
#include "support/datacomp_writer.h"
#include "support/sample_data.h"
#include "tablebases/tbdecode.h"


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
