// Several threads probing the chunk cache at once get the answers one thread gets, while
// slots are evicted, files are closed and reopened, and reads fail.
#include <gtest/gtest.h>
#include <atomic>
#include <random>
#include <thread>
#include <vector>
#include "support/tb_state.h"
#include "support/tb_writer.h"
#include "tablebases/tbcache.h"
#include "tablebases/tbfiles.h"

namespace {

constexpr int iTbA = 5, iTbB = 19;  // kqk and kqkr, both plain
constexpr INDEX cChunks = 48;

TEST(CacheThreads, ConcurrentProbesAgreeWithTheFiles) {
  CTempDir dir;
  CTbDescGuard guard;
  ITbInit(nullptr, 1024);
  std::vector<unsigned char> rgbCache(12 * cbTbSlot);
  ASSERT_TRUE(FSetTbCache(rgbCache.data(), rgbCache.size()));
  for (int iTb : {iTbA, iTbB}) {
    guard.Set(iTb, 0, cChunks * cbTbChunk, cChunks * cbTbChunk);
    for (color side = 0; side < 2; side++) {
      ASSERT_TRUE(FWriteTbSide(dir.Path(), iTb, side, TbtPattern));
      VAttachTbExtent(iTb, side, 0, TbExtentPath(dir.Path(), iTb, side, 0).c_str());
    }
  }

  std::atomic<int> cWrong{0};
  std::vector<std::thread> rgThreads;
  for (int t = 0; t < 4; t++) {
    rgThreads.emplace_back([t, &cWrong] {
      std::mt19937_64 rng(t);
      for (int i = 0; i < 40000; i++) {
        int iTb = rng() % 2 ? iTbA : iTbB;
        color side = color(rng() % 2);
        // Mostly a small working set, so that both hits and evictions are frequent.
        INDEX chunk = rng() % 4 ? rng() % 10 : rng() % (cChunks + 2);
        unsigned offset = unsigned(rng() % cbTbChunk);
        int expected = chunk < cChunks ? TbtPattern(chunk * cbTbChunk + offset) : 32767;
        if (TbtProbeTable(iTb, side, chunk, offset) != expected) cWrong++;
        if (t == 0 && i % 5000 == 0) VCloseAllTbFiles();
      }
    });
  }
  for (std::thread& th : rgThreads) th.join();
  EXPECT_EQ(cWrong, 0);

  // Every slot is back in the LRU list or the free list.
  unsigned cSlots = 0;
  for (CTbCacheSlot* p = ptbcHead; p; p = p->ptbcNext) cSlots++;
  for (CTbCacheSlot* p = ptbcFree; p; p = p->ptbcNext) cSlots++;
  EXPECT_EQ(cSlots, ctbcSlots);

  VDetachAllTbFiles();
  FSetTbCache(nullptr, 0);
  VTbRelease();
}

}  // namespace
