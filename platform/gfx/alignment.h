#pragma once

// How text or a picture sits in the space given to it. Value parsers, columns
// and controls share these without depending on the controls that use them.

namespace kx {

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };
enum class TTextLayout { tlTop, tlCenter, tlBottom };

}  // namespace kx
