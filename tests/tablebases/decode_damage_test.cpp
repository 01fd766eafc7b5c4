// Damaged blocks and misuse of the block calls are refused, never read or written out of
// bounds (the sanitizer build checks the bounds: every output area has the exact size).
#include <gtest/gtest.h>
#include <memory>
#include <random>
#include <set>
#include "support/datacomp_reader.h"
#include "support/datacomp_writer.h"
#include "support/sample_data.h"
#include "tablebases/tbdecode.h"

namespace {

using Bytes = std::vector<unsigned char>;

DatacompFile MixedFile() {
  Bytes data = TableLikeBytes(6 * 8192 + 1000, 7);
  const Bytes noise = RandomBytes(8192, 8);
  std::copy(noise.begin(), noise.end(), data.begin() + 2 * 8192);  // a stored block
  return WriteDatacomp(data);
}

// Sets value i of the header's bit field (13 bits each) and refreshes the checksum.
void SetFieldValue(Bytes& bytes, int n, int i, uint32_t v) {
  const size_t bit0 = (80 + 8 * size_t(n)) * 8 + 13 * size_t(i);
  for (int k = 0; k < 13; k++) {
    const size_t bit = bit0 + k;
    const uint8_t mask = uint8_t(0x80 >> (bit % 8));
    bytes[bit / 8] = (v >> (12 - k)) & 1 ? bytes[bit / 8] | mask : bytes[bit / 8] & ~mask;
  }
  RefreshHeaderCrc(bytes);
}

TEST(DecodeDamage, EveryBlockCorruptedInTurn) {
  const DatacompFile file = MixedFile();
  const int n = int(file.blockStart.size()) - 1;
  std::set<int> errors;
  std::mt19937 rng(9);
  for (int b = 0; b < n; b++) {
    const uint32_t start = file.blockStart[b], size = file.blockStart[b + 1] - start;
    for (int trial = 0; trial < 200; trial++) {
      Bytes bad = file.bytes;
      if (trial < 100) {
        bad[start + rng() % size] ^= uint8_t(1 + rng() % 255);
      } else {
        for (uint32_t i = 0; i < size; i++) bad[start + i] = uint8_t(rng());
      }
      errors.insert(ReadDatacomp(bad, nullptr));
    }
  }
  // Damage shows as a bad copy or as a code running past the stored bytes.
  EXPECT_TRUE(errors.count(comp_err_copy_range));
  EXPECT_TRUE(errors.count(comp_err_bits_overrun));
  errors.erase(comp_err_copy_range);
  errors.erase(comp_err_bits_overrun);
  errors.erase(0);
  EXPECT_TRUE(errors.empty());
}

TEST(DecodeDamage, IndexAndDistancesLeadingAstray) {
  const DatacompFile file = MixedFile();
  const int n = int(file.blockStart.size()) - 1;
  ASSERT_FALSE(file.blockStored[0]);
  // Block 0 said to be shorter than it is: its code runs past the stored bytes.
  Bytes shorter = file.bytes;
  SetFieldValue(shorter, n, 0, (file.blockStart[1] - file.blockStart[0]) / 2);
  const int err = ReadDatacomp(shorter, nullptr);
  EXPECT_TRUE(err == comp_err_bits_overrun || err == comp_err_copy_range) << err;
  // Distance 1 made 8191, or 0: copies reach before the block or onto themselves.
  for (uint32_t dist : {8191u, 0u}) {
    Bytes far = file.bytes;
    SetFieldValue(far, n, n + 1, dist);
    EXPECT_EQ(ReadDatacomp(far, nullptr), comp_err_copy_range);
  }
  // The last block said to be 3 bytes long: longer copies do not fit its output area.
  Bytes tiny = file.bytes;
  SetFieldValue(tiny, n, n, 3);
  EXPECT_NE(ReadDatacomp(tiny, nullptr), 0);
  // Every stored length 1: each block is read from the wrong place, nothing crashes.
  Bytes ones = file.bytes;
  for (int b = 0; b < n; b++) SetFieldValue(ones, n, b, 1);
  EXPECT_NE(ReadDatacomp(ones, nullptr), 0);
}

class DecodeCalls : public ::testing::Test {
 protected:
  void SetUp() override {
    file_ = MixedFile();
    fp_ = OpenBytes(file_.bytes);
    ASSERT_EQ(comp_open_file(&info_, fp_), 0);
    block_ = comp_alloc_block();
    ASSERT_NE(block_, nullptr);
    block_->output = out_;
  }
  void TearDown() override {
    comp_free_block(block_);
    comp_free_info(info_);
    if (fp_) fclose(fp_);
  }
  DatacompFile file_;
  FILE* fp_ = nullptr;
  decode_info* info_ = nullptr;
  decode_block* block_ = nullptr;
  unsigned char out_[8192];
};

TEST_F(DecodeCalls, BadArgumentsAreRefused) {
  EXPECT_EQ(comp_read_block(nullptr, info_, fp_, 0), comp_err_read_handle);
  EXPECT_EQ(comp_decode_and_check_crc(nullptr, info_, 1, 1), comp_err_decode_handle);
  EXPECT_EQ(comp_read_block(block_, info_, fp_, -1), comp_err_block_number);
  EXPECT_EQ(comp_read_block(block_, info_, fp_, info_->n_blocks), comp_err_block_number);
  EXPECT_EQ(comp_decode_and_check_crc(block_, info_, 1, 1), comp_err_decode_count);

  ASSERT_EQ(comp_read_block(block_, info_, fp_, 0), 0);
  EXPECT_EQ(comp_decode_and_check_crc(block_, info_, 0, 1), comp_err_decode_count);
  EXPECT_EQ(comp_decode_and_check_crc(block_, info_, 8193, 1), comp_err_decode_count);
  EXPECT_EQ(comp_decode_and_check_crc(block_, info_, 8192, 1), 0);

  const int last = info_->n_blocks - 1;
  ASSERT_EQ(comp_read_block(block_, info_, fp_, last), 0);
  EXPECT_EQ(comp_decode_and_check_crc(block_, info_, 1001, 0), comp_err_decode_count);
  EXPECT_EQ(comp_decode_and_check_crc(block_, info_, 1000, 0), 0);

  const int magic = block_->magic;
  block_->magic = 0;
  EXPECT_EQ(comp_read_block(block_, info_, fp_, 0), comp_err_read_handle);
  EXPECT_EQ(comp_decode_and_check_crc(block_, info_, 1, 1), comp_err_decode_handle);
  block_->magic = magic;
}

TEST_F(DecodeCalls, TruncatedFile) {
  const int last = info_->n_blocks - 1;
  const Bytes cut(file_.bytes.begin(), file_.bytes.begin() + file_.blockStart[last] + 1);
  FILE* fp = OpenBytes(cut);
  EXPECT_EQ(comp_read_block(block_, info_, fp, last), comp_err_read);
  // A failed read leaves nothing to decode.
  EXPECT_EQ(comp_decode_and_check_crc(block_, info_, 1, 1), comp_err_decode_count);
  fclose(fp);
  const Bytes header(file_.bytes.begin(), file_.bytes.begin() + file_.headerLength);
  fp = OpenBytes(header);
  EXPECT_EQ(comp_read_block(block_, info_, fp, 3), comp_err_seek);
  fclose(fp);
}

TEST_F(DecodeCalls, DamagedBlockStaysRefused) {
  Bytes bad = file_.bytes;
  SetFieldValue(bad, info_->n_blocks, info_->n_blocks + 1, 0);  // distance 1 made 0
  FILE* fp = OpenBytes(bad);
  decode_info* info = nullptr;
  ASSERT_EQ(comp_open_file(&info, fp), 0);
  ASSERT_EQ(comp_read_block(block_, info, fp, 0), 0);
  EXPECT_EQ(comp_decode_and_check_crc(block_, info, 8192, 1), comp_err_copy_range);
  EXPECT_EQ(comp_decode_and_check_crc(block_, info, 8192, 1), comp_err_decode_count);
  comp_free_info(info);
  fclose(fp);
}

TEST_F(DecodeCalls, InfoWithoutMagicStopsTheProgram) {
  std::unique_ptr<decode_info> broken(new decode_info{});
  EXPECT_DEATH(comp_decode_and_check_crc(block_, broken.get(), 1, 1),
               "info->magic == \\(\\(int\\) 0x5abc947fL\\)");
  EXPECT_DEATH(comp_read_block(block_, broken.get(), fp_, 0), "tbdecode");
}

}  // namespace
