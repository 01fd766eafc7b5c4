#include "support/sample_data.h"
#include <algorithm>
#include <random>

std::vector<unsigned char> RandomBytes(size_t n, unsigned seed) {
  std::mt19937 rng(seed);
  std::vector<unsigned char> b(n);
  for (auto& x : b) x = (unsigned char)rng();
  return b;
}

std::vector<unsigned char> TableLikeBytes(size_t n, unsigned seed) {
  std::mt19937 rng(seed);
  std::vector<unsigned char> b;
  while (b.size() < n) {
    const unsigned r = rng() % 100;
    const unsigned char v = r < 50 ? 0 : r < 70 ? 0xFF : (unsigned char)(1 + rng() % 60);
    const size_t run = 1 + rng() % 24;
    if (rng() % 8 == 0 && b.size() >= 64) {
      for (size_t i = 0; i < run * 4 && b.size() < n; i++) b.push_back(b[b.size() - 64]);
    } else {
      b.insert(b.end(), std::min(run, n - b.size()), v);
    }
  }
  return b;
}
