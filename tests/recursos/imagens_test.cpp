#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>

#include "comum.hpp"
#include "pieces.hpp"

using namespace rec;
using rectest::generatedRoot;
using rectest::loadPng;
using rectest::luminance;

namespace {

const uint8_t* px(const Image& img, int x, int y) { return &img.rgba[(static_cast<size_t>(y) * img.w + x) * 4]; }

struct Extent {
  int top = 1 << 20, bottom = -1, left = 1 << 20, right = -1;
};

Extent opaqueExtent(const Image& img, int minAlpha = 128) {
  Extent e;
  for (int y = 0; y < img.h; ++y)
    for (int x = 0; x < img.w; ++x)
      if (px(img, x, y)[3] >= minAlpha) {
        e.top = std::min(e.top, y);
        e.bottom = std::max(e.bottom, y);
        e.left = std::min(e.left, x);
        e.right = std::max(e.right, x);
      }
  return e;
}

// Opaque pixels touching a see-through one are the outline.
bool onRim(const Image& img, int x, int y) {
  if (px(img, x, y)[3] < 250) return false;
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      const int nx = x + dx, ny = y + dy;
      if (nx < 0 || ny < 0 || nx >= img.w || ny >= img.h || px(img, nx, ny)[3] < 64) return true;
    }
  return false;
}

// Median colour of opaque pixels at least three pixels inside the silhouette:
// the fill, not the lines drawn between the parts.
std::array<double, 3> innerMedian(const Image& img) {
  std::array<std::vector<double>, 3> ch;
  for (int y = 3; y < img.h - 3; ++y)
    for (int x = 3; x < img.w - 3; ++x) {
      bool deep = true;
      for (int d = -3; d <= 3 && deep; ++d)
        deep = px(img, x + d, y)[3] == 255 && px(img, x, y + d)[3] == 255;
      if (!deep) continue;
      for (int k = 0; k < 3; ++k) ch[k].push_back(px(img, x, y)[k]);
    }
  EXPECT_GT(ch[0].size(), 20u);
  std::array<double, 3> out{0, 0, 0};
  for (int k = 0; k < 3; ++k) {
    if (ch[k].empty()) continue;
    std::nth_element(ch[k].begin(), ch[k].begin() + ch[k].size() / 2, ch[k].end());
    out[k] = ch[k][ch[k].size() / 2];
  }
  return out;
}

double rimLuminance(const Image& img) {
  double sum = 0;
  int n = 0;
  for (int y = 0; y < img.h; ++y)
    for (int x = 0; x < img.w; ++x)
      if (onRim(img, x, y)) {
        sum += luminance(px(img, x, y));
        ++n;
      }
  EXPECT_GT(n, 30);
  return sum / std::max(n, 1);
}

Image piece(PieceKind k, const char* colour) {
  return loadPng(generatedRoot() / "img" / (pieceFileStem(k, colour) + ".png"));
}

}  // namespace

TEST(Pieces, EveryImageIsTransparentAroundAnOpaqueCentre) {
  for (PieceKind k : kAllPieces) {
    for (const char* c : {"preto", "branco", "vermelho"}) {
      SCOPED_TRACE(pieceFileStem(k, c));
      const Image img = piece(k, c);
      ASSERT_EQ(img.w, kPieceSize);
      ASSERT_EQ(img.h, kPieceSize);
      for (int y : {0, img.h - 1})
        for (int x : {0, img.w - 1}) EXPECT_EQ(px(img, x, y)[3], 0);
      // The middle column is solid from the lower half down to the base.
      for (int y = img.h / 2 + 4; y < img.h - 6; ++y) EXPECT_EQ(px(img, img.w / 2, y)[3], 255) << "row " << y;
      const Extent e = opaqueExtent(img);
      EXPECT_GE(e.left, 1);
      EXPECT_LE(e.right, img.w - 2);
      EXPECT_LE(e.bottom, img.h - 2);
    }
  }
}

