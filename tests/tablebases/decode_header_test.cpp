// The header parse refuses damaged files and survives failed allocations; checksum, Huffman
// tables and code lengths.
#include <gtest/gtest.h>
#include <random>
#include <string>
#include "support/alloc_hooks.h"
#include "support/datacomp_reader.h"
#include "support/datacomp_writer.h"
#include "support/sample_data.h"
#include "tablebases/tbbits.h"
#include "tablebases/tbdecode.h"

namespace {

using Bytes = std::vector<unsigned char>;

int Open(const Bytes& bytes) {
  FILE* fp = OpenBytes(bytes);
  if (!fp) return -1;
  decode_info* info = reinterpret_cast<decode_info*>(1);
  const int err = comp_open_file(&info, fp);
  EXPECT_EQ(err != 0, info == nullptr);
  comp_free_info(info);
  fclose(fp);
  return err;
}

DatacompFile SmallFile() {
  Bytes data(3 * 8192 + 77);
  for (size_t i = 0; i < data.size(); i++) data[i] = uint8_t((i / 13) % 7 * (i % 3));
  return WriteDatacomp(data);
}

TEST(DecodeChecksum, CheckValues) {
  const unsigned char abc[] = {'a', 'b', 'c'};
  EXPECT_EQ(comp_crc32(abc, 3, 0), 0xCADBBEC2u);
  EXPECT_EQ(comp_crc32(abc, 0, 0), 0u);
  EXPECT_EQ(comp_crc32(abc, 0, 1234), 1234u);
  EXPECT_EQ(comp_crc32(abc + 1, 2, comp_crc32(abc, 1, 0)), 0xCADBBEC2u);
}

// Long inputs, taken 16 bytes at a time, give what the step of one byte gives.
TEST(DecodeChecksum, SixteenBytesAtOnceEqualsByteSteps) {
  std::mt19937 rng(3);
  std::vector<unsigned char> b(300);
  for (auto& x : b) x = uint8_t(rng());
  for (size_t offset : {0, 1, 3}) {
    for (size_t n : {15, 16, 17, 31, 32, 100, 297}) {
      uint32_t bytewise = 0;
      for (size_t i = 0; i < n; i++) bytewise = comp_crc32(&b[offset + i], 1, bytewise);
      EXPECT_EQ(comp_crc32(&b[offset], n, 0), bytewise) << offset << " " << n;
    }
  }
}

TEST(DecodeHeader, EveryBitOfTheHeaderIsChecked) {
  const DatacompFile file = SmallFile();
  const Bytes& good = file.bytes;
  ASSERT_EQ(Open(good), 0);
  for (uint32_t i = 0; i < file.headerLength; i++) {
    for (int bit = 0; bit < 8; bit++) {
      Bytes bad = good;
      bad[i] ^= uint8_t(1 << bit);
      EXPECT_NE(Open(bad), 0) << "byte " << i << " bit " << bit;
    }
  }
}

TEST(DecodeHeader, FixedFieldsAreChecked) {
  const DatacompFile file = SmallFile();
  const Bytes& good = file.bytes;
  const uint32_t h = file.headerLength;
  auto withField = [&](size_t at, std::initializer_list<unsigned char> v) {
    Bytes b = good;
    std::copy(v.begin(), v.end(), b.begin() + at);
    RefreshHeaderCrc(b);
    return Open(b);
  };
  EXPECT_EQ(withField(71, {25}), comp_err_header_field);
  EXPECT_EQ(withField(76, {0, 0x40, 0x01, 0xF4}), comp_err_header_field);
  EXPECT_EQ(withField(70, {12}), comp_err_header_field);
  EXPECT_EQ(withField(70, {16}), comp_err_header_field);
  EXPECT_EQ(withField(72, {0, 0, 0, 0}), comp_err_header_field);       // no blocks
  EXPECT_EQ(withField(72, {0, 0, 0, 200}), comp_err_header_field);     // index past H
  EXPECT_EQ(withField(72, {0xFF, 0xFF, 0xFF, 0xFF}), comp_err_header_field);
  // Not read, or skipped: the banner, bytes 68..69 and the block checksums.
  EXPECT_EQ(withField(0, {'X', 'Y', 'Z'}), 0);
  EXPECT_EQ(withField(68, {0xAB, 0xCD}), 0);
  EXPECT_EQ(withField(80, {1, 2, 3, 4, 5, 6, 7, 8}), 0);

  Bytes shortHeader = good;
  shortHeader[67] = 83;
  shortHeader[66] = shortHeader[65] = shortHeader[64] = 0;
  EXPECT_EQ(Open(shortHeader), comp_err_header_field);
  Bytes longHeader = good;
  longHeader[64] = 0x7F;  // longer than the file
  EXPECT_EQ(Open(longHeader), comp_err_header_read);
  EXPECT_EQ(Open(Bytes(good.begin(), good.begin() + 79)), comp_err_header_read);
  EXPECT_EQ(Open(Bytes(good.begin(), good.begin() + h - 1)), comp_err_header_read);
  EXPECT_EQ(Open(Bytes(good.begin(), good.begin() + h)), 0);  // blocks are read later
}

// Garbage code-length sections under a valid checksum: refused, or accepted and then
// decoded without a crash.
TEST(DecodeHeader, GarbageCodeLengths) {
  const DatacompFile file = SmallFile();
  const uint32_t h = file.headerLength;
  const size_t ibCode = 80 + 8 * 4 + ((4 + 25) * 13 + 7) / 8;
  std::mt19937 rng(1);
  int cRefused = 0;
  for (int trial = 0; trial < 300; trial++) {
    Bytes b = file.bytes;
    for (size_t i = ibCode; i < h - 4; i++) b[i] = uint8_t(rng());
    b[ibCode] &= 0x7F;  // not the all-zero flag
    RefreshHeaderCrc(b);
    if (Open(b) != 0) {
      cRefused++;
    } else {
      ReadDatacomp(b, nullptr);
    }
  }
  EXPECT_GT(cRefused, 100);
}

TEST(DecodeHeader, FailedAllocationsFailTheOpenOnly) {
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

TEST(DecodeHuffman, CreateRefusesBadLengths) {
  short table[256 + 128];
  const unsigned char tooLong[] = {32, 1};
  EXPECT_EQ(huffman_decode_create(table, tooLong, 2, 8), comp_err_length_range);
  const unsigned char single2[] = {0, 2, 0};
  EXPECT_EQ(huffman_decode_create(table, single2, 3, 8), comp_err_single_code);
  const unsigned char over[] = {1, 1, 1};
  EXPECT_EQ(huffman_decode_create(table, over, 3, 8), comp_err_oversubscribed);
  const unsigned char tooMany[] = {1, 1, 1, 1};
  EXPECT_EQ(huffman_decode_create(table, tooMany, 4, 8), comp_err_incomplete);
  const unsigned char half[] = {2, 2};
  EXPECT_NE(huffman_decode_create(table, half, 2, 8), 0);
}

TEST(DecodeHuffman, TablesDecodeCanonicalCodes) {
  short table[256 + 128];
  // No code: every entry is symbol 0 without bits. One code of length 1: no bits either.
  const unsigned char none[4] = {};
  ASSERT_EQ(huffman_decode_create(table, none, 4, 8), 0);
  EXPECT_EQ(table[0], 0);
  EXPECT_EQ(table[255], 0);
  const unsigned char one[] = {0, 0, 1};
  ASSERT_EQ(huffman_decode_create(table, one, 3, 8), 0);
  EXPECT_EQ(table[0], 2 * 32);
  EXPECT_EQ(table[200], 2 * 32);

  // Lengths 2,1,3,3 give 10, 0, 110, 111; with a 2-bit first level the 3-bit codes
  // go through the tree.
  const unsigned char lengths[] = {2, 1, 3, 3};
  ASSERT_EQ(huffman_decode_create(table, lengths, 4, 2), 0);
  const Bytes stream = BitsOf("0 10 110 111 0 111");
  bit_reader br;
  br_start(br, stream.data(), uint32_t(stream.size()));
  for (int expected : {1, 0, 2, 3, 1, 3}) EXPECT_EQ(br_symbol(br, table, 2), expected);
  EXPECT_FALSE(br_overrun(br));
  br_skip(br, 8);
  EXPECT_TRUE(br_overrun(br));

  // A code of 31-bit codes (lengths 1, 2, ..., 30, 31, 31) through an 8-bit first level.
  unsigned char deep[32];
  for (int i = 0; i < 31; i++) deep[i] = uint8_t(i + 1);
  deep[31] = 31;
  ASSERT_EQ(huffman_decode_create(table, deep, 32, 8), 0);
  const Bytes ones = BitsOf(std::string(31, '1') + std::string(30, '1') + "0" +
                            std::string(29, '1') + "0" + "110");
  br_start(br, ones.data(), uint32_t(ones.size()));
  for (int expected : {31, 30, 29, 2}) {
    br_refill(br);
    EXPECT_EQ(br_symbol(br, table, 8), expected);
  }
}

int ReadLengths(const std::string& bits, unsigned char* lengths, int count) {
  const Bytes b = BitsOf(bits);
  bit_reader br;
  br_start(br, b.data(), uint32_t(b.size()));
  return huffman_read_lengths(&br, lengths, count);
}

TEST(DecodeHuffman, ReadLengthsPlainForm) {
  unsigned char lengths[6];
  // Width 3: 5, 0 then 2 zeros, 7, 1.
  ASSERT_EQ(ReadLengths("0 00011 101 000 0010 111 001", lengths, 6), 0);
  const unsigned char expected[] = {5, 0, 0, 0, 7, 1};
  EXPECT_TRUE(std::equal(lengths, lengths + 6, expected));
  ASSERT_EQ(ReadLengths("1", lengths, 6), 0);
  EXPECT_EQ(std::count(lengths, lengths + 6, 0), 6);
  EXPECT_EQ(ReadLengths("0 00011 101 000 0101", lengths, 6), comp_err_zero_run);
  ASSERT_EQ(ReadLengths("0 01001 100101100 000 0100", lengths, 6), 0);  // 300 reads as 255
  EXPECT_EQ(lengths[0], 255);
}

// Nested form where code A holds only "repeat length 5" and code B only repeat symbol r:
// neither takes bits.
std::string NestedRepeat(int r, const std::string& extra) {
  std::string s = "0 0 00001";
  auto zeros = [&](int n) {
    while (n > 0) {
      const int z = std::min(n, 16) - 1;
      s += " 0 " + std::string(1, "01"[z >> 3 & 1]) + "01"[z >> 2 & 1] + "01"[z >> 1 & 1] +
           "01"[z & 1];
      n -= z + 1;
    }
  };
  zeros(37);
  s += " 1";
  zeros(26 + r);
  s += " 1";
  zeros(63 - r);
  return s + " " + extra;
}

TEST(DecodeHuffman, ReadLengthsNestedForm) {
  unsigned char lengths[1024];
  EXPECT_EQ(ReadLengths(NestedRepeat(42, "0000000000"), lengths, 1024), comp_err_repeat);
  EXPECT_EQ(ReadLengths(NestedRepeat(43, ""), lengths, 1024), comp_err_repeat);
  // 2^9 + 479 + 33 = 1024 copies of length 5.
  ASSERT_EQ(ReadLengths(NestedRepeat(41, "111011111"), lengths, 1024), 0);
  EXPECT_EQ(std::count(lengths, lengths + 1024, 5), 1024);
  EXPECT_EQ(ReadLengths(NestedRepeat(41, "111100000"), lengths, 1024), comp_err_repeat);
  // r = 30 repeats 32 times: 32 runs fill the lengths exactly.
  ASSERT_EQ(ReadLengths(NestedRepeat(30, ""), lengths, 1024), 0);
  EXPECT_EQ(std::count(lengths, lengths + 1024, 5), 1024);
}

}  // namespace
