#include "skin/controls/skin_check_box.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/base/color.h"
#include "platform/forms/image_list.h"
#include "skin/controls/skin_edit.h"
#include "skin/data/skin_data.h"
#include "tests/skin/skin_controls_fixture.h"

namespace kx {
namespace {

// "Remember" as the window places it: 89 x 25, the 15 x 15 mark at (3, 5).
class CheckBoxTest : public SkinControlsTest {
 protected:
  TksSkinCheckRadioBox& Box(TksSkinData* skin, const std::string& caption = "Remember") {
    auto* box = Place<TksSkinCheckRadioBox>({40, 40, 129, 65}, skin);
    box->SetCaption(caption);
    box->SetCanFocused(false);
    Settle();
    return *box;
  }
  // The mark as shown, against a rectangle of the skin picture.
  bool ShowsMark(const TksSkinCheckRadioBox& box, const TRect& mark) {
    const TBitmap shown = ImageOf(box);
    for (int y = 3; y < mark.Height() - 3; ++y) {
      for (int x = 3; x < mark.Width() - 3; ++x) {
        if (shown.ColorAt(3 + x, 5 + y) != SkinPixel({mark.Left + x, mark.Top + y})) return false;
      }
    }
    return true;
  }
  const TRect kCheck{43, 60, 58, 75}, kUncheck{1, 60, 16, 75}, kActiveCheck{29, 60, 44, 75};
};

TEST_F(CheckBoxTest, TheMarkFollowsCheckedAndTheMouse) {
  TksSkinCheckRadioBox& box = Box(data);
  EXPECT_TRUE(ShowsMark(box, kUncheck));
  int clicks = 0;
  box.OnClick = [&](TObject*) { ++clicks; };
  box.SetChecked(true);
  Settle();
  EXPECT_EQ(clicks, 1);
  EXPECT_TRUE(ShowsMark(box, kCheck));
  session.driver.MoveTo(OnScreen(box, {8, 12}));
  Settle();
  EXPECT_TRUE(ShowsMark(box, kActiveCheck));
}

TEST_F(CheckBoxTest, AGrayedBoxShowsTheCheckedMarkHalfWayToWhite) {
  TksSkinCheckRadioBox& box = Box(data);
  box.SetState(TCheckBoxState::cbGrayed);
  Settle();
  EXPECT_FALSE(box.Checked());
  for (TPoint p : {TPoint{7, 7}, TPoint{4, 9}, TPoint{10, 4}}) {
    const TColor skin = SkinPixel({kCheck.Left + p.X, kCheck.Top + p.Y});
    auto half = [](int c) { return static_cast<std::uint8_t>(std::nearbyint(0.5 * c + 127.5)); };
    const TColor expected =
        RGB(half(GetRValue(skin)), half(GetGValue(skin)), half(GetBValue(skin)));
    EXPECT_EQ(PixelOf(box, {3 + p.X, 5 + p.Y}), expected) << p.X << "," << p.Y;
  }
}

TEST_F(CheckBoxTest, AllowGrayedGoesThroughGrayedOnTheWayToChecked) {
  TksSkinCheckRadioBox& box = Box(data);
  box.AllowGrayed = true;
  std::vector<TCheckBoxState> seen;
  box.OnClick = [&](TObject*) { seen.push_back(box.State()); };
  for (int i = 0; i < 3; ++i) {
    session.driver.Advance(1000);
    session.driver.Click(OnScreen(box, {8, 12}));
    Settle();
  }
  EXPECT_EQ(seen, (std::vector<TCheckBoxState>{TCheckBoxState::cbGrayed, TCheckBoxState::cbChecked,
                                               TCheckBoxState::cbUnchecked}));
  // Unchecking a grayed box from the program leaves it grayed.
  box.SetState(TCheckBoxState::cbGrayed);
  box.SetChecked(false);
  EXPECT_EQ(box.State(), TCheckBoxState::cbGrayed);
}

TEST_F(CheckBoxTest, RadioBoxesOfAGroupUncheckEachOtherQuietly) {
  auto* first = Place<TksSkinCheckRadioBox>({40, 40, 160, 65}, data);
  auto* second = Place<TksSkinCheckRadioBox>({40, 70, 160, 95}, data);
  auto* apart = Place<TksSkinCheckRadioBox>({40, 100, 160, 125}, data);
  for (TksSkinCheckRadioBox* r : {first, second, apart}) {
    r->SetRadio(true);
    r->GroupIndex = 1;
  }
  apart->GroupIndex = 2;
  std::vector<TObject*> clicks;
  for (TksSkinCheckRadioBox* r : {first, second, apart})
    r->OnClick = [&clicks](TObject* sender) { clicks.push_back(sender); };
  first->SetChecked(true);
  apart->SetChecked(true);
  clicks.clear();
  session.driver.Click(OnScreen(*second, {8, 12}));
  Settle();
  EXPECT_TRUE(second->Checked());
  EXPECT_FALSE(first->Checked());
  EXPECT_TRUE(apart->Checked());                     // another group
  EXPECT_EQ(clicks, std::vector<TObject*>{second});  // the radio being unchecked stays quiet
  // A checked radio box is not unchecked by a click.
  session.driver.Advance(1000);
  session.driver.Click(OnScreen(*second, {8, 12}));
  Settle();
  EXPECT_TRUE(second->Checked());
}

TEST_F(CheckBoxTest, StateCheckedUnchecksTheRestOfTheGroupAndClicksOnce) {
  auto* first = Place<TksSkinCheckRadioBox>({40, 40, 160, 65}, data);
  auto* second = Place<TksSkinCheckRadioBox>({40, 70, 160, 95}, data);
  for (TksSkinCheckRadioBox* r : {first, second}) {
    r->SetRadio(true);
    r->GroupIndex = 1;
  }
  first->SetChecked(true);
  std::vector<TObject*> clicks;
  for (TksSkinCheckRadioBox* r : {first, second})
    r->OnClick = [&clicks](TObject* sender) { clicks.push_back(sender); };
  second->SetState(TCheckBoxState::cbChecked);
  EXPECT_TRUE(second->Checked());
  EXPECT_FALSE(first->Checked());
  EXPECT_EQ(first->State(), TCheckBoxState::cbUnchecked);
  EXPECT_EQ(clicks, std::vector<TObject*>{second});
  // Grayed is a state of its own: not checked, and the group is left alone.
  clicks.clear();
  first->SetState(TCheckBoxState::cbGrayed);
  EXPECT_EQ(first->State(), TCheckBoxState::cbGrayed);
  EXPECT_FALSE(first->Checked());
  EXPECT_TRUE(second->Checked());
  EXPECT_EQ(clicks, std::vector<TObject*>{first});
}

TEST_F(CheckBoxTest, TheCaptionsAcceleratorFocusesAndTogglesAFocusableBox) {
  auto* other = Place<TksSkinEdit>({40, 100, 313, 118}, data);  // where the keys go
  TksSkinCheckRadioBox& box = Box(data, "&Remember");
  box.SetCanFocused(true);
  int clicks = 0;
  box.OnClick = [&clicks](TObject*) { ++clicks; };
  other->SetFocus();
  Settle();
  session.driver.PressKey('R', TestDriver::Alt);
  Settle();
  EXPECT_TRUE(box.Checked());
  EXPECT_TRUE(box.Focused());
  EXPECT_EQ(clicks, 1);
  session.driver.PressKey('R', TestDriver::Alt);
  Settle();
  EXPECT_FALSE(box.Checked());
  EXPECT_EQ(other->Caption(), "");  // nothing was typed into the field
  // Another letter, a box that cannot take the focus, and a disabled box are left alone.
  session.driver.PressKey('X', TestDriver::Alt);
  Settle();
  EXPECT_FALSE(box.Checked());
  other->SetFocus();
  box.SetCanFocused(false);
  session.driver.PressKey('R', TestDriver::Alt);
  Settle();
  EXPECT_FALSE(box.Checked());
  EXPECT_TRUE(other->Focused());
  box.SetCanFocused(true);
  box.SetEnabled(false);
  session.driver.PressKey('R', TestDriver::Alt);
  Settle();
  EXPECT_FALSE(box.Checked());
  EXPECT_EQ(clicks, 2);
}

TEST_F(CheckBoxTest, AFlatBoxIgnoresTheMask) {
  // A mask whose white left part would cut the mark away, on a record whose
  // image is fixed at the box's size, so that a region could be built from it.
  TBitmap mask(89, 25);
  mask.Canvas().Brush().Color = clBlack;
  mask.Canvas().FillRect({0, 0, 89, 25});
  mask.Canvas().Brush().Color = clWhite;
  mask.Canvas().FillRect({0, 0, 20, 25});
  data->ActivePictures.push_back(std::make_unique<TBitmap>(std::move(mask)));
  auto* record =
      data->SkinControls[static_cast<std::size_t>(data->GetControlIndex("checkbox"))].get();
  record->MaskPictureIndex = static_cast<int>(data->ActivePictures.size()) - 1;
  record->SkinRect = {0, 0, 89, 25};
  TksSkinCheckRadioBox& box = Box(data);
  ASSERT_EQ(box.PieceKind(), TksPieceKind::pkFixed);
  box.SetChecked(true);
  Settle();
  EXPECT_TRUE(ShowsMark(box, kCheck));
}

TEST_F(CheckBoxTest, TheFocusRectangleSurroundsTheImageWhenTheCaptionIsEmpty) {
  TImageList images(form);
  TBitmap picture(16, 16);
  picture.Canvas().Brush().Color = 0x2080F0;
  picture.Canvas().FillRect({0, 0, 16, 16});
  images.Add(picture, nullptr);
  TksSkinCheckRadioBox& box = Box(data, "");
  box.SetCanFocused(true);
  box.SetImages(&images);
  box.SetImageIndex(0);
  Settle();
  // The image follows the mark: x 15 + 7 = 22, centred: y 12 - 8 = 4.
  EXPECT_EQ(PixelOf(box, {22, 4}), TColor{0x2080F0});
  const std::vector<TColor> before = PixelsOf(box, {0, 0, 89, 25});
  box.SetFocus();
  Settle();
  ASSERT_TRUE(box.Focused());
  // The dotted rectangle (image grown by 2 and 1, right + 1): left edge x 20, top y 3.
  const std::vector<TColor> after = PixelsOf(box, {0, 0, 89, 25});
  int changedOnRing = 0, changedElsewhere = 0;
  const TRect ring{20, 3, 41, 21};
  for (int y = 0; y < 25; ++y) {
    for (int x = 0; x < 89; ++x) {
      const auto i = static_cast<std::size_t>(y * 89 + x);
      const bool changed = after[i] != before[i];
      const TPoint p{x, y};
      const bool onRing = ring.Contains(p) && !ring.Inflated(-1, -1).Contains(p);
      (onRing ? changedOnRing : changedElsewhere) += changed ? 1 : 0;
    }
  }
  EXPECT_GT(changedOnRing, 20);
  EXPECT_EQ(changedElsewhere, 0);
}

TEST_F(CheckBoxTest, ThePlainBoxDrawsItsFrameAndStrokes) {
  TksSkinCheckRadioBox& box = Box(nullptr);
  const int y0 = 25 / 2 - 4;
  EXPECT_EQ(PixelOf(box, {3, 12 - 7}), ColorToRGB(clBtnShadow));  // the 14-pixel box
  EXPECT_EQ(PixelOf(box, {16, 12 + 6}), ColorToRGB(clBtnShadow));
  EXPECT_NE(PixelOf(box, {7, y0 + 5}), clBlack);
  box.SetChecked(true);
  Settle();
  for (TPoint p : {TPoint{7, y0 + 5}, TPoint{8, y0 + 6}, TPoint{9, y0 + 7}, TPoint{13, y0 + 1},
                   TPoint{9, y0 + 5}})
    EXPECT_EQ(PixelOf(box, p), clBlack) << p.X << "," << p.Y;
  session.driver.MoveTo(OnScreen(box, {8, 12}));
  Settle();
  EXPECT_EQ(PixelOf(box, {3, 12 - 7}), TColor{0x800000});
  box.SetState(TCheckBoxState::cbGrayed);
  Settle();
  EXPECT_EQ(PixelOf(box, {8, y0 + 6}), ColorToRGB(clGrayText));
  // A radio box shows a 6 x 6 square.
  box.SetRadio(true);
  box.SetChecked(true);
  box.SetEnabled(false);
  Settle();
  EXPECT_EQ(CountOf(box, {7, 12 - 3, 13, 12 + 3}, ColorToRGB(clBtnShadow)), 36);
}

TEST_F(CheckBoxTest, MakingItARadioBoxRepaintsItsMark) {
  TksSkinCheckRadioBox& box = Box(nullptr);
  box.SetChecked(true);
  Settle();
  const TRect square{7, 12 - 3, 13, 12 + 3};
  EXPECT_LT(CountOf(box, square, clBlack), 36);  // the three strokes
  box.SetRadio(true);
  Settle();
  EXPECT_EQ(CountOf(box, square, clBlack), 36);
}

TEST_F(CheckBoxTest, ADestroyedImageListIsLetGo) {
  auto* images = new TImageList(form);
  TBitmap picture(16, 16);
  images->Add(picture, nullptr);
  TksSkinCheckRadioBox& box = Box(data);
  box.SetImages(images);
  delete images;
  EXPECT_EQ(box.Images(), nullptr);
  box.Invalidate();
  Settle();  // paints without the list
}

}  // namespace
}  // namespace kx
