#include "support/datacomp_writer.h"
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <queue>
#include "tablebases/tbdecode.h"

namespace {

constexpr int cbBlock = 8192;

class BitWriter {
 public:
  void Put(uint32_t value, int n) {
    for (int i = n - 1; i >= 0; i--) {
      if (cBits_ % 8 == 0) bytes_.push_back(0);
      if ((value >> i) & 1) bytes_.back() |= uint8_t(0x80 >> (cBits_ % 8));
      cBits_++;
    }
  }
  std::vector<unsigned char>& Bytes() { return bytes_; }

 private:
  std::vector<unsigned char> bytes_;
  uint64_t cBits_ = 0;
};

struct Token {
  int sym;
  int cExtra = 0;
  uint32_t extra = 0;
};

// Length code and extra bits of a copy of n bytes.
Token CopyToken(int d, int n) {
  if (n <= 15) return {256 + d * 32 + n - 1};
  int k = 1;
  while ((1 << (k + 1)) + 14 <= n) k++;
  return {256 + d * 32 + 14 + k, k, uint32_t(n - (1 << k) - 14)};
}

// Greedy longest match over the distances; literals where no copy is long enough.
std::vector<Token> Tokenize(const unsigned char* pb, int cb, const DatacompOptions& opt) {
  std::vector<Token> tokens;
  for (int pos = 0; pos < cb;) {
    int best = 0, bestD = 0;
    for (int d = 0; opt.useCopies && d < 24; d++) {
      const int dist = opt.distances[d];
      if (dist == 0 || dist > pos) continue;
      int m = 0;
      while (pos + m < cb && pb[pos + m] == pb[pos + m - dist]) m++;
      if (m > best) best = m, bestD = d;
    }
    if (best >= std::max(opt.minCopy, 1)) {
      tokens.push_back(CopyToken(bestD, best));
      pos += best;
    } else {
      tokens.push_back({pb[pos++]});
    }
  }
  return tokens;
}

// Huffman code lengths of at most 31 bits (frequencies are halved until they fit); one
// used symbol gets length 1.
std::vector<int> CodeLengths(std::vector<uint64_t> freq) {
  std::vector<int> len(freq.size(), 0);
  for (;;) {
    using Node = std::pair<uint64_t, int>;  // weight, node; leaves are the symbols
    std::priority_queue<Node, std::vector<Node>, std::greater<Node>> heap;
    std::vector<int> parent(freq.size(), -1);
    for (size_t s = 0; s < freq.size(); s++)
      if (freq[s]) heap.push({freq[s], int(s)});
    if (heap.size() == 1) len[heap.top().second] = 1;
    if (heap.size() <= 1) return len;
    while (heap.size() > 1) {
      const Node a = heap.top();
      heap.pop();
      const Node b = heap.top();
      heap.pop();
      parent.push_back(-1);
      parent[a.second] = parent[b.second] = int(parent.size()) - 1;
      heap.push({a.first + b.first, int(parent.size()) - 1});
    }
    int maxLen = 0;
    for (size_t s = 0; s < freq.size(); s++) {
      len[s] = 0;
      if (freq[s])
        for (int v = int(s); parent[v] >= 0; v = parent[v]) len[s]++;
      maxLen = std::max(maxLen, len[s]);
    }
    if (maxLen <= 31) return len;
    for (auto& f : freq)
      if (f) f = (f + 1) / 2;
  }
}

// Canonical codes of the lengths, shorter codes first, in symbol order within a length.
std::vector<uint32_t> CanonicalCodes(const std::vector<int>& len) {
  int count[33] = {};
  for (int l : len) count[l]++;
  uint32_t next[33] = {};
  uint32_t code = 0;
  for (int l = 1; l <= 32; l++) {
    code = (code + (l > 1 ? count[l - 1] : 0)) << 1;
    next[l] = code;
  }
  std::vector<uint32_t> codes(len.size(), 0);
  for (size_t s = 0; s < len.size(); s++)
    if (len[s]) codes[s] = next[len[s]]++;
  return codes;
}

void PutSymbol(BitWriter& bw, const std::vector<int>& len, const std::vector<uint32_t>& codes,
               int sym) {
  // A lone symbol of length 1 takes no bits.
  int used = 0;
  for (int l : len) used += l != 0;
  if (used > 1) bw.Put(codes[sym], len[sym]);
}

// The 128 lengths of the two nested codes in the plain form.
void PutPlainLengths(BitWriter& bw, const std::vector<int>& len) {
  int maxLen = *std::max_element(len.begin(), len.end());
  bw.Put(maxLen == 0 ? 1 : 0, 1);
  if (maxLen == 0) return;
  int width = 1;
  while ((1 << width) <= maxLen) width++;
  bw.Put(width, 5);
  for (size_t i = 0; i < len.size();) {
    bw.Put(len[i], width);
    if (len[i++]) continue;
    int zeros = 0;
    while (zeros < 15 && i + zeros < len.size() && len[i + zeros] == 0) zeros++;
    bw.Put(zeros, 4);
    i += zeros;
  }
}

// The 1024 block-code lengths in the nested form: runs coded with code A, counts with B.
void PutCodeLengths(BitWriter& bw, const std::vector<int>& len) {
  if (*std::max_element(len.begin(), len.end()) == 0) {
    bw.Put(1, 1);
    return;
  }
  bw.Put(0, 1);
  std::vector<Token> tokensA, tokensB;
  for (size_t i = 0; i < len.size();) {
    size_t run = 1;
    while (i + run < len.size() && len[i + run] == len[i]) run++;
    if (run == 1) {
      tokensA.push_back({len[i]});
      tokensB.push_back({-1});
    } else {
      tokensA.push_back({32 + len[i]});
      const int c = int(run);
      if (c <= 33) {
        tokensB.push_back({c - 2});
      } else {
        int k = 0;
        while ((2 << k) <= c - 33) k++;
        tokensB.push_back({32 + k, k, uint32_t(c - 33 - (1 << k))});
      }
    }
    i += run;
  }
  std::vector<uint64_t> freqA(64), freqB(64);
  for (size_t t = 0; t < tokensA.size(); t++) {
    freqA[tokensA[t].sym]++;
    if (tokensB[t].sym >= 0) freqB[tokensB[t].sym]++;
  }
  const std::vector<int> lenA = CodeLengths(freqA), lenB = CodeLengths(freqB);
  std::vector<int> nested(lenA);
  nested.insert(nested.end(), lenB.begin(), lenB.end());
  PutPlainLengths(bw, nested);
  const std::vector<uint32_t> codesA = CanonicalCodes(lenA), codesB = CanonicalCodes(lenB);
  for (size_t t = 0; t < tokensA.size(); t++) {
    PutSymbol(bw, lenA, codesA, tokensA[t].sym);
    if (tokensB[t].sym < 0) continue;
    PutSymbol(bw, lenB, codesB, tokensB[t].sym);
    bw.Put(tokensB[t].extra, tokensB[t].cExtra);
  }
}

void PutU32(std::vector<unsigned char>& out, size_t at, uint32_t v) {
  for (int i = 0; i < 4; i++) out[at + i] = uint8_t(v >> (24 - 8 * i));
}

}  // namespace

