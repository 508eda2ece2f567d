#include "platform/base/geometry.h"

#include <gtest/gtest.h>

namespace kx {
namespace {

TEST(RectTest, SizesAndEmptiness) {
  TRect r{10, 20, 110, 45};
  EXPECT_EQ(r.Width(), 100);
  EXPECT_EQ(r.Height(), 25);
  EXPECT_FALSE(r.IsEmpty());
  EXPECT_TRUE((TRect{5, 5, 5, 9}).IsEmpty());
  EXPECT_TRUE((TRect{5, 5, 4, 9}).IsEmpty());
}

TEST(RectTest, ContainsExcludesRightAndBottom) {
  TRect r{0, 0, 10, 10};
  EXPECT_TRUE(r.Contains(TPoint{0, 0}));
  EXPECT_TRUE(r.Contains(TPoint{9, 9}));
  EXPECT_FALSE(r.Contains(TPoint{10, 5}));
  EXPECT_FALSE(r.Contains(TPoint{5, 10}));
}

TEST(RectTest, IntersectUnionOffsetInflate) {
  TRect a{0, 0, 10, 10};
  TRect b{5, 5, 20, 8};
  EXPECT_EQ(a.Intersected(b), (TRect{5, 5, 10, 8}));
  EXPECT_EQ(a.Intersected(TRect{10, 0, 20, 10}), TRect{});
  EXPECT_EQ(a.United(b), (TRect{0, 0, 20, 10}));
  EXPECT_EQ(a.United(TRect{}), a);
  EXPECT_EQ(a.Offset(3, -2), (TRect{3, -2, 13, 8}));
  EXPECT_EQ(a.Inflated(1, 2), (TRect{-1, -2, 11, 12}));
  EXPECT_EQ(Bounds(4, 5, 108 - 4, 20 - 5), (TRect{4, 5, 108, 20}));
}

}  // namespace
}  // namespace kx
