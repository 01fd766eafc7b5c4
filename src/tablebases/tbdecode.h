// DATACOMP compressed table files: header parse and block decoding.
#pragma once
#include <cstdint>
#include <cstdio>

struct decode_info;  // header, code and block index of one compressed file

struct decode_block {
  unsigned char* output;  // where the decoded block goes; set by the owner before each read
};

// Parses the header of an open compressed file; 0 and *ppinfo set, or an error code.
int comp_open_file(decode_info** ppinfo, FILE* fp);
// Bytes of decoded data in the file.
uint64_t comp_decoded_size(const decode_info* info);
void comp_free_info(decode_info* info);
// A decode buffer; null when memory runs out.
decode_block* comp_alloc_block();
void comp_free_block(decode_block* block);
int comp_read_block(decode_block* block, decode_info* info, FILE* fp, int n);
int comp_decode_and_check_crc(decode_block* block, decode_info* info, int count, int check);
