#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <thread>

#include "app/credentials.h"
#include "app/service.h"
#include "platform/base/exception.h"
#include "platform/base/strings.h"
#include "platform/sys/files.h"
#include "tools/demo-service/demo_service.h"

namespace kx {
namespace {

using Lines = std::vector<std::string>;

TEST(Credentials, LinesEndAtCrLfOrCrLfAndANulEndsTheText) {
  EXPECT_EQ(SplitCredentialLines("demo\r\nsecret\r\n"), (Lines{"demo", "secret"}));
  EXPECT_EQ(SplitCredentialLines("demo\nsecret"), (Lines{"demo", "secret"}));
  EXPECT_EQ(SplitCredentialLines("demo\n\rsecret"), (Lines{"demo", "", "secret"}));
  EXPECT_EQ(SplitCredentialLines("demo\rsecret\r"), (Lines{"demo", "secret"}));
  EXPECT_EQ(SplitCredentialLines(std::string("demo\r\nse\0cret", 13)), (Lines{"demo", "se"}));
  EXPECT_EQ(SplitCredentialLines(" a b \r\n"), (Lines{" a b "}));  // nothing trimmed
  EXPECT_TRUE(SplitCredentialLines("").empty());
  EXPECT_EQ(SplitCredentialLines("\r\n"), (Lines{""}));
}

class CredentialsFileTest : public ::testing::Test {
 protected:
  std::filesystem::path dir =
      std::filesystem::temp_directory_path() / ("kx-credentials-" + std::to_string(::getpid()));
  std::string file = (dir / kCredentialsFile).string();
  CredentialsFileTest() { std::filesystem::create_directories(dir); }
  ~CredentialsFileTest() override { std::filesystem::remove_all(dir); }
};

TEST_F(CredentialsFileTest, AGiantFileCostsOnlyItsStart) {
  WriteWholeFile(file, "demo\r\nsecret\r\n" + std::string(3 << 20, 'x'));
  Credentials read = ReadCredentials(file);
  EXPECT_EQ(read.login, "demo");
  EXPECT_EQ(read.password, "secret");
  EXPECT_EQ(ReadFileStart(file, 6), "demo\r\n");
}

TEST_F(CredentialsFileTest, WrittenForTheOwnerOnlyAndReadBack) {
  WriteWholeFile(file, "old", 0644);
  WriteCredentials(file, {"demo", "p&ss word"});
  EXPECT_EQ(ReadWholeFile(file), "demo\r\np&ss word\r\n");
  struct stat st {};
  ASSERT_EQ(::stat(file.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0600u);
  Credentials read = ReadCredentials(file);
  EXPECT_EQ(read.login, "demo");
  EXPECT_EQ(read.password, "p&ss word");
}

TEST_F(CredentialsFileTest, AShortFileGivesEmptyFieldsInsteadOfAnError) {
  WriteWholeFile(file, "only-login\r\n");
  Credentials read = ReadCredentials(file);
  EXPECT_EQ(read.login, "only-login");
  EXPECT_EQ(read.password, "");
  WriteWholeFile(file, "");
  EXPECT_EQ(ReadCredentials(file).login, "");
  EXPECT_THROW(ReadCredentials((dir / "missing").string()), EFOpenError);
}

TEST(ServiceUrls, TheLoginIsPercentEncodedAndOrdinaryOnesStayAsTheyAre) {
  EXPECT_EQ(LoginUrl("stats.kestrix.example", "demo", "secret"),
            "http://stats.kestrix.example/login/kestrix.php?login=demo&pass=secret");
  EXPECT_EQ(LoginUrl("h", "a b&c#d%e", "x/y\\z"),
            "http://h/login/kestrix.php?login=a%20b%26c%23d%25e&pass=x%2Fy%5Cz");
  EXPECT_EQ(PercentEncode("Az09-._~"), "Az09-._~");
  EXPECT_EQ(PercentEncode("\xC3\xA9"), "%C3%A9");
  EXPECT_EQ(VersionProbeUrl("127.0.0.1:8080"), "http://127.0.0.1:8080/refresh/kestrix3.6.txt");
  EXPECT_EQ(UpdatePageUrl(),
            "http://www.kestrix.example/index.php?option=com_content&view=article&id=3&Itemid=12");
  std::string message = UpdateMessage();
  EXPECT_EQ(
      message.find("Update New Version Programm Please!\n\rGo to site www.kestrix.example\n\r"),
      0u);
  EXPECT_EQ(AnsiToWide(message.substr(message.rfind('\r') + 1)),
            Utf8ToUtf16("Обновите программу с сайта!"));
}

TEST(ServiceUrls, TheEnvironmentNamesTheServiceHost) {
  ::unsetenv("KESTRIX_SERVICE_HOST");
  EXPECT_EQ(ServiceHost(), kServiceHost);
  ::setenv("KESTRIX_SERVICE_HOST", "127.0.0.1:4321", 1);
  EXPECT_EQ(ServiceHost(), "127.0.0.1:4321");
  ::setenv("KESTRIX_SERVICE_HOST", "", 1);
  EXPECT_EQ(ServiceHost(), kServiceHost);
  ::unsetenv("KESTRIX_SERVICE_HOST");
}

// The version probe against the demo service with a given answer.
bool ProbeWithStatus(int status, bool prefix) {
  DemoServiceOptions options;
  options.feed.matches = 1;
  options.versionStatus = status;
  DemoService service(options);
  int port = service.Bind("127.0.0.1", 0);
  std::thread serving([&] { service.Serve(); });
  service.WaitUntilServing(10000);
  std::string url = "127.0.0.1:" + std::to_string(port) + DemoService::kVersionPath;
  bool available = UrlAvailable(prefix ? "HTTP://" + url : url);
  service.Stop();
  serving.join();
  return available;
}

TEST(VersionProbe, OnlyTwoHundredOrThreeHundredTwoAfterRedirectsMeanServed) {
  EXPECT_TRUE(ProbeWithStatus(200, false));  // no prefix: "http://" is put in front
  EXPECT_TRUE(ProbeWithStatus(302, true));   // followed to the current version's file
  EXPECT_FALSE(ProbeWithStatus(404, false));
  EXPECT_FALSE(ProbeWithStatus(500, true));
  // Nothing listens on port 1: the URL cannot be opened.
  EXPECT_FALSE(UrlAvailable("http://127.0.0.1:1/refresh/kestrix3.6.txt"));
}

}  // namespace
}  // namespace kx
