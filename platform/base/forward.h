#pragma once

namespace kx {
struct TPoint;
struct TSize;
struct TRect;
class Exception;
class EConvertError;
class EListError;
class TMemIniFile;
}  // namespace kx
