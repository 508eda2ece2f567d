#pragma once

namespace kx {

class TComponent;
class TControl;
class TCustomImageList;
class TDataGrid;

// Gives the strip MG its five columns (flag, league, time, home, away) and options.
void DefineDetailStrip(TDataGrid& strip, TComponent* owner, TCustomImageList* flags);
// Gives the grid NS its nine columns (row caption, the seven outcomes, the count).
void DefineDetailGrid(TDataGrid& details, TComponent* owner);

// The panel below the match table, filled from one of its rows.
struct MatchDetailPanel {
  TDataGrid& table;    // NG
  TDataGrid& strip;    // MG
  TDataGrid& details;  // NS
  TControl& percent;   // prpr
};

// Fills the panel from row of the match table: the strip names the match, the
// grid sets its differences, odds, current season and three-season averages
// side by side with their colours, and the percent label shows its percent.
void NGCellClick(const MatchDetailPanel& panel, int row);

}  // namespace kx
