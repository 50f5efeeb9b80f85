#include "raster.hpp"

#include <SDL.h>
#include <SDL_image.h>

#include <algorithm>
#include <cmath>
#include <limits>

namespace rec {

namespace {

// A cleared mask covering the box; empty when the box is (min > max).
Mask emptyMask(double minx, double miny, double maxx, double maxy) {
  Mask m;
  if (minx > maxx) return m;
  m.x0 = static_cast<int>(std::floor(minx));
  m.y0 = static_cast<int>(std::floor(miny));
  m.w = static_cast<int>(std::ceil(maxx)) - m.x0 + 1;
  m.h = static_cast<int>(std::ceil(maxy)) - m.y0 + 1;
  m.bits.assign(static_cast<size_t>(m.w) * m.h, 0);
  return m;
}


constexpr int kCurveSteps = 32;
constexpr double kPi = 3.14159265358979323846;

Contour& current(std::vector<Contour>& cs) {
  if (cs.empty()) cs.emplace_back();
  return cs.back();
}

Vec last(std::vector<Contour>& cs) {
  Contour& c = current(cs);
  return c.empty() ? Vec{} : c.back();
}

}  // namespace

Path& Path::moveTo(double x, double y) {
  contours_.push_back(Contour{{x, y}});
  return *this;
}

Path& Path::lineTo(double x, double y) {
  current(contours_).push_back({x, y});
  return *this;
}

Path& Path::quadTo(double cx, double cy, double x, double y) {
  const Vec p0 = last(contours_);
  Contour& c = current(contours_);
  for (int i = 1; i <= kCurveSteps; ++i) {
    const double t = static_cast<double>(i) / kCurveSteps;
    const double u = 1.0 - t;
    c.push_back({u * u * p0.x + 2 * u * t * cx + t * t * x, u * u * p0.y + 2 * u * t * cy + t * t * y});
  }
  return *this;
}

Path& Path::cubicTo(double c1x, double c1y, double c2x, double c2y, double x, double y) {
  const Vec p0 = last(contours_);
  Contour& c = current(contours_);
  for (int i = 1; i <= kCurveSteps; ++i) {
    const double t = static_cast<double>(i) / kCurveSteps;
    const double u = 1.0 - t;
    const double a = u * u * u, b = 3 * u * u * t, d = 3 * u * t * t, e = t * t * t;
    c.push_back({a * p0.x + b * c1x + d * c2x + e * x, a * p0.y + b * c1y + d * c2y + e * y});
  }
  return *this;
}

Path& Path::append(const Path& other) {
  contours_.insert(contours_.end(), other.contours_.begin(), other.contours_.end());
  return *this;
}

Path Path::circle(double cx, double cy, double r) { return ellipse(cx, cy, r, r); }

Path Path::ellipse(double cx, double cy, double rx, double ry) {
  Path p;
  Contour c;
  const int n = 96;
  for (int i = 0; i < n; ++i) {
    const double a = 2 * kPi * i / n;
    c.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
  }
  p.contours_.push_back(std::move(c));
  return p;
}

Path Path::rect(double x0, double y0, double x1, double y1) {
  return polygon({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}});
}

Path Path::roundRect(double x0, double y0, double x1, double y1, double r) {
  r = std::min({r, (x1 - x0) / 2, (y1 - y0) / 2});
  Path p;
  Contour c;
  const int n = 16;
  const Vec centres[4] = {{x1 - r, y0 + r}, {x1 - r, y1 - r}, {x0 + r, y1 - r}, {x0 + r, y0 + r}};
  for (int k = 0; k < 4; ++k) {
    for (int i = 0; i <= n; ++i) {
      const double a = -kPi / 2 + kPi / 2 * (k + static_cast<double>(i) / n);
      c.push_back({centres[k].x + r * std::cos(a), centres[k].y + r * std::sin(a)});
    }
  }
  p.contours_.push_back(std::move(c));
  return p;
}

Path Path::polygon(const std::vector<Vec>& pts) {
  Path p;
  p.contours_.push_back(pts);
  return p;
}

Path Path::line(double x0, double y0, double x1, double y1) {
  Path p;
  p.moveTo(x0, y0).lineTo(x1, y1);
  return p;
}

Path Path::lathe(double axis, const Path& rightHalf) {
  Path p;
  for (const Contour& half : rightHalf.contours_) {
    Contour c = half;
    for (auto it = half.rbegin(); it != half.rend(); ++it) c.push_back({2 * axis - it->x, it->y});
    p.contours_.push_back(std::move(c));
  }
  return p;
}