TEST(Pieces, ColoursReadAsWhiteBlackAndRed) {
  for (PieceKind k : kAllPieces) {
    SCOPED_TRACE(pieceFileStem(k, "x"));
    const auto white = innerMedian(piece(k, "branco"));
    const auto black = innerMedian(piece(k, "preto"));
    const auto red = innerMedian(piece(k, "vermelho"));
    const double lw = 0.2126 * white[0] + 0.7152 * white[1] + 0.0722 * white[2];
    const double lb = 0.2126 * black[0] + 0.7152 * black[1] + 0.0722 * black[2];
    EXPECT_GT(lw, 180);
    EXPECT_LT(lb, 80);
    EXPECT_GT(red[0], 1.8 * red[1]);
    EXPECT_GT(red[0], 1.8 * red[2]);
    EXPECT_GT(red[0], 150);
    // White has a dark outline, black a light one, so each reads on both squares.
    EXPECT_LT(rimLuminance(piece(k, "branco")), 110);
    EXPECT_GT(rimLuminance(piece(k, "preto")), 150);
  }
}

TEST(Pieces, RedCoversTheWhiteAndBlackPieceEntirely) {
  for (PieceKind k : kAllPieces) {
    const Image red = piece(k, "vermelho");
    for (const char* c : {"preto", "branco"}) {
      const Image under = piece(k, c);
      ASSERT_EQ(red.rgba.size(), under.rgba.size());
      for (size_t i = 3; i < red.rgba.size(); i += 4)
        ASSERT_GE(red.rgba[i], under.rgba[i]) << pieceFileStem(k, c) << " pixel " << i / 4;
    }
  }
}

TEST(Pieces, SilhouettesStandOnOneBaseLineWithClassicProportions) {
  std::vector<Extent> ext;
  for (PieceKind k : kAllPieces) ext.push_back(opaqueExtent(piece(k, "branco")));
  for (const Extent& e : ext) EXPECT_EQ(e.bottom, ext[0].bottom);
  const auto height = [&](PieceKind k) { const Extent& e = ext[static_cast<size_t>(k)]; return e.bottom - e.top; };
  EXPECT_GT(height(PieceKind::King), height(PieceKind::Queen));
  EXPECT_GT(height(PieceKind::Queen), height(PieceKind::Bishop));
  EXPECT_GT(height(PieceKind::Bishop), height(PieceKind::Rook));
  EXPECT_GT(height(PieceKind::Rook), height(PieceKind::Pawn));
  EXPECT_GT(height(PieceKind::King), kPieceSize * 3 / 4);
  EXPECT_LT(height(PieceKind::Pawn), kPieceSize * 3 / 4);
}

TEST(Pieces, KnightFacesLeft) {
  const Image img = piece(PieceKind::Knight, "branco");
  const Extent e = opaqueExtent(img);
  // In the head's rows the muzzle reaches further left of the axis than the neck does right.
  int left = img.w, right = -1;
  for (int y = e.top; y < e.top + (e.bottom - e.top) / 2; ++y)
    for (int x = 0; x < img.w; ++x)
      if (px(img, x, y)[3] >= 128) {
        left = std::min(left, x);
        right = std::max(right, x);
      }
  EXPECT_GT(img.w / 2 - left, right - img.w / 2 + 3);
}

TEST(Pieces, RookTopIsCrenellated) {
  const Image img = piece(PieceKind::Rook, "branco");
  const Extent e = opaqueExtent(img);
  // Along a row through the merlons, opaque and clear runs alternate.
  const int y = e.top + 2;
  int runs = 0;
  bool inside = false;
  for (int x = 0; x < img.w; ++x) {
    const bool o = px(img, x, y)[3] >= 128;
    if (o && !inside) ++runs;
    inside = o;
  }
  EXPECT_EQ(runs, 3);
}

