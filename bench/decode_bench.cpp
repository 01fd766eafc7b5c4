// Decoding throughput of compressed table blocks (bytes/s counts decoded bytes).
#include <benchmark/benchmark.h>
#include <cstdio>
#include <vector>
#include "support/datacomp_writer.h"
#include "support/sample_data.h"
#include "tablebases/tbdecode.h"

namespace {

constexpr int cBlocks = 64;

std::vector<unsigned char> Data(int kind) {
  const size_t n = size_t(cBlocks) * 8192;
  if (kind == 0) return TableLikeBytes(n, 1);
  std::vector<unsigned char> b = RandomBytes(n, 2);
  for (auto& x : b) x = kind == 1 ? (x < 200 ? 0 : x & 7) : x & 63;  // sparse, or 6-bit noise
  return b;
}

// Reads and decodes every block of a file held in memory.
void DecodeFile(benchmark::State& state, const std::vector<unsigned char>& data) {
  const DatacompFile file = WriteDatacomp(data);
  FILE* fp = OpenBytes(file.bytes);
  decode_info* info = nullptr;
  if (comp_open_file(&info, fp) != 0) {
    state.SkipWithError("file refused");
    return;
  }
  decode_block* block = comp_alloc_block();
  std::vector<unsigned char> out(8192);
  block->output = out.data();
  for (auto _ : state) {
    for (int b = 0; b < info->n_blocks; b++) {
      if (comp_read_block(block, info, fp, b) != 0 ||
          comp_decode_and_check_crc(block, info, 8192, 1) != 0)
        state.SkipWithError("decode failed");
    }
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(data.size()));
  state.counters["ratio"] = double(file.bytes.size()) / double(data.size());
  comp_free_block(block);
  comp_free_info(info);
  fclose(fp);
}

void BM_DecodeTableLike(benchmark::State& state) { DecodeFile(state, Data(0)); }
void BM_DecodeSparse(benchmark::State& state) { DecodeFile(state, Data(1)); }
void BM_DecodeLiterals(benchmark::State& state) { DecodeFile(state, Data(2)); }
BENCHMARK(BM_DecodeTableLike);
BENCHMARK(BM_DecodeSparse);
BENCHMARK(BM_DecodeLiterals);

// The header checksum, which covers every block's entry in the index.
void BM_HeaderChecksum(benchmark::State& state) {
  const std::vector<unsigned char> data = RandomBytes(1 << 20, 3);
  for (auto _ : state) benchmark::DoNotOptimize(comp_crc32(data.data(), data.size(), 0));
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(data.size()));
}
BENCHMARK(BM_HeaderChecksum);

}  // namespace
