#include "platform/sys/shell.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <sstream>
#include <thread>

namespace kx {
namespace {

TEST(ShellTest, TheUrlIsOneArgumentAndNoShellSeesIt) {
  char pattern[] = "/tmp/kestrix-shell-XXXXXX";
  std::string dir = mkdtemp(pattern);
  std::string opener = dir + "/opener";
  std::string record = dir + "/args";
  {
    std::ofstream script(opener);
    script << "#!/bin/sh\nprintf '%s|%s\\n' \"$#\" \"$1\" > '" << record << ".tmp'\nmv '" << record
           << ".tmp' '" << record << "'\n";
  }
  chmod(opener.c_str(), 0755);
  std::string url = "http://h/a;touch " + dir + "/pwned;$(touch " + dir + "/pwned2)`id`";
  ASSERT_TRUE(ShellOpenWith(opener, url));
  std::string line;
  for (int i = 0; i < 200 && line.empty(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
    std::ifstream in(record);
    std::getline(in, line);
  }
  EXPECT_EQ(line, "1|" + url);
  EXPECT_NE(access((dir + "/pwned").c_str(), F_OK), 0);
  EXPECT_NE(access((dir + "/pwned2").c_str(), F_OK), 0);
  std::system(("rm -rf '" + dir + "'").c_str());
}

TEST(ShellTest, AMissingOpenerIsReportedAsFailure) {
  EXPECT_FALSE(ShellOpenWith("/nonexistent/opener", "http://h/"));
}

}  // namespace
}  // namespace kx
