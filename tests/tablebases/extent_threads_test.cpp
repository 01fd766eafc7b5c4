// A probe that cannot read an extent drops the extent's name while other threads ask, with
// no lock, whether the side is present.
#include <gtest/gtest.h>
#include <thread>
#include "support/tb_state.h"
#include "support/tb_writer.h"
#include "tablebases/tbcache.h"
#include "tablebases/tbcounters.h"
#include "tablebases/tbfiles.h"

namespace {

constexpr int iTbKqk = 5;

TEST(ExtentThreads, ANameDroppedOnAReadErrorIsSeenGoneByOtherThreads) {
  CTempDir dir;
  ITbInit(nullptr, 1024);
  VAttachTbExtent(iTbKqk, 0, 0, dir.File("missing.nbw").c_str());
  ASSERT_TRUE(FTbPresent(iTbKqk, 0));

  std::thread reader([] {
    for (int i = 0; i < 200000 && FTbPresent(iTbKqk, 0); i++) {
    }
  });
  EXPECT_EQ(TbtProbeTable(iTbKqk, 0, 0, 0), tbtNoValue);  // the file cannot be opened
  reader.join();
  EXPECT_FALSE(FTbPresent(iTbKqk, 0));

  VDetachAllTbFiles();
  VTbRelease();
}

}  // namespace
