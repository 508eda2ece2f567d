#pragma once

namespace kx {

class TCustomImageList;
class TJPEGImage;

// Fills ImageList1 with the 103 flags of the league table (image 0 the football).
void LoadFlagImages(TCustomImageList& images);
// Fills ImageList2 with the five tab images (0 information, 1 football).
void LoadTabImages(TCustomImageList& images);
// Decodes the About page's picture.
void LoadAboutPicture(TJPEGImage& picture);

}  // namespace kx
