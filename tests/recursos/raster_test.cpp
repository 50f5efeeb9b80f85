#include <gtest/gtest.h>

#include <cmath>

#include "raster.hpp"

using namespace rec;

TEST(Raster, FillCountsSamplesWhoseCentreIsInside) {
  EXPECT_EQ(fillPath(Path::rect(2, 3, 10, 7)).count(), 8u * 4u);
  // Edges through sample centres: [2.5, 5.5) holds the centres 2.5, 3.5 and 4.5.
  EXPECT_EQ(fillPath(Path::rect(2.5, 0, 5.5, 1)).count(), 3u);
  const double r = 60;
  const double area = static_cast<double>(fillPath(Path::circle(100, 100, r)).count());
  EXPECT_NEAR(area, M_PI * r * r, 0.01 * M_PI * r * r);
}

TEST(Raster, NonzeroRuleMakesUnionsAndHoles) {
  Path both = Path::rect(0, 0, 10, 10);
  both.append(Path::rect(5, 5, 15, 15));
  EXPECT_EQ(fillPath(both).count(), 100u + 100u - 25u);

  // An inner square wound the other way punches a hole.
  Path ring = Path::rect(0, 0, 10, 10);
  ring.append(Path::polygon({{3, 3}, {3, 7}, {7, 7}, {7, 3}}));
  const Mask m = fillPath(ring);
  EXPECT_EQ(m.count(), 100u - 16u);
  EXPECT_FALSE(m.at(5, 5));
  EXPECT_TRUE(m.at(1, 1));
}

TEST(Raster, DilateMatchesBruteForceDistance) {
  Path shape = Path::polygon({{10, 10}, {30, 14}, {18, 32}});
  shape.append(Path::circle(40, 40, 4));
  const Mask src = fillPath(shape);
  for (double r : {0.0, 1.5, 3.0, 6.2}) {
    const Mask d = dilate(src, r);
    for (int y = 0; y < 60; ++y) {
      for (int x = 0; x < 60; ++x) {
        double best = 1e9;
        for (int j = src.y0; j < src.y0 + src.h; ++j)
          for (int i = src.x0; i < src.x0 + src.w; ++i)
            if (src.at(i, j)) best = std::min(best, std::hypot(i - x, j - y));
        ASSERT_EQ(d.at(x, y), best <= r) << "r=" << r << " at " << x << "," << y;
      }
    }
  }
}

TEST(Raster, StrokeHasRoundCapsAndWidth) {
  const Mask m = strokePath(Path::line(10, 10, 30, 10), 4);
  EXPECT_TRUE(m.at(20, 9));
  EXPECT_TRUE(m.at(20, 11));
  EXPECT_FALSE(m.at(20, 12));  // centre 12.5 is 2.5 away
  EXPECT_TRUE(m.at(8, 10));    // inside the cap
  EXPECT_FALSE(m.at(7, 10));
  EXPECT_FALSE(m.at(8, 8));    // a square cap would cover this corner
}

TEST(Raster, DownsampleAveragesCoverageAndKeepsColour) {
  Canvas c(8, 8);
  c.paint(fillPath(Path::rect(0, 0, 4, 8)), rgb(200, 40, 10));
  const Image img = c.downsample(8);
  ASSERT_EQ(img.w, 1);
  EXPECT_EQ(img.rgba[3], 128);
  // Straight colour stays the painted one, not darkened by the empty half.
  EXPECT_EQ(img.rgba[0], 200);
  EXPECT_EQ(img.rgba[1], 40);
  EXPECT_EQ(img.rgba[2], 10);
}

TEST(Raster, BilinearScalingDoesNotBleedTransparentBlack) {
  Image src;
  src.w = 2;
  src.h = 1;
  src.rgba = {250, 20, 20, 255, 0, 0, 0, 0};
  const Image out = scaleBilinear(src, 3, 1);
  for (int x = 0; x < 3; ++x) {
    const uint8_t* p = &out.rgba[static_cast<size_t>(x) * 4];
    if (p[3] == 0) continue;
    EXPECT_EQ(p[0], 250) << x;
  }
  EXPECT_GT(out.rgba[3], out.rgba[11]);
}
