// Initialisation, release, the path list and the checks of table files.
#include <gtest/gtest.h>
#include <unistd.h>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <new>
#include <string>
#include <vector>
#include "support/alloc_hooks.h"
#include "support/datacomp_writer.h"
#include "support/tb_state.h"
#include "support/tb_writer.h"
#include "tablebases/tbcache.h"
#include "tablebases/tbcounters.h"
#include "tablebases/tbfiles.h"


namespace {

constexpr int iKqk = 5;
constexpr int iKqkq = 20;      // symmetric
constexpr int iKrbkbn = 187;   // split
constexpr INDEX cbExtent = INDEX(1) << 31;

const char* SzName(int iTb, color side, int extent = 0) {
  return rgtbdDesc[iTb].rgszExtentName[side][extent];
}

void WriteBytes(const std::string& path, size_t cb) {
  std::ofstream(path, std::ios::binary) << std::string(cb, '\1');
}

class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    guard.SetPositions(iKqk, 3000, 3100);
    guard.SetPositions(iKqkq, 2000, 2000);
  }
  void TearDown() override {
    while (cTbInitRefs > 0) VTbRelease();
    VDetachAllTbFiles();
  }
  // Writes a plain side of table iTb into dir.
  void Side(const CTempDir& d, int iTb, color side) {
    ASSERT_TRUE(FWriteTbSide(d.Path(), iTb, side, TbtPattern));
  }
  std::string Paths(std::initializer_list<std::string> dirs, const char* szSep = ";") {
    std::string s;
    for (const std::string& d : dirs) s += (s.empty() ? "" : szSep) + d;
    return s;
  }

  CTempDir a, b;
  CTbDescGuard guard;
};

TEST_F(FilesTest, FindsTablesAlongThePathListInOrder) {
  Side(a, iKqk, 0);
  Side(b, iKqk, 0);
  Side(b, iKqk, 1);
  EXPECT_EQ(ITbInit(Paths({"/nonexistent", a.Path(), b.Path()}, ",").c_str(), 1024), 3);
  EXPECT_EQ(std::string(SzName(iKqk, 0)), a.Path() + "/kqk.nbw");  // the first directory wins
  EXPECT_EQ(std::string(SzName(iKqk, 1)), b.Path() + "/kqk.nbb");
  EXPECT_EQ(ITbFindFromPieceLists((const int[]){5}, nullptr, 1, 0), iKqk);
}

TEST_F(FilesTest, EmptyElementsAreTheWorkingDirectory) {
  char szCwd[1024];
  ASSERT_TRUE(getcwd(szCwd, sizeof(szCwd)));
  CTempDir cwd;
  ASSERT_EQ(chdir(cwd.Path().c_str()), 0);
  Side(cwd, iKqk, 0);
  Side(b, iKqk, 0);
  Side(b, iKqk, 1);
  // a, the working directory, then b.
  EXPECT_EQ(ITbInit((a.Path() + ";:" + b.Path()).c_str(), 1024), 3);
  EXPECT_STREQ(SzName(iKqk, 0), "kqk.nbw");
  EXPECT_EQ(std::string(SzName(iKqk, 1)), b.Path() + "/kqk.nbb");
  VTbRelease();
  // A trailing separator puts the working directory last.
  EXPECT_EQ(ITbInit((b.Path() + "/:").c_str(), 1024), 3);
  EXPECT_EQ(std::string(SzName(iKqk, 0)), b.Path() + "/kqk.nbw");  // no second '/'
  VTbRelease();
  EXPECT_EQ(ITbInit("", 1024), 3);
  EXPECT_STREQ(SzName(iKqk, 0), "kqk.nbw");
  EXPECT_EQ(SzName(iKqk, 1), nullptr);
  ASSERT_EQ(chdir(szCwd), 0);
}

