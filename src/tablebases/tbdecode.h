// DATACOMP compressed table files: header parse and block decoding.
//
// A file holds blocks of 8192 bytes of table data, each stored unchanged or coded with one
// static Huffman code per file whose symbols are literal bytes and copies from one of 24
// fixed distances back. Multi-byte numbers are big-endian; bit streams run most significant
// bit first.
#pragma once
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include "tablebases/tbtypes.h"

// Error codes: an identifying number times 256 plus a kind in the low byte
// (2 file error, 4 out of memory, 6 bad data, 7 bad argument).
constexpr int comp_err_read_handle = 218887;    // comp_read_block: buffer missing or invalid
constexpr int comp_err_block_number = 219655;   // block number not below the block count
constexpr int comp_err_seek = 222210;           // seek to the block failed
constexpr int comp_err_read = 222722;           // fewer bytes read than the stored length
constexpr int comp_err_decode_handle = 228359;  // comp_decode_and_check_crc: buffer invalid
constexpr int comp_err_decode_count = 229127;   // byte count outside 1 .. decoded size
constexpr int comp_err_length_range = 87558;    // a code length above 31
constexpr int comp_err_single_code = 90374;     // a single code whose length is not 1
constexpr int comp_err_oversubscribed = 94214;  // lengths over-subscribe the code space
constexpr int comp_err_incomplete = 95238;      // lengths leave the code incomplete
constexpr int comp_err_zero_run = 114438;       // run of zeros past the last length
constexpr int comp_err_repeat = 124934;         // repeat past the last length
constexpr int comp_err_header_read = 1001 * 256 + 2;    // header shorter than it says
constexpr int comp_err_header_field = 1002 * 256 + 6;   // fixed field or index layout wrong
constexpr int comp_err_header_crc = 1003 * 256 + 6;     // header checksum mismatch
constexpr int comp_err_no_memory = 1004 * 256 + 4;      // allocation failed
constexpr int comp_err_copy_range = 1005 * 256 + 6;     // copy reaches outside the block
constexpr int comp_err_bits_overrun = 1006 * 256 + 6;   // code read past the stored bytes

constexpr int comp_block_size = cbTbChunk;
constexpr int comp_log2_block = 13;
constexpr int comp_distances = 24;
constexpr int comp_symbols = 1024;       // 256 literals, 24 distances x 32 length codes
constexpr int comp_table_bits = 13;      // first-level lookup width of the block code
constexpr int comp_table_size = 10240;   // first level plus room for the longer codes
constexpr int comp_info_magic = 0x5abc947f;
constexpr int comp_block_magic = 0x79a3f29d;

// Reader of a bit stream over `size` bytes; beyond them the stream reads as zeros, and
// `pos * 8 - avail` (bits taken) above `size * 8` tells that the stream was overrun.
struct bit_reader {
  const unsigned char* data;
  uint32_t size;
  uint32_t pos;   // next byte to load
  int avail;      // valid bits at the top of buf
  uint64_t buf;
};

// Header, code and block index of one compressed file. Allocated in one piece together
// with its arrays; read-only once complete.
struct decode_info {
  short table[comp_table_size];   // entries: symbol * 32 + code length, or -(tree pair)
  int distances[comp_distances];  // match distances, negated
  uint32_t* base;                 // start of every 8th block in the file
  uint16_t* delta;                // start(i) - base[i / 8], for i = 0 .. n (n = the end)
  int log2_block;
  int block_size;
  int last_size;                  // decoded size of the last block
  int n_blocks;
  size_t cb_alloc;                // bytes taken by this structure and its arrays
  int magic;
};

// One decode buffer: fields, then its own input area.
struct decode_block {
  unsigned char* output;          // where the decoded block goes; set by the owner
  unsigned char* input;           // the stored bytes of the block
  unsigned char* position;        // output up to here is final
  const unsigned char* copy_source;  // a copy cut at the requested end
  bit_reader bits;
  int decoded_size;               // of the block being read; 0 when none is ready
  int copy_pending;
  int magic;
};

// Bytes of one pool buffer (fields and input area), for the memory accounting.
size_t comp_block_alloc_size();

// Parses the header of an open compressed file, reading from its start; 0 and *ppinfo
// set, or an error code. Adds the size of the decode_info to cbDecodeAllocated.
int comp_open_file(decode_info** ppinfo, FILE* fp);
// Bytes of decoded data in the file.
uint64_t comp_decoded_size(const decode_info* info);
void comp_free_info(decode_info* info);
// A decode buffer; null when memory runs out.
decode_block* comp_alloc_block();
void comp_free_block(decode_block* block);
// Reads block n into the buffer and prepares its decoding (a block stored unchanged goes
// straight to the output area). 0 or an error code.
int comp_read_block(decode_block* block, decode_info* info, FILE* fp, int n);
// Decodes the prepared block until its first count bytes are final (with check set, the
// whole block). 0 or an error code; a damaged block fails and its buffer stays unusable
// until the next read.
int comp_decode_and_check_crc(decode_block* block, decode_info* info, int count, int check);
// Decodes until the decode position reaches end; 0 or a bad-data code.
int comp_decode_block(const decode_info* info, decode_block* block, unsigned char* end);

// Reads count code lengths (plain form for count <= 128, nested form above); 0 or an
// error code. Lengths above 255 read as 255.
int huffman_read_lengths(bit_reader* br, unsigned char* lengths, int count);
// Builds a decoding table with a first level of 2^bits entries, followed by up to
// 2 * (count - 1) tree entries; 0 or an error code.
int huffman_decode_create(short* table, const unsigned char* lengths, int count, int bits);
uint32_t comp_crc32(const unsigned char* bytes, size_t length, uint32_t start);