DatacompFile WriteDatacomp(const std::vector<unsigned char>& data,
                           const DatacompOptions& options) {
  DatacompFile file;
  const int n = int((data.size() + cbBlock - 1) / cbBlock);
  std::vector<std::vector<Token>> blockTokens(n);
  std::vector<uint64_t> freq(1024);
  for (int b = 0; b < n; b++) {
    const int cb = int(std::min<size_t>(cbBlock, data.size() - size_t(b) * cbBlock));
    if (options.storeAll) continue;
    blockTokens[b] = Tokenize(data.data() + size_t(b) * cbBlock, cb, options);
    for (const Token& t : blockTokens[b]) freq[t.sym]++;
  }
  const std::vector<int> len = CodeLengths(freq);
  const std::vector<uint32_t> codes = CanonicalCodes(len);

  // Blocks: coded where that is shorter than the data, else stored unchanged.
  std::vector<std::vector<unsigned char>> stored(n);
  for (int b = 0; b < n; b++) {
    const unsigned char* pb = data.data() + size_t(b) * cbBlock;
    const int cb = int(std::min<size_t>(cbBlock, data.size() - size_t(b) * cbBlock));
    BitWriter bw;
    for (const Token& t : blockTokens[b]) {
      PutSymbol(bw, len, codes, t.sym);
      bw.Put(t.extra, t.cExtra);
    }
    std::vector<unsigned char>& coded = bw.Bytes();
    if (coded.empty()) coded.push_back(0);  // a block needs at least one stored byte
    const bool fStore = options.storeAll || coded.size() >= size_t(cb);
    stored[b] = fStore ? std::vector<unsigned char>(pb, pb + cb) : coded;
    file.blockStored.push_back(fStore);
    if (fStore) continue;
    for (const Token& t : blockTokens[b])
      if (t.sym >= 256) file.lengthCodeUse[t.sym & 31]++;
  }
  for (size_t s = 0; s < len.size(); s++) {
    file.maxCodeLength = std::max(file.maxCodeLength, len[s]);
    file.codeSymbols += len[s] != 0;
  }

  // Header: banner, fixed fields, block checksums, bit field, code lengths, checksum.
  std::vector<unsigned char>& out = file.bytes;
  out.assign(80, 0);
  const char banner[] = "Quillfen Morvane DATACOMP table file";
  std::copy(banner, banner + sizeof banner - 1, out.begin());
  out[70] = 13;
  out[71] = 24;
  PutU32(out, 72, uint32_t(n));
  PutU32(out, 76, 0x004001F5);
  for (int b = 0; b < n; b++) {
    const unsigned char* pb = data.data() + size_t(b) * cbBlock;
    const size_t cb = std::min<size_t>(cbBlock, data.size() - size_t(b) * cbBlock);
    const size_t at = out.size();
    out.resize(at + 8);
    PutU32(out, at, comp_crc32(pb, cb, 0));
    PutU32(out, at + 4, comp_crc32(stored[b].data(), stored[b].size(), 0));
  }
  BitWriter field;
  for (int b = 0; b < n; b++) field.Put(uint32_t(stored[b].size() & 8191), 13);
  field.Put(uint32_t((data.size() - size_t(n - 1) * cbBlock) & 8191), 13);
  for (int d : options.distances) field.Put(uint32_t(d), 13);
  out.insert(out.end(), field.Bytes().begin(), field.Bytes().end());
  BitWriter lengths;
  PutCodeLengths(lengths, len);
  out.insert(out.end(), lengths.Bytes().begin(), lengths.Bytes().end());
  file.headerLength = uint32_t(out.size() + 4);
  out.resize(file.headerLength);
  PutU32(out, 64, file.headerLength);
  RefreshHeaderCrc(out);

  for (int b = 0; b < n; b++) {
    file.blockStart.push_back(uint32_t(out.size()));
    out.insert(out.end(), stored[b].begin(), stored[b].end());
  }
  file.blockStart.push_back(uint32_t(out.size()));
  return file;
}

