#pragma once

#include <cstdint>

#include "app/match_feed.h"
#include "platform/base/color.h"

namespace kx {

class TComponent;
class TCustomImageList;
class TDataGrid;

// Column indexes of the match table NG.
namespace ng {
inline constexpr int kId = 0;
inline constexpr int kFlag = 1;
inline constexpr int kTime = 2;
inline constexpr int kHome = 3;
inline constexpr int kAway = 4;
inline constexpr int kFirstOdds = 5;         // kf1, kf2, kf3
inline constexpr int kFirstAverage = 8;      // p1 .. oz, then count (15)
inline constexpr int kFirstCurrent = 16;     // p1v .. ozv, then countv (23)
inline constexpr int kFirstDifference = 24;  // seven differences
inline constexpr int kPercent = 31;
inline constexpr int kColumnCount = 32;
}  // namespace ng

// Colours of the match table's highlight rules.
inline constexpr TColor kRiseColor = 0x0000BF00;    // a positive difference
inline constexpr TColor kLightYellow = 0x0080FFFF;  // a result above its threshold
inline constexpr TColor kLightGreen = 0x0080FF80;   // a goal line above its threshold
inline constexpr TColor kHeaderOlive = 0x00408080;
inline constexpr TColor kMatchSelectionColor = 0x008658DA;

// Gives the grid NG its 32 columns (owned by owner), with their kinds, headers,
// widths, visibility, colours, alignment, sorting and fonts, and the grid
// options; the flag column shows images of flags.
void DefineMatchTable(TDataGrid& table, TComponent* owner, TCustomImageList* flags);

// Appends one row for the record: its texts, the flag of its league, the seven
// differences, the percent and the highlight colours. A counter that is not a
// number raises the conversion error from its cell; the row stays as far as it
// was filled.
void AddMatchRow(TDataGrid& table, const MatchRecord& record);

// The percent of countv in count, rounded half to even in extended precision.
// 64 bits: a large countv over a count of 1 passes 32 bits.
std::int64_t MatchPercent(int count, int countv);

}  // namespace kx
