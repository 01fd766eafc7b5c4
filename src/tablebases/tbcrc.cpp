// The CRC-32 that checks DATACOMP headers.
#include "tablebases/tbdecode.h"

namespace {

// The reflected CRC-32 table with the bit test inverted. Its entry i equals the usual
// entry i ^ 255, so each step is the usual raw CRC step on the complemented byte; that
// step is linear, and slice[k] (a byte followed by k zero bytes) takes 16 bytes at once.
// Built once, on first use.
struct CCrcTables {
  uint32_t base[256];
  uint32_t slice[16][256];
  CCrcTables() {
    for (uint32_t i = 0; i < 256; i++) {
      uint32_t c = i;
      for (int k = 0; k < 8; k++) c = (c & 1) ? c >> 1 : (c >> 1) ^ 0xEDB88320u;
      base[i] = c;
    }
    for (int i = 0; i < 256; i++) slice[0][i] = base[i ^ 255];
    for (int k = 1; k < 16; k++)
      for (int i = 0; i < 256; i++)
        slice[k][i] = (slice[k - 1][i] >> 8) ^ slice[0][slice[k - 1][i] & 255];
  }
};

}  // namespace

uint32_t comp_crc32(const unsigned char* bytes, size_t length, uint32_t start) {
  static const CCrcTables tables;
  uint32_t crc = start;
  for (; length >= 16; length -= 16, bytes += 16) {
    const uint32_t x = crc ^ ~(uint32_t(bytes[0]) | uint32_t(bytes[1]) << 8 |
                               uint32_t(bytes[2]) << 16 | uint32_t(bytes[3]) << 24);
    uint32_t r = tables.slice[15][x & 255] ^ tables.slice[14][(x >> 8) & 255] ^
                 tables.slice[13][(x >> 16) & 255] ^ tables.slice[12][x >> 24];
    for (int j = 4; j < 16; j++) r ^= tables.slice[15 - j][bytes[j] ^ 255];
    crc = r;
  }
  for (size_t i = 0; i < length; i++) crc = (crc >> 8) ^ tables.base[(crc ^ bytes[i]) & 255];
  return crc;
}
