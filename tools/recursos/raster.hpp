// Small vector rasteriser: paths are flattened to polygons and sampled on a fine
// grid; the grid is box-filtered down at the end, which gives the anti-aliasing.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace rec {

struct Vec {
  double x = 0.0;
  double y = 0.0;
};

using Contour = std::vector<Vec>;

// A set of contours. Filling treats every contour as closed (nonzero rule);
// stroking treats them as open polylines.
class Path {
 public:
  Path& moveTo(double x, double y);
  Path& lineTo(double x, double y);
  Path& quadTo(double cx, double cy, double x, double y);
  Path& cubicTo(double c1x, double c1y, double c2x, double c2y, double x, double y);
  Path& append(const Path& other);

  static Path circle(double cx, double cy, double r);
  static Path ellipse(double cx, double cy, double rx, double ry);
  static Path rect(double x0, double y0, double x1, double y1);
  static Path roundRect(double x0, double y0, double x1, double y1, double r);
  static Path polygon(const std::vector<Vec>& pts);
  static Path line(double x0, double y0, double x1, double y1);
  // Turned shapes are drawn as their right half, from the top of the axis to
  // the bottom of it; this adds the mirrored left half.
  static Path lathe(double axis, const Path& rightHalf);

  Path transformed(double scale, double dx, double dy) const;
  const std::vector<Contour>& contours() const { return contours_; }
  bool empty() const { return contours_.empty(); }

 private:
  std::vector<Contour> contours_;
};

// Binary coverage over a rectangle of the sample grid.
struct Mask {
  int x0 = 0;
  int y0 = 0;
  int w = 0;
  int h = 0;
  std::vector<uint8_t> bits;

  bool at(int x, int y) const {
    x -= x0;
    y -= y0;
    return x >= 0 && y >= 0 && x < w && y < h && bits[static_cast<size_t>(y) * w + x] != 0;
  }
  size_t count() const;
};

// Path coordinates are in samples; a sample is inside when its centre is.
Mask fillPath(const Path& path);
// Every sample within distance r (in samples) of a covered one.
Mask dilate(const Mask& m, double r);
// Samples within width/2 of the path's polylines, with round caps.
Mask strokePath(const Path& path, double width);
Mask unite(const Mask& a, const Mask& b);

struct Color {
  float r = 0.f;
  float g = 0.f;
  float b = 0.f;
  float a = 1.f;
};

Color rgb(int r, int g, int b, float a = 1.f);
Color mix(const Color& a, const Color& b, double t);

struct Image {
  int w = 0;
  int h = 0;
  std::vector<uint8_t> rgba;  // straight alpha, row-major
};

// Premultiplied colour on the fine grid.
class Canvas {
 public:
  Canvas(int w, int h);
  int width() const { return w_; }
  int height() const { return h_; }

  using Shader = std::function<Color(int sx, int sy)>;
  void paint(const Mask& m, const Shader& shader);
  void paint(const Mask& m, const Color& c);
  void paintAll(const Shader& shader);
  Color at(int sx, int sy) const;
  // Averages factor x factor blocks of samples into one pixel.
  Image downsample(int factor) const;

 private:
  void blend(size_t i, const Color& c);
  int w_;
  int h_;
  std::vector<float> px_;
};

Image scaleBilinear(const Image& src, int w, int h);
bool savePng(const Image& img, const std::string& file, std::string* error);

}  // namespace rec
