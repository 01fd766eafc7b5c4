// Decoding throughput of compressed table blocks (bytes/s counts decoded bytes).
#include <benchmark/benchmark.h>
#include <cstdio>
#include <vector>
#include "support/datacomp_writer.h"
#include "support/sample_data.h"
#include "support/tb_state.h"
#include "support/tb_writer.h"
#include "tablebases/tbcache.h"
#include "tablebases/tbdecode.h"
#include "tablebases/tbfiles.h"

namespace {

constexpr int cBlocks = 64;

std::vector<unsigned char> Data(int kind) {
  const size_t n = size_t(cBlocks) * cbTbChunk;
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
  std::vector<unsigned char> out(cbTbChunk);
  block->output = out.data();
  for (auto _ : state) {
    for (int b = 0; b < info->n_blocks; b++) {
      if (comp_read_block(block, info, fp, b) != 0 ||
          comp_decode_and_check_crc(block, info, cbTbChunk, 1) != 0)
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

// A side of kqk with table-like values, plain or compressed, registered with a cache of
// one slot.
class CChunkMissSetup {
 public:
  explicit CChunkMissSetup(bool fCompressed) : rgbCache(cbTbSlot) {
    const INDEX cPositions = 8 * cbTbChunk;
    guard.SetPositions(iTbKqk, cPositions, cPositions);
    const std::vector<unsigned char> data = TableLikeBytes(cPositions, 5);
    const std::string path = TbExtentPath(dir.Path(), iTbKqk, 0, 0);
    if (fCompressed)
      WriteDatacompFile(path + ".emd", data);
    else
      FWriteTbSide(dir.Path(), iTbKqk, 0, [&](INDEX i) { return int(int8_t(data[i])); });
    ITbInit(dir.Path().c_str(), 1024);
    FSetTbCache(rgbCache.data(), rgbCache.size());
  }
  ~CChunkMissSetup() {
    FSetTbCache(nullptr, 0);
    VTbRelease();
  }
  static constexpr int iTbKqk = 5;

 private:
  CTempDir dir;
  CTbDescGuard guard;
  std::vector<unsigned char> rgbCache;
};

// Every probe misses: two chunks take turns in the one slot. Argument 0 plain, 1 compressed.
void BM_ChunkMiss(benchmark::State& state) {
  CChunkMissSetup setup(state.range(0) != 0);
  INDEX chunk = 0;
  for (auto _ : state) {
    if (TbtProbeTable(CChunkMissSetup::iTbKqk, 0, chunk, 77) == tbtNoValue)
      state.SkipWithError("no value");
    chunk ^= 3;
  }
}
BENCHMARK(BM_ChunkMiss)->Arg(0)->Arg(1);

// The header checksum, which covers every block's entry in the index.
void BM_HeaderChecksum(benchmark::State& state) {
  const std::vector<unsigned char> data = RandomBytes(1 << 20, 3);
  for (auto _ : state) benchmark::DoNotOptimize(comp_crc32(data.data(), data.size(), 0));
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(data.size()));
}
BENCHMARK(BM_HeaderChecksum);

}  // namespace
