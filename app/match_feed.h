#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

namespace kx {

class TDataGrid;
class TControl;

// One match of the feed: 25 texts named after the tags that carry them.
struct MatchRecord {
  std::string id, date, time, home, away, liga, kf1, kf2, kf3;
  std::string p1, x, p2, t05, t15, t25, oz, count;
  std::string p1v, xv, p2v, t05v, t15v, t25v, ozv, countv;
};

// The tags of a match element in reading order.
inline constexpr std::array<std::string_view, 25> kMatchTags{
    "id", "date", "time", "home", "away", "liga", "kf1",   "kf2",   "kf3",
    "p1", "x",    "p2",   "t05",  "t15",  "t25",  "oz",    "count", "p1v",
    "xv", "p2v",  "t05v", "t15v", "t25v", "ozv",  "countv"};

// Reads the text of the first element called name in data into slot: empty when
// data has no opening tag, unchanged when the opening tag has no closing tag after it.
void ExtractTag(std::string_view data, std::string_view name, std::string& slot);

// True when the document says "Failed": the service refused the login.
bool IsRefusedFeed(std::string_view document);

enum class FeedOutcome {
  Refused,    // the document says "Failed": the service refused the login
  NoMatches,  // the document holds no "<match"
  Read        // every match element went to the callback
};

// Cuts a feed document into match elements and hands the record of each, in
// document order, to onRecord. Every "<match" starts an element, which ends
// before the first "</match>" after it (empty without one); a tag opened but
// not closed in an element keeps the text of the element before. Runs in time
// linear in the document's size. An exception of onRecord ends the reading.
FeedOutcome ReadMatchFeed(std::string_view document,
                          const std::function<void(const MatchRecord&)>& onRecord);

// What the feed loader does with a fetched document: on a refusal shows the
// authorisation message and stops; otherwise adds a row of table per match and
// sets countLabel's caption to "Count: " and the row count. The table is not
// cleared here (the loader clears it before the fetch). A conversion error of a
// row leaves the rows so far and reaches the caller.
void ShowMatchFeed(std::string_view document, TDataGrid& table, TControl& countLabel,
                   const std::function<void(const std::string&)>& showMessage);

// The message of a refused login, in the system code page.
std::string AuthorisationFailedMessage();

}  // namespace kx
