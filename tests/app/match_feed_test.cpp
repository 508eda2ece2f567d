#include "app/match_feed.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/base/strings.h"

namespace kx {
namespace {

std::vector<std::string> Fields(const MatchRecord& r) {
  return {r.id, r.date, r.time, r.home, r.away, r.liga, r.kf1,   r.kf2,   r.kf3,
          r.p1, r.x,    r.p2,   r.t05,  r.t15,  r.t25,  r.oz,    r.count, r.p1v,
          r.xv, r.p2v,  r.t05v, r.t15v, r.t25v, r.ozv,  r.countv};
}

std::vector<MatchRecord> Read(std::string_view document, FeedOutcome* outcome = nullptr) {
  std::vector<MatchRecord> records;
  FeedOutcome o = ReadMatchFeed(document, [&](const MatchRecord& r) { records.push_back(r); });
  if (outcome) *outcome = o;
  return records;
}

// The loading steps written out as plainly as they are described, with the
// remaining document copied at every step: the reference for the fast reader.
std::vector<std::vector<std::string>> ReferenceRead(std::string document) {
  std::vector<std::vector<std::string>> rows;
  std::vector<std::string> slots(kMatchTags.size());
  std::string rest = document;
  for (std::size_t p = rest.find("<match"); p != std::string::npos; p = rest.find("<match")) {
    rest = rest.substr(p + 4);
    std::size_t q = rest.find("</match>");
    std::string element = q == std::string::npos ? std::string() : rest.substr(0, q);
    std::vector<std::string> row;
    for (std::size_t i = 0; i < kMatchTags.size(); ++i) {
      ExtractTag(element, kMatchTags[i], slots[i]);
      std::string field = i >= 3 ? std::string(Trim(slots[i])) : slots[i];
      if (i >= 9 && field.empty()) field = "0";
      row.push_back(field);
    }
    rows.push_back(row);
  }
  return rows;
}

TEST(ExtractTag, FirstElementWinsAndAnUnclosedTagKeepsTheSlot) {
  std::string slot = "old";
  ExtractTag("<p1>12</p1><p1>13</p1>", "p1", slot);
  EXPECT_EQ(slot, "12");
  ExtractTag("<p1v>7</p1v>", "p1", slot);  // ">" is part of the name's tag
  EXPECT_EQ(slot, "");
  slot = "kept";
  ExtractTag("<home>Lazio", "home", slot);
  EXPECT_EQ(slot, "kept");
  ExtractTag("<home></home>", "home", slot);
  EXPECT_EQ(slot, "");
  slot = "kept";
  ExtractTag("</home><home>", "home", slot);  // a closing tag before the opening one does not count
  EXPECT_EQ(slot, "kept");
}

TEST(MatchFeed, OneSparseElementGivesTextsAndZeroCounters) {
  auto rows = Read("Today's feed <match><id>7</id><home> A </home></match> bye");
  ASSERT_EQ(rows.size(), 1u);
  std::vector<std::string> f = Fields(rows[0]);
  EXPECT_EQ(f[0], "7");
  EXPECT_EQ(f[3], "A");
  for (std::size_t i = 9; i < 25; ++i) EXPECT_EQ(f[i], "0") << kMatchTags[i];
  for (std::size_t i : {1u, 2u, 4u, 5u, 6u, 7u, 8u}) EXPECT_EQ(f[i], "") << kMatchTags[i];
}

TEST(MatchFeed, UnclosedTagsRepeatThePreviousElementAndTrimmingFollowsTheFieldRules) {
  auto rows = Read(
      "<match><id> 5 </id><away>Roma</away><p1>  </p1><time> 18:00 </time></match>"
      "<match><id>6</id><away>Milan</match>");
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].id, " 5 ");        // id is not trimmed
  EXPECT_EQ(rows[0].time, " 18:00 ");  // nor is the time
  EXPECT_EQ(rows[0].p1, "0");          // only spaces: trimmed to empty, then "0"
  EXPECT_EQ(rows[1].away, "Roma");     // opened, never closed: the slot keeps its text
  EXPECT_EQ(rows[1].p1, "0");          // no p1 tag at all: emptied
}

