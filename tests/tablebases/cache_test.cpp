// The chunk cache: values read from plain and compressed files, LRU and bucket order,
// eviction, read errors, split tables and files beyond 2^31 bytes.
#include <gtest/gtest.h>
#include <unistd.h>
#include <atomic>
#include <cstdlib>
#include <new>
#include <vector>
#include "support/alloc_hooks.h"
#include "support/datacomp_reader.h"
#include "support/datacomp_writer.h"
#include "support/sample_data.h"
#include "support/tb_state.h"
#include "support/tb_writer.h"
#include "tablebases/tbcache.h"
#include "tablebases/tbdecode.h"
#include "tablebases/tbfiles.h"


namespace {

constexpr int iTbPlain = 5;    // kqk, not split
constexpr int iTbSplit = 433;  // kbbpkq, split
constexpr INDEX cChunksPerExtent = INDEX(1) << 18;

class CacheTest : public ::testing::Test {
 protected:
  void SetUp() override { ITbInit(nullptr, 1024); }
  void TearDown() override {
    VDetachAllTbFiles();
    FSetTbCache(nullptr, 0);
    VTbRelease();
  }
  void UseSlots(unsigned cSlots) {
    rgbCache.assign(cSlots * cbTbSlot, 0);
    ASSERT_TRUE(FSetTbCache(rgbCache.data(), rgbCache.size()));
    ASSERT_EQ(ctbcSlots, cSlots);
  }
  // A plain side of cPositions pattern bytes, attached as table iTbPlain.
  void PlainSide(color side, INDEX cPositions) {
    guard.SetPositions(iTbPlain, cPositions, cPositions);
    ASSERT_TRUE(FWriteTbSide(dir.Path(), iTbPlain, side, TbtPattern));
    VAttachTbExtent(iTbPlain, side, 0, TbExtentPath(dir.Path(), iTbPlain, side, 0).c_str());
  }
  CTbCacheSlot* Slot(int i) { return reinterpret_cast<CTbCacheSlot*>(rgbCache.data()) + i; }
  int CLru() {
    int c = 0;
    for (CTbCacheSlot* p = ptbcHead; p; p = p->ptbcNext) c++;
    return c;
  }