TEST_F(FilesTest, ThePieceCountIsThatOfTheHighestTableFound) {
  const int rgiTb[] = {5, 6, 35, 36, 145, 146};
  const int rgcPieces[] = {3, 4, 4, 5, 5, 6};
  for (int i = 0; i < 6; i++) {
    CTempDir d;
    guard.Set(rgiTb[i], 0, 100, 100);
    Side(d, rgiTb[i], 1);
    EXPECT_EQ(ITbInit(d.Path().c_str(), 1024), rgcPieces[i]) << rgiTb[i];
    VTbRelease();
  }
  EXPECT_EQ(ITbInit(a.Path().c_str(), 1024), 0);
  EXPECT_EQ(ITbInit(nullptr, 1024), 0);
}

TEST_F(FilesTest, ReferenceCountAndRelease) {
  Side(a, iKqk, 0);
  EXPECT_EQ(ITbInit(a.Path().c_str(), 2048), 3);
  unsigned cSlots = ctbcSlots;
  EXPECT_EQ(cSlots, (2048u << 10) / cbTbSlot);
  // A second initialisation only counts: the path and the cache stay.
  EXPECT_EQ(ITbInit(b.Path().c_str(), 4096), 3);
  EXPECT_EQ(cTbInitRefs, 2);
  EXPECT_EQ(ctbcSlots, cSlots);
  VTbRelease();
  EXPECT_NE(SzName(iKqk, 0), nullptr);
  EXPECT_EQ(ctbcSlots, cSlots);
  VTbRelease();
  EXPECT_EQ(cTbInitRefs, 0);
  EXPECT_EQ(ctbcSlots, 0u);
  EXPECT_EQ(pbTbCacheAlloc, nullptr);
  VTbRelease();  // unmatched: no effect
  EXPECT_EQ(cTbInitRefs, 0);
  // A fresh initialisation takes its own path.
  EXPECT_EQ(ITbInit(b.Path().c_str(), 1024), 0);
  EXPECT_EQ(SzName(iKqk, 0), nullptr);
}

TEST_F(FilesTest, CacheSizes) {
  for (int cacheKB : {0, 1, 1023, -5}) {
    ITbInit(a.Path().c_str(), cacheKB);
    EXPECT_EQ(ctbcSlots, (1u << 20) / cbTbSlot) << cacheKB;
    VTbRelease();
  }
  ITbInit(a.Path().c_str(), 256 << 10);
  EXPECT_EQ(ctbcSlots, (256u << 20) / cbTbSlot);
  VTbRelease();
  ITbInit(a.Path().c_str(), 1 << 21);  // 2 GB overflows 32 bits: the smallest cache
  EXPECT_EQ(ctbcSlots, (1u << 20) / cbTbSlot);
}

TEST_F(FilesTest, PlainSizeRule) {
  ITbInit(nullptr, 1024);
  WriteBytes(a.File("kqk.nbw"), 2999);
  EXPECT_FALSE(FOpenTbExtent(a.Path().c_str(), iKqk, 0, 0));
  WriteBytes(a.File("kqk.nbw"), 3000);
  EXPECT_TRUE(FOpenTbExtent(a.Path().c_str(), iKqk, 0, 0));
  // Sides without a count, 16-bit tables and sides of 2^31 positions or more go unchecked.
  guard.SetPositions(iKqk, 3000, 0);
  WriteBytes(a.File("kqk.nbb"), 17);
  EXPECT_TRUE(FOpenTbExtent(a.Path().c_str(), iKqk, 1, 0));
  guard.Set(iKqkq, f16Bit | fSymmetric, 2000, 2000);
  WriteBytes(a.File("kqkq.nbw"), 5);
  EXPECT_TRUE(FOpenTbExtent(a.Path().c_str(), iKqkq, 0, 0));
  guard.Set(iKrbkbn, fSplit, cbExtent + 40, 1000);
  ASSERT_EQ(CTbExtents(rgtbdDesc[iKrbkbn], 0), 2);
  WriteBytes(a.File("krbkbn.1.nbw"), 41);
  EXPECT_TRUE(FOpenTbExtent(a.Path().c_str(), iKrbkbn, 0, 1));
  // The side's extent loop stops at the first extent that fails.
  WriteBytes(a.File("krbkbn.0.nbb"), 999);
  WriteBytes(a.File("krbkbn.1.nbb"), 1000);
  EXPECT_FALSE(FOpenTbSide(a.Path().c_str(), iKrbkbn, 1));
}

