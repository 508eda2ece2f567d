#include "platform/gfx/draw_text.h"

#include <algorithm>
#include <vector>

#include "platform/base/strings.h"
#include "platform/gfx/canvas.h"
#include "platform/gfx/font_engine.h"

namespace kx {
namespace {

constexpr int kTabColumns = 8;
constexpr char32_t kEllipsis[] = U"...";

// One laid-out line: code points, and the position of the accelerator underline (-1: none).
struct Line {
  std::u32string text;
  int accel = -1;
};

struct Measure {
  FontFace& face;
  bool expandTabs;
  int Width(const std::u32string& s) const {
    int w = 0;
    for (char32_t c : s) w = Advance(c, w);
    return w;
  }
  // The pen position after c, starting at x.
  int Advance(char32_t c, int x) const {
    if (c == U'\t' && expandTabs) {
      int tab = kTabColumns * face.AveCharWidth();
      return tab > 0 ? (x / tab + 1) * tab : x;
    }
    return x + face.Advance(c);
  }
};

// Removes "&" prefixes: "&&" gives "&", "&x" marks x for underlining.
Line StripPrefix(const std::u32string& s) {
  Line line;
  for (std::size_t i = 0; i < s.size(); ++i) {
    if (s[i] == U'&') {
      if (i + 1 < s.size() && s[i + 1] == U'&') {
        line.text += U'&';
        ++i;
      } else if (i + 1 < s.size()) {
        line.accel = static_cast<int>(line.text.size());
      }
      continue;
    }
    line.text += s[i];
  }
  return line;
}

std::vector<std::u32string> SplitParagraphs(const std::u32string& s, bool singleLine) {
  std::vector<std::u32string> out;
  if (singleLine) {
    std::u32string line = s;
    for (char32_t& c : line) {
      if (c == U'\r' || c == U'\n') c = U' ';
    }
    out.push_back(line);
    return out;
  }
  std::u32string current;
  for (std::size_t i = 0; i < s.size(); ++i) {
    char32_t c = s[i];
    if (c == U'\r' || c == U'\n') {
      out.push_back(current);
      current.clear();
      if (c == U'\r' && i + 1 < s.size() && s[i + 1] == U'\n') ++i;
      continue;
    }
    current += c;
  }
  out.push_back(current);
  return out;
}

// Breaks a paragraph at blanks so that each piece fits width; a word wider
// than the width stays whole on its own line.
std::vector<std::u32string> WrapParagraph(const std::u32string& p, int width, const Measure& m) {
  std::vector<std::u32string> out;
  std::size_t start = 0;
  while (start < p.size()) {
    std::size_t lastBlank = std::u32string::npos;
    int x = 0;
    std::size_t i = start;
    for (; i < p.size(); ++i) {
      if (p[i] == U' ' || p[i] == U'\t') lastBlank = i;
      int next = m.Advance(p[i], x);
      if (next > width && i > start && p[i] != U' ') break;
      x = next;
    }
    if (i >= p.size()) {
      out.push_back(p.substr(start));
      break;
    }
    std::size_t end = lastBlank;
    if (lastBlank == std::u32string::npos || lastBlank == start) {
      // No blank before the overflow: the word runs on to its end.
      end = p.find_first_of(U" \t", i);
      if (end == std::u32string::npos) end = p.size();
    }
    std::u32string piece = p.substr(start, end - start);
    while (!piece.empty() && piece.back() == U' ') piece.pop_back();
    out.push_back(piece);
    start = end;
    while (start < p.size() && p[start] == U' ') ++start;
  }
  if (out.empty()) out.emplace_back();
  return out;
}

std::u32string EndEllipsis(const std::u32string& s, int width, const Measure& m) {
  if (m.Width(s) <= width) return s;
  std::u32string ellipsis = kEllipsis;
  std::u32string head = s;
  while (!head.empty() && m.Width(head + ellipsis) > width) head.pop_back();
  return head + ellipsis;
}

std::u32string PathEllipsis(const std::u32string& s, int width, const Measure& m) {
  if (m.Width(s) <= width) return s;
  std::u32string ellipsis = kEllipsis;
  std::size_t sep = s.find_last_of(U"\\/");
  if (sep != std::u32string::npos) {
    // Keep the last path element whole and as much of the front as fits.
    std::u32string tail = s.substr(sep);
    std::u32string head = s.substr(0, sep);
    while (!head.empty() && m.Width(head + ellipsis + tail) > width) head.pop_back();
    if (!head.empty() || m.Width(ellipsis + tail) <= width) return head + ellipsis + tail;
    return ellipsis + tail;
  }
  // Without a separator the middle gives way, front and back kept in balance.
  std::size_t keepFront = s.size() / 2;
  std::size_t keepBack = s.size() - keepFront;
  while (keepFront + keepBack > 0) {
    std::u32string candidate = s.substr(0, keepFront) + ellipsis + s.substr(s.size() - keepBack);
    if (m.Width(candidate) <= width) return candidate;
    if (keepBack >= keepFront && keepBack > 0) {
      --keepBack;
    } else {
      --keepFront;
    }
  }
  return ellipsis;
}

void DrawLine(TCanvas& canvas, const Line& line, int x, int y, const Measure& m, bool opaque) {
  FontFace& face = m.face;
  int width = m.Width(line.text);
  if (opaque) {
    TBrush saved = canvas.Brush();
    canvas.FillRect(TRect::FromSize(x, y, width, face.Height()));
    canvas.Brush() = saved;
  }
  TPoint origin = canvas.Origin();
  int baseline = y + face.Ascent();
  int penX = x;
  int accelX = 0;
  int accelW = 0;
  for (std::size_t i = 0; i < line.text.size(); ++i) {
    char32_t c = line.text[i];
    int next = m.Advance(c, penX - x) + x;
    if (static_cast<int>(i) == line.accel) {
      accelX = penX;
      accelW = next - penX;
    }
    if (c != U'\t') {
      const GlyphImage& g = face.Glyph(c);
      if (!g.Coverage.empty()) {
        canvas.BlendCoverage(penX + g.Left + origin.X, baseline - g.Top + origin.Y, g.Width,
                             g.Height, g.Coverage.data(), canvas.Font().Color());
      }
    }
    penX = next;
  }
  std::uint8_t lines = canvas.Font().Style().Bits() & 0xC;
  if (lines) canvas.DrawUnderline(x, baseline, width, lines);
  if (line.accel >= 0 && accelW > 0) {
    canvas.DrawUnderline(accelX, baseline, accelW,
                         static_cast<std::uint8_t>(TFontStyle::fsUnderline));
  }
}

}  // namespace

int DrawTextW(TCanvas& canvas, std::u16string_view text, TRect& rect, std::uint32_t flags) {
  FontFace& face = canvas.Face();
  Measure m{face, (flags & DT_EXPANDTABS) != 0};
  bool singleLine = (flags & DT_SINGLELINE) != 0;
  int width = rect.Width();
  std::u32string all = Utf16ToUtf32(text);

  std::vector<Line> lines;
  for (const std::u32string& paragraph : SplitParagraphs(all, singleLine)) {
    Line stripped = (flags & DT_NOPREFIX) ? Line{paragraph, -1} : StripPrefix(paragraph);
    if ((flags & DT_WORDBREAK) && !singleLine) {
      // The accelerator keeps its place only in the first piece, as a rule of thumb.
      std::vector<std::u32string> pieces = WrapParagraph(stripped.text, width, m);
      int offset = 0;
      for (const std::u32string& piece : pieces) {
        Line l{piece, -1};
        if (stripped.accel >= offset && stripped.accel < offset + static_cast<int>(piece.size())) {
          l.accel = stripped.accel - offset;
        }
        offset += static_cast<int>(piece.size()) + 1;
        lines.push_back(l);
      }
    } else {
      lines.push_back(stripped);
    }
  }
  if (flags & (DT_END_ELLIPSIS | DT_PATH_ELLIPSIS)) {
    for (Line& l : lines) {
      std::u32string cut = (flags & DT_PATH_ELLIPSIS) ? PathEllipsis(l.text, width, m)
                                                      : EndEllipsis(l.text, width, m);
      if (cut != l.text) {
        l.text = cut;
        l.accel = -1;
      }
    }
  }

  int lineHeight = face.Height();
  int textHeight = lineHeight * static_cast<int>(lines.size());
  int maxWidth = 0;
  for (const Line& l : lines) maxWidth = std::max(maxWidth, m.Width(l.text));

  if (flags & DT_CALCRECT) {
    rect.Right = rect.Left + maxWidth;
    rect.Bottom = rect.Top + textHeight;
    return textHeight;
  }

  int y = rect.Top;
  if (singleLine) {
    if (flags & DT_VCENTER) {
      y = rect.Top + (rect.Height() - lineHeight) / 2;
    } else if (flags & DT_BOTTOM) {
      y = rect.Bottom - lineHeight;
    }
  }
  TCanvasSaver saver(canvas);
  if (!(flags & DT_NOCLIP)) canvas.IntersectClipRect(rect);
  bool opaque = canvas.Brush().Style != TBrushStyle::bsClear;
  for (const Line& l : lines) {
    int w = m.Width(l.text);
    int x = rect.Left;
    if (flags & DT_CENTER) {
      x = rect.Left + (width - w) / 2;
    } else if (flags & DT_RIGHT) {
      x = rect.Right - w;
    }
    DrawLine(canvas, l, x, y, m, opaque);
    y += lineHeight;
  }
  return textHeight;
}

int DrawText(TCanvas& canvas, std::string_view text, TRect& rect, std::uint32_t flags) {
  return DrawTextW(canvas, AnsiToWide(text), rect, flags);
}

}  // namespace kx
