#include "tablebases/tbdecode.h"

namespace {

// The reflected CRC-32 table with the bit test inverted, which equals the usual table
// read at index i ^ 255. Built once, on first use.
struct CrcTable {
  uint32_t rg[256];
  CrcTable() {
    for (uint32_t i = 0; i < 256; i++) {
      uint32_t c = i;
      for (int k = 0; k < 8; k++) c = (c & 1) ? c >> 1 : (c >> 1) ^ 0xEDB88320u;
      rg[i] = c;
    }
  }
};

}  // namespace

uint32_t comp_crc32(const unsigned char* bytes, size_t length, uint32_t start) {
  static const CrcTable table;
  uint32_t crc = start;
  for (size_t i = 0; i < length; i++) crc = (crc >> 8) ^ table.rg[(crc ^ bytes[i]) & 255];
  return crc;
}