TEST(MatchFeed, EveryMatchPrefixStartsAnElement) {
  auto rows = Read("<matches><id>1</id>");  // no "</match>": an empty element
  ASSERT_EQ(rows.size(), 1u);
  EXPECT_EQ(rows[0].id, "");
  EXPECT_EQ(rows[0].countv, "0");
  rows = Read("<matches><match><id>1</id></match></matches>");
  ASSERT_EQ(rows.size(), 2u);  // "<matches" runs on to the first "</match>"
  EXPECT_EQ(rows[0].id, "1");
  EXPECT_EQ(rows[1].id, "1");
}

TEST(MatchFeed, AMissingEndRunsOnToTheNextElementsEnd) {
  auto rows = Read("<match><home>A</home><match><home>B</home><away>C</away></match>");
  ASSERT_EQ(rows.size(), 2u);
  EXPECT_EQ(rows[0].home, "A");
  EXPECT_EQ(rows[0].away, "C");  // the first element's span holds the second
  EXPECT_EQ(rows[1].home, "B");
}

TEST(MatchFeed, RefusalsAndDocumentsWithoutMatchesGiveNoRecords) {
  FeedOutcome outcome{};
  EXPECT_TRUE(Read("<match><id>1</id></match> Failed", &outcome).empty());
  EXPECT_EQ(outcome, FeedOutcome::Refused);
  EXPECT_TRUE(Read("nothing today", &outcome).empty());
  EXPECT_EQ(outcome, FeedOutcome::NoMatches);
  EXPECT_TRUE(Read("", &outcome).empty());
  EXPECT_EQ(outcome, FeedOutcome::NoMatches);
  Read("<Match><id>1</id></match>", &outcome);  // case-sensitive
  EXPECT_EQ(outcome, FeedOutcome::NoMatches);
}

TEST(MatchFeed, TheFastReaderAgreesWithThePlainReadingOnRandomDocuments) {
  // Pieces that make every rule meet every other: element bounds, tags of all
  // names opened and closed in any order, look-alike names, spaces and text.
  std::vector<std::string> pieces{"<match", "</match>", "<matches>", "ch", " ",   "x",     "12",
                                  " 7 ",    "<",        ">",         "</", "<ma", "match>"};
  for (std::string_view tag : kMatchTags) {
    pieces.push_back("<" + std::string(tag) + ">");
    pieces.push_back("</" + std::string(tag) + ">");
  }
  std::mt19937 random(20261209);
  std::uniform_int_distribution<std::size_t> pick(0, pieces.size() - 1);
  std::uniform_int_distribution<int> length(0, 120);
  for (int round = 0; round < 400; ++round) {
    std::string document;
    for (int i = length(random); i > 0; --i) document += pieces[pick(random)];
    std::vector<std::vector<std::string>> fast;
    ReadMatchFeed(document, [&](const MatchRecord& r) { fast.push_back(Fields(r)); });
    if (document.find("Failed") != std::string::npos) continue;
    ASSERT_EQ(fast, ReferenceRead(document)) << document;
  }
}

TEST(MatchFeed, AnExceptionOfTheCallbackEndsTheReading) {
  int seen = 0;
  auto throwing = [&](const MatchRecord&) {
    if (++seen == 2) throw std::runtime_error("stop");
  };
  EXPECT_THROW(ReadMatchFeed("<match></match><match></match><match></match>", throwing),
               std::runtime_error);
  EXPECT_EQ(seen, 2);
}

TEST(MatchFeed, TheRefusalMessageIsInTheSystemCodePage) {
  EXPECT_EQ(AnsiToWide(AuthorisationFailedMessage()), Utf8ToUtf16("Ошибка авторизации!"));
}

}  // namespace
}  // namespace kx
