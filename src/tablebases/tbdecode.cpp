// DATACOMP files: header parse, block index, decode buffers and the reading of a block.
#include "tablebases/tbdecode.h"
#include <cstring>
#include <new>
#include "tablebases/tbassert.h"
#include "tablebases/tbbits.h"
#include "tablebases/tbfiles.h"

namespace {

uint32_t UlBigEndian(const unsigned char* pb) {
  return uint32_t(pb[0]) << 24 | uint32_t(pb[1]) << 16 | uint32_t(pb[2]) << 8 | pb[3];
}

uint64_t IbBlockStart(const decode_info* info, int i) {
  return uint64_t(info->base[i >> 3]) + info->delta[i];
}

// A decode_info without its magic is a programming error, not a file error.
void VCheckInfo(const decode_info* info, unsigned line, const char* function) {
  if (info->magic != comp_info_magic)
    VTbAssertFail("info->magic == ((int) 0x5abc947fL)", "tbdecode", line, function);
}

// Reads the block index, the distances and the code from a checked header of cbHeader
// bytes into info, whose arrays are in place.
int IParseIndexAndCode(decode_info* info, const unsigned char* pbHeader, uint32_t cbHeader,
                      uint64_t cbField) {
  const int n = info->n_blocks;
  bit_reader br;
  br_start(br, pbHeader + 80 + 8 * uint64_t(n), uint32_t(cbField));
  // Stored lengths become block starts; a group of 8 blocks spans at most 57344 bytes
  // before its last block, so every delta fits 16 bits.
  uint64_t start = cbHeader;
  for (int i = 0; i <= n; i++) {
    if ((i & 7) == 0) info->base[i >> 3] = uint32_t(start);
    info->delta[i] = uint16_t(start - info->base[i >> 3]);
    if (i == n) break;
    br_refill(br);
    const uint32_t cb = br_take(br, comp_log2_block);
    start += cb ? cb : comp_block_size;
    if (start > UINT32_MAX) return comp_err_header_field;
  }
  br_refill(br);
  const uint32_t cbLast = br_take(br, comp_log2_block);
  info->last_size = cbLast ? int(cbLast) : comp_block_size;
  for (int d = 0; d < comp_distances; d++) {
    br_refill(br);
    info->distances[d] = -int(br_take(br, comp_log2_block));
  }

  const uint64_t ibCode = 80 + 8 * uint64_t(n) + cbField;
  br_start(br, pbHeader + ibCode, uint32_t(cbHeader - 4 - ibCode));
  unsigned char rgLength[comp_symbols];
  int err = huffman_read_lengths(&br, rgLength, comp_symbols);
  if (!err && br_overrun(br)) err = comp_err_header_field;
  if (!err) err = huffman_decode_create(info->table, rgLength, comp_symbols, comp_table_bits);
  return err;
}

// Parses the header read into pbHeader (cbHeader bytes, fixed fields checked).
int IBuildInfo(decode_info** ppinfo, const unsigned char* pbHeader, uint32_t cbHeader) {
  if (comp_crc32(pbHeader, cbHeader - 4, 0) != UlBigEndian(pbHeader + cbHeader - 4))
    return comp_err_header_crc;
  const uint32_t n = UlBigEndian(pbHeader + 72);
  const uint64_t cbField = ((uint64_t(n) + 25) * comp_log2_block + 7) / 8;
  if (n == 0 || 80 + 8 * uint64_t(n) + cbField > cbHeader - 4) return comp_err_header_field;

  const size_t cbBase = sizeof(uint32_t) * (n / 8 + 1);
  const size_t cb = sizeof(decode_info) + cbBase + sizeof(uint16_t) * (uint64_t(n) + 1);
  decode_info* info = static_cast<decode_info*>(PvTbAlloc(cb));
  if (!info) return comp_err_no_memory;
  info->base = reinterpret_cast<uint32_t*>(info + 1);
  info->delta = reinterpret_cast<uint16_t*>(reinterpret_cast<char*>(info->base) + cbBase);
  info->n_blocks = int(n);
  info->log2_block = comp_log2_block;
  info->block_size = comp_block_size;
  info->cb_alloc = cb;
  info->magic = 0;
  if (int err = IParseIndexAndCode(info, pbHeader, cbHeader, cbField)) {
    VTbFree(info);
    return err;
  }
  info->magic = comp_info_magic;
  *ppinfo = info;
  return 0;
}

}  // namespace

