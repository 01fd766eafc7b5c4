// Writes the seed corpus of the decoder fuzz target into the directory given.
#include <algorithm>
#include <random>
#include <string>
#include "support/datacomp_writer.h"
#include "support/sample_data.h"

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  const std::string dir = argv[1];
  std::mt19937 rng(1);
  auto write = [&](const char* name, const std::vector<unsigned char>& data,
                   const DatacompOptions& opt) {
    return WriteDatacompFile(dir + "/" + name, data, opt);
  };
  const std::vector<unsigned char> runs = TableLikeBytes(2 * 8192 + 300, 1);
  const std::vector<unsigned char> noise = RandomBytes(3000, 2);
  std::vector<unsigned char> skewed;
  for (int k = 0; k < 16; k++) skewed.insert(skewed.end(), size_t(1) << (k / 2), uint8_t(k));
  std::shuffle(skewed.begin(), skewed.end(), rng);

  DatacompOptions plain, literals, stored;
  literals.useCopies = false;
  stored.storeAll = true;
  const bool ok = write("runs", runs, plain) && write("noise", noise, plain) &&
                  write("zeros", std::vector<unsigned char>(9000, 0), literals) &&
                  write("skewed", skewed, literals) && write("stored", noise, stored);
  return ok ? 0 : 1;
}
