// Several threads probing at once get the answers one thread gets, while slots are
// evicted and files are closed and reopened.
#include <gtest/gtest.h>
#include <atomic>
#include <cstdlib>
#include <random>
#include <string>
#include <thread>
#include <vector>
#include "support/datacomp_writer.h"
#include "support/tb_solver.h"
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

// Whole probes of king and queen or rook against king, from registered files through a
// cache of eight slots for sixteen chunks, give in every thread the scores that one thread
// got first; with compressed files the decode buffers are shared too.
void ExpectConcurrentProbesAgree(const std::string& dir) {
  ASSERT_EQ(ITbInit(dir.c_str(), 1024), 3);
  std::vector<unsigned char> rgbCache(8 * cbTbSlot);
  ASSERT_TRUE(FSetTbCache(rgbCache.data(), rgbCache.size()));

  struct Probe { int piece; square wk, bk, sq; color side; int score; };
  std::vector<Probe> rgProbe;
  std::mt19937_64 rng(7);
  while (rgProbe.size() < 3000) {
    Probe p{int(4 + rng() % 2), int(rng() % 64), int(rng() % 64), int(rng() % 64), color(rng() % 2), 0};
    bool fApart = std::abs(p.wk % 8 - p.bk % 8) > 1 || std::abs(p.wk / 8 - p.bk / 8) > 1;
    if (fApart && p.sq != p.wk && p.sq != p.bk) rgProbe.push_back(p);
  }
  auto score = [](const Probe& p) { return IProbeKingAndMan(p.piece, p.wk, p.bk, p.sq, p.side); };
  for (Probe& p : rgProbe) p.score = score(p);

  std::atomic<int> cWrong{0};
  std::vector<std::thread> rgThreads;
  for (int t = 0; t < 4; t++) {
    rgThreads.emplace_back([&, t] {
      for (size_t i = 0; i < rgProbe.size(); i++) {
        const Probe& p = rgProbe[(i * (2 * t + 1) + t * 101) % rgProbe.size()];
        if (score(p) != p.score) cWrong++;
      }
    });
  }
  for (std::thread& th : rgThreads) th.join();
  EXPECT_EQ(cWrong, 0);
  FSetTbCache(nullptr, 0);
  VTbRelease();
}

TEST(CacheThreads, ConcurrentWholeProbesOfPlainAndCompressedFilesAgreeWithOneThread) {
  // Runs of small values among the pattern, so that most compressed blocks are coded.
  auto value = [](INDEX i) { return i % 97 < 50 ? int(i % 5) : TbtPattern(i); };
  for (bool fCompressed : {false, true}) {
    SCOPED_TRACE(fCompressed ? "compressed" : "plain");
    CTempDir dir;
    for (int iTb : {4, 5})
      for (color side = 0; side < 2; side++) ASSERT_TRUE(FWriteTbSide(dir.Path(), iTb, side, value));
    ASSERT_TRUE(!fCompressed || CompressTableFiles(dir.Path()));
    ExpectConcurrentProbesAgree(dir.Path());
  }
}

}  // namespace