// A compressed file must declare the side's values: the position count, or for a split
// side a full extent or the remainder; 16-bit values take two bytes each.
TEST_F(FilesTest, CompressedSizeRule) {
  ITbInit(nullptr, 1024);
  std::vector<unsigned char> rgb(1000, 3);
  ASSERT_TRUE(WriteDatacompFile(a.File("kqk.nbw.emd"), rgb));
  guard.SetPositions(iKqk, 999, 0);
  EXPECT_FALSE(FOpenTbExtent(a.Path().c_str(), iKqk, 0, 0));
  guard.SetPositions(iKqk, 1000, 0);
  EXPECT_TRUE(FOpenTbExtent(a.Path().c_str(), iKqk, 0, 0));
  EXPECT_NE(rgtbdDesc[iKqk].rgpdiExtent[0][0], nullptr);
  guard.Set(iKqk, f16Bit, 1000, 500);
  ASSERT_TRUE(WriteDatacompFile(a.File("kqk.nbb.emd"), rgb));
  EXPECT_TRUE(FOpenTbExtent(a.Path().c_str(), iKqk, 1, 0));
  guard.Set(iKrbkbn, fSplit, cbExtent + 300, 0);
  ASSERT_TRUE(WriteDatacompFile(a.File("krbkbn.1.nbw.emd"), std::vector<unsigned char>(301)));
  EXPECT_FALSE(FOpenTbExtent(a.Path().c_str(), iKrbkbn, 0, 1));
  ASSERT_TRUE(WriteDatacompFile(a.File("krbkbn.1.nbw.emd"), std::vector<unsigned char>(300)));
  EXPECT_TRUE(FOpenTbExtent(a.Path().c_str(), iKrbkbn, 0, 1));
}

TEST_F(FilesTest, ExtentsOfOneSideMayComeFromDifferentDirectories) {
  guard.Set(iKrbkbn, fSplit, 2 * cbExtent + 40, 0);
  ASSERT_TRUE(FWriteTbChunks(a.Path(), iKrbkbn, 0, {}, TbtPattern));
  ASSERT_EQ(unlink(TbExtentPath(a.Path(), iKrbkbn, 0, 1).c_str()), 0);
  ASSERT_TRUE(FWriteTbChunks(b.Path(), iKrbkbn, 0, {}, TbtPattern));
  EXPECT_EQ(ITbInit(Paths({a.Path(), b.Path()}).c_str(), 1024), 6);
  EXPECT_EQ(std::string(SzName(iKrbkbn, 0, 0)), a.Path() + "/krbkbn.0.nbw");
  EXPECT_EQ(std::string(SzName(iKrbkbn, 0, 1)), b.Path() + "/krbkbn.1.nbw");
  EXPECT_EQ(std::string(SzName(iKrbkbn, 0, 2)), b.Path() + "/krbkbn.2.nbw");
}

TEST_F(FilesTest, SymmetricTablesUseTheWhiteFilesOnly) {
  Side(a, iKqkq, 0);
  WriteBytes(a.File("kqkq.nbb"), 2000);
  EXPECT_EQ(ITbInit(a.Path().c_str(), 1024), 4);
  EXPECT_NE(SzName(iKqkq, 0), nullptr);
  EXPECT_EQ(SzName(iKqkq, 1), nullptr);
  EXPECT_TRUE(FOpenTbExtent(b.Path().c_str(), iKqkq, 1, 0));
  EXPECT_EQ(SzName(iKqkq, 1), nullptr);
}

