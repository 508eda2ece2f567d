#include "skin/controls/skin_button.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/color.h"
#include "platform/forms/forms.h"
#include "skin/controls/skin_password_edit.h"
#include "skin/data/skin_data.h"
#include "skin/draw/skin_drawing.h"
#include "tests/skin/skin_controls_fixture.h"

namespace kx {
namespace {

// Glyph and caption in the box (10, 20, 110, 60): centre (60, 40), a 16 x 12
// glyph, a 31 x 14 caption, spacing 4; odd sums show the truncating halves.
struct LayoutCase {
  TksButtonLayout layout;
  int margin;
  TPoint glyph, caption;
};

TEST(GlyphLayoutTest, EveryLayoutAndMarginPlacesGlyphAndCaption) {
  using L = TksButtonLayout;
  const LayoutCase cases[] = {
      {L::blGlyphLeft, -1, {35, 34}, {54, 33}},    // half (16 + 31 + 4) div 2 = 25
      {L::blGlyphRight, -1, {69, 34}, {35, 33}},   //
      {L::blGlyphTop, -1, {52, 25}, {45, 41}},     // half (14 + 12 + 4) div 2 = 15
      {L::blGlyphBottom, -1, {52, 43}, {45, 25}},  //
      {L::blGlyphLeft, 5, {15, 34}, {35, 33}},     // from the left edge + margin
      {L::blGlyphRight, 5, {89, 34}, {54, 33}},    // from the right edge - margin
      {L::blGlyphTop, 5, {52, 25}, {45, 41}},      // from the top edge + margin
      {L::blGlyphBottom, 5, {52, 43}, {45, 25}},   // from the bottom edge - margin
  };
  const TRect box{10, 20, 110, 60};
  for (const LayoutCase& c : cases) {
    TksGlyphLayout at =
        LayoutGlyphAndCaption(box, {16, 12}, {31, 14}, c.margin, 4, c.layout, false);
    EXPECT_EQ(at.glyph, c.glyph) << static_cast<int>(c.layout) << ", margin " << c.margin;
    EXPECT_EQ(at.caption, c.caption) << static_cast<int>(c.layout) << ", margin " << c.margin;
    TksGlyphLayout down =
        LayoutGlyphAndCaption(box, {16, 12}, {31, 14}, c.margin, 4, c.layout, true);
    EXPECT_EQ(down.glyph, (c.glyph + TPoint{1, 1}));
    EXPECT_EQ(down.caption, (c.caption + TPoint{1, 1}));
  }
  // Without a glyph the caption alone is centred.
  TksGlyphLayout alone = LayoutGlyphAndCaption(box, {0, 0}, {31, 14}, -1, 1, L::blGlyphLeft, false);
  EXPECT_EQ(alone.caption, (TPoint{60 + 16 - 31, 33}));
}

// The "LOGIN" button as the window places it: the resizable skin, 113 x 25.
class SkinButtonTest : public SkinControlsTest {
 protected:
  TksSkinXFormButton* Login(TksSkinData* skin = nullptr) {
    auto* button = Place<TksSkinXFormButton>({40, 40, 153, 65}, skin ? skin : data);
    button->SetSkinDataName("resizetoolbutton");
    button->SetCaption("LOGIN");
    Settle();
    return button;
  }
  // The leftmost column of a box where a colour shows, or box.Right when none does.
  static int FirstColumnOf(const TBitmap& shown, const TRect& box, TColor color) {
    for (int x = box.Left; x < box.Right; ++x)
      for (int y = box.Top; y < box.Bottom; ++y)
        if (Near(shown.ColorAt(x, y), color)) return x;
    return box.Right;
  }
};

TEST_F(SkinButtonTest, AClickNeedsTheReleaseOverTheButton) {
  TksSkinXFormButton& button = *Login();
  std::vector<std::string> events;
  button.OnClick = [&](TObject*) { events.push_back("click"); };
  button.OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int, int) { events.push_back("up"); };
  const TPoint inside = OnScreen(button, {50, 12}), outside = OnScreen(button, {50, 60});
  session.driver.MoveTo(inside);
  session.driver.Press();
  session.driver.MoveTo(outside);
  session.driver.Release();
  Settle();
  EXPECT_EQ(events, std::vector<std::string>{"up"});
  EXPECT_FALSE(button.Down());
  events.clear();
  session.driver.Advance(1000);
  session.driver.MoveTo(inside);
  session.driver.Press();
  session.driver.MoveTo(outside);
  session.driver.MoveTo(inside);
  session.driver.Release();
  Settle();
  EXPECT_EQ(events, (std::vector<std::string>{"click", "up"}));
  EXPECT_FALSE(button.Focused());  // the frame's button never takes the focus
}

TEST_F(SkinButtonTest, LeavingWhilePressedShowsTheNormalImageAndComingBackThePressedOne) {
  TksSkinXFormButton& button = *Login();
  const TPoint edge{56, 2};  // the top edge, away from the caption
  const TColor normal = PixelOf(button, edge);
  session.driver.MoveTo(OnScreen(button, {50, 12}));
  Settle();
  const TColor hot = PixelOf(button, edge);
  session.driver.Press();
  Settle();
  const TColor pressed = PixelOf(button, edge);
  EXPECT_NE(hot, normal);
  EXPECT_NE(pressed, hot);
  // The skin's own pictures: the active and the pressed rectangle at the same place.
  EXPECT_EQ(hot, SkinPixel({132 + 20, 224 + 2}));
  EXPECT_EQ(pressed, SkinPixel({173 + 20, 224 + 2}));
  session.driver.MoveTo(OnScreen(button, {50, 60}));
  Settle();
  EXPECT_EQ(PixelOf(button, edge), normal);
  session.driver.MoveTo(OnScreen(button, {50, 12}));
  Settle();
  EXPECT_EQ(PixelOf(button, edge), pressed);
  session.driver.Release();
  Settle();
}

TEST_F(SkinButtonTest, TheReleasedImageShowsBeforeTheClickRuns) {
  TksSkinXFormButton& button = *Login();
  const TPoint edge{56, 2};
  TColor seen = 0;
  button.OnClick = [&](TObject*) { seen = PixelOf(button, edge); };
  session.driver.MoveTo(OnScreen(button, {50, 12}));
  Settle();
  const TColor hovered = PixelOf(button, edge);
  session.driver.Press();
  Settle();
  ASSERT_NE(PixelOf(button, edge), hovered);
  session.driver.Release();
  Settle();
  EXPECT_EQ(seen, hovered);  // released and still under the mouse: the active image
}

TEST_F(SkinButtonTest, ADisabledButtonKeepsItsImageAndGreysItsCaption) {
  TksSkinXFormButton& button = *Login();
  const TRect whole{0, 0, 113, 25};
  const std::vector<TColor> enabled = PixelsOf(button, whole);
  button.SetEnabled(false);
  Settle();
  const std::vector<TColor> disabled = PixelsOf(button, whole);
  // Outside the caption box (4, 5, 108, 20) the image is the same; inside it
  // every solid black caption pixel became solid 8421504.
  int caption = 0;
  ASSERT_EQ(enabled.size(), disabled.size());
  for (int y = 0; y < 25; ++y) {
    for (int x = 0; x < 113; ++x) {
      const std::size_t i = static_cast<std::size_t>(y * 113 + x);
      const bool inBox = x >= 4 && x < 108 && y >= 5 && y < 20;
      if (!inBox) {
        EXPECT_EQ(disabled[i], enabled[i]) << x << "," << y;
      } else if (enabled[i] == clBlack) {
        EXPECT_EQ(disabled[i], TColor{0x808080}) << x << "," << y;
        ++caption;
      }
    }
  }
  EXPECT_GT(caption, 4);
  EXPECT_EQ(CountOf(button, whole, clBlack), 0);
}

TEST_F(SkinButtonTest, AnUnskinnedButtonWithItsOwnPictureTakesItsSizeAndShape) {
  auto* button = Place<TksSkinXFormButton>({40, 40, 115, 65}, nullptr);
  const TColor under = PixelOf(*button, {-3, 15});
  button->DefImage = TBitmap(60, 30);
  button->DefImage.Canvas().Brush().Color = 0x3060C0;
  button->DefImage.Canvas().FillRect({0, 0, 60, 30});
  button->DefMask = TBitmap(60, 30);
  button->DefMask.Canvas().Brush().Color = clWhite;
  button->DefMask.Canvas().FillRect({0, 0, 60, 30});
  button->DefMask.Canvas().Brush().Color = clBlack;
  button->DefMask.Canvas().FillRect({10, 0, 60, 30});
  button->ApplySkin();
  Settle();
  EXPECT_EQ(button->Width(), 60);
  EXPECT_EQ(button->Height(), 30);
  // The first ten columns are outside the mask: the form shows through there.
  EXPECT_EQ(PixelOf(*button, {4, 15}), under);
  EXPECT_EQ(PixelOf(*button, {30, 2}), TColor{0x3060C0});
}

// A record of the button kind added to the skin, over a picture whose every
// pixel tells where it lies (red = x * 4, green = y * 4), 40 x 40 from (0, 0).
class HandSizedButtonTest : public SkinButtonTest {
 protected:
  HandSizedButtonTest() {
    TBitmap gradient(60, 60);
    for (int y = 0; y < 60; ++y)
      for (int x = 0; x < 60; ++x)
        gradient.Canvas().SetPixel(
            x, y, RGB(static_cast<std::uint8_t>(x * 4), static_cast<std::uint8_t>(y * 4), 0x40));
    picture = AddPicture(std::move(gradient));
    TBitmap mask(40, 40);  // black: the button; white: its cut-off left-top corner
    mask.Canvas().Brush().Color = clBlack;
    mask.Canvas().FillRect({0, 0, 40, 40});
    mask.Canvas().Brush().Color = clWhite;
    mask.Canvas().FillRect({0, 0, 8, 8});
    maskPicture = AddPicture(std::move(mask));
  }
  int AddPicture(TBitmap bitmap) {
    data->ActivePictures.push_back(std::make_unique<TBitmap>(std::move(bitmap)));
    return static_cast<int>(data->ActivePictures.size()) - 1;
  }
  // A button record named name over the gradient: fixed kind without corner points.
  TksDataSkinButtonControl& AddRecord(const std::string& name) {
    auto record = std::make_unique<TksDataSkinButtonControl>(name);
    record->PictureIndex = picture;
    record->MaskPictureIndex = maskPicture;
    record->SkinRect = {0, 0, 40, 40};
    record->ClientRect = {5, 5, 35, 35};
    auto& added = *record;
    data->SkinControls.push_back(std::move(record));
    return added;
  }
  TksSkinButton* Button(const std::string& record, bool useSkinSize) {
    auto* button = Place<TksSkinButton>({40, 40, 120, 90}, nullptr);  // 80 x 50
    button->SetUseSkinSize(useSkinSize);
    button->SetSkinDataName(record);
    button->SetSkinData(data);
    Settle();
    return button;
  }
  int picture = -1, maskPicture = -1;
};

TEST_F(HandSizedButtonTest, AFixedImageIsStretchedOverTheWholeButton) {
  AddRecord("fixedbutton");
  TksSkinButton& button = *Button("fixedbutton", false);
  ASSERT_EQ(button.PieceKind(), TksPieceKind::pkFixed);
  EXPECT_EQ(button.BoundsRect(), (TRect{40, 40, 120, 90}));  // sized by hand, not by the skin
  TBitmap piece(40, 40);
  CopyPiece(piece, {0, 0}, *data->ActivePicture(picture), {0, 0, 40, 40});
  TBitmap expected(80, 50);
  expected.Canvas().StretchDraw({0, 0, 80, 50}, piece);
  // Along the border, away from the caption: every pixel is the stretched one,
  // where a nine-part fit would keep the 5-pixel borders unscaled.
  const TBitmap shown = ImageOf(button);
  int compared = 0;
  for (int y = 0; y < 50; ++y) {
    for (int x = 0; x < 80; ++x) {
      if (x >= 4 && x < 76 && y >= 4 && y < 46) continue;
      EXPECT_EQ(shown.ColorAt(x, y), expected.ColorAt(x, y)) << x << "," << y;
      ++compared;
    }
  }
  EXPECT_GT(compared, 400);
}

TEST_F(HandSizedButtonTest, TheCaptionBoxGrowsWithTheButton) {
  AddRecord("fixedbutton").Font.Color = clWhite;
  TksSkinButton& button = *Button("fixedbutton", false);
  button.SetCaption("Go");
  Settle();
  // "clientrect" (5, 5, 35, 35) grown by 40 and 10: the caption is centred in (5, 5, 75, 45).
  const TBitmap shown = ImageOf(button);
  TRect ink{80, 50, 0, 0};
  for (int y = 0; y < 50; ++y) {
    for (int x = 0; x < 80; ++x) {
      if (!Near(shown.ColorAt(x, y), clWhite)) continue;
      ink = {std::min(ink.Left, x), std::min(ink.Top, y), std::max(ink.Right, x + 1),
             std::max(ink.Bottom, y + 1)};
    }
  }
  ASSERT_FALSE(ink.IsEmpty());
  EXPECT_NEAR(ink.Left + ink.Width() / 2, 40, 2);
  EXPECT_NEAR(ink.Top + ink.Height() / 2, 25, 2);
}

TEST_F(HandSizedButtonTest, OnlyASkinSizedButtonTakesItsShapeFromTheMask) {
  AddRecord("fixedbutton");
  TksSkinButton& sized = *Button("fixedbutton", true);
  EXPECT_EQ(sized.BoundsRect(), (TRect{40, 40, 80, 80}));  // the fixed kind's own size
  const TColor formColor = PixelOf(sized, {-3, 2});
  EXPECT_EQ(PixelOf(sized, {2, 2}), formColor);  // cut off by the mask
  EXPECT_EQ(PixelOf(sized, {20, 2}), data->ActivePicture(picture)->ColorAt(20, 2));
  sized.SetUseSkinSize(false);
  sized.SetBounds(40, 40, 80, 50);
  Settle();
  EXPECT_NE(PixelOf(sized, {2, 2}), formColor);  // the whole button shows
}

TEST_F(SkinButtonTest, AClickOfAFocusableButtonSetsTheWindowsModalResult) {
  auto* button = Place<TksSkinButton>({40, 40, 115, 65}, data);
  button->ModalResult = 6;
  int clicks = 0;
  button->OnClick = [&](TObject*) {
    ++clicks;
    EXPECT_EQ(form->ModalResult, 6);  // set before OnClick runs
  };
  session.driver.Click(OnScreen(*button, {30, 12}));
  Settle();
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(form->ModalResult, 6);
  // The frame's button never takes the focus and leaves the window's result alone.
  form->ModalResult = 0;
  TksSkinXFormButton& login = *Login();
  login.ModalResult = 2;
  session.driver.Advance(1000);
  session.driver.Click(OnScreen(login, {30, 12}));
  Settle();
  EXPECT_EQ(form->ModalResult, 0);
}

TEST_F(SkinButtonTest, TheDefaultButtonStaysHighlightedUntilAnotherButtonTakesTheFocus) {
  // The focus is on a control that is not a button.
  auto* field = Place<TksSkinPasswordEdit>({240, 40, 361, 61}, nullptr);
  auto* ok = Place<TksSkinButton>({40, 40, 115, 65}, data);
  ok->Default = true;
  auto* other = Place<TksSkinButton>({140, 40, 215, 65}, data);
  field->SetFocus();
  ok->RecreateWnd();
  Settle();
  EXPECT_TRUE(ok->ActsAsDefault());
  EXPECT_FALSE(other->ActsAsDefault());
  const TPoint edge{30, 2};
  const TColor normal = PixelOf(*ok, edge);
  session.driver.MoveTo(OnScreen(*ok, {30, 12}));
  Settle();
  const TColor hot = PixelOf(*ok, edge);
  ASSERT_NE(hot, normal);
  session.driver.MoveTo(OnScreen(*ok, {30, 80}));
  Settle();
  EXPECT_TRUE(ok->MouseIn());
  EXPECT_EQ(PixelOf(*ok, edge), hot);
  // Another button takes the focus and acts as default now: the first lets go.
  session.driver.Click(OnScreen(*other, {30, 12}));
  Settle();
  EXPECT_TRUE(other->ActsAsDefault());
  EXPECT_FALSE(ok->ActsAsDefault());
  session.driver.MoveTo(OnScreen(*ok, {30, 12}));
  session.driver.MoveTo(OnScreen(*ok, {30, 80}));
  Settle();
  EXPECT_FALSE(ok->MouseIn());
  EXPECT_EQ(PixelOf(*ok, edge), normal);
  // The focus leaves the buttons: the default button acts again.
  field->SetFocus();
  Settle();
  EXPECT_TRUE(ok->ActsAsDefault());
  EXPECT_FALSE(other->ActsAsDefault());
}

TEST_F(SkinButtonTest, PlainLooksFollowTheState) {
  auto* button = Place<TksSkinButton>({40, 40, 115, 65}, nullptr);
  button->SetCaption("");
  Settle();
  EXPECT_EQ(PixelOf(*button, {0, 0}), ColorToRGB(clBtnShadow));
  EXPECT_EQ(PixelOf(*button, {5, 5}), ColorToRGB(clBtnFace));
  session.driver.MoveTo(OnScreen(*button, {30, 12}));
  Settle();
  EXPECT_EQ(PixelOf(*button, {0, 0}), TColor{0x800000});
  EXPECT_EQ(PixelOf(*button, {5, 5}), TColor{0xD2BDB6});
  session.driver.Press();
  Settle();
  EXPECT_EQ(PixelOf(*button, {0, 0}), TColor{0x800000});
  EXPECT_EQ(PixelOf(*button, {5, 5}), TColor{0xB59385});
  session.driver.Release();
  Settle();
}

TEST_F(SkinButtonTest, ADefaultSizeAppliesAtOnceWhileUnskinned) {
  auto* button = Place<TksSkinButton>({40, 40, 115, 65}, nullptr);
  button->SetDefaultWidth(90);
  EXPECT_EQ(button->Width(), 90);
  button->SetDefaultHeight(31);
  EXPECT_EQ(button->Height(), 31);
  // Skinned, the skin decides: the frame's resizable skin keeps the size asked.
  button->SetSkinDataName("resizetoolbutton");
  button->SetSkinData(data);
  button->SetBounds(40, 40, 60, 20);
  button->SetDefaultWidth(120);
  EXPECT_EQ(button->Width(), 60);
}

TEST_F(SkinButtonTest, ANewDefaultFontIsDrawnAtOnce) {
  auto* button = Place<TksSkinButton>({40, 40, 115, 65}, nullptr);
  button->SetCaption("OK");
  Settle();
  const TColor red{0x0000E0};
  const TRect face{2, 2, 73, 23};
  EXPECT_EQ(CountNear(*button, face, red), 0);
  button->SetDefaultFont(TFont("Arial", 18, {TFontStyle::fsBold}, red));
  Settle();
  EXPECT_GT(CountNear(*button, face, red), 10);
  // Skinned without the skin's font, the default font draws the caption too.
  auto* skinned = Place<TksSkinButton>({40, 80, 153, 105}, data);
  skinned->SetSkinDataName("resizetoolbutton");
  skinned->SetCaption("LOGIN");
  Settle();
  const TRect box = skinned->StretchedClient();
  const int thin = CountNear(*skinned, box, clBlack);
  skinned->SetUseSkinFont(false);  // the default font is Arial 14 too
  skinned->SetDefaultFont(TFont("Arial", 18, {TFontStyle::fsBold}, clWindowText));
  Settle();
  EXPECT_GT(CountNear(*skinned, box, clBlack), thin + 20);
}

TEST_F(SkinButtonTest, SettingGlyphLayoutAndColoursRepaintsAtOnce) {
  auto* button = Place<TksSkinButton>({40, 40, 140, 65}, nullptr);
  button->SetCaption("OK");
  Settle();
  const TRect face{1, 1, 99, 24};
  const TColor ink = ColorToRGB(clWindowText);
  const int centred = FirstColumnOf(ImageOf(*button), face, ink);
  button->SetMargin(0);  // glyph (none) and caption from the left edge
  Settle();
  const int left = FirstColumnOf(ImageOf(*button), face, ink);
  EXPECT_LT(left, centred - 20);
  button->SetSpacing(20);
  Settle();
  EXPECT_GE(FirstColumnOf(ImageOf(*button), face, ink), left + 19);
  button->SetLayout(TksButtonLayout::blGlyphRight);
  Settle();
  EXPECT_GT(FirstColumnOf(ImageOf(*button), face, ink), centred + 20);
  // Green above a white bottom row, the glyph's transparent colour.
  TBitmap glyph(16, 16);
  glyph.Canvas().Brush().Color = clWhite;
  glyph.Canvas().FillRect({0, 0, 16, 16});
  glyph.Canvas().Brush().Color = 0x20C020;
  glyph.Canvas().FillRect({0, 0, 16, 15});
  button->SetGlyph(glyph);
  Settle();
  // Margin 0 from the right: the glyph reaches over the plain frame's last column.
  const TRect whole{0, 0, 100, 25};
  EXPECT_EQ(CountOf(*button, whole, TColor{0x20C020}), 16 * 15);
  button->SetNumGlyphs(2);  // two cells of 8: the glyph is half as wide
  Settle();
  EXPECT_EQ(CountOf(*button, whole, TColor{0x20C020}), 8 * 15);
  // Skinned, the caption leaves the skin's colours for DefaultFont's.
  TksSkinXFormButton* login = Login();
  login->SetDefaultFont(TFont("Arial", 14, {}, 0x0000D0));
  Settle();
  const TRect box = login->StretchedClient();
  EXPECT_EQ(CountNear(*login, box, TColor{0x0000D0}), 0);
  login->SetUseSkinFontColor(false);
  Settle();
  EXPECT_GT(CountNear(*login, box, TColor{0x0000D0}), 10);
}

}  // namespace
}  // namespace kx
