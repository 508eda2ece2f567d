#pragma once

namespace kx {
class TCell;
class TStringCell;
class TFloatCell;
class TIntegerCell;
struct TRow;
class TCells;
}  // namespace kx
