#include "app/match_feed.h"

#include <algorithm>
#include <vector>

#include "app/match_table.h"
#include "grid/data_grid.h"
#include "platform/base/number_conv.h"
#include "platform/base/strings.h"
#include "platform/forms/controls.h"

namespace kx {

namespace {

constexpr std::string_view kMatchOpen = "<match";
constexpr std::string_view kMatchClose = "</match>";
constexpr std::size_t kTagCount = kMatchTags.size();
constexpr std::size_t kLongestTag = 6;  // "countv"
// The element starts after these bytes of its "<match", with the letters "ch".
constexpr std::size_t kElementSkip = 4;
// Tags 10 to 25 are counters: empty ones read "0".
constexpr std::size_t kFirstCounter = 9;
// Tags 4 to 25 are trimmed.
constexpr std::size_t kFirstTrimmed = 3;

int TagIndex(std::string_view name) {
  for (std::size_t i = 0; i < kTagCount; ++i) {
    if (kMatchTags[i] == name) return static_cast<int>(i);
  }
  return -1;
}

// Where every tag of interest stands in the document, found in one pass, so
// that each element is read by binary searches instead of scanning its text
// (an element without "</match>" may span the rest of the document).
class FeedIndex {
 public:
  explicit FeedIndex(std::string_view doc) {
    for (std::size_t at = doc.find('<'); at != std::string_view::npos; at = doc.find('<', at + 1)) {
      std::string_view rest = doc.substr(at);
      if (rest.starts_with(kMatchOpen)) matchOpens.push_back(at);
      if (rest.starts_with(kMatchClose)) matchCloses.push_back(at);
      bool closing = rest.size() > 1 && rest[1] == '/';
      std::size_t nameStart = closing ? 2 : 1;
      std::size_t gt = rest.substr(0, nameStart + kLongestTag + 1).find('>', nameStart);
      if (gt == std::string_view::npos) continue;
      int tag = TagIndex(rest.substr(nameStart, gt - nameStart));
      if (tag < 0) continue;
      (closing ? closes : opens)[static_cast<std::size_t>(tag)].push_back(at);
    }
  }

  static std::size_t FirstAtOrAfter(const std::vector<std::size_t>& list, std::size_t from) {
    auto it = std::lower_bound(list.begin(), list.end(), from);
    return it == list.end() ? std::string_view::npos : *it;
  }

  std::vector<std::size_t> matchOpens;
  std::vector<std::size_t> matchCloses;
  std::array<std::vector<std::size_t>, kTagCount> opens;
  std::array<std::vector<std::size_t>, kTagCount> closes;
};

// ExtractTag on the element doc[begin, end), through the index.
void ExtractIndexedTag(std::string_view doc, const FeedIndex& index, std::size_t tag,
                       std::size_t begin, std::size_t end, std::string& slot) {
  std::size_t openLength = kMatchTags[tag].size() + 2;
  std::size_t open = FeedIndex::FirstAtOrAfter(index.opens[tag], begin);
  if (open == std::string_view::npos || open + openLength > end) {
    slot.clear();
    return;
  }
  std::size_t textStart = open + openLength;
  std::size_t close = FeedIndex::FirstAtOrAfter(index.closes[tag], textStart);
  if (close == std::string_view::npos || close + openLength + 1 > end) return;
  slot.assign(doc.substr(textStart, close - textStart));
}

MatchRecord RecordFromSlots(const std::array<std::string, kTagCount>& slots) {
  std::array<std::string, kTagCount> fields;
  for (std::size_t i = 0; i < kTagCount; ++i) {
    fields[i] = i >= kFirstTrimmed ? std::string(Trim(slots[i])) : slots[i];
    if (i >= kFirstCounter && fields[i].empty()) fields[i] = "0";
  }
  auto take = [&fields](std::size_t i) { return std::move(fields[i]); };
  return MatchRecord{take(0),  take(1),  take(2),  take(3),  take(4),  take(5),  take(6),
                     take(7),  take(8),  take(9),  take(10), take(11), take(12), take(13),
                     take(14), take(15), take(16), take(17), take(18), take(19), take(20),
                     take(21), take(22), take(23), take(24)};
}

}  // namespace

void ExtractTag(std::string_view data, std::string_view name, std::string& slot) {
  std::string open = "<" + std::string(name) + ">";
  std::size_t at = data.find(open);
  if (at == std::string_view::npos) {
    slot.clear();
    return;
  }
  std::string_view rest = data.substr(at + open.size());
  std::size_t close = rest.find("</" + std::string(name) + ">");
  if (close == std::string_view::npos) return;
  slot.assign(rest.substr(0, close));
}

bool IsRefusedFeed(std::string_view document) {
  return document.find("Failed") != std::string_view::npos;
}

FeedOutcome ReadMatchFeed(std::string_view document,
                          const std::function<void(const MatchRecord&)>& onRecord) {
  if (IsRefusedFeed(document)) return FeedOutcome::Refused;
  if (document.find(kMatchOpen) == std::string_view::npos) return FeedOutcome::NoMatches;
  FeedIndex index(document);
  std::array<std::string, kTagCount> slots;
  for (std::size_t open : index.matchOpens) {
    std::size_t begin = open + kElementSkip;
    std::size_t end = FeedIndex::FirstAtOrAfter(index.matchCloses, begin);
    if (end == std::string_view::npos) end = begin;  // no "</match>": an empty element
    for (std::size_t tag = 0; tag < kTagCount; ++tag) {
      ExtractIndexedTag(document, index, tag, begin, end, slots[tag]);
    }
    onRecord(RecordFromSlots(slots));
  }
  return FeedOutcome::Read;
}

std::string AuthorisationFailedMessage() {
  return WideToAnsi(Utf8ToUtf16("Ошибка авторизации!"));
}

void ShowMatchFeed(std::string_view document, TDataGrid& table, TControl& countLabel,
                   const std::function<void(const std::string&)>& showMessage) {
  FeedOutcome outcome =
      ReadMatchFeed(document, [&table](const MatchRecord& record) { AddMatchRow(table, record); });
  if (outcome == FeedOutcome::Refused) {
    showMessage(AuthorisationFailedMessage());
    return;
  }
  if (outcome == FeedOutcome::NoMatches) return;
  countLabel.SetCaption("Count: " + IntToStr(table.RowCount()));
}

}  // namespace kx
