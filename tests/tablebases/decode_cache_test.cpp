// Compressed table files through initialisation and the chunk cache: the values read are
// the values written, and a damaged block costs only the probes that need it.
#include <gtest/gtest.h>
#include "support/datacomp_reader.h"
#include "support/datacomp_writer.h"
#include "support/sample_data.h"
#include "support/tb_state.h"
#include "support/tb_writer.h"
#include "tablebases/tbcache.h"
#include "tablebases/tbdecode.h"
#include "tablebases/tbfiles.h"

namespace {

constexpr int iTbKqk = 5;
constexpr INDEX cPositions = 6 * cbTbChunk + 100;

class DecodeCacheTest : public ::testing::Test {
 protected:
  void SetUp() override { guard.SetPositions(iTbKqk, cPositions, cPositions); }
  void TearDown() override {
    FSetTbCache(nullptr, 0);
    VTbRelease();
  }
  void UseSlots(unsigned cSlots) {
    rgbCache.assign(cSlots * cbTbSlot, 0);
    ASSERT_TRUE(FSetTbCache(rgbCache.data(), rgbCache.size()));
  }
  void ExpectValues(color side, const std::vector<unsigned char>& data, INDEX step) {
    for (INDEX i = 0; i < data.size(); i += step)
      ASSERT_EQ(TbtProbeTable(iTbKqk, side, i / cbTbChunk, unsigned(i % cbTbChunk)),
                int(int8_t(data[i])))
          << side << " " << i;
  }

  CTempDir dir;
  CTbDescGuard guard;
  std::vector<unsigned char> rgbCache;
};

TEST_F(DecodeCacheTest, CompressedSidesReadLikePlainOnes) {
  const std::vector<unsigned char> white = TableLikeBytes(cPositions, 1);
  std::vector<unsigned char> black = TableLikeBytes(cPositions, 2);
  const std::vector<unsigned char> noise = RandomBytes(cbTbChunk, 3);
  std::copy(noise.begin(), noise.end(), black.begin() + cbTbChunk);  // a stored block
  ASSERT_TRUE(WriteDatacompFile(dir.File("kqk.nbw.emd"), white));
  ASSERT_TRUE(WriteDatacompFile(dir.File("kqknbb.emd"), black));
  ASSERT_EQ(ITbInit(dir.Path().c_str(), 1024), 3);
  EXPECT_GT(cbDecodeAllocated, 2 * sizeof(decode_info));
  UseSlots(2);  // nearly every probe below misses
  ExpectValues(0, white, 97);
  ExpectValues(1, black, 89);
  EXPECT_EQ(TbtProbeTable(iTbKqk, 0, 6, 99), int(int8_t(white.back())));
  EXPECT_EQ(TbtProbeTable(iTbKqk, 1, 6, 99), int(int8_t(black.back())));
}

TEST_F(DecodeCacheTest, ADamagedBlockGivesNoValueOnly) {
  const std::vector<unsigned char> data = TableLikeBytes(cPositions, 4);
  DatacompFile file = WriteDatacomp(data);
  ASSERT_FALSE(file.blockStored[1]);
  std::fill(file.bytes.begin() + file.blockStart[1], file.bytes.begin() + file.blockStart[2], 0);
  ASSERT_NE(ReadDatacomp(file.bytes, nullptr), 0);
  FILE* fp = fopen(dir.File("kqk.nbw.emd").c_str(), "wb");
  ASSERT_EQ(fwrite(file.bytes.data(), 1, file.bytes.size(), fp), file.bytes.size());
  fclose(fp);
  ASSERT_EQ(ITbInit(dir.Path().c_str(), 1024), 3);
  UseSlots(2);
  EXPECT_EQ(TbtProbeTable(iTbKqk, 0, 0, 5), int(int8_t(data[5])));
  EXPECT_EQ(TbtProbeTable(iTbKqk, 0, 1, 5), 32767);
  EXPECT_EQ(TbtProbeTable(iTbKqk, 0, 2, 5), int(int8_t(data[2 * cbTbChunk + 5])));
}

}  // namespace
