// Code lengths of the Huffman codes and the decoding tables built from them.
#include <algorithm>
#include <cstring>
#include "tablebases/tbbits.h"

int huffman_decode_create(short* table, const unsigned char* lengths, int count, int bits) {
  int rgcLength[32] = {};
  for (int i = 0; i < count; i++) {
    if (lengths[i] > 31) return comp_err_length_range;
    rgcLength[lengths[i]]++;
  }
  const int cFirst = 1 << bits;
  const int cUsed = count - rgcLength[0];
  if (cUsed <= 1) {
    // No code at all, or one symbol that takes no bits.
    int entry = 0;
    if (cUsed == 1) {
      int sym = 0;
      while (lengths[sym] == 0) sym++;
      if (lengths[sym] != 1) return comp_err_single_code;
      entry = sym * 32;
    }
    std::fill(table, table + cFirst, short(entry));
    return 0;
  }
  // Only a complete prefix code fills the table exactly.
  int carry = 0;
  for (int len = 31; len >= 1; len--) {
    carry += rgcLength[len];
    if (carry & 1) return comp_err_oversubscribed;
    carry >>= 1;
  }
  if (carry != 1) return comp_err_incomplete;

  // Canonical code: shorter codes first, codes of one length in symbol order.
  uint32_t rgNext[32];
  uint32_t code = 0;
  rgNext[0] = 0;
  for (int len = 1; len < 32; len++) {
    code = (code + (len > 1 ? rgcLength[len - 1] : 0)) << 1;
    rgNext[len] = code;
  }
  std::fill(table, table + cFirst, short(0));
  int iFree = cFirst;
  for (int sym = 0; sym < count; sym++) {
    const int len = lengths[sym];
    if (len == 0) continue;
    code = rgNext[len]++;
    if (len <= bits) {
      const int first = int(code << (bits - len));
      std::fill(table + first, table + first + (1 << (bits - len)), short(sym * 32 + len));
      continue;
    }
    // Longer codes: the first-level entry leads into pairs of entries, one per further bit.
    int q = int(code >> (len - bits));
    for (int k = len - bits - 1; k >= 0; k--) {
      if (table[q] >= 0) {
        table[q] = short(-iFree);
        table[iFree] = table[iFree + 1] = 0;
        iFree += 2;
      }
      q = -table[q] + int((code >> k) & 1);
    }
    table[q] = short(sym);
  }
  return 0;
}

int huffman_read_lengths(bit_reader* br, unsigned char* lengths, int count) {
  br_refill(*br);
  if (br_take(*br, 1)) {
    std::memset(lengths, 0, count);
    return 0;
  }
  if (count <= 128) {
    // Plain form: a width, then values of that width; each 0 is followed by a run of zeros.
    const int width = int(br_take(*br, 5));
    for (int i = 0; i < count;) {
      br_refill(*br);
      const uint32_t v = br_take(*br, width);
      lengths[i++] = (unsigned char)std::min<uint32_t>(v, 255);
      if (v == 0) {
        const int cZero = int(br_take(*br, 4));
        if (cZero > count - i) return comp_err_zero_run;
        std::memset(lengths + i, 0, cZero);
        i += cZero;
      }
    }
    return 0;
  }
  // Nested form: the lengths of a code for the lengths and of a code for repeat counts.
  unsigned char rgNested[128];
  int err = huffman_read_lengths(br, rgNested, 128);
  if (err) return err;
  short rgA[256 + 128], rgB[256 + 128];
  if ((err = huffman_decode_create(rgA, rgNested, 64, 8))) return err;
  if ((err = huffman_decode_create(rgB, rgNested + 64, 64, 8))) return err;
  for (int i = 0; i < count;) {
    br_refill(*br);
    const int a = br_symbol(*br, rgA, 8);
    if (a < 32) {
      lengths[i++] = (unsigned char)a;
      continue;
    }
    br_refill(*br);
    const int r = br_symbol(*br, rgB, 8);
    int cRepeat;
    if (r <= 31) {
      cRepeat = r + 2;
    } else {
      if (r >= 43) return comp_err_repeat;  // at least 2^11 + 33
      br_refill(*br);
      cRepeat = (1 << (r - 32)) + int(br_take(*br, r - 32)) + 33;
    }
    if (cRepeat > count - i) return comp_err_repeat;
    std::memset(lengths + i, a - 32, cRepeat);
    i += cRepeat;
  }
  return 0;
}
