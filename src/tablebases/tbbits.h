// Inline operations of bit_reader: most significant bit first, refilled a byte at a time
// into a 64-bit buffer (8 bytes at once away from the end of the data).
#pragma once
#include <cstring>
#include "tablebases/tbdecode.h"

inline void br_refill(bit_reader& br) {
  if (br.pos + 8 <= br.size) {
    uint64_t w;
    std::memcpy(&w, br.data + br.pos, 8);
    br.buf |= __builtin_bswap64(w) >> br.avail;
    br.pos += (63 - br.avail) >> 3;
    br.avail |= 56;
  } else {
    while (br.avail <= 56) {
      uint64_t b = br.pos < br.size ? br.data[br.pos] : 0;
      br.buf |= b << (56 - br.avail);
      br.pos++;
      br.avail += 8;
    }
  }
}

// Starts reading size bytes at data; at least 57 bits are then available.
inline void br_start(bit_reader& br, const unsigned char* data, uint32_t size) {
  br.data = data;
  br.size = size;
  br.pos = 0;
  br.avail = 0;
  br.buf = 0;
  br_refill(br);
}

inline void br_skip(bit_reader& br, int n) {
  br.buf <<= n;
  br.avail -= n;
}

// The next n bits (0..56 after a refill) as a number.
inline uint32_t br_take(bit_reader& br, int n) {
  uint32_t v = n ? uint32_t(br.buf >> (64 - n)) : 0;
  br_skip(br, n);
  return v;
}

inline bool br_overrun(const bit_reader& br) {
  return uint64_t(br.pos) * 8 - br.avail > uint64_t(br.size) * 8;
}

// One symbol of a table made by huffman_decode_create with a first level of 2^bits.
inline int br_symbol(bit_reader& br, const short* table, int bits) {
  int e = table[br.buf >> (64 - bits)];
  if (e >= 0) {
    br_skip(br, e & 31);
    return e >> 5;
  }
  br_skip(br, bits);
  do {
    e = table[-e + int(br.buf >> 63)];
    br_skip(br, 1);
  } while (e < 0);
  return e;
}
