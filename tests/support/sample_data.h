// Byte strings for compression tests and benchmarks.
#pragma once
#include <cstddef>
#include <vector>

std::vector<unsigned char> RandomBytes(size_t n, unsigned seed);
// Runs of a few frequent values with repeats of earlier stretches, as table values look.
std::vector<unsigned char> TableLikeBytes(size_t n, unsigned seed);
