// libFuzzer target: any input is taken as a compressed table file, its header checksum
// made right first so that the parse and the block decoder see the damage.
#include <cstddef>
#include <cstdint>
#include <vector>
#include "support/datacomp_reader.h"
#include "support/datacomp_writer.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<unsigned char> file(data, data + size);
  if (size >= 84) {
    const uint32_t h = uint32_t(file[64]) << 24 | file[65] << 16 | file[66] << 8 | file[67];
    if (h >= 84 && h <= size) RefreshHeaderCrc(file);
  }
  std::vector<unsigned char> out;
  ReadDatacomp(file, &out);
  return 0;
}
