// Files written by the test-side writer decode back to the data they were written from, and
// a file assembled by hand decodes to its known content.
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <string>
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

// Blocks 8..15 of a group all stored at 8192 among coded blocks: the index must still find
// every block.
TEST(DecodeRoundTrip, FullGroupOfStoredBlocks) {
  Bytes data = TableLikeBytes(40 * 8192, 14);
  for (int blk : {8, 9, 10, 11, 12, 13, 14, 15, 24, 25, 26, 27, 28, 29, 30, 31}) {
    const Bytes noise = RandomBytes(8192, 100 + blk);
    std::copy(noise.begin(), noise.end(), data.begin() + blk * 8192);
  }
  const DatacompFile file = WriteDatacomp(data);
  EXPECT_FALSE(file.blockStored[0]);
  for (int blk = 8; blk < 16; blk++) EXPECT_TRUE(file.blockStored[blk]);
  ExpectRoundTrip(data);
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

void Append(Bytes& out, const Bytes& more) { out.insert(out.end(), more.begin(), more.end()); }

std::string Bits13(unsigned v) {
  std::string s;
  for (int k = 12; k >= 0; k--) s += char('0' + (v >> k & 1));
  return s;
}

// A file assembled bit by bit, independently of the writer: the layout, the code-length
// forms, the canonical code and the copies.
// One block of 22 bytes. Block code: 'A' 00, 'B' 01, copy (distance 1, 3 bytes) 10,
// copy (distance 2, length code 15: 16 + one extra bit) 11.
TEST(DecodeRoundTrip, HandAssembledFileDecodesToItsKnownContent) {
  Bytes file(64, 'x');
  for (int b : {0, 0, 0, 0, 0, 0, 13, 24, 0, 0, 0, 1, 0x00, 0x40, 0x01, 0xF5}) file.push_back(uint8_t(b));
  file.resize(file.size() + 8);  // block checksums, not read

  std::string field = Bits13(2) + Bits13(22) + Bits13(1) + Bits13(2);
  for (int d = 2; d < 24; d++) field += Bits13(0);
  Append(file, BitsOf(field));
  ASSERT_EQ(file.size(), 80u + 8 + 43);

  // Lengths 2 for symbols 65, 66, 258 and 303. Code A: repeat-0 "0", length 2 "10",
  // repeat-2 "11"; code B: r=0 "00", 35 "01", 37 "10", 39 "110", 41 "111".
  const std::string nested =
      "0 00010"                                  // plain form, width 2
      " 00 0001 10 00 1111 00 1100"              // code A: 2 -> 2, then zeros to 31
      " 01 00 0000 10 00 1111 00 1100"           // 32 -> 1, 34 -> 2, zeros to 63
      " 10 00 1111 00 1111 00 0001"              // code B: 0 -> 2, zeros to 98
      " 10 00 0000 10 00 0000 11 00 0000 11"     // 35, 37 -> 2; 39, 41 -> 3
      " 00 1111 00 0101";                        // zeros to 127
  const std::string runs =
      " 0 10 00000"         // 65 zeros: r = 37, E = 0
      " 11 00"              // two 2s
      " 0 110 0011110"      // 191 zeros: r = 39, E = 30
      " 10"                 // 2
      " 0 01 011"           // 44 zeros: r = 35, E = 3
      " 10"                 // 2
      " 0 111 010101111";   // 720 zeros: r = 41, E = 175
  Append(file, BitsOf("0 " + nested + runs));
  const uint32_t h = uint32_t(file.size() + 4);
  file[67] = uint8_t(h);
  file[66] = uint8_t(h >> 8);
  file.resize(h);
  RefreshHeaderCrc(file);
  Append(file, BitsOf("00 01 11 1 10"));  // A, B, 17 bytes from 2 back, 3 bytes from 1 back

  Bytes out;
  ASSERT_EQ(ReadDatacomp(file, &out), 0);
  EXPECT_EQ(std::string(out.begin(), out.end()), "AB" "ABABABABABABABABA" "AAA");
}

}  // namespace