Path Path::transformed(double scale, double dx, double dy) const {
  Path p = *this;
  for (Contour& c : p.contours_)
    for (Vec& v : c) v = {v.x * scale + dx, v.y * scale + dy};
  return p;
}

size_t Mask::count() const {
  return static_cast<size_t>(std::count(bits.begin(), bits.end(), uint8_t{1}));
}

Mask fillPath(const Path& path) {
  double minx = std::numeric_limits<double>::max(), miny = minx;
  double maxx = -minx, maxy = -minx;
  for (const Contour& c : path.contours())
    for (const Vec& v : c) {
      minx = std::min(minx, v.x);
      miny = std::min(miny, v.y);
      maxx = std::max(maxx, v.x);
      maxy = std::max(maxy, v.y);
    }
  Mask m = emptyMask(minx, miny, maxx, maxy);
  if (m.w == 0) return m;

  struct Crossing {
    double x;
    int dir;
  };
  std::vector<Crossing> xs;
  for (int row = 0; row < m.h; ++row) {
    const double y = m.y0 + row + 0.5;
    xs.clear();
    for (const Contour& c : path.contours()) {
      const size_t n = c.size();
      for (size_t i = 0; i < n; ++i) {
        const Vec& a = c[i];
        const Vec& b = c[(i + 1) % n];
        if ((a.y <= y) == (b.y <= y)) continue;
        const double t = (y - a.y) / (b.y - a.y);
        xs.push_back({a.x + t * (b.x - a.x), b.y > a.y ? 1 : -1});
      }
    }
    std::sort(xs.begin(), xs.end(), [](const Crossing& p, const Crossing& q) { return p.x < q.x; });
    int winding = 0;
    for (size_t i = 0; i + 1 < xs.size(); ++i) {
      winding += xs[i].dir;
      if (winding == 0) continue;
      // Samples whose centre j + 0.5 lies in [left, right).
      const int from = std::max(0, static_cast<int>(std::ceil(xs[i].x - 0.5)) - m.x0);
      const int to = std::min(m.w, static_cast<int>(std::ceil(xs[i + 1].x - 0.5)) - m.x0);
      for (int j = from; j < to; ++j) m.bits[static_cast<size_t>(row) * m.w + j] = 1;
    }
  }
  return m;
}

namespace {

// One-dimensional squared distance transform (lower envelope of parabolas).
constexpr double kFar = 1e20;

void distance1d(const std::vector<double>& f, std::vector<double>& d, std::vector<int>& v,
                std::vector<double>& z) {
  const int n = static_cast<int>(f.size());
  const double inf = std::numeric_limits<double>::infinity();
  auto meet = [&f](int q, int p) {
    return ((f[q] + static_cast<double>(q) * q) - (f[p] + static_cast<double>(p) * p)) / (2.0 * q - 2.0 * p);
  };
  int k = 0;
  v[0] = 0;
  z[0] = -inf;
  z[1] = inf;
  for (int q = 1; q < n; ++q) {
    double s = meet(q, v[k]);
    while (s <= z[k]) {
      --k;
      s = meet(q, v[k]);
    }
    ++k;
    v[k] = q;
    z[k] = s;
    z[k + 1] = inf;
  }
  k = 0;
  for (int q = 0; q < n; ++q) {
    while (z[k + 1] < q) ++k;
    const double dq = q - v[k];
    d[q] = dq * dq + f[v[k]];
  }
}

}  // namespace

Mask dilate(const Mask& m, double r) {
  const int pad = static_cast<int>(std::ceil(r)) + 1;
  Mask out;
  out.x0 = m.x0 - pad;
  out.y0 = m.y0 - pad;
  out.w = m.w + 2 * pad;
  out.h = m.h + 2 * pad;
  std::vector<double> grid(static_cast<size_t>(out.w) * out.h, kFar);
  for (int y = 0; y < m.h; ++y)
    for (int x = 0; x < m.w; ++x)
      if (m.bits[static_cast<size_t>(y) * m.w + x]) grid[static_cast<size_t>(y + pad) * out.w + x + pad] = 0;

  const int n = std::max(out.w, out.h);
  std::vector<double> f, d;
  std::vector<int> v(n);
  std::vector<double> z(n + 1);
  for (int x = 0; x < out.w; ++x) {
    f.resize(out.h);
    d.resize(out.h);
    for (int y = 0; y < out.h; ++y) f[y] = grid[static_cast<size_t>(y) * out.w + x];
    distance1d(f, d, v, z);
    for (int y = 0; y < out.h; ++y) grid[static_cast<size_t>(y) * out.w + x] = d[y];
  }
  for (int y = 0; y < out.h; ++y) {
    f.assign(grid.begin() + static_cast<long>(y) * out.w, grid.begin() + static_cast<long>(y + 1) * out.w);
    d.resize(out.w);
    distance1d(f, d, v, z);
    std::copy(d.begin(), d.end(), grid.begin() + static_cast<long>(y) * out.w);
  }
  out.bits.resize(grid.size());
  const double r2 = r * r;
  for (size_t i = 0; i < grid.size(); ++i) out.bits[i] = grid[i] <= r2 ? 1 : 0;
  return out;
}

