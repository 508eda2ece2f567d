// Writes an 800 x 600 PNG that shows every drawing primitive, the text
// rendering and the bitmap operations, so that the rasteriser can be judged by eye.
#include <cstdio>
#include <string>

#include "platform/base/exception.h"
#include "platform/gfx/bitmap.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/draw_text.h"
#include "platform/gfx/png_writer.h"

namespace kx {
namespace {

constexpr int kWidth = 800;
constexpr int kHeight = 600;

void Label(TCanvas& c, int x, int y, const std::string& text) {
  TCanvasSaver saver(c);
  c.Font() = TFont("Arial", -11, {}, clGray);
  c.Brush().Style = TBrushStyle::bsClear;
  c.TextOut(x, y, text);
}

void Primitives(TCanvas& c) {
  Label(c, 10, 4, "FillRect / FrameRect / Rectangle");
  c.Brush().Style = TBrushStyle::bsSolid;
  c.Brush().Color = clRed;
  c.FillRect(TRect{10, 20, 50, 60});
  c.Brush().Color = clBlue;
  c.FrameRect(TRect{60, 20, 100, 60});
  c.Pen().Color = clBlack;
  c.Brush().Color = clYellow;
  c.Rectangle(110, 20, 150, 60);
  c.Pen().Width = 3;
  c.Brush().Style = TBrushStyle::bsClear;
  c.Rectangle(160, 20, 200, 60);
  c.Pen().Width = 1;

  Label(c, 210, 4, "Lines in copy, not and xor");
  c.Brush().Style = TBrushStyle::bsSolid;
  c.Brush().Color = 0x00A0C0E0;
  c.FillRect(TRect{210, 20, 330, 60});
  TPenMode modes[] = {TPenMode::pmCopy, TPenMode::pmNot, TPenMode::pmXor};
  for (int m = 0; m < 3; ++m) {
    c.Pen().Mode = modes[m];
    c.Pen().Color = m == 2 ? clAqua : clMaroon;
    for (int i = 0; i < 6; ++i) {
      c.MoveTo(212 + m * 40, 22 + i * 6);
      c.LineTo(246 + m * 40, 58 - i * 6);
    }
  }
  c.Pen().Mode = TPenMode::pmCopy;
  c.Pen().Style = TPenStyle::psDot;
  c.Pen().Color = clBlack;
  c.MoveTo(210, 64);
  c.LineTo(330, 64);
  c.Pen().Style = TPenStyle::psSolid;

  Label(c, 340, 4, "Polyline / Polygon / Ellipse / RoundRect");
  c.Pen().Color = clGreen;
  c.Polyline({{340, 60}, {355, 20}, {370, 60}, {385, 20}});
  c.Pen().Color = clNavy;
  c.Brush().Color = clLime;
  c.Polygon({{400, 60}, {420, 20}, {440, 60}, {395, 35}, {445, 35}});
  c.Brush().Color = clFuchsia;
  c.Ellipse(TRect{455, 20, 505, 60});
  c.Brush().Color = clAqua;
  c.RoundRect(TRect{515, 20, 585, 60}, 16, 16);
  c.Brush().Style = TBrushStyle::bsClear;
  c.Ellipse(TRect{595, 20, 615, 30});
  c.Brush().Style = TBrushStyle::bsSolid;

  Label(c, 630, 4, "Pixels / focus rectangle");
  for (int i = 0; i < 40; ++i) c.SetPixel(630 + i, 20 + (i * i) % 40, clRed);
  c.DrawFocusRect(TRect{680, 20, 780, 60});
  c.DrawFocusRect(TRect{690, 30, 770, 50});
  c.DrawFocusRect(TRect{690, 30, 770, 50});  // drawn twice: gone again
}

void Texts(TCanvas& c) {
  int y = 80;
  struct Sample {
    const char* name;
    int height;
    TFontStyles style;
    const char* text;
  };
  const Sample samples[] = {
      {"Arial", 14, {}, "Arial 14: The quick brown fox jumps over the lazy dog 0123456789"},
      {"Arial", 14, TFontStyle::fsBold, "Arial 14 bold: LOGIN  Count: 0  Precent"},
      {"Arial", 14, TFontStyle::fsUnderline, "Arial 14 underlined: www.example.com"},
      {"Arial", 14, TFontStyle::fsItalic + TFontStyle::fsStrikeOut, "Arial 14 italic struck out"},
      {"MS Sans Serif", -11, {}, "MS Sans Serif -11: About  Football  Remember"},
      {"Arial", 25, TFontStyle::fsBold, "Arial 25 bold: 38%"},
      {"Arial",
       14,
       {},
       "\xD0\x9E\xD1\x88\xD0\xB8\xD0\xB1\xD0\xBA\xD0\xB0 "
       "\xD0\xB0\xD0\xB2\xD1\x82\xD0\xBE\xD1\x80\xD0\xB8\xD0\xB7\xD0\xB0\xD1\x86\xD0\xB8\xD0\xB8!"},
  };
  for (const Sample& s : samples) {
    c.Font() = TFont(s.name, s.height, s.style, clBlack);
    c.Brush().Style = TBrushStyle::bsClear;
    c.TextOut(10, y, s.text);
    y += c.TextHeight("") + 4;
  }
  c.Font() = TFont("Arial", 14, {}, clWhite);
  c.Brush().Style = TBrushStyle::bsSolid;
  c.Brush().Color = clMaroon;
  c.TextOut(520, 80, " Opaque text on a brush ");
}

void DrawTextBox(TCanvas& c, TRect box, const char* text, std::uint32_t flags,
                 const char* caption) {
  Label(c, box.Left, box.Top - 14, caption);
  c.Brush().Style = TBrushStyle::bsSolid;
  c.Brush().Color = 0x00F4F0EC;
  c.FillRect(box);
  c.Brush().Color = clSilver;
  c.FrameRect(box);
  c.Font() = TFont("Arial", 14, {}, clBlack);
  c.Brush().Style = TBrushStyle::bsClear;
  TRect inner = box.Inflated(-3, -3);
  DrawText(c, text, inner, flags);
}

void DrawTexts(TCanvas& c) {
  int top = 290;
  DrawTextBox(c, TRect{10, top, 190, top + 60}, "Centred", DT_SINGLELINE | DT_CENTER | DT_VCENTER,
              "DT_CENTER | DT_VCENTER");
  DrawTextBox(c, TRect{200, top, 380, top + 60},
              "Word break keeps whole words together on each line", DT_WORDBREAK, "DT_WORDBREAK");
  DrawTextBox(c, TRect{390, top, 570, top + 22}, "An end ellipsis cuts a long text short",
              DT_SINGLELINE | DT_END_ELLIPSIS, "DT_END_ELLIPSIS");
  DrawTextBox(c, TRect{390, top + 38, 570, top + 60}, "C:\\Program Files\\Kestrix\\skins\\Red.skn",
              DT_SINGLELINE | DT_PATH_ELLIPSIS, "DT_PATH_ELLIPSIS");
  DrawTextBox(c, TRect{580, top, 790, top + 22}, "&File  &&  E&xit", DT_SINGLELINE, "accelerators");
  DrawTextBox(c, TRect{580, top + 38, 790, top + 60}, "Right\taligned",
              DT_SINGLELINE | DT_RIGHT | DT_EXPANDTABS, "DT_RIGHT | DT_EXPANDTABS");
}

TBitmap Sprite() {
  TBitmap sprite(16, 16);
  TCanvas& s = sprite.Canvas();
  s.Brush().Color = clFuchsia;
  s.FillRect(TRect{0, 0, 16, 16});
  s.Brush().Color = 0x00E07020;
  s.Pen().Color = clNavy;
  s.Ellipse(TRect{1, 1, 15, 15});
  s.Brush().Color = clWhite;
  s.Pen().Color = clWhite;
  s.Ellipse(TRect{4, 4, 8, 8});
  return sprite;
}

void Bitmaps(TCanvas& c) {
  int top = 390;
  Label(c, 10, top - 14, "Draw / StretchDraw / transparent / clipped");
  TBitmap sprite = Sprite();
  c.Draw(10, top, sprite);
  c.StretchDraw(TRect{40, top, 104, top + 64}, sprite);
  sprite.SetTransparent(true);
  c.Brush().Style = TBrushStyle::bsSolid;
  c.Brush().Color = 0x0040A040;
  c.FillRect(TRect{120, top, 200, top + 64});
  c.Draw(128, top + 8, sprite);
  c.StretchDraw(TRect{150, top + 8, 198, top + 56}, sprite);

  // A clipped drawing: a star of lines seen through an elliptic hole minus a bar.
  TCanvasSaver saver(c);
  c.IntersectClipRegion(TRegion::FromEllipse(TRect{220, top, 340, top + 100}));
  c.ExcludeClipRect(TRect{220, top + 45, 340, top + 55});
  c.Brush().Color = 0x00303030;
  c.FillRect(TRect{210, top - 10, 350, top + 110});
  c.Pen().Color = clYellow;
  for (int i = 0; i <= 20; ++i) {
    c.MoveTo(280, top + 50);
    c.LineTo(200 + i * 8, top - 10);
    c.MoveTo(280, top + 50);
    c.LineTo(200 + i * 8, top + 110);
  }
}

void Regions(TCanvas& c) {
  int top = 390;
  Label(c, 370, top - 14, "Regions: or, and, diff, xor");
  TRegion a(TRect{0, 0, 50, 50});
  TRegion b = TRegion::FromEllipse(TRect{20, 20, 80, 80});
  RegionOp ops[] = {RegionOp::Or, RegionOp::And, RegionOp::Diff, RegionOp::Xor};
  for (int i = 0; i < 4; ++i) {
    TRegion r = TRegion::Combine(a, b, ops[i]);
    r.Offset(370 + i * 100, top);
    c.FillRegion(r, i % 2 ? clTeal : clPurple);
  }
}

void Palette(TCanvas& c) {
  int top = 510;
  Label(c, 10, top - 14, "System colours");
  for (int i = 0; i < kSystemColorCount; ++i) {
    c.Brush().Color = SystemColor(static_cast<SystemColorIndex>(i));
    c.Brush().Style = TBrushStyle::bsSolid;
    c.FillRect(TRect{10 + i * 25, top, 32 + i * 25, top + 22});
    c.Brush().Color = clBlack;
    c.FrameRect(TRect{10 + i * 25, top, 32 + i * 25, top + 22});
  }
}

}  // namespace
}  // namespace kx

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: testcard OUT.png\n");
    return 2;
  }
  try {
    kx::TBitmap card(kx::kWidth, kx::kHeight);
    kx::TCanvas& c = card.Canvas();
    c.Brush().Color = kx::clWhite;
    c.FillRect(kx::TRect{0, 0, kx::kWidth, kx::kHeight});
    kx::Primitives(c);
    kx::Texts(c);
    kx::DrawTexts(c);
    kx::Bitmaps(c);
    kx::Regions(c);
    kx::Palette(c);
    kx::SavePng(card, argv[1]);
    std::printf("%s\n", argv[1]);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "testcard: %s\n", e.what());
    return 1;
  }
  return 0;
}
