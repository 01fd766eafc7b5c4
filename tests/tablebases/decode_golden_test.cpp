// A file assembled bit by bit, independently of the test-side writer, decodes to its known
// content: the layout, the code-length forms, the canonical code and the copies.
#include <gtest/gtest.h>
#include <string>
#include "support/datacomp_reader.h"
#include "support/datacomp_writer.h"

namespace {

using Bytes = std::vector<unsigned char>;

void PutBits(Bytes& out, const std::string& text) {
  std::string bits;
  for (char c : text)
    if (c != ' ') bits += c;
  for (size_t i = 0; i < bits.size(); i += 8) {
    unsigned char b = 0;
    for (size_t k = 0; k < 8; k++) b = uint8_t(b << 1 | (i + k < bits.size() && bits[i + k] == '1'));
    out.push_back(b);
  }
}

std::string Bits13(unsigned v) {
  std::string s;
  for (int k = 12; k >= 0; k--) s += char('0' + (v >> k & 1));
  return s;
}

// One block of 22 bytes. Block code: 'A' 00, 'B' 01, copy (distance 1, 3 bytes) 10,
// copy (distance 2, length code 15: 16 + one extra bit) 11.
TEST(DecodeGolden, HandAssembledFile) {
  Bytes file(64, 'x');
  for (int b : {0, 0, 0, 0, 0, 0, 13, 24, 0, 0, 0, 1, 0x00, 0x40, 0x01, 0xF5}) file.push_back(uint8_t(b));
  file.resize(file.size() + 8);  // block checksums, not read

  std::string field = Bits13(2) + Bits13(22) + Bits13(1) + Bits13(2);
  for (int d = 2; d < 24; d++) field += Bits13(0);
  PutBits(file, field);
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
  PutBits(file, "0 " + nested + runs);
  const uint32_t h = uint32_t(file.size() + 4);
  file[67] = uint8_t(h);
  file[66] = uint8_t(h >> 8);
  file.resize(h);
  RefreshHeaderCrc(file);
  PutBits(file, "00 01 11 1 10");  // A, B, 17 bytes from 2 back, 3 bytes from 1 back

  Bytes out;
  ASSERT_EQ(ReadDatacomp(file, &out), 0);
  EXPECT_EQ(std::string(out.begin(), out.end()), "AB" "ABABABABABABABABA" "AAA");
}

}  // namespace