Mask strokePath(const Path& path, double width) {
  const double hw = width / 2;
  double minx = std::numeric_limits<double>::max(), miny = minx;
  double maxx = -minx, maxy = -minx;
  for (const Contour& c : path.contours())
    for (const Vec& p : c) {
      minx = std::min(minx, p.x - hw);
      miny = std::min(miny, p.y - hw);
      maxx = std::max(maxx, p.x + hw);
      maxy = std::max(maxy, p.y + hw);
    }
  Mask m = emptyMask(minx, miny, maxx, maxy);
  if (m.w == 0) return m;
  const double hw2 = hw * hw;
  for (const Contour& c : path.contours()) {
    for (size_t i = 0; i < c.size(); ++i) {
      const Vec a = c[i];
      const Vec b = i + 1 < c.size() ? c[i + 1] : c[i];
      const int xa = std::max(0, static_cast<int>(std::floor(std::min(a.x, b.x) - hw)) - m.x0);
      const int xb = std::min(m.w - 1, static_cast<int>(std::ceil(std::max(a.x, b.x) + hw)) - m.x0);
      const int ya = std::max(0, static_cast<int>(std::floor(std::min(a.y, b.y) - hw)) - m.y0);
      const int yb = std::min(m.h - 1, static_cast<int>(std::ceil(std::max(a.y, b.y) + hw)) - m.y0);
      const double ex = b.x - a.x, ey = b.y - a.y;
      const double len2 = ex * ex + ey * ey;
      for (int y = ya; y <= yb; ++y) {
        for (int x = xa; x <= xb; ++x) {
          const double px = m.x0 + x + 0.5 - a.x, py = m.y0 + y + 0.5 - a.y;
          double t = len2 > 0 ? (px * ex + py * ey) / len2 : 0.0;
          t = std::clamp(t, 0.0, 1.0);
          const double dx = px - t * ex, dy = py - t * ey;
          if (dx * dx + dy * dy <= hw2) m.bits[static_cast<size_t>(y) * m.w + x] = 1;
        }
      }
    }
  }
  return m;
}

Mask unite(const Mask& a, const Mask& b) {
  if (a.bits.empty()) return b;
  if (b.bits.empty()) return a;
  Mask m;
  m.x0 = std::min(a.x0, b.x0);
  m.y0 = std::min(a.y0, b.y0);
  m.w = std::max(a.x0 + a.w, b.x0 + b.w) - m.x0;
  m.h = std::max(a.y0 + a.h, b.y0 + b.h) - m.y0;
  m.bits.assign(static_cast<size_t>(m.w) * m.h, 0);
  for (int y = 0; y < m.h; ++y)
    for (int x = 0; x < m.w; ++x)
      if (a.at(x + m.x0, y + m.y0) || b.at(x + m.x0, y + m.y0)) m.bits[static_cast<size_t>(y) * m.w + x] = 1;
  return m;
}

Color rgb(int r, int g, int b, float a) { return {r / 255.f, g / 255.f, b / 255.f, a}; }

Color mix(const Color& a, const Color& b, double t) {
  const float u = static_cast<float>(std::clamp(t, 0.0, 1.0));
  return {a.r + (b.r - a.r) * u, a.g + (b.g - a.g) * u, a.b + (b.b - a.b) * u, a.a + (b.a - a.a) * u};
}

Canvas::Canvas(int w, int h) : w_(w), h_(h), px_(static_cast<size_t>(w) * h * 4, 0.f) {}

void Canvas::blend(size_t i, const Color& c) {
  float* p = &px_[i * 4];
  const float k = 1.f - c.a;
  p[0] = c.r * c.a + p[0] * k;
  p[1] = c.g * c.a + p[1] * k;
  p[2] = c.b * c.a + p[2] * k;
  p[3] = c.a + p[3] * k;
}

