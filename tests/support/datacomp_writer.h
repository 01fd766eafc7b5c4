// Test-side writer of DATACOMP files: any byte string becomes a valid compressed file.
#pragma once
#include <array>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

struct DatacompOptions {
  // Match distances (0 leaves a distance unused).
  std::array<int, 24> distances{1,  2,  3,  4,  5,   6,   7,   8,   9,    10,   12,   14,
                                16, 24, 32, 48, 64,  96,  128, 256, 512,  1024, 2048, 4096};
  bool useCopies = true;
  int minCopy = 2;        // shortest copy taken instead of literals
  bool storeAll = false;  // every block stored unchanged
};

struct DatacompFile {
  std::vector<unsigned char> bytes;
  uint32_t headerLength = 0;
  std::vector<uint32_t> blockStart;  // n + 1 offsets: every block, then the end
  std::vector<bool> blockStored;     // stored unchanged rather than coded
  std::array<int, 32> lengthCodeUse{};  // copies written per length code
  int maxCodeLength = 0;                // longest code of the block code
  int codeSymbols = 0;                  // symbols of the block code with a code
};

// Writes data (not empty) as blocks of 8192 bytes under one static Huffman code.
DatacompFile WriteDatacomp(const std::vector<unsigned char>& data,
                           const DatacompOptions& options = {});
bool WriteBytesFile(const std::string& path, const std::vector<unsigned char>& bytes);
bool WriteDatacompFile(const std::string& path, const std::vector<unsigned char>& data,
                       const DatacompOptions& options = {});
// Replaces every plain table file (".nbw", ".nbb") in dir by its compressed form (the same
// name with ".emd" added).
bool CompressTableFiles(const std::string& dir);
// Recomputes the header checksum after a header field was changed on purpose.
void RefreshHeaderCrc(std::vector<unsigned char>& bytes);
// Bits given as text ('0', '1'; spaces ignored), most significant first, padded with zeros
// to whole bytes.
std::vector<unsigned char> BitsOf(const std::string& text);
// A read-only stream over bytes (which must outlive it).
FILE* OpenBytes(const std::vector<unsigned char>& bytes);
