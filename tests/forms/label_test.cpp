#include "platform/forms/label.h"

#include <gtest/gtest.h>

#include "platform/forms/forms.h"
#include "platform/window/test_driver.h"

namespace kx {
namespace {

int DarkPixelsIn(const TBitmap& image, const TRect& r) {
  int dark = 0;
  for (int y = r.Top; y < r.Bottom; ++y) {
    for (int x = r.Left; x < r.Right; ++x) {
      if ((image.ColorAt(x, y) & 0xFF) < 0x60) ++dark;
    }
  }
  return dark;
}

class LabelTest : public ::testing::Test {
 protected:
  HeadlessSession session;
  TForm* form = new TForm(nullptr);
  TCustomLabel* label = new TCustomLabel(form);
  ~LabelTest() override { delete form; }
  void SetUp() override {
    form->BorderStyle = TFormBorderStyle::bsNone;
    form->SetBounds(0, 0, 300, 100);
    form->SetColor(clWhite);
    label->SetParent(form);
    label->SetLeft(10);
    label->SetTop(10);
  }
};

TEST_F(LabelTest, AutoSizeMeasuresTheTextWithoutTheAcceleratorMark) {
  TBitmap scratch(1, 1);
  scratch.Canvas().Font() = label->Font();
  label->SetCaption("&Login");
  EXPECT_EQ(label->Width(), scratch.Canvas().TextWidth("Login"));
  EXPECT_EQ(label->Height(), scratch.Canvas().TextHeight("Login"));
  label->SetShowAccelChar(false);
  EXPECT_EQ(label->Width(), scratch.Canvas().TextWidth("&Login"));
  label->SetCaption("");
  EXPECT_GT(label->Width(), 0);  // an empty caption still measures one space
}

TEST_F(LabelTest, RightJustifiedAutoSizeKeepsTheRightEdge) {
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 200, 20);
  label->SetAlignment(TAlignment::taRightJustify);
  label->SetCaption("Count: 12");
  label->SetAutoSize(true);
  EXPECT_EQ(label->BoundsRect().Right, 210);
}

TEST_F(LabelTest, PaintsTransparentTextOnItsParent) {
  label->SetCaption("Count: 12");
  form->Show();
  session.driver.RunUntilIdle();
  TBitmap image = session.driver.WindowImage(form->Handle());
  EXPECT_GT(DarkPixelsIn(image, label->BoundsRect()), 10);
  TRect right = label->BoundsRect().Offset(label->Width() + 5, 0);
  EXPECT_EQ(DarkPixelsIn(image, right), 0);
  EXPECT_EQ(image.ColorAt(label->Left(), label->Top()), clWhite);  // background shows through

  label->SetTransparent(false);
  label->SetColor(clYellow);
  session.driver.RunUntilIdle();
  EXPECT_EQ(session.driver.ClientPixel(form->Handle(), {label->Left(), label->Top()}), clYellow);
}

TEST_F(LabelTest, WordWrapKeepsTheWidthAndGrowsDown) {
  label->SetAutoSize(false);
  label->SetBounds(10, 10, 60, 20);
  label->SetWordWrap(true);
  label->SetCaption("several words that wrap");
  label->SetAutoSize(true);
  EXPECT_EQ(label->Width(), 60);
  TBitmap scratch(1, 1);
  scratch.Canvas().Font() = label->Font();
  EXPECT_GE(label->Height(), 2 * scratch.Canvas().TextHeight("W"));
}

}  // namespace
}  // namespace kx