size_t comp_block_alloc_size() { return sizeof(decode_block) + comp_block_size; }

int comp_open_file(decode_info** ppinfo, FILE* fp) {
  *ppinfo = nullptr;
  if (fseeko(fp, 0, SEEK_END) != 0) return comp_err_header_read;
  const off_t cbFile = ftello(fp);
  unsigned char rgbFixed[80];
  if (cbFile < 0 || fseeko(fp, 0, SEEK_SET) != 0 || fread(rgbFixed, 1, 80, fp) != 80)
    return comp_err_header_read;
  // The 64-byte banner differs between writers; the fixed fields and the header
  // checksum, which covers the banner too, are what refuse a damaged file.
  const uint32_t cbHeader = UlBigEndian(rgbFixed + 64);
  if (cbHeader < 84 || rgbFixed[70] != comp_log2_block || rgbFixed[71] != comp_distances ||
      UlBigEndian(rgbFixed + 76) != 0x004001F5)
    return comp_err_header_field;
  if (cbHeader > uint64_t(cbFile)) return comp_err_header_read;

  unsigned char* pbHeader = static_cast<unsigned char*>(PvTbAlloc(cbHeader));
  if (!pbHeader) return comp_err_no_memory;
  std::memcpy(pbHeader, rgbFixed, 80);
  int err = comp_err_header_read;
  if (fread(pbHeader + 80, 1, cbHeader - 80, fp) == cbHeader - 80)
    err = IBuildInfo(ppinfo, pbHeader, cbHeader);
  VTbFree(pbHeader);
  if (!err) cbDecodeAllocated += unsigned((*ppinfo)->cb_alloc);
  return err;
}

uint64_t comp_decoded_size(const decode_info* info) {
  return uint64_t(info->n_blocks - 1) * comp_block_size + info->last_size;
}

void comp_free_info(decode_info* info) {
  if (info) info->magic = 0;
  VTbFree(info);
}

decode_block* comp_alloc_block() {
  void* pv = PvTbAlloc(comp_block_alloc_size());
  if (!pv) return nullptr;
  decode_block* block = new (pv) decode_block{};
  block->input = reinterpret_cast<unsigned char*>(block + 1);
  block->magic = comp_block_magic;
  return block;
}

void comp_free_block(decode_block* block) {
  if (block) block->magic = 0;
  VTbFree(block);
}

int comp_read_block(decode_block* block, decode_info* info, FILE* fp, int n) {
  if (!block || block->magic != comp_block_magic) return comp_err_read_handle;
  VCheckInfo(info, __LINE__, __PRETTY_FUNCTION__);
  block->decoded_size = 0;
  if (n < 0 || n >= info->n_blocks) return comp_err_block_number;
  const int cbDecoded = n == info->n_blocks - 1 ? info->last_size : comp_block_size;
  const uint64_t ibStart = IbBlockStart(info, n);
  const int cbStored = int(IbBlockStart(info, n + 1) - ibStart);
  if (fseeko(fp, off_t(ibStart), SEEK_SET) != 0) return comp_err_seek;
  // A block stored unchanged goes straight to the output area.
  unsigned char* pbTo = cbStored == cbDecoded ? block->output : block->input;
  if (fread(pbTo, 1, size_t(cbStored), fp) != size_t(cbStored)) return comp_err_read;

  block->copy_pending = 0;
  block->copy_source = nullptr;
  block->position = cbStored == cbDecoded ? block->output + cbDecoded : block->output;
  if (cbStored != cbDecoded) br_start(block->bits, block->input, uint32_t(cbStored));
  block->decoded_size = cbDecoded;
  return 0;
}

int comp_decode_and_check_crc(decode_block* block, decode_info* info, int count, int check) {
  if (!block || block->magic != comp_block_magic) return comp_err_decode_handle;
  VCheckInfo(info, 893, __PRETTY_FUNCTION__);
  if (count < 1 || count > block->decoded_size) return comp_err_decode_count;
  if (check) count = block->decoded_size;
  return comp_decode_block(info, block, block->output + count);
}
