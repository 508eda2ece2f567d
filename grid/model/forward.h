#pragma once

namespace kx {
class TCell;
class TStringCell;
class TFloatCell;
class TIntegerCell;
struct TRow;
class TCells;
class TColumnPart;
class TColumnHeader;
class TColumnFooter;
class TDgCustomColumn;
class TDgTextColumn;
class TDgNumberColumn;
class TDgImageColumn;
class TDgColumns;
class TDataGrid;
}  // namespace kx
