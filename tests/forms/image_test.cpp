#include "platform/forms/image.h"

#include <gtest/gtest.h>

#include "platform/forms/forms.h"
#include "platform/window/test_driver.h"

namespace kx {
namespace {

TBitmap TwoColours() {
  TBitmap b(10, 10, TPixelFormat::pf24bit);
  for (int y = 0; y < 10; ++y) {
    for (int x = 0; x < 10; ++x) b.SetPixelAt(x, y, ColorToPixel(x < 5 ? clRed : clBlue));
  }
  return b;
}

class ImageTest : public ::testing::Test {
 protected:
  HeadlessSession session;
  TForm* form = new TForm(nullptr);
  TImage* image = new TImage(form);
  ~ImageTest() override { delete form; }
  void SetUp() override {
    form->BorderStyle = TFormBorderStyle::bsNone;
    form->SetBounds(0, 0, 200, 200);
    form->SetColor(clWhite);
    image->SetParent(form);
    image->SetBounds(20, 20, 40, 40);
    image->Picture().SetBitmap(TwoColours());
    form->Show();
    session.driver.RunUntilIdle();
  }
  TColor At(int x, int y) { return session.driver.ClientPixel(form->Handle(), {x, y}); }
};

TEST_F(ImageTest, DrawsAtNaturalSizeOrStretched) {
  EXPECT_EQ(At(21, 21), clRed);
  EXPECT_EQ(At(27, 21), clBlue);
  EXPECT_EQ(At(35, 21), clWhite);  // beyond the picture the parent shows
  image->SetStretch(true);
  session.driver.RunUntilIdle();
  EXPECT_EQ(At(35, 21), clRed);
  EXPECT_EQ(At(45, 55), clBlue);
}

TEST_F(ImageTest, ABadJpegRaisesAndKeepsThePicture) {
  std::vector<std::uint8_t> junk{0xFF, 0xD8, 0x00, 0x01, 0x02};
  EXPECT_THROW(image->Picture().LoadJpeg(junk), EJPEG);
  EXPECT_FALSE(image->Picture().IsJpeg());
  EXPECT_EQ(image->Picture().Width(), 10);
  image->Picture().Clear();
  session.driver.RunUntilIdle();
  EXPECT_EQ(At(21, 21), clWhite);
}

}  // namespace
}  // namespace kx
