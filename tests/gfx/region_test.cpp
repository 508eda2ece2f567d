#include "platform/gfx/region.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

int Area(const TRegion& r) {
  int area = 0;
  for (const TRect& rect : r.Rects()) area += rect.Width() * rect.Height();
  return area;
}

TEST(RegionTest, CombineOperations) {
  TRegion a(TRect{0, 0, 10, 10});
  TRegion b(TRect{5, 5, 15, 15});
  EXPECT_EQ(Area(TRegion::Combine(a, b, RegionOp::Or)), 175);
  EXPECT_EQ(Area(TRegion::Combine(a, b, RegionOp::And)), 25);
  EXPECT_EQ(Area(TRegion::Combine(a, b, RegionOp::Diff)), 75);
  EXPECT_EQ(Area(TRegion::Combine(a, b, RegionOp::Xor)), 150);
  EXPECT_EQ(TRegion::Combine(a, b, RegionOp::And).BoundingBox(), (TRect{5, 5, 10, 10}));
  EXPECT_TRUE(TRegion::Combine(a, a, RegionOp::Diff).IsEmpty());
}

TEST(RegionTest, BandsStayCanonical) {
  TRegion r = TRegion::FromRects({{0, 0, 5, 5}, {5, 0, 10, 5}, {0, 5, 10, 8}});
  ASSERT_EQ(r.Bands().size(), 1u);
  EXPECT_EQ(r.Rects(), (std::vector<TRect>{{0, 0, 10, 8}}));
  EXPECT_EQ(r, TRegion(TRect{0, 0, 10, 8}));
}

TEST(RegionTest, ContainmentOffsetAndIntersection) {
  TRegion r = TRegion::FromRects({{0, 0, 4, 4}, {8, 0, 12, 4}});
  EXPECT_TRUE(r.Contains(3, 3));
  EXPECT_FALSE(r.Contains(4, 0));
  EXPECT_TRUE(r.Contains(8, 0));
  EXPECT_FALSE(r.Intersects(TRect{4, 0, 8, 4}));
  EXPECT_TRUE(r.Intersects(TRect{3, 3, 9, 9}));
  r.Offset(10, 20);
  EXPECT_TRUE(r.Contains(10, 20));
  EXPECT_EQ(r.BoundingBox(), (TRect{10, 20, 22, 24}));
}

TEST(RegionTest, PolygonAndEllipse) {
  TRegion square = TRegion::FromPolygon({{0, 0}, {4, 0}, {4, 4}, {0, 4}});
  EXPECT_EQ(square, TRegion(TRect{0, 0, 4, 4}));
  // A bow tie: two triangles meeting in the middle, even-odd and winding agree.
  TRegion star = TRegion::FromPolygon({{0, 0}, {10, 10}, {10, 0}, {0, 10}});
  EXPECT_TRUE(star.Contains(1, 5));
  EXPECT_FALSE(star.Contains(5, 1));
  TRegion ellipse = TRegion::FromEllipse(TRect{0, 0, 10, 6});
  EXPECT_EQ(ellipse.BoundingBox(), (TRect{0, 0, 10, 6}));
  EXPECT_FALSE(ellipse.Contains(0, 0));
  EXPECT_TRUE(ellipse.Contains(5, 3));
  TRegion round = TRegion::FromRoundRect(TRect{0, 0, 20, 20}, 8, 8);
  EXPECT_FALSE(round.Contains(0, 0));
  EXPECT_TRUE(round.Contains(10, 0));
  EXPECT_TRUE(round.Contains(0, 10));
  EXPECT_FALSE(round.Contains(19, 19));
}

}  // namespace
}  // namespace kx