TEST(Pieces, KingStaysLegibleAsA36PixelIcon) {
  for (const char* c : {"branco", "preto"}) {
    const Image icon = scaleBilinear(piece(PieceKind::King, c), 36, 36);
    const Extent e = opaqueExtent(icon);
    EXPECT_GT(e.bottom - e.top, 28);
    // The cross on top is a narrow shape standing above the much wider crown.
    const Extent cross = [&] {
      Extent r;
      for (int y = e.top; y < e.top + 3; ++y)
        for (int x = 0; x < icon.w; ++x)
          if (px(icon, x, y)[3] >= 128) {
            r.left = std::min(r.left, x);
            r.right = std::max(r.right, x);
          }
      return r;
    }();
    EXPECT_LE(cross.right - cross.left + 1, (e.right - e.left + 1) / 2);
    EXPECT_NEAR((cross.left + cross.right) / 2.0, 17.5, 1.5);
  }
}

TEST(Icons, SpeakerOnAndOffShareSizeAndDiffer) {
  const Image on = loadPng(generatedRoot() / "img" / "audio-ligado.png");
  const Image off = loadPng(generatedRoot() / "img" / "audio-desligado.png");
  ASSERT_EQ(on.w, 36);
  ASSERT_EQ(on.h, 36);
  ASSERT_EQ(off.w, on.w);
  ASSERT_EQ(off.h, on.h);
  auto reds = [](const Image& img) {
    int n = 0;
    for (size_t i = 0; i < img.rgba.size(); i += 4)
      if (img.rgba[i + 3] > 200 && img.rgba[i] > 150 && img.rgba[i + 1] < 80) ++n;
    return n;
  };
  EXPECT_EQ(reds(on), 0);
  EXPECT_GT(reds(off), 20);
  for (const Image* img : {&on, &off}) {
    EXPECT_EQ(px(*img, 0, 0)[3], 0);
    EXPECT_EQ(px(*img, 35, 35)[3], 0);
    EXPECT_EQ(px(*img, 8, 18)[3], 255);  // the speaker body
    // Something drawn right of the cone: the waves, or the cross.
    const Extent e = opaqueExtent(*img);
    EXPECT_GT(e.right, 28);
    // Dark enough to read on the light grey panel.
    EXPECT_LT(luminance(px(*img, 8, 18)), 120);
  }
  // The speaker is the same in both.
  for (int y = 0; y < 36; ++y)
    for (int x = 0; x < 16; ++x) ASSERT_EQ(px(on, x, y)[3], px(off, x, y)[3]) << x << "," << y;
}

TEST(Opening, FillsTheWindowAndKeepsTheMenuAreaDark) {
  const Image img = loadPng(generatedRoot() / "img" / "abertura.png");
  ASSERT_EQ(img.w, 640);
  ASSERT_EQ(img.h, 640);
  double menu = 0, sides = 0, all = 0, all2 = 0, brightestInMenu = 0;
  int nMenu = 0, nSides = 0;
  for (int y = 0; y < img.h; ++y)
    for (int x = 0; x < img.w; ++x) {
      const uint8_t* p = px(img, x, y);
      ASSERT_EQ(p[3], 255);
      const double l = luminance(p);
      all += l;
      all2 += l * l;
      if (x >= 160 && x < 480 && y >= 235 && y < 485) {
        menu += l;
        ++nMenu;
        brightestInMenu = std::max(brightestInMenu, l);
      } else if (y >= 235 && (x < 160 || x >= 480)) {
        sides += l;
        ++nSides;
      }
    }
  const double n = static_cast<double>(img.w) * img.h;
  const double spread = std::sqrt(all2 / n - (all / n) * (all / n));
  EXPECT_LT(menu / nMenu, 50);
  // Nothing bright behind the menu box, where it could show through its edges.
  EXPECT_LT(brightestInMenu, 140);
  EXPECT_GT(sides / nSides, 1.5 * menu / nMenu);
  EXPECT_GT(spread, 20);  // a picture, not a flat fill
}