void Canvas::paint(const Mask& m, const Shader& shader) {
  for (int y = std::max(0, m.y0); y < std::min(h_, m.y0 + m.h); ++y)
    for (int x = std::max(0, m.x0); x < std::min(w_, m.x0 + m.w); ++x)
      if (m.bits[static_cast<size_t>(y - m.y0) * m.w + (x - m.x0)])
        blend(static_cast<size_t>(y) * w_ + x, shader(x, y));
}

void Canvas::paint(const Mask& m, const Color& c) {
  paint(m, [&c](int, int) { return c; });
}

void Canvas::paintAll(const Shader& shader) {
  for (int y = 0; y < h_; ++y)
    for (int x = 0; x < w_; ++x) blend(static_cast<size_t>(y) * w_ + x, shader(x, y));
}

Color Canvas::at(int sx, int sy) const {
  const float* p = &px_[(static_cast<size_t>(sy) * w_ + sx) * 4];
  if (p[3] <= 0.f) return {0, 0, 0, 0};
  return {p[0] / p[3], p[1] / p[3], p[2] / p[3], p[3]};
}

Image Canvas::downsample(int factor) const {
  Image img;
  img.w = w_ / factor;
  img.h = h_ / factor;
  img.rgba.resize(static_cast<size_t>(img.w) * img.h * 4);
  const float n = static_cast<float>(factor * factor);
  for (int y = 0; y < img.h; ++y) {
    for (int x = 0; x < img.w; ++x) {
      float acc[4] = {0, 0, 0, 0};
      for (int j = 0; j < factor; ++j)
        for (int i = 0; i < factor; ++i) {
          const float* p = &px_[(static_cast<size_t>(y * factor + j) * w_ + x * factor + i) * 4];
          for (int k = 0; k < 4; ++k) acc[k] += p[k];
        }
      uint8_t* out = &img.rgba[(static_cast<size_t>(y) * img.w + x) * 4];
      const float a = acc[3] / n;
      for (int k = 0; k < 3; ++k) {
        const float c = a > 0 ? acc[k] / acc[3] : 0.f;
        out[k] = static_cast<uint8_t>(std::lround(std::clamp(c, 0.f, 1.f) * 255.f));
      }
      out[3] = static_cast<uint8_t>(std::lround(std::clamp(a, 0.f, 1.f) * 255.f));
    }
  }
  return img;
}

Image scaleBilinear(const Image& src, int w, int h) {
  Image out;
  out.w = w;
  out.h = h;
  out.rgba.resize(static_cast<size_t>(w) * h * 4);
  auto px = [&src](int x, int y, int k) {
    x = std::clamp(x, 0, src.w - 1);
    y = std::clamp(y, 0, src.h - 1);
    return static_cast<double>(src.rgba[(static_cast<size_t>(y) * src.w + x) * 4 + k]);
  };
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const double fx = (x + 0.5) * src.w / w - 0.5, fy = (y + 0.5) * src.h / h - 0.5;
      const int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
      const double tx = fx - ix, ty = fy - iy;
      double acc[4] = {0, 0, 0, 0};
      // Interpolate premultiplied so transparent neighbours do not darken edges.
      const int ox[4] = {0, 1, 0, 1}, oy[4] = {0, 0, 1, 1};
      const double wt[4] = {(1 - tx) * (1 - ty), tx * (1 - ty), (1 - tx) * ty, tx * ty};
      for (int s = 0; s < 4; ++s) {
        const double a = px(ix + ox[s], iy + oy[s], 3) / 255.0;
        for (int k = 0; k < 3; ++k) acc[k] += wt[s] * a * px(ix + ox[s], iy + oy[s], k);
        acc[3] += wt[s] * a;
      }
      uint8_t* o = &out.rgba[(static_cast<size_t>(y) * w + x) * 4];
      for (int k = 0; k < 3; ++k) o[k] = static_cast<uint8_t>(acc[3] > 0 ? std::lround(acc[k] / acc[3]) : 0);
      o[3] = static_cast<uint8_t>(std::lround(acc[3] * 255.0));
    }
  }
  return out;
}

bool savePng(const Image& img, const std::string& file, std::string* error) {
  SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, img.w, img.h, 32, SDL_PIXELFORMAT_RGBA32);
  if (!s) {
    if (error) *error = SDL_GetError();
    return false;
  }
  for (int y = 0; y < img.h; ++y)
    std::copy_n(&img.rgba[static_cast<size_t>(y) * img.w * 4], img.w * 4,
                static_cast<uint8_t*>(s->pixels) + static_cast<size_t>(y) * s->pitch);
  const bool ok = IMG_SavePNG(s, file.c_str()) == 0;
  if (!ok && error) *error = SDL_GetError();
  SDL_FreeSurface(s);
  return ok;
}

}  // namespace rec