// The compressed forms are tried in order; the first that opens decides. A form that
// opens counts in cCompressedOpened once it has a size, whether its header passes or not.
TEST_F(FilesTest, CompressedNameForms) {
  ITbInit(nullptr, 1024);
  auto opened = [&](std::initializer_list<std::pair<const char*, size_t>> files, int iTb) {
    CTempDir d;
    for (auto& [sz, cb] : files) WriteBytes(d.File(sz), cb);
    int c = cCompressedOpened;
    EXPECT_FALSE(FOpenTbExtent(d.Path().c_str(), iTb, 0, 0));
    return cCompressedOpened - c;
  };
  EXPECT_EQ(opened({{"kqk.nbw.emd", 9}}, iKqk), 1);
  EXPECT_EQ(opened({{"kqk.nbw", 0}, {"kqknbw.emd", 9}}, iKqk), 1);  // empty plain file
  EXPECT_EQ(opened({{"kqk.nbw.emd", 0}, {"kqk_nbw.emd", 9}}, iKqk), 0);
  EXPECT_EQ(opened({{"kqk_nbw.emd", 0}, {"kqk_nbw_emd", 9}}, iKqk), 0);
  EXPECT_EQ(opened({{"kqk_nbw_emd", 0}, {"kqknbw.emd", 9}}, iKqk), 0);
  EXPECT_EQ(opened({{"kqknbw.emd", 9}}, iKqk), 1);
  EXPECT_EQ(opened({{"kqk.nbw", 5}, {"kqk.nbw.emd", 9}}, iKqk), 0);  // wrong plain size
  // Split tables have only the first form; tables above 110 no short form.
  guard.Set(iKrbkbn, fSplit, 100, 100);
  EXPECT_EQ(opened({{"krbkbn.0.nbw.emd", 9}}, iKrbkbn), 1);
  EXPECT_EQ(opened({{"krbkbn.0_nbw.emd", 9}}, iKrbkbn), 0);
  guard.Set(iKrbkbn, 0, 100, 100);
  EXPECT_EQ(opened({{"krbkbn_nbw_emd", 9}}, iKrbkbn), 1);
  EXPECT_EQ(opened({{"krbkbnnbw.emd", 9}}, iKrbkbn), 0);
}

TEST_F(FilesTest, BadFilesLeaveTheTableAbsent) {
  ASSERT_EQ(mkdir(a.File("kqk.nbw").c_str(), 0700), 0);  // a directory where a file belongs
  Side(b, iKqk, 1);
  ASSERT_EQ(truncate(TbExtentPath(b.Path(), iKqk, 1, 0).c_str(), 10), 0);
  EXPECT_EQ(ITbInit(Paths({a.Path(), b.Path()}).c_str(), 1024), 0);
  EXPECT_EQ(SzName(iKqk, 0), nullptr);
  EXPECT_EQ(SzName(iKqk, 1), nullptr);
}

TEST_F(FilesTest, AnExtentIsNotRegisteredWithoutItsNameCopyOrBuckets) {
  ITbInit(nullptr, 1024);
  Side(a, iKqk, 0);
  cNothrowUntilFailure = 0;  // the name copy
  EXPECT_FALSE(FOpenTbExtent(a.Path().c_str(), iKqk, 0, 0));
  cNothrowUntilFailure = 1;  // the buckets
  EXPECT_FALSE(FOpenTbExtent(a.Path().c_str(), iKqk, 0, 0));
  cNothrowUntilFailure = -1;
  EXPECT_EQ(SzName(iKqk, 0), nullptr);
  EXPECT_EQ(rgtbdDesc[iKqk].rgpBuckets[0], nullptr);
  EXPECT_TRUE(FOpenTbExtent(a.Path().c_str(), iKqk, 0, 0));
  EXPECT_NE(rgtbdDesc[iKqk].rgpBuckets[0], nullptr);
}

TEST(TbStrings, BoundedCopyAndAppend) {
  char sz[8];
  EXPECT_EQ(mystrcpy_s(sz, sizeof(sz), "abc"), sz);
  EXPECT_EQ(mystrcat_s(sz, sizeof(sz), "defg"), sz);
  EXPECT_STREQ(sz, "abcdefg");
  EXPECT_DEATH(mystrcat_s(sz, sizeof(sz), "h"), "strlen\\(strDest\\) < sizeInCharacters");
  EXPECT_DEATH(mystrcpy_s(sz, sizeof(sz), "12345678"), "strlen\\(strDest\\) < sizeInCharacters");
}

}  // namespace
