#pragma once

#include <string>
#include <vector>

namespace kx::skingen {

// The definition text of the Kestrix Red skin, one entry per line.
std::vector<std::string> KestrixRedDefinition();

// The [PICTURES] file names of the frame picture, the mask and the active pictures.
inline const std::vector<std::string>& KestrixRedActivePictureNames() {
  static const std::vector<std::string> names = {
      "active.BMP",     "pw.bmp",          "menuitems.bmp",   "hw.bmp",
      "controls.bmp",   "mdibg.bmp",       "pwmask.bmp",      "hwmask.bmp",
      "buttonmask.bmp", "bactivemask.bmp", "bactivemask1.bmp"};
  return names;
}

}  // namespace kx::skingen