  CTempDir dir;
  CTbDescGuard guard;
  std::vector<unsigned char> rgbCache;
};

TEST_F(CacheTest, ReadsEveryValueOfAPlainFileIncludingTheShortLastChunk) {
  UseSlots(3);
  INDEX cPositions = 5 * cbTbChunk + 100;
  PlainSide(0, cPositions);
  for (INDEX i = 0; i < cPositions; i += 37)
    ASSERT_EQ(TbtProbeTable(iTbPlain, 0, i / cbTbChunk, i % cbTbChunk), TbtPattern(i)) << i;
  EXPECT_EQ(TbtProbeTable(iTbPlain, 0, 5, 99), TbtPattern(cPositions - 1));
  // Past the end of the file there is no value; a stored 0xFF is -1.
  EXPECT_EQ(TbtProbeTable(iTbPlain, 0, 5, 100), 32767);
  EXPECT_EQ(TbtProbeTable(iTbPlain, 0, 6, 0), 32767);
  guard.SetPositions(iTbPlain, 1, 1);
  ASSERT_TRUE(FWriteTbSide(dir.Path(), iTbPlain, 1, [](INDEX) { return 0xFF; }));
  VAttachTbExtent(iTbPlain, 1, 0, TbExtentPath(dir.Path(), iTbPlain, 1, 0).c_str());
  EXPECT_EQ(TbtProbeTable(iTbPlain, 1, 0, 0), -1);
}

TEST_F(CacheTest, LruAndBucketOrder) {
  UseSlots(3);
  PlainSide(0, 64 * cbTbChunk);
  // A fresh cache hands out its slots in address order.
  for (int i = 0; i < 3; i++) {
    TbtProbeTable(iTbPlain, 0, INDEX(i) * 32 + 5, 0);  // chunks 5, 37, 69: all bucket 5
    EXPECT_EQ(ptbcHead, Slot(i));
  }
  EXPECT_EQ(ptbcFree, nullptr);
  EXPECT_EQ(ptbcTail, Slot(0));
  CTbCacheBucket* rgBuckets = rgtbdDesc[iTbPlain].rgpBuckets[0];
  EXPECT_EQ(rgBuckets[5].ptbcFirst, Slot(2));  // the later one first
  // A hit moves the slot to the head of the LRU list and the front of its bucket.
  EXPECT_EQ(TbtProbeTable(iTbPlain, 0, 5, 7), TbtPattern(5 * cbTbChunk + 7));
  EXPECT_EQ(ptbcHead, Slot(0));
  EXPECT_EQ(ptbcTail, Slot(1));
  EXPECT_EQ(rgBuckets[5].ptbcFirst, Slot(0));
  // The next miss evicts the least recently used slot (chunk 37).
  EXPECT_EQ(TbtProbeTable(iTbPlain, 0, 6, 1), TbtPattern(6 * cbTbChunk + 1));
  EXPECT_EQ(ptbcHead, Slot(1));
  EXPECT_EQ(Slot(1)->iChunk, 6u);
  EXPECT_EQ(rgBuckets[6].ptbcFirst, Slot(1));
  EXPECT_EQ(rgBuckets[5].ptbcFirst, Slot(0));
  EXPECT_EQ(Slot(0)->ptbcBucketNext, Slot(2));
  EXPECT_EQ(Slot(2)->ptbcBucketNext, nullptr);
  EXPECT_EQ(CLru(), 3);
}

TEST_F(CacheTest, ASingleSlotIsEvictedByEveryNewChunk) {
  UseSlots(1);
  PlainSide(0, 8 * cbTbChunk);
  for (INDEX chunk : {0, 3, 0, 7, 7, 2}) {
    EXPECT_EQ(TbtProbeTable(iTbPlain, 0, chunk, 11), TbtPattern(chunk * cbTbChunk + 11));
    EXPECT_EQ(ptbcHead, Slot(0));
    EXPECT_EQ(Slot(0)->iChunk, chunk);
  }
}

TEST_F(CacheTest, SidesAndTablesHaveTheirOwnBuckets) {
  UseSlots(4);
  PlainSide(0, 8 * cbTbChunk);
  PlainSide(1, 8 * cbTbChunk);
  EXPECT_EQ(TbtProbeTable(iTbPlain, 0, 5, 0), TbtPattern(5 * cbTbChunk));
  EXPECT_EQ(TbtProbeTable(iTbPlain, 1, 5, 0), TbtPattern(5 * cbTbChunk));
  EXPECT_NE(rgtbdDesc[iTbPlain].rgpBuckets[0][5].ptbcFirst, rgtbdDesc[iTbPlain].rgpBuckets[1][5].ptbcFirst);
  EXPECT_EQ(CLru(), 2);
}

TEST_F(CacheTest, AHitAllocatesNothing) {
  UseSlots(2);
  PlainSide(0, 2 * cbTbChunk);
  TbtProbeTable(iTbPlain, 0, 1, 0);
  long c = cAllocations;
  for (unsigned i = 0; i < 1000; i++) TbtProbeTable(iTbPlain, 0, 1, i);
  EXPECT_EQ(cAllocations, c);
}

TEST_F(CacheTest, AMissingExtentFailsAndItsSlotIsHandedOutNext) {
  UseSlots(3);
  guard.Set(iTbSplit, fSplit, 2 * cChunksPerExtent * cbTbChunk + 50, 0);
  VAttachTbExtent(iTbSplit, 0, 1, "/nonexistent/never");
  PlainSide(0, 4 * cbTbChunk);
  TbtProbeTable(iTbPlain, 0, 0, 0);
  EXPECT_EQ(TbtProbeTable(iTbSplit, 0, 0, 0), 32767);                     // no name at all
  EXPECT_EQ(TbtProbeTable(iTbSplit, 0, 18 * cChunksPerExtent, 0), 32767);  // beyond 18 extents
  EXPECT_EQ(ptbcFree, Slot(1));
  // A file that will not open is a read error too, and drops the name.
  EXPECT_EQ(TbtProbeTable(iTbSplit, 0, cChunksPerExtent, 0), 32767);
  EXPECT_EQ(rgtbdDesc[iTbSplit].rgszExtentName[0][1], nullptr);
  EXPECT_EQ(ptbcFree, Slot(1));
  TbtProbeTable(iTbPlain, 0, 1, 0);
  EXPECT_EQ(ptbcHead, Slot(1));
  EXPECT_EQ(CLru(), 2);
}

TEST_F(CacheTest, AfterAReadErrorTheOpenFileServesUntilFilesAreClosed) {
  UseSlots(2);
  PlainSide(0, 4 * cbTbChunk);
  EXPECT_EQ(TbtProbeTable(iTbPlain, 0, 0, 3), TbtPattern(3));
  // A chunk whose position cannot be sought is a read error: the name goes.
  EXPECT_EQ(TbtProbeTable(iTbPlain, 0, INDEX(1) << 50, 0), 32767);
  EXPECT_EQ(rgtbdDesc[iTbPlain].rgszExtentName[0][0], nullptr);
  EXPECT_EQ(TbtProbeTable(iTbPlain, 0, 2, 3), TbtPattern(2 * cbTbChunk + 3));
  VCloseAllTbFiles();
  EXPECT_EQ(TbtProbeTable(iTbPlain, 0, 3, 3), 32767);
  EXPECT_EQ(TbtProbeTable(iTbPlain, 0, 2, 3), TbtPattern(2 * cbTbChunk + 3));  // still cached
}

TEST_F(CacheTest, AFileTruncatedAfterRegistrationGivesNoValueBeyondItsEnd) {
  UseSlots(4);
  PlainSide(0, 4 * cbTbChunk);
  std::string path = TbExtentPath(dir.Path(), iTbPlain, 0, 0);
  ASSERT_EQ(truncate(path.c_str(), off_t(cbTbChunk + 10)), 0);
  EXPECT_EQ(TbtProbeTable(iTbPlain, 0, 0, 8191), TbtPattern(8191));
  EXPECT_EQ(TbtProbeTable(iTbPlain, 0, 1, 9), TbtPattern(cbTbChunk + 9));
  EXPECT_EQ(TbtProbeTable(iTbPlain, 0, 1, 10), 32767);
  EXPECT_EQ(TbtProbeTable(iTbPlain, 0, 3, 0), 32767);
  ASSERT_EQ(truncate(path.c_str(), 0), 0);
  EXPECT_EQ(TbtProbeTable(iTbPlain, 0, 2, 0), 32767);
}

TEST_F(CacheTest, SplitTablesReadEachExtentFromItsOwnFile) {
  UseSlots(4);
  INDEX cPositions = 2 * (INDEX(1) << 31) + 3 * cbTbChunk + 10;  // three extents
  guard.Set(iTbSplit, fSplit, 0, cPositions);
  std::vector<INDEX> chunks = {0, cChunksPerExtent - 1, cChunksPerExtent, 2 * cChunksPerExtent + 3};
  ASSERT_TRUE(FWriteTbChunks(dir.Path(), iTbSplit, 1, chunks, TbtPattern));
  for (int e = 0; e < 3; e++)
    VAttachTbExtent(iTbSplit, 1, e, TbExtentPath(dir.Path(), iTbSplit, 1, e).c_str());
  for (INDEX chunk : chunks)
    EXPECT_EQ(TbtProbeTable(iTbSplit, 1, chunk, 9), TbtPattern(chunk * cbTbChunk + 9)) << chunk;
  EXPECT_EQ(TbtProbeTable(iTbSplit, 1, 2 * cChunksPerExtent + 3, 10), 32767);
  EXPECT_EQ(TbtProbeTable(iTbSplit, 1, cChunksPerExtent + 1, 0), 0);  // a hole: zeros
}

TEST_F(CacheTest, ChunksBeyondTwoGigabytesOfOneFileAreReadFromTheirPlace) {
  UseSlots(4);
  INDEX cPositions = (INDEX(1) << 32) + 2 * cbTbChunk;
  guard.Set(iTbPlain, 0, cPositions, 0);
  std::vector<INDEX> chunks = {cChunksPerExtent - 1, cChunksPerExtent, 2 * cChunksPerExtent + 1};
  ASSERT_TRUE(FWriteTbChunks(dir.Path(), iTbPlain, 0, chunks, TbtPattern));
  VAttachTbExtent(iTbPlain, 0, 0, TbExtentPath(dir.Path(), iTbPlain, 0, 0).c_str());
  for (INDEX chunk : chunks)
    EXPECT_EQ(TbtProbeTable(iTbPlain, 0, chunk, 4000), TbtPattern(chunk * cbTbChunk + 4000)) << chunk;
}

TEST_F(CacheTest, SixteenBitTablesStoreTheLowByteFirst) {
  UseSlots(2);
  guard.Set(iTbPlain, f16Bit, 3 * 4096, 0);
  auto word = [](INDEX i) { return int(int16_t(i * 7 - 20000)); };
  ASSERT_TRUE(FWriteTbSide(dir.Path(), iTbPlain, 0, word));
  VAttachTbExtent(iTbPlain, 0, 0, TbExtentPath(dir.Path(), iTbPlain, 0, 0).c_str());
  for (INDEX i : {INDEX(0), INDEX(4095), INDEX(4096), INDEX(3 * 4096 - 1)}) {
    int lo = TbtProbeTable(iTbPlain, 0, i / 4096, unsigned(2 * (i % 4096)));
    int hi = TbtProbeTable(iTbPlain, 0, i / 4096, unsigned(2 * (i % 4096) + 1));
    EXPECT_EQ((lo & 0xFF) + 256 * hi, word(i));
  }
}

TEST_F(CacheTest, NoFreeDecodeBufferGivesNoValueAndKeepsTheName) {
  UseSlots(2);
  PlainSide(0, cbTbChunk);
  decode_block* rgSaved[cDecodePool];
  for (int i = 0; i < cDecodePool; i++) {
    rgSaved[i] = rgpdbDecodePool[i];
    rgpdbDecodePool[i] = nullptr;
  }
  int iDummy = 0;
  rgtbdDesc[iTbPlain].rgpdiExtent[0][0] = reinterpret_cast<decode_info*>(&iDummy);
  EXPECT_EQ(TbtProbeTable(iTbPlain, 0, 0, 0), 32767);
  rgtbdDesc[iTbPlain].rgpdiExtent[0][0] = nullptr;
  for (int i = 0; i < cDecodePool; i++) rgpdbDecodePool[i] = rgSaved[i];
  EXPECT_NE(rgtbdDesc[iTbPlain].rgszExtentName[0][0], nullptr);
  EXPECT_EQ(ptbcFree, Slot(0));
  EXPECT_EQ(TbtProbeTable(iTbPlain, 0, 0, 0), TbtPattern(0));
}

// Compressed sides read like plain ones through two slots: coded and stored blocks, the
// short last block ending the values, every decode buffer back in the pool.
TEST_F(CacheTest, CompressedSidesReadLikePlainOnes) {
  const INDEX cb = 6 * cbTbChunk + 100;
  guard.SetPositions(iTbPlain, cb, cb);
  std::vector<unsigned char> rgb[2] = {TableLikeBytes(cb, 1), TableLikeBytes(cb, 2)};
  const std::vector<unsigned char> noise = RandomBytes(cbTbChunk, 3);
  std::copy(noise.begin(), noise.end(), rgb[1].begin() + cbTbChunk);  // a stored block
  ASSERT_TRUE(WriteDatacompFile(dir.File("kqk.nbw.emd"), rgb[0]));
  ASSERT_TRUE(WriteDatacompFile(dir.File("kqknbb.emd"), rgb[1]));
  VTbRelease();
  ASSERT_EQ(ITbInit(dir.Path().c_str(), 1024), 3);
  EXPECT_GT(cbDecodeAllocated, 2 * sizeof(decode_info));
  UseSlots(2);  // nearly every probe below misses
  for (color side : {0, 1}) {
    for (INDEX i = 0; i < cb; i += 89 + 8 * side)
      ASSERT_EQ(TbtProbeTable(iTbPlain, side, i / cbTbChunk, unsigned(i % cbTbChunk)),
                int(int8_t(rgb[side][i])))
          << side << " " << i;
    EXPECT_EQ(TbtProbeTable(iTbPlain, side, 6, 99), int(int8_t(rgb[side].back())));
    EXPECT_EQ(TbtProbeTable(iTbPlain, side, 6, 100), 32767);
    EXPECT_EQ(TbtProbeTable(iTbPlain, side, 7, 0), 32767);  // no such block
  }
  for (decode_block* pdb : rgpdbDecodePool) EXPECT_NE(pdb, nullptr);
}

// A damaged block, or one cut off after registration, costs only the probes that need it:
// the extent's name goes, the open file and the cached chunks still serve.
TEST_F(CacheTest, DamagedCompressedBlocksGiveNoValueOnly) {
  const INDEX cb = 4 * cbTbChunk + 100;
  guard.SetPositions(iTbPlain, cb, 0);
  const std::vector<unsigned char> data = TableLikeBytes(cb, 4);
  DatacompFile file = WriteDatacomp(data);
  ASSERT_FALSE(file.blockStored[1]);
  std::fill(file.bytes.begin() + file.blockStart[1], file.bytes.begin() + file.blockStart[2], 0);
  ASSERT_NE(ReadDatacomp(file.bytes, nullptr), 0);
  const std::string path = dir.File("kqk.nbw.emd");
  ASSERT_TRUE(WriteBytesFile(path, file.bytes));
  VTbRelease();
  ASSERT_EQ(ITbInit(dir.Path().c_str(), 1024), 3);
  ASSERT_EQ(truncate(path.c_str(), off_t(file.blockStart[3] + 3)), 0);  // block 3 cut short
  UseSlots(4);
  EXPECT_EQ(TbtProbeTable(iTbPlain, 0, 0, 5), int(int8_t(data[5])));
  EXPECT_EQ(TbtProbeTable(iTbPlain, 0, 1, 5), 32767);
  EXPECT_EQ(rgtbdDesc[iTbPlain].rgszExtentName[0][0], nullptr);
  EXPECT_EQ(TbtProbeTable(iTbPlain, 0, 2, 5), int(int8_t(data[2 * cbTbChunk + 5])));
  EXPECT_EQ(TbtProbeTable(iTbPlain, 0, 3, 5), 32767);
  EXPECT_EQ(TbtProbeTable(iTbPlain, 0, 0, 8), int(int8_t(data[8])));  // still cached
  for (decode_block* pdb : rgpdbDecodePool) EXPECT_NE(pdb, nullptr);
}

TEST_F(CacheTest, LayoutAndSmallBlocks) {
  unsigned char rgb[64];
  EXPECT_FALSE(FSetTbCache(rgb, 31));
  EXPECT_EQ(ctbcSlots, 0u);
  EXPECT_TRUE(FSetTbCache(rgb, sizeof(rgb)));  // no room for a slot
  EXPECT_EQ(ctbcSlots, 0u);
  UseSlots(5);
  EXPECT_EQ(Slot(0)->pbData, rgbCache.data() + 5 * sizeof(CTbCacheSlot));
  EXPECT_EQ(Slot(4)->pbData, Slot(3)->pbData + cbTbSlotData);
  EXPECT_EQ(Slot(3)->ptbcNext, Slot(4));
  EXPECT_EQ(Slot(4)->ptbcNext, nullptr);
}

}  // namespace
