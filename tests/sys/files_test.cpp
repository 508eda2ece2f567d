#include "platform/sys/files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/base/exception.h"

namespace kx {
namespace {

class FilesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/kestrix-files-XXXXXX";
    dir = mkdtemp(pattern);
  }
  void TearDown() override { std::system(("rm -rf '" + dir + "'").c_str()); }
  std::string dir;
};

TEST_F(FilesTest, WriteReadDeleteRoundTrip) {
  std::string path = dir + "/qev.log";
  EXPECT_FALSE(FileExists(path));
  WriteWholeFile(path, std::string("login\r\npass\0x\r\n", 15));
  EXPECT_TRUE(FileExists(path));
  EXPECT_EQ(ReadWholeFile(path), std::string("login\r\npass\0x\r\n", 15));
  WriteWholeFile(path, "short");
  EXPECT_EQ(ReadWholeFile(path), "short");
  EXPECT_TRUE(DeleteFile(path));
  EXPECT_FALSE(DeleteFile(path));
  EXPECT_FALSE(FileExists(dir));  // a directory is no file
}

TEST_F(FilesTest, OwnerOnlyModeAppliesToNewAndExistingFiles) {
  std::string path = dir + "/secret";
  WriteWholeFile(path, "a");
  chmod(path.c_str(), 0644);
  WriteWholeFile(path, "b", 0600);
  struct stat info {};
  stat(path.c_str(), &info);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
}

TEST_F(FilesTest, ErrorsNameTheFullPathAndTheSystemText) {
  std::string missing = dir + "/missing.txt";
  try {
    ReadWholeFile(missing);
    FAIL();
  } catch (const EFOpenError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Cannot open file \"" + missing + "\". No such file or directory");
  }
  char cwd[4096];
  ASSERT_NE(getcwd(cwd, sizeof cwd), nullptr);
  ASSERT_EQ(chdir(dir.c_str()), 0);
  try {
    WriteWholeFile("nodir/qev.log", "x");
    FAIL();
  } catch (const EFCreateError& e) {
    EXPECT_EQ(std::string(e.what()),
              "Cannot create file \"" + dir + "/nodir/qev.log\". No such file or directory");
  }
  ASSERT_EQ(chdir(cwd), 0);
}

}  // namespace
}  // namespace kx
