#include "support/datacomp_reader.h"
#include <memory>
#include "support/datacomp_writer.h"
#include "tablebases/tbdecode.h"

int ReadDatacomp(const std::vector<unsigned char>& file, std::vector<unsigned char>* out) {
  FILE* fp = OpenBytes(file);
  if (!fp) return -1;
  decode_info* info = nullptr;
  int err = comp_open_file(&info, fp);
  decode_block* block = err ? nullptr : comp_alloc_block();
  for (int b = 0; block && b < info->n_blocks; b++) {
    const int cb = b == info->n_blocks - 1 ? info->last_size : info->block_size;
    std::unique_ptr<unsigned char[]> area(new unsigned char[cb]);
    block->output = area.get();
    int errBlock = comp_read_block(block, info, fp, b);
    if (!errBlock) errBlock = comp_decode_and_check_crc(block, info, cb, 1);
    if (!err) err = errBlock;
    if (!err && out) out->insert(out->end(), area.get(), area.get() + cb);
  }
  comp_free_block(block);
  comp_free_info(info);
  fclose(fp);
  return err;
}
