// Files written by the test-side writer decode back to the data they were written from.
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include "support/datacomp_reader.h"
#include "support/datacomp_writer.h"
#include "support/sample_data.h"
#include "tablebases/tbdecode.h"
#include "tablebases/tbfiles.h"

namespace {

using Bytes = std::vector<unsigned char>;

void ExpectRoundTrip(const Bytes& data, const DatacompOptions& opt = {}) {
  const DatacompFile file = WriteDatacomp(data, opt);
  Bytes back;
  ASSERT_EQ(ReadDatacomp(file.bytes, &back), 0);
  ASSERT_EQ(back.size(), data.size());
  EXPECT_TRUE(back == data);
}

TEST(DecodeRoundTrip, KindsOfData) {
  ExpectRoundTrip(Bytes(5 * 8192, 0));
  ExpectRoundTrip(RandomBytes(3 * 8192 + 100, 1));
  ExpectRoundTrip(TableLikeBytes(20 * 8192, 2));
  ExpectRoundTrip(TableLikeBytes(8192, 3));
  ExpectRoundTrip(TableLikeBytes(1, 4));
  ExpectRoundTrip(TableLikeBytes(8191, 5));
  ExpectRoundTrip(TableLikeBytes(8193, 6));
  DatacompOptions few;
  few.distances.fill(0);
  few.distances[5] = 3;
  ExpectRoundTrip(TableLikeBytes(4 * 8192, 7), few);
  DatacompOptions stored;
  stored.storeAll = true;
  ExpectRoundTrip(TableLikeBytes(3 * 8192 + 7, 8), stored);
}

TEST(DecodeRoundTrip, StoredAndCodedBlocksMix) {
  Bytes data = TableLikeBytes(4 * 8192, 9);
  const Bytes noise = RandomBytes(8192, 10);
  std::copy(noise.begin(), noise.end(), data.begin() + 8192);
  const DatacompFile file = WriteDatacomp(data);
  EXPECT_FALSE(file.blockStored[0]);
  EXPECT_TRUE(file.blockStored[1]);
  Bytes back;
  ASSERT_EQ(ReadDatacomp(file.bytes, &back), 0);
  EXPECT_TRUE(back == data);
}

// One literal alone in the block code takes no bits: 8192 bytes come from one stored byte.
TEST(DecodeRoundTrip, OneSymbolCode) {
  DatacompOptions opt;
  opt.useCopies = false;
  const Bytes data(2 * 8192 + 300, 0x2A);
  const DatacompFile file = WriteDatacomp(data, opt);
  EXPECT_EQ(file.codeSymbols, 1);
  EXPECT_EQ(file.blockStart[1] - file.blockStart[0], 1u);
  ExpectRoundTrip(data, opt);
}

// Byte value k appears in proportion to the k-th Fibonacci number: codes up to ~20 bits.
TEST(DecodeRoundTrip, CodesLongerThanTheLookup) {
  Bytes data;
  uint64_t a = 1, b = 1;
  for (int k = 0; k < 22; k++) {
    data.insert(data.end(), size_t(a), uint8_t(k));
    const uint64_t c = a + b;
    a = b;
    b = c;
  }
  std::shuffle(data.begin(), data.end(), std::mt19937(11));
  DatacompOptions opt;
  opt.useCopies = false;
  const DatacompFile file = WriteDatacomp(data, opt);
  EXPECT_GT(file.maxCodeLength, 13);
  ExpectRoundTrip(data, opt);
}

// Repeats of every length that fits a block, each inside one block and ended by a byte
// that no distance matches.
TEST(DecodeRoundTrip, CopiesOfEveryLengthCode) {
  DatacompOptions opt;
  opt.minCopy = 1;
  for (int d = 0; d < 24; d++) opt.distances[d] = d < 16 ? d + 1 : 8 * (d - 13);
  std::mt19937 rng(12);
  std::vector<int> lengths;
  for (int n = 1; n <= 40; n++) lengths.push_back(n);
  for (int k = 1; k <= 12; k++) lengths.push_back((1 << k) + 14), lengths.push_back((2 << k) + 13);
  lengths.back() = 8000;
  Bytes data;
  for (int n : lengths) {
    if (data.size() % 8192 + n + 100 > 8192) data.resize((data.size() / 8192 + 1) * 8192);
    while (data.size() % 8192 < 100) data.push_back(uint8_t(rng()));
    const size_t at = data.size();
    const int dist = opt.distances[rng() % 24];
    for (int i = 0; i < n; i++) data.push_back(data[at + i - dist]);
    auto matched = [&](uint8_t v) {
      for (int e : opt.distances)
        if (data[data.size() - e] == v) return true;
      return false;
    };
    uint8_t end = 0;
    while (matched(end)) end++;
    data.push_back(end);
  }
  const DatacompFile file = WriteDatacomp(data, opt);
  for (int code = 0; code <= 26; code++) EXPECT_GT(file.lengthCodeUse[code], 0) << code;
  ExpectRoundTrip(data, opt);
}

// Blocks 8..15 of a group all stored at 8192: the index must still find every block.
TEST(DecodeRoundTrip, FullGroupOfStoredBlocks) {
  Bytes data = TableLikeBytes(40 * 8192, 14);
  for (int blk : {8, 9, 10, 11, 12, 13, 14, 15, 24, 25, 26, 27, 28, 29, 30, 31}) {
    const Bytes noise = RandomBytes(8192, 100 + blk);
    std::copy(noise.begin(), noise.end(), data.begin() + blk * 8192);
  }
  const DatacompFile file = WriteDatacomp(data);
  for (int blk = 8; blk < 16; blk++) EXPECT_TRUE(file.blockStored[blk]);
  Bytes back;
  ASSERT_EQ(ReadDatacomp(file.bytes, &back), 0);
  EXPECT_TRUE(back == data);
}

// Decoding in steps, with copies cut at each requested end, gives the same bytes, and a
// block read anew after a partial decode starts over.
TEST(DecodeRoundTrip, PartialDecodesResume) {
  Bytes data(8192);
  for (size_t i = 0; i < data.size(); i++) data[i] = uint8_t(i / 700);
  const DatacompFile file = WriteDatacomp(data);
  ASSERT_FALSE(file.blockStored[0]);
  FILE* fp = OpenBytes(file.bytes);
  decode_info* info = nullptr;
  ASSERT_EQ(comp_open_file(&info, fp), 0);
  EXPECT_EQ(comp_decoded_size(info), 8192u);
  decode_block* block = comp_alloc_block();
  Bytes out(8192);
  block->output = out.data();
  for (int step : {1, 5, 17, 333, 1024}) {
    std::fill(out.begin(), out.end(), 0xEE);
    ASSERT_EQ(comp_read_block(block, info, fp, 0), 0);
    for (int count = step; count < 8192 + step; count += step) {
      const int c = std::min(count, 8192);
      ASSERT_EQ(comp_decode_and_check_crc(block, info, c, 0), 0);
      ASSERT_TRUE(std::equal(out.begin(), out.begin() + c, data.begin())) << step << " " << c;
    }
  }
  ASSERT_EQ(comp_read_block(block, info, fp, 0), 0);
  ASSERT_EQ(comp_decode_and_check_crc(block, info, 10, 1), 0);  // check: the whole block
  EXPECT_TRUE(out == data);
  comp_free_block(block);
  comp_free_info(info);
  fclose(fp);
}

TEST(DecodeRoundTrip, SizesAndAccounting) {
  const Bytes data = TableLikeBytes(3 * 8192 + 5, 15);
  const DatacompFile file = WriteDatacomp(data);
  FILE* fp = OpenBytes(file.bytes);
  const unsigned cbBefore = cbDecodeAllocated;
  decode_info* info = nullptr;
  ASSERT_EQ(comp_open_file(&info, fp), 0);
  EXPECT_EQ(comp_decoded_size(info), data.size());
  EXPECT_EQ(info->n_blocks, 4);
  EXPECT_EQ(info->last_size, 5);
  EXPECT_EQ(cbDecodeAllocated - cbBefore, info->cb_alloc);
  EXPECT_GE(info->cb_alloc, sizeof(decode_info));
  comp_free_info(info);
  fclose(fp);
}

}  // namespace
