// Test fixture: saves the static fields of descriptors that a test changes, and frees by
// hand what a test attached to them, so that every test leaves the table as it found it.
#pragma once
#include <vector>
#include "tablebases/tbdesc.h"

class CTbDescGuard {
 public:
  ~CTbDescGuard();
  // Sets a descriptor's flags and position counts until the guard goes.
  void Set(int iTb, int flags, INDEX cWhite, INDEX cBlack);
  void SetPositions(int iTb, INDEX cWhite, INDEX cBlack);

 private:
  struct Saved { int iTb, flags; INDEX positions[2]; };
  std::vector<Saved> rgSaved;
};

// Gives a table side a file name and buckets without the file checks, as registration
// would. The names and buckets are freed by VDetachAllTbFiles.
void VAttachTbExtent(int iTb, color side, int extent, const char* szPath);
void VDetachAllTbFiles();