bool WriteBytesFile(const std::string& path, const std::vector<unsigned char>& bytes) {
  FILE* fp = fopen(path.c_str(), "wb");
  if (!fp) return false;
  const bool ok = fwrite(bytes.data(), 1, bytes.size(), fp) == bytes.size();
  return fclose(fp) == 0 && ok;
}

bool WriteDatacompFile(const std::string& path, const std::vector<unsigned char>& data,
                       const DatacompOptions& options) {
  return WriteBytesFile(path, WriteDatacomp(data, options).bytes);
}

bool CompressTableFiles(const std::string& dir) {
  namespace fs = std::filesystem;
  std::error_code ec;
  for (const fs::directory_entry& entry : fs::directory_iterator(dir, ec)) {
    const std::string ext = entry.path().extension().string();
    if (ext != ".nbw" && ext != ".nbb") continue;
    std::ifstream in(entry.path(), std::ios::binary);
    const std::vector<unsigned char> data{std::istreambuf_iterator<char>(in), {}};
    if (data.empty() || !WriteDatacompFile(entry.path().string() + ".emd", data) ||
        !fs::remove(entry.path(), ec))
      return false;
  }
  return !ec;
}

void RefreshHeaderCrc(std::vector<unsigned char>& bytes) {
  const uint32_t h = uint32_t(bytes[64]) << 24 | bytes[65] << 16 | bytes[66] << 8 | bytes[67];
  PutU32(bytes, h - 4, comp_crc32(bytes.data(), h - 4, 0));
}

FILE* OpenBytes(const std::vector<unsigned char>& bytes) {
  return fmemopen(const_cast<unsigned char*>(bytes.data()), bytes.size(), "rb");
}

std::vector<unsigned char> BitsOf(const std::string& text) {
  BitWriter bits;
  for (char c : text)
    if (c != ' ') bits.Put(c == '1', 1);
  return bits.Bytes();
}
