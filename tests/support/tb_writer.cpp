#include "support/tb_writer.h"
#include <unistd.h>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include "tablebases/tbdesc.h"

namespace {

constexpr INDEX cbExtent = INDEX(1) << 31;

INDEX CbValue(int iTb) { return (rgtbdDesc[iTb].flags & f16Bit) ? 2 : 1; }
INDEX CbSide(int iTb, color side) { return rgtbdDesc[iTb].positions[side] * CbValue(iTb); }

// Creates every extent file of the side at its full size, all zeros.
bool FCreateExtents(const std::string& dir, int iTb, color side) {
  INDEX cb = CbSide(iTb, side);
  int cExtents = CTbExtents(rgtbdDesc[iTb], side);
  for (int e = 0; e < cExtents; e++) {
    INDEX cbThis = cExtents == 1 ? cb : std::min(cbExtent, cb - INDEX(e) * cbExtent);
    std::string path = TbExtentPath(dir, iTb, side, e);
    FILE* fp = fopen(path.c_str(), "wb");
    if (!fp) return false;
    bool fOk = ftruncate(fileno(fp), off_t(cbThis)) == 0;
    if (fclose(fp) != 0 || !fOk) return false;
  }
  return true;
}

// Writes the bytes [ibBegin, ibEnd) of the side's data into its extent files.
bool FWriteBytes(const std::string& dir, int iTb, color side, INDEX ibBegin, INDEX ibEnd,
                 const TbValueFn& value) {
  bool fSplit = rgtbdDesc[iTb].flags & ::fSplit;
  INDEX cbValue = CbValue(iTb);
  std::vector<unsigned char> rgb;
  while (ibBegin < ibEnd) {
    int extent = fSplit ? int(ibBegin / cbExtent) : 0;
    INDEX ibExtentEnd = fSplit ? (INDEX(extent) + 1) * cbExtent : ibEnd;
    INDEX ibStop = std::min({ibEnd, ibExtentEnd, ibBegin + (INDEX(1) << 20)});
    rgb.resize(ibStop - ibBegin);
    for (INDEX ib = ibBegin; ib < ibStop; ib++) {
      int v = value(ib / cbValue);
      rgb[ib - ibBegin] = (unsigned char)(cbValue == 2 && ib % 2 ? v >> 8 : v);
    }
    std::string path = TbExtentPath(dir, iTb, side, extent);
    FILE* fp = fopen(path.c_str(), "r+b");
    if (!fp) return false;
    bool fOk = fseeko(fp, off_t(ibBegin - INDEX(extent) * (fSplit ? cbExtent : 0)), SEEK_SET) == 0 &&
               fwrite(rgb.data(), 1, rgb.size(), fp) == rgb.size();
    if (fclose(fp) != 0 || !fOk) return false;
    ibBegin = ibStop;
  }
  return true;
}

}  // namespace

int TbtPattern(INDEX index) {
  uint64_t x = (index + 1) * 0x9E3779B97F4A7C15ull;
  return int(int8_t(x >> 56));
}

std::string TbExtentPath(const std::string& dir, int iTb, color side, int extent) {
  std::string path = dir + "/" + rgtbdDesc[iTb].szName;
  if (rgtbdDesc[iTb].flags & fSplit)
    path += std::string(".") + char(extent < 10 ? '0' + extent : 'a' + extent - 10);
  return path + (side == 0 ? ".nbw" : ".nbb");
}

bool FWriteTbSide(const std::string& dir, int iTb, color side, const TbValueFn& value) {
  return FCreateExtents(dir, iTb, side) &&
         FWriteBytes(dir, iTb, side, 0, CbSide(iTb, side), value);
}

bool FWriteTbChunks(const std::string& dir, int iTb, color side,
                    const std::vector<INDEX>& chunks, const TbValueFn& value) {
  if (!FCreateExtents(dir, iTb, side)) return false;
  INDEX cb = CbSide(iTb, side);
  for (INDEX chunk : chunks) {
    INDEX ib = chunk * cbTbChunk;
    if (ib < cb && !FWriteBytes(dir, iTb, side, ib, std::min(cb, ib + cbTbChunk), value))
      return false;
  }
  return true;
}

CTempDir::CTempDir() {
  char sz[] = "/tmp/qf_tb_XXXXXX";
  if (mkdtemp(sz)) szPath = sz;
}

CTempDir::~CTempDir() {
  std::error_code ec;
  if (!szPath.empty()) std::filesystem::remove_all(szPath, ec);
}
