// Test fixture: writes table files in the on-disk format the reader expects, with values
// from a function of the index, so that every probe can be checked.
#pragma once
#include <functional>
#include <string>
#include <vector>
#include "tablebases/tbtypes.h"

// The stored value at an index: a signed byte, or a 16-bit word for 16-bit tables.
using TbValueFn = std::function<int(INDEX)>;

// A value pattern that differs between neighbouring indices and chunks.
int TbtPattern(INDEX index);

// The plain file name of one extent of one side of table iTb in dir.
std::string TbExtentPath(const std::string& dir, int iTb, color side, int extent);

// Writes the side's `positions` values as plain files, split into extents of 2^31 bytes
// where the table is split. False on an I/O error.
bool FWriteTbSide(const std::string& dir, int iTb, color side, const TbValueFn& value);

// Writes only the listed 8192-byte chunks and leaves the rest of every extent file a hole,
// so that sides of billions of positions cost no disk space.
bool FWriteTbChunks(const std::string& dir, int iTb, color side,
                    const std::vector<INDEX>& chunks, const TbValueFn& value);

// A fresh directory under /tmp, removed with everything in it at the end of its scope.
class CTempDir {
 public:
  CTempDir();
  ~CTempDir();
  CTempDir(const CTempDir&) = delete;
  CTempDir& operator=(const CTempDir&) = delete;
  const std::string& Path() const { return szPath; }
  std::string File(const std::string& name) const { return szPath + "/" + name; }

 private:
  std::string szPath;
};
