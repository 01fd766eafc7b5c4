// Test-side reading of a whole DATACOMP file through the decoder.
#pragma once
#include <vector>

// Decodes every block of the file into out (when given), each into an area of exactly the
// block's size. Returns 0 or the first error code; blocks after an error are still read.
int ReadDatacomp(const std::vector<unsigned char>& file, std::vector<unsigned char>* out);
