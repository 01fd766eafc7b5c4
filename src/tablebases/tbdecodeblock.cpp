// Decoding of one block: literals and copies under the file's Huffman code.
#include <algorithm>
#include <cstring>
#include "tablebases/tbbits.h"

namespace {

// Copies n bytes from src, which lies before dst, in increasing order, so that a copy
// overlapping its own output repeats a pattern.
inline void VCopyForward(unsigned char* dst, const unsigned char* src, size_t n) {
  const size_t dist = size_t(dst - src);
  if (dist >= n) {
    std::memcpy(dst, src, n);
  } else if (dist == 1) {
    std::memset(dst, src[0], n);
  } else if (dist >= 8) {
    for (; n >= 8; n -= 8, dst += 8, src += 8) std::memcpy(dst, src, 8);
    while (n--) *dst++ = *src++;
  } else {
    while (n--) *dst++ = *src++;
  }
}

}  // namespace

int comp_decode_block(const decode_info* info, decode_block* block, unsigned char* end) {
  unsigned char* pos = block->position;
  if (pos >= end) return 0;
  unsigned char* const out = block->output;
  unsigned char* const outEnd = out + block->decoded_size;

  if (block->copy_pending) {
    const size_t n = std::min<size_t>(block->copy_pending, size_t(end - pos));
    VCopyForward(pos, block->copy_source, n);
    pos += n;
    block->copy_source += n;
    block->copy_pending -= int(n);
  }

  bit_reader br = block->bits;
  const short* table = info->table;
  while (pos < end) {
    if (br.avail < 31) br_refill(br);  // room for the longest code
    const int sym = br_symbol(br, table, comp_table_bits);
    if (sym < 256) {
      *pos++ = (unsigned char)sym;
      continue;
    }
    const int d = (sym - 256) >> 5;
    const int lengthCode = sym & 31;
    size_t n;
    if (lengthCode <= 14) {
      n = size_t(lengthCode) + 1;
    } else {
      const int k = lengthCode - 14;
      if (br.avail < k) br_refill(br);
      n = (size_t(1) << k) + br_take(br, k) + 14;
    }
    // A copy must start inside the block's output and end inside it.
    const size_t dist = size_t(-info->distances[d]);
    if (dist - 1 >= size_t(pos - out) || n > size_t(outEnd - pos)) {
      block->decoded_size = 0;
      return comp_err_copy_range;
    }
    const unsigned char* src = pos - dist;
    if (n > size_t(end - pos)) {
      // Cut at the requested end; the rest is finished when decoding resumes.
      const size_t now = size_t(end - pos);
      VCopyForward(pos, src, now);
      block->copy_source = src + now;
      block->copy_pending = int(n - now);
      pos = end;
      break;
    }
    VCopyForward(pos, src, n);
    pos += n;
  }
  block->bits = br;
  block->position = pos;
  if (br_overrun(br)) {
    block->decoded_size = 0;
    return comp_err_bits_overrun;
  }
  return 0;
}
