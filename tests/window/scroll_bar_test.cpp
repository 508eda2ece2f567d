#include <gtest/gtest.h>

#include "tests/window/window_fixture.h"

namespace kx::test {
namespace {

class ScrollBarTest : public WindowTest {
 protected:
  void SetUp() override {
    w = MakeTop(Bounds(0, 0, 200, 200), WS_POPUP | WS_VISIBLE, [this](HWND h, TMessage& m) {
      if (m.Msg != WM_VSCROLL) return false;
      codes.push_back(LOWORD(m.WParam));
      int code = LOWORD(m.WParam);
      if (code == SB_THUMBTRACK || code == SB_THUMBPOSITION) {
        positions.push_back(HIWORD(m.WParam));
        sys.SetScrollPos(h, SB_VERT, HIWORD(m.WParam), true);
      }
      return true;
    });
    SCROLLINFO si{SIF_RANGE | SIF_PAGE | SIF_POS, 0, 99, 10, 0, 0};
    sys.SetScrollInfo(w, SB_VERT, si, true);
    driver.RunUntilIdle();
  }
  HWND w = nullptr;
  std::vector<int> codes;
  std::vector<int> positions;
};

TEST_F(ScrollBarTest, ShownWhenNeededAndTakesItsWidthFromTheClient) {
  EXPECT_TRUE(sys.GetStyle(w) & WS_VSCROLL);
  EXPECT_EQ(sys.GetClientRect(w), Rect(0, 0, 183, 200));
  EXPECT_EQ(sys.ScrollBarRect(w, SB_VERT), Rect(183, 0, 200, 200));
  EXPECT_EQ(sys.SendMessage(w, WM_NCHITTEST, 0, MAKELPARAM(190, 100)), HTVSCROLL);
  EXPECT_EQ(driver.WindowPixel(w, {184, 100}), ColorToRGB(clScrollBar));
  SCROLLINFO all{SIF_ALL, 0, 0, 0, 0, 0};
  sys.GetScrollInfo(w, SB_VERT, all);
  EXPECT_EQ(all.nMax, 99);
  EXPECT_EQ(all.nPage, 10u);

  // A page that shows everything hides the bar and gives the width back.
  SCROLLINFO big{SIF_PAGE, 0, 0, 100, 0, 0};
  sys.SetScrollInfo(w, SB_VERT, big, true);
  EXPECT_FALSE(sys.GetStyle(w) & WS_VSCROLL);
  EXPECT_EQ(sys.GetClientRect(w), Rect(0, 0, 200, 200));
  EXPECT_FALSE(Logged(WM_SIZE).empty());
}

TEST_F(ScrollBarTest, DisableNoScrollKeepsADisabledBar) {
  SCROLLINFO big{SIF_PAGE | SIF_DISABLENOSCROLL, 0, 0, 100, 0, 0};
  sys.SetScrollInfo(w, SB_VERT, big, true);
  EXPECT_TRUE(sys.GetStyle(w) & WS_VSCROLL);
  driver.Click({190, 195});
  driver.Click({190, 100});
  EXPECT_TRUE(codes.empty());
  SCROLLINFO small{SIF_PAGE | SIF_DISABLENOSCROLL, 0, 0, 10, 0, 0};
  sys.SetScrollInfo(w, SB_VERT, small, true);
  driver.Click({190, 195});
  EXPECT_EQ(codes, (std::vector<int>{SB_LINEDOWN, SB_ENDSCROLL}));
}

TEST_F(ScrollBarTest, ArrowAndPageClicksSendTheirCodes) {
  driver.Click({190, 195});
  driver.Click({190, 5});
  driver.Click({190, 150});
  EXPECT_EQ(codes, (std::vector<int>{SB_LINEDOWN, SB_ENDSCROLL, SB_LINEUP, SB_ENDSCROLL,
                                     SB_PAGEDOWN, SB_ENDSCROLL}));
}

TEST_F(ScrollBarTest, HoldingAnArrowRepeatsOnTheClock) {
  driver.MoveTo({190, 195});
  driver.Press();
  EXPECT_EQ(codes.size(), 1u);
  driver.Advance(399);
  EXPECT_EQ(codes.size(), 1u);
  driver.Advance(1);
  EXPECT_EQ(codes.size(), 2u);
  driver.Advance(100);
  EXPECT_EQ(codes.size(), 4u);
  driver.Release();
  EXPECT_EQ(codes.back(), SB_ENDSCROLL);
  driver.Advance(500);
  EXPECT_EQ(codes.size(), 5u);
}

TEST_F(ScrollBarTest, ThumbDragTracksAndEndsWithThePosition) {
  // Track 166 pixels, thumb 16: positions 0..90 over 150 pixels.
  driver.Drag({190, 25}, {190, 100}, 3);
  ASSERT_GE(positions.size(), 2u);
  EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()));
  EXPECT_EQ(positions.back(), 45);
  ASSERT_GE(codes.size(), 3u);
  EXPECT_EQ(codes[codes.size() - 2], SB_THUMBPOSITION);
  EXPECT_EQ(codes.back(), SB_ENDSCROLL);
  EXPECT_EQ(sys.GetScrollPos(w, SB_VERT), 45);
  driver.Drag({190, 100}, {190, 400}, 2);  // past the end: the last position
  EXPECT_EQ(sys.GetScrollPos(w, SB_VERT), 90);
}

TEST_F(ScrollBarTest, PositionIsClampedToTheRangeAndPage) {
  EXPECT_EQ(sys.SetScrollPos(w, SB_VERT, 500, true), 0);
  EXPECT_EQ(sys.GetScrollPos(w, SB_VERT), 90);
  sys.SetScrollPos(w, SB_VERT, -5, true);
  EXPECT_EQ(sys.GetScrollPos(w, SB_VERT), 0);
}

}  // namespace
}  // namespace kx::test
