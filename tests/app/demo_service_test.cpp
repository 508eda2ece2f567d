#include "tools/demo-service/demo_service.h"

#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "app/match_feed.h"
#include "app/match_table.h"
#include "grid/data_grid.h"
#include "net/http.h"
#include "net/net_errors.h"
#include "platform/forms/forms.h"
#include "platform/sys/internet.h"
#include "platform/window/test_driver.h"

namespace kx {
namespace {

// The demo service on a free loopback port, served by a thread of its own.
class DemoServiceTest : public ::testing::Test {
 protected:
  DemoServiceTest() : service(Options()) {
    port = service.Bind("127.0.0.1", 0);
    serving = std::thread([this] { service.Serve(); });
    EXPECT_TRUE(service.WaitUntilServing(10000));
  }
  ~DemoServiceTest() override {
    service.Stop();
    serving.join();
  }
  static DemoServiceOptions Options() {
    DemoServiceOptions options;
    options.feed.matches = 120;
    options.feed.seed = 4242;
    options.versionStatus = 302;
    return options;
  }
  std::string Url(const std::string& path) {
    return "http://127.0.0.1:" + std::to_string(port) + path;
  }
  std::string Get(TNetHTTP& http, const std::string& path) {
    std::string body;
    http.Get(Url(path), body);
    return body;
  }

  DemoService service;
  int port = -1;
  std::thread serving;
};

TEST_F(DemoServiceTest, TheFeedOfASeedReadsIntoExactlyItsRowsWithoutAConversionError) {
  HeadlessSession session;
  TForm form(nullptr);
  auto* table = new TDataGrid(&form);
  DefineMatchTable(*table, &form, nullptr);
  std::string feed = GenerateDemoFeed(Options().feed);
  EXPECT_EQ(feed, GenerateDemoFeed(Options().feed));  // the same seed, the same day
  FeedOutcome outcome = ReadMatchFeed(feed, [&](const MatchRecord& r) { AddMatchRow(*table, r); });
  EXPECT_EQ(outcome, FeedOutcome::Read);
  ASSERT_EQ(table->RowCount(), 120);
  // A realistic spread: rises and falls, thresholds passed, and an unknown league.
  int rises = 0, falls = 0, yellow = 0, unknown = 0;
  for (int row = 0; row < table->RowCount(); ++row) {
    rises += table->Cell(24, row).Color() == kRiseColor;
    falls += table->Cell(24, row).Color() == clRed;
    yellow += table->Cell(8, row).Color() == kLightYellow;
    unknown += table->Cell(ng::kFlag, row).AsInteger() == 0;
    EXPECT_FALSE(table->Cells(ng::kHome, row).empty());
    EXPECT_NE(table->Cells(ng::kHome, row), table->Cells(ng::kAway, row));
  }
  EXPECT_GT(rises, 10);
  EXPECT_GT(falls, 10);
  EXPECT_GT(yellow, 3);
  EXPECT_GT(unknown, 0);
  EXPECT_LT(unknown, 30);
}

TEST_F(DemoServiceTest, TheVersionProbeGetsItsStatusAndAWrongPasswordFails) {
  // The probe's Internet API follows the redirect to the current version's file.
  HINTERNET session = InternetOpenA("Kestrix", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
  ASSERT_TRUE(session);
  HINTERNET request = InternetOpenUrlA(session.get(), Url(DemoService::kVersionPath).c_str(),
                                       nullptr, 0, INTERNET_FLAG_RELOAD, 0);
  ASSERT_TRUE(request);
  char status[8] = {};
  DWORD length = sizeof status;
  DWORD index = 0;
  ASSERT_TRUE(HttpQueryInfoA(request.get(), HTTP_QUERY_STATUS_CODE, status, length, index));
  EXPECT_STREQ(status, "200");
  TNetHTTP http;
  EXPECT_THROW(Get(http, DemoService::kVersionPath), ENetHTTPProtocolException);  // no redirects
  EXPECT_EQ(http.Response.ResponseCode, 302);
  std::string refused = Get(http, "/login/kestrix.php?login=demo&pass=wrong");
  EXPECT_NE(refused.find("Failed"), std::string::npos);
  EXPECT_TRUE(http.Response.RawHeaders.AllValues("Set-Cookie").empty());
}

TEST_F(DemoServiceTest, TheLoginSetsASessionCookieThatTheFeedRequestCarries) {
  TNetHTTP http;
  std::string first = Get(http, "/login/kestrix.php?login=demo&pass=demo");
  EXPECT_EQ(first, service.Feed());
  EXPECT_EQ(http.Response.ResponseCode, 200);
  ASSERT_EQ(http.CookieManager()->Cookies().Count(), 1u);
  std::string sent;
  http.OnRequestHead = [&](const std::string& head) { sent = head; };
  std::string second = Get(http, "/login/kestrix.php?login=demo&pass=demo");
  EXPECT_NE(sent.find("Cookie: kxsession="), std::string::npos) << sent;
  EXPECT_EQ(second, first);
  // A later feed of the session: the same matches with moved odds.
  std::string third = Get(http, "/login/kestrix.php?login=demo&pass=demo");
  EXPECT_NE(third, first);
  auto odds = [](const std::string& feed) {
    std::vector<std::string> values;
    for (std::size_t at = feed.find("<kf1>"); at != std::string::npos;
         at = feed.find("<kf1>", at + 1)) {
      values.push_back(feed.substr(at + 5, feed.find('<', at + 5) - at - 5));
    }
    return values;
  };
  auto withoutOdds = [](std::string feed) {
    for (const char* tag : {"kf1", "kf2", "kf3"}) {
      std::string open = std::string("<") + tag + ">";
      for (std::size_t at = feed.find(open); at != std::string::npos;
           at = feed.find(open, at + 1)) {
        feed.erase(at + open.size(), feed.find('<', at + open.size()) - at - open.size());
      }
    }
    return feed;
  };
  EXPECT_EQ(withoutOdds(third), withoutOdds(first));
  std::vector<std::string> before = odds(first), after = odds(third);
  ASSERT_EQ(before.size(), 120u);
  ASSERT_EQ(after.size(), 120u);
  int changed = 0;
  for (std::size_t i = 0; i < before.size(); ++i) {
    changed += before[i] != after[i] ? 1 : 0;
    EXPECT_NEAR(std::stod(after[i]), std::stod(before[i]), std::stod(before[i]) * 0.07 + 0.01);
  }
  EXPECT_GT(changed, 60);
}

}  // namespace
}  // namespace kx
