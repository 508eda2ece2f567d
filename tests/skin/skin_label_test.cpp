#include "skin/controls/skin_label.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/base/color.h"
#include "platform/gfx/draw_text.h"
#include "skin/controls/skin_labels.h"
#include "skin/controls/skin_panel.h"
#include "skin/data/skin_data.h"
#include "skin/draw/effect_bmp.h"
#include "skin/draw/skin_graphics.h"
#include "tests/skin/skin_controls_fixture.h"

namespace kx {
namespace {

class LabelTest : public SkinControlsTest {
 protected:
  TksSkinLabel& Label(const TRect& bounds, TksSkinData* skin, TAlignment alignment) {
    auto* label = Place<TksSkinLabel>(bounds, skin);
    label->SetAlignment(alignment);
    label->SetCaption("Count: 0");
    Settle();
    return *label;
  }
  // The bounding box of the pixels of a colour inside r.
  TRect Ink(const TControl& control, const TRect& r, TColor color) {
    const TBitmap shown = ImageOf(control);
    TRect ink{r.Right, r.Bottom, r.Left, r.Top};
    for (int y = r.Top; y < r.Bottom; ++y) {
      for (int x = r.Left; x < r.Right; ++x) {
        if (!Near(shown.ColorAt(x, y), color)) continue;
        ink = {std::min(ink.Left, x), std::min(ink.Top, y), std::max(ink.Right, x + 1),
               std::max(ink.Bottom, y + 1)};
      }
    }
    return ink;
  }
  TSize TextSize(const TFont& font, const std::string& text) {
    TBitmap scratch(1, 1);
    scratch.Canvas().Font() = font;
    TRect r{0, 0, 0, 0};
    DrawTextAuto(scratch.Canvas(), text, r, DT_CALCRECT | DT_SINGLELINE);
    return {r.Width(), r.Height()};
  }
};

TEST_F(LabelTest, ThePlainCaptionIsPlacedByItsAlignmentInsideTheBorder) {
  const TFont font("Arial", 14, {}, clWindowText);
  const TSize text = TextSize(font, "Count: 0");
  const TColor ink = ColorToRGB(clWindowText);
  TksSkinLabel& left = Label({20, 20, 120, 50}, nullptr, TAlignment::taLeftJustify);
  TksSkinLabel& right = Label({20, 60, 120, 90}, nullptr, TAlignment::taRightJustify);
  TksSkinLabel& centre = Label({20, 100, 120, 141}, nullptr, TAlignment::taCenter);
  const TRect l = Ink(left, {1, 1, 99, 29}, ink), r = Ink(right, {1, 1, 99, 29}, ink),
              c = Ink(centre, {1, 1, 99, 40}, ink);
  ASSERT_FALSE(l.IsEmpty());
  // Box (2, 2, 98, height - 2): left x 2, right 98 - width, centre 2 + 96 div 2 - width div 2.
  EXPECT_EQ(r.Left - l.Left, 98 - text.cx - 2);
  EXPECT_EQ(c.Left - l.Left, 2 + 48 - text.cx / 2 - 2);
  // y = 2 + (height - 4) div 2 - text height div 2: 13 for 30, 18 for 41.
  EXPECT_EQ(c.Top - l.Top, 18 - 13);
  EXPECT_GE(l.Left, 2);
  // The plain frame: clBtnShadow all round.
  EXPECT_EQ(PixelOf(left, {0, 0}), ColorToRGB(clBtnShadow));
  EXPECT_EQ(PixelOf(left, {99, 29}), ColorToRGB(clBtnShadow));
  EXPECT_EQ(PixelOf(left, {50, 1}), ColorToRGB(clBtnFace));
}

TEST_F(LabelTest, BorderStylesDrawTheirPlainEdges) {
  TksSkinLabel& label = Label({20, 20, 120, 50}, nullptr, TAlignment::taCenter);
  label.SetBorderStyle(TksSkinBorderStyle::bvRaised);
  Settle();
  EXPECT_EQ(PixelOf(label, {50, 0}), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(PixelOf(label, {0, 15}), ColorToRGB(clBtnHighlight));
  EXPECT_EQ(PixelOf(label, {50, 29}), ColorToRGB(clBtnShadow));
  EXPECT_EQ(PixelOf(label, {99, 15}), ColorToRGB(clBtnShadow));
  label.SetBorderStyle(TksSkinBorderStyle::bvLowered);
  Settle();
  EXPECT_EQ(PixelOf(label, {50, 0}), ColorToRGB(clBtnShadow));
  EXPECT_EQ(PixelOf(label, {99, 15}), ColorToRGB(clBtnHighlight));
  label.SetBorderStyle(TksSkinBorderStyle::bvNone);
  Settle();
  EXPECT_EQ(PixelOf(label, {50, 0}), ColorToRGB(clBtnFace));
}

TEST_F(LabelTest, ChangingTheBorderStyleRealignsWhatTheLabelHolds) {
  TksSkinLabel& label = Label({20, 20, 120, 50}, nullptr, TAlignment::taCenter);
  auto* inner = new TksSkinPanel(form);
  inner->SetParent(&label);
  inner->SetAlign(TAlign::alClient);
  Settle();
  EXPECT_EQ(inner->BoundsRect(), (TRect{1, 1, 99, 29}));
  label.SetBorderStyle(TksSkinBorderStyle::bvNone);
  EXPECT_EQ(inner->BoundsRect(), (TRect{0, 0, 100, 30}));
}

TEST_F(LabelTest, TheCountPillCentresItsCaptionInTheSkinsClientBox) {
  TksSkinLabel& pill = Label({20, 20, 124, 39}, data, TAlignment::taCenter);
  EXPECT_EQ(pill.BoundsRect(), (TRect{20, 20, 124, 35}));  // the skin's height 15
  EXPECT_EQ(pill.StretchedClient(), (TRect{2, 2, 102, 13}));
  const TSize text = TextSize(TFont("Arial", 14, {}, clBlack), "Count: 0");
  const TRect ink = Ink(pill, {2, 2, 102, 13}, clBlack);
  ASSERT_FALSE(ink.IsEmpty());
  const int x = 2 + 50 - text.cx / 2;
  EXPECT_GE(ink.Left, x);
  EXPECT_LE(ink.Left, x + 2);
  // A long caption is cut at the box and does not widen the pill.
  pill.SetCaption("Count: 123456789 and much more than fits");
  Settle();
  EXPECT_EQ(pill.Width(), 104);
  const TRect cut = Ink(pill, {0, 0, 104, 15}, clBlack);
  EXPECT_LE(cut.Right, 102);
  EXPECT_GE(cut.Right, 96);
}

TEST_F(LabelTest, AutoSizeWidensASkinnedLabelWheneverItIsSized) {
  TksSkinLabel& pill = Label({20, 20, 124, 35}, data, TAlignment::taCenter);
  pill.SetCaption("A caption wider than the pill can show");
  pill.SetAutoSize(true);
  const TSize text = TextSize(TFont("Arial", 14, {}, clBlack), pill.Caption());
  // Width - 25 + 21 of client box = text width: the width is the text's + 4.
  EXPECT_EQ(pill.Width(), text.cx + 4);
  pill.SetBounds(20, 20, 50, 15);
  EXPECT_EQ(pill.Width(), text.cx + 4);
  // Wide enough already: nothing to add.
  pill.SetBounds(20, 20, text.cx + 40, 15);
  EXPECT_EQ(pill.Width(), text.cx + 40);
}

TEST_F(LabelTest, ThePercentBoxStretchesTheSkinOverItsOwnSize) {
  TksSkinLabel& box = Label({20, 20, 95, 115}, nullptr, TAlignment::taCenter);
  box.SetUseSkinSize(false);
  box.SetSkinData(data);
  box.SetCaption("0%");
  Settle();
  EXPECT_EQ(box.BoundsRect(), (TRect{20, 20, 95, 115}));
  // Corners of the 25 x 15 skin stay; the 2-pixel borders are kept along the edges.
  EXPECT_EQ(PixelOf(box, {0, 0}), SkinPixel({200, 287}));
  EXPECT_EQ(PixelOf(box, {74, 94}), SkinPixel({224, 301}));
  EXPECT_EQ(PixelOf(box, {1, 50}), SkinPixel({201, 294}));
  // Sized by the skin again, it takes the skin's height at once.
  box.SetUseSkinSize(true);
  EXPECT_EQ(box.Height(), 15);
}

TEST_F(LabelTest, APanelPlacesItsChildrenInItsClientArea) {
  auto* skinned = Place<TksSkinPanel>({20, 20, 220, 120}, data);
  auto* plain = Place<TksSkinPanel>({240, 20, 440, 120}, nullptr);
  TControl* children[2];
  int i = 0;
  for (TksSkinPanel* panel : {skinned, plain}) {
    auto* child = new TksSkinPanel(form);
    child->SetParent(panel);
    child->SetAlign(TAlign::alClient);
    children[i++] = child;
  }
  Settle();
  EXPECT_EQ(children[0]->BoundsRect(), (TRect{2, 2, 198, 98}));  // the stretched "clientrect"
  EXPECT_EQ(children[1]->BoundsRect(), (TRect{1, 1, 199, 99}));  // inside the plain border
  // Each setting realigns the children at once.
  plain->SetCaptionMode(true);
  EXPECT_EQ(children[1]->BoundsRect(), (TRect{1, 23, 199, 99}));
  plain->SetDefaultCaptionHeight(30);
  EXPECT_EQ(children[1]->BoundsRect(), (TRect{1, 31, 199, 99}));
  plain->SetCaptionMode(false);
  plain->SetBorderStyle(TksSkinBorderStyle::bvNone);
  EXPECT_EQ(children[1]->BoundsRect(), (TRect{0, 0, 200, 100}));
  // Skinned without a border the framed kind fills the whole panel with its tile.
  skinned->SetBorderStyle(TksSkinBorderStyle::bvNone);
  EXPECT_EQ(children[0]->BoundsRect(), (TRect{0, 0, 200, 100}));
}

TEST_F(LabelTest, PanelTilesAndFrameComeFromTheSkin) {
  auto* panel = Place<TksSkinPanel>({20, 20, 220, 120}, data);
  // The 55 x 48 client tile (143, 6, 198, 54) repeated from (2, 2).
  EXPECT_EQ(PixelOf(*panel, {2, 2}), SkinPixel({143, 6}));
  EXPECT_EQ(PixelOf(*panel, {2 + 55 + 3, 2 + 48 + 4}), SkinPixel({146, 10}));
  // The corners of the frame come from the skin rectangle (141, 4, 200, 56).
  EXPECT_EQ(PixelOf(*panel, {0, 0}), SkinPixel({141, 4}));
  EXPECT_EQ(PixelOf(*panel, {199, 99}), SkinPixel({199, 55}));
}

// The shadow label over a plain panel of one colour.
class ShadowLabelTest : public SkinControlsTest {};

TEST_F(ShadowLabelTest, TheShadowIsTheDrawingPrimitivesTintAndSoftenedEdge) {
  auto* panel = Place<TksSkinPanel>({20, 20, 320, 120}, nullptr);
  auto* label = new TksSkinShadowLabel(form);
  label->SetParent(panel);
  label->SetBounds(20, 20, 10, 10);
  label->SetCaption("Very gqjp");
  label->SetAutoSize(false);
  label->SetBounds(20, 20, label->Width(), label->Height() + 4);
  label->SetLayout(TTextLayout::tlBottom);  // the shadow reaches the bottom row
  Settle();
  const int w = label->Width(), h = label->Height();
  // The same picture made from the primitives: mask, tint 0.3 black, soften edge 1, text.
  TBitmap scratch(1, 1);
  scratch.Canvas().Font() = label->Font();
  TRect measured{0, 0, w - 3, h - 3};
  DrawTextAuto(scratch.Canvas(), label->Caption(), measured, DT_EXPANDTABS | DT_CALCRECT);
  const TRect text = TRect{0, 0, w - 3, h - 3}.Offset(0, h - measured.Height() - 2);
  TBitmap mask(w, h);
  mask.Canvas().Brush().Color = clWhite;
  mask.Canvas().FillRect({0, 0, w, h});
  mask.Canvas().Font() = label->Font();
  mask.Canvas().Font().SetColor(clBlack);
  mask.Canvas().Brush().Style = TBrushStyle::bsClear;
  for (int d : {1, 2}) {
    TRect r = text.Offset(d, d);
    DrawTextAuto(mask.Canvas(), label->Caption(), r, DT_EXPANDTABS);
  }
  TBitmap background(w, h);
  background.Canvas().Brush().Color = ColorToRGB(clBtnFace);
  background.Canvas().FillRect({0, 0, w, h});
  TksEffectBmp shaded(background);
  shaded.Tint(TksEffectBmp(mask), clBlack, 0.3);
  shaded.SoftenEdge(TksEffectBmp(mask), 1);
  TBitmap expected = shaded.ToBitmap();
  expected.Canvas().Font() = label->Font();
  expected.Canvas().Brush().Style = TBrushStyle::bsClear;
  TRect r = text;
  DrawTextAuto(expected.Canvas(), label->Caption(), r, DT_EXPANDTABS);
  const std::vector<TColor> shown = PixelsOf(*label, {0, 0, w, h});
  int differing = 0, bottomShadow = 0;
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      differing += shown[static_cast<std::size_t>(y * w + x)] != expected.ColorAt(x, y) ? 1 : 0;
      if (y == h - 1 && mask.ColorAt(x, y) != clWhite) ++bottomShadow;
    }
  }
  EXPECT_GT(bottomShadow, 0);  // the case where border pixels matter
  EXPECT_EQ(differing, 0);
}

TEST_F(ShadowLabelTest, ItForgetsAFocusControlThatIsDestroyed) {
  auto* label = Place<TksSkinShadowLabel>({20, 20, 100, 40}, data);
  auto* target = Place<TksSkinPanel>({20, 60, 100, 90}, nullptr);
  label->SetFocusControl(target);
  EXPECT_EQ(label->FocusControl(), target);
  delete target;
  EXPECT_EQ(label->FocusControl(), nullptr);
}

TEST_F(ShadowLabelTest, ItSizesItselfToItsTextAndKeepsARightEdge) {
  auto* label = Place<TksSkinShadowLabel>({100, 20, 180, 40}, data);
  label->SetAlignment(TAlignment::taRightJustify);
  label->SetCaption("Version 3.6.1");
  const int right = label->Left() + label->Width();
  label->SetCaption("Version 3.6.1 and more");
  TBitmap scratch(1, 1);
  scratch.Canvas().Font() = label->Font();
  EXPECT_EQ(label->Width(), scratch.Canvas().TextWidth("Version 3.6.1 and more") + 3);
  EXPECT_EQ(label->Height(), scratch.Canvas().TextHeight("Version 3.6.1") + 3);
  EXPECT_EQ(label->Left() + label->Width(), right);
}

TEST_F(LabelTest, AnAutoSizedLabelFollowsItsDefaultFont) {
  TksSkinLabel& plain = Label({20, 20, 95, 41}, nullptr, TAlignment::taCenter);
  plain.SetAutoSize(true);
  const TFont big("Arial", 28, {TFontStyle::fsBold}, 0x0000C0);
  plain.SetDefaultFont(big);
  EXPECT_EQ(plain.Width(), TextSize(big, "Count: 0").cx + 4);
  Settle();
  EXPECT_GT(CountNear(plain, {2, 2, plain.Width() - 2, 19}, TColor{0x0000C0}), 20);
}

TEST_F(LabelTest, AStdLabelFollowsItsDefaultFontAndUseSkinFont) {
  auto* label = Place<TksSkinStdLabel>({20, 20, 60, 40}, nullptr);
  label->SetCaption("PASSWORD");
  label->SetAutoSize(true);
  const TFont big("Arial", 24, {}, clWindowText);
  label->SetDefaultFont(big);
  EXPECT_EQ(label->Width(), TextSize(big, "PASSWORD").cx);
  // Skinned it draws in the section's Arial 14; without UseSkinFont in Font.
  label->SetSkinData(data);
  EXPECT_EQ(label->Width(), TextSize(TFont("Arial", 14), "PASSWORD").cx);
  label->SetFont(TFont("Arial", 20, {}, clWindowText));
  label->SetUseSkinFont(false);
  EXPECT_EQ(label->Width(), TextSize(TFont("Arial", 20), "PASSWORD").cx);
}

TEST_F(LabelTest, AnAutoSizedLabelFitsEveryNewCaptionNarrowerOrWider) {
  const TFont font("Arial", 14, {}, clWindowText);
  TksSkinLabel& plain = Label({20, 20, 95, 41}, nullptr, TAlignment::taCenter);
  plain.SetAutoSize(true);
  EXPECT_EQ(plain.Width(), TextSize(font, "Count: 0").cx + 4);
  plain.SetCaption("A caption of some length");
  EXPECT_EQ(plain.Width(), TextSize(font, "A caption of some length").cx + 4);
  plain.SetCaption("7");
  EXPECT_EQ(plain.Width(), TextSize(font, "7").cx + 4);
  // Skinned: the stretched client box (the width less 4) fits the caption.
  TksSkinLabel& pill = Label({20, 60, 200, 75}, data, TAlignment::taCenter);
  pill.SetAutoSize(true);
  EXPECT_EQ(pill.Width(), TextSize(font, "Count: 0").cx + 4);
  // Asked to be narrower than the caption, it keeps the caption's width.
  pill.SetBounds(20, 60, 20, 15);
  EXPECT_EQ(pill.Width(), TextSize(font, "Count: 0").cx + 4);
}

TEST_F(LabelTest, AlignmentAndColourSettingsRepaintAtOnce) {
  TksSkinLabel& plain = Label({20, 20, 180, 41}, nullptr, TAlignment::taLeftJustify);
  const TColor ink = ColorToRGB(clWindowText);
  const TRect left = Ink(plain, {1, 1, 159, 20}, ink);
  plain.SetAlignment(TAlignment::taRightJustify);
  Settle();
  const TRect right = Ink(plain, {1, 1, 159, 20}, ink);
  EXPECT_GT(right.Left, left.Left + 40);
  TksSkinLabel& pill = Label({20, 60, 124, 75}, data, TAlignment::taCenter);
  pill.SetDefaultFont(TFont("Arial", 14, {}, 0x0000D0));
  Settle();
  EXPECT_EQ(CountNear(pill, {2, 2, 102, 13}, TColor{0x0000D0}), 0);
  pill.SetUseSkinFontColor(false);
  Settle();
  EXPECT_GT(CountNear(pill, {2, 2, 102, 13}, TColor{0x0000D0}), 10);
}

TEST_F(LabelTest, TextLabelsRepaintWhenTheirColourSettingChanges) {
  auto* std = Place<TksSkinStdLabel>({20, 20, 120, 40}, data);
  std->SetCaption("LOGIN");
  std->SetFont(TFont("Arial", 14, {}, 0x0000D0));
  auto* shadow = Place<TksSkinShadowLabel>({20, 60, 120, 80}, data);
  shadow->SetCaption("Version");
  shadow->SetFont(TFont("Arial", 16, {TFontStyle::fsBold}, 0x0000D0));
  Settle();
  EXPECT_EQ(CountNear(*std, {0, 0, std->Width(), std->Height()}, TColor{0x0000D0}), 0);
  EXPECT_EQ(CountNear(*shadow, {0, 0, shadow->Width(), shadow->Height()}, TColor{0x0000D0}), 0);
  std->SetUseSkinColor(false);
  shadow->SetUseSkinColor(false);
  Settle();
  EXPECT_GT(CountNear(*std, {0, 0, std->Width(), std->Height()}, TColor{0x0000D0}), 10);
  EXPECT_GT(CountNear(*shadow, {0, 0, shadow->Width(), shadow->Height()}, TColor{0x0000D0}), 10);
}

TEST_F(LabelTest, ADisabledStdLabelIsDrawnTwiceInTheSkinsHighlightAndShadow) {
  data->SkinColors.cBtnHighLight = 0x30D030;
  data->SkinColors.cBtnShadow = 0xD03030;
  auto* label = Place<TksSkinStdLabel>({20, 20, 120, 40}, data);
  label->SetCaption("PASSWORD");
  label->SetEnabled(false);
  Settle();
  const TRect all{0, 0, label->Width(), label->Height()};
  const TRect shadow = Ink(*label, all, TColor{0xD03030});
  const TRect light = Ink(*label, all, TColor{0x30D030});
  ASSERT_FALSE(shadow.IsEmpty());
  ASSERT_FALSE(light.IsEmpty());
  // The highlight lies one pixel right and down of the shadow-coloured text.
  EXPECT_EQ(light.Right, shadow.Right + 1);
  EXPECT_EQ(light.Bottom, shadow.Bottom + 1);
  EXPECT_EQ(CountNear(*label, all, clBlack), 0);
}

TEST_F(LabelTest, AHoveredLinkTakesTheSkinsHoverColourAndStaysUnderlined) {
  auto* link = Place<TksSkinLinkLabel>({20, 20, 200, 40}, data);
  link->SetCaption("kestrix.example");
  Settle();
  const TRect all{0, 0, link->Width(), link->Height()};
  const TColor hover{4802996};
  const TRect black = Ink(*link, all, clBlack);
  ASSERT_FALSE(black.IsEmpty());
  EXPECT_EQ(CountNear(*link, all, hover), 0);
  session.driver.MoveTo(OnScreen(*link, {5, 5}));
  Settle();
  const TRect lit = Ink(*link, all, hover);
  EXPECT_EQ(lit, black);  // the same text and underline, in the hover colour
  // The underline is a row of ink across the whole caption.
  EXPECT_EQ(CountNear(*link, {lit.Left, lit.Bottom - 1, lit.Right, lit.Bottom}, hover),
            lit.Width());
  session.driver.MoveTo(OnScreen(*link, {5, 80}));
  Settle();
  EXPECT_EQ(CountNear(*link, all, hover), 0);
}

}  // namespace
}  // namespace kx
