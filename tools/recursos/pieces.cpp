#include "pieces.hpp"

#include <algorithm>
#include <cmath>

namespace rec {

namespace {

constexpr double kAxis = 50.0;
constexpr int kSupersample = 8;
constexpr double kPieceStroke = 2.7;

// Concave turned stem, flaring towards the base.
Path stem(double yTop, double hwTop, double yBottom, double hwBottom) {
  const double h = yBottom - yTop;
  Path half;
  half.moveTo(kAxis, yTop)
      .lineTo(kAxis + hwTop, yTop)
      .cubicTo(kAxis + hwTop, yTop + 0.55 * h, kAxis + hwTop + 0.3 * (hwBottom - hwTop), yBottom - 0.12 * h,
               kAxis + hwBottom, yBottom)
      .lineTo(kAxis, yBottom);
  return Path::lathe(kAxis, half);
}

void addBase(PieceShape& s, double hw) {
  s.parts.push_back({Path::roundRect(kAxis - hw + 4, 81, kAxis + hw - 4, 88.5, 3.5), Shade::Cylinder});
  s.parts.push_back({Path::roundRect(kAxis - hw, 87, kAxis + hw, 95, 3), Shade::Cylinder});
}

void addCollar(PieceShape& s, double y, double rx, double ry) {
  s.parts.push_back({Path::ellipse(kAxis, y, rx, ry), Shade::Cylinder});
}

PieceShape pawn() {
  PieceShape s;
  s.parts.push_back({Path::circle(kAxis, 39.5, 13.5), Shade::Sphere});
  s.parts.push_back({stem(54, 9, 83, 21), Shade::Cylinder});
  addCollar(s, 55, 16, 4.2);
  addBase(s, 27);
  return s;
}

PieceShape rook() {
  PieceShape s;
  Path body;
  body.moveTo(kAxis, 38).lineTo(kAxis + 17.5, 38).cubicTo(kAxis + 18, 55, kAxis + 18.5, 70, kAxis + 21, 80).lineTo(kAxis, 80);
  s.parts.push_back({Path::lathe(kAxis, body), Shade::Cylinder});
  // Three merlons with two embrasures between them.
  s.parts.push_back({Path::polygon({{26, 39}, {26, 15}, {36, 15}, {36, 23}, {45.5, 23}, {45.5, 15},
                                    {54.5, 15}, {54.5, 23}, {64, 23}, {64, 15}, {74, 15}, {74, 39}}),
                     Shade::Cylinder});
  s.parts.push_back({Path::roundRect(24.5, 36, 75.5, 43, 2), Shade::Cylinder});
  s.parts.push_back({Path::roundRect(26.5, 75.5, 73.5, 82, 2), Shade::Cylinder});
  addBase(s, 30);
  return s;
}

PieceShape knight() {
  PieceShape s;
  Path head;
  head.moveTo(30, 83)
      .cubicTo(27, 74, 29, 66, 36, 60)   // chest swelling up to the throat
      .cubicTo(39, 57, 39, 55, 36, 54)   // throat into the jaw
      .cubicTo(31, 53, 26, 56, 21, 57)   // under the jaw towards the mouth
      .cubicTo(16, 58, 12, 54, 13, 50)   // chin
      .cubicTo(13, 46, 14, 43, 16, 41)   // muzzle
      .cubicTo(20, 36, 26, 28, 32, 21)   // nose bridge to the forehead
      .cubicTo(34, 18, 36, 15, 37, 10)   // front of the ear
      .lineTo(39, 5)
      .cubicTo(42, 9, 44, 12, 45, 15)    // back of the ear
      .cubicTo(58, 14, 70, 22, 75, 36)   // poll and crest
      .cubicTo(79, 48, 78, 66, 73, 83);  // back of the neck
  s.parts.push_back({head, Shade::Flat});
  addBase(s, 28);
  s.details.push_back({Path::ellipse(33, 27, 2.6, 2.0), 0});
  s.details.push_back({Path::ellipse(18, 46, 1.5, 1.5), 0});
  s.details.push_back({Path::line(14.5, 53, 21, 53.5), 1.8});
  Path mane;
  mane.moveTo(48, 19).cubicTo(60, 20, 68, 28, 71, 40);
  s.details.push_back({mane, 1.8});
  return s;
}

PieceShape bishop() {
  PieceShape s;
  s.parts.push_back({stem(60, 9, 83, 20.5), Shade::Cylinder});
  Path mitre;
  mitre.moveTo(kAxis, 21)
      .cubicTo(kAxis + 6.5, 25, kAxis + 17, 34, kAxis + 17, 44)
      .cubicTo(kAxis + 17, 51, kAxis + 14, 56, kAxis + 10, 58.5)
      .lineTo(kAxis, 58.5);
  s.parts.push_back({Path::lathe(kAxis, mitre), Shade::Cylinder});
  s.parts.push_back({Path::circle(kAxis, 16.5, 5), Shade::Sphere});
  addCollar(s, 60, 16, 3.8);
  addBase(s, 27);
  s.details.push_back({Path::line(59, 29, 47, 42.5), 3.2});
  return s;
}

PieceShape queen() {
  PieceShape s;
  s.parts.push_back({stem(49, 11.5, 83, 22), Shade::Cylinder});
  Path crown;
  crown.moveTo(38, 48)
      .cubicTo(34, 40, 29, 30, 27, 22)
      .lineTo(33.5, 31)
      .lineTo(39, 18)
      .lineTo(44.5, 29)
      .lineTo(50, 14)
      .lineTo(55.5, 29)
      .lineTo(61, 18)
      .lineTo(66.5, 31)
      .lineTo(73, 22)
      .cubicTo(71, 30, 66, 40, 62, 48);
  s.parts.push_back({crown, Shade::Cylinder});
  const Vec tips[] = {{27, 21}, {39, 17}, {61, 17}, {73, 21}};
  for (const Vec& t : tips) s.parts.push_back({Path::circle(t.x, t.y, 3.3), Shade::Sphere});
  s.parts.push_back({Path::circle(kAxis, 10.5, 4.5), Shade::Sphere});
  addCollar(s, 48.5, 17, 3.6);
  addCollar(s, 63, 13.5, 3);
  addBase(s, 29);
  return s;
}

PieceShape king() {
  PieceShape s;
  s.parts.push_back({stem(49, 11.5, 83, 22), Shade::Cylinder});
  s.parts.push_back({Path::polygon({{46.5, 1.5}, {53.5, 1.5}, {53.5, 6}, {59, 6}, {59, 13}, {53.5, 13}, {53.5, 22},
                                    {46.5, 22}, {46.5, 13}, {41, 13}, {41, 6}, {46.5, 6}}),
                     Shade::Cylinder});
  Path cup;
  cup.moveTo(kAxis, 19.5)
      .cubicTo(kAxis + 7.5, 19.5, kAxis + 17.5, 22, kAxis + 19.5, 27)
      .cubicTo(kAxis + 17.5, 33, kAxis + 13, 40, kAxis + 12, 48)
      .lineTo(kAxis, 48);
  s.parts.push_back({Path::lathe(kAxis, cup), Shade::Cylinder});
  addCollar(s, 49, 18, 3.8);
  addCollar(s, 64, 13.5, 3);
  addBase(s, 30);
  return s;
}

Vec lightDir() {
  const double x = -0.5, y = -0.45, z = 0.74;
  const double n = std::sqrt(x * x + y * y + z * z);
  return {x / n, y / n};
}

Canvas::Shader partShader(const Mask& m, Shade shade, const Palette& pal) {
  if (shade == Shade::Cylinder) {
    // Each row of a turned part is a circle seen edge on.
    std::vector<std::pair<int, int>> rows(static_cast<size_t>(m.h), {m.w, -1});
    for (int y = 0; y < m.h; ++y)
      for (int x = 0; x < m.w; ++x)
        if (m.bits[static_cast<size_t>(y) * m.w + x]) {
          rows[y].first = std::min(rows[y].first, x);
          rows[y].second = std::max(rows[y].second, x);
        }
    return [rows, &m, &pal](int sx, int sy) {
      const auto& r = rows[sy - m.y0];
      const double mid = m.x0 + (r.first + r.second + 1) / 2.0;
      const double half = std::max(1.0, (r.second - r.first + 1) / 2.0);
      return lightAt(pal, (sx + 0.5 - mid) / half, 0.0);
    };
  }
  int minx = m.w, maxx = -1, miny = m.h, maxy = -1;
  for (int y = 0; y < m.h; ++y)
    for (int x = 0; x < m.w; ++x)
      if (m.bits[static_cast<size_t>(y) * m.w + x]) {
        minx = std::min(minx, x);
        maxx = std::max(maxx, x);
        miny = std::min(miny, y);
        maxy = std::max(maxy, y);
      }
  const double cx = m.x0 + (minx + maxx + 1) / 2.0, cy = m.y0 + (miny + maxy + 1) / 2.0;
  const double rx = std::max(1.0, (maxx - minx + 1) / 2.0), ry = std::max(1.0, (maxy - miny + 1) / 2.0);
  if (shade == Shade::Sphere) {
    return [=, &pal](int sx, int sy) { return lightAt(pal, (sx + 0.5 - cx) / rx, (sy + 0.5 - cy) / ry); };
  }
  // Irregular shapes get a gentle side light only.
  return [=, &pal](int sx, int sy) { return lightAt(pal, 0.75 * (sx + 0.5 - cx) / rx, 0.2 * (sy + 0.5 - cy) / ry); };
}

}  // namespace

Color lightAt(const Palette& pal, double nx, double ny) {
  const double n2 = nx * nx + ny * ny;
  if (n2 > 1.0) {
    const double k = 1.0 / std::sqrt(n2);
    nx *= k;
    ny *= k;
  }
  const double nz = std::sqrt(std::max(0.0, 1.0 - nx * nx - ny * ny));
  const Vec l = lightDir();
  const double lz = std::sqrt(1.0 - l.x * l.x - l.y * l.y);
  const double lambert = std::max(0.0, nx * l.x + ny * l.y + nz * lz);
  Color c = mix(pal.shadow, pal.lit, 0.12 + 0.88 * lambert);
  // Half vector between the light and a viewer looking straight on.
  double hx = l.x, hy = l.y, hz = lz + 1.0;
  const double hn = std::sqrt(hx * hx + hy * hy + hz * hz);
  hx /= hn;
  hy /= hn;
  hz /= hn;
  const double brilho = std::pow(std::max(0.0, nx * hx + ny * hy + nz * hz), 28.0);
  return mix(c, pal.highlight, 0.55 * brilho);
}

Palette whitePalette() {
  return {rgb(255, 252, 240), rgb(178, 166, 140), rgb(28, 26, 24), rgb(255, 255, 255)};
}

Palette blackPalette() {
  return {rgb(66, 66, 74), rgb(8, 8, 11), rgb(218, 216, 204), rgb(170, 170, 184)};
}

Palette redPalette() {
  return {rgb(255, 96, 84), rgb(150, 14, 14), rgb(84, 0, 0), rgb(255, 210, 200)};
}

PieceShape pieceShape(PieceKind kind) {
  switch (kind) {
    case PieceKind::Pawn: return pawn();
    case PieceKind::Rook: return rook();
    case PieceKind::Knight: return knight();
    case PieceKind::Bishop: return bishop();
    case PieceKind::Queen: return queen();
    case PieceKind::King: return king();
  }
  return {};
}

void drawPiece(Canvas& canvas, PieceKind kind, const Palette& palette, double scale, double dx, double dy,
               double stroke) {
  const PieceShape s = pieceShape(kind);
  for (const Part& p : s.parts) {
    const Mask fill = fillPath(p.shape.transformed(scale, dx, dy));
    canvas.paint(dilate(fill, stroke * scale), palette.outline);
    canvas.paint(fill, partShader(fill, p.shade, palette));
  }
  for (const Detail& d : s.details) {
    const Path path = d.shape.transformed(scale, dx, dy);
    canvas.paint(d.width > 0 ? strokePath(path, d.width * scale) : fillPath(path), palette.outline);
  }
}

Image renderPiece(PieceKind kind, const Palette& palette) {
  Canvas c(kPieceSize * kSupersample, kPieceSize * kSupersample);
  const double scale = kPieceSize * kSupersample / 100.0;
  drawPiece(c, kind, palette, scale, 0, 0, kPieceStroke);
  return c.downsample(kSupersample);
}

std::string pieceFileStem(PieceKind kind, const std::string& colour) {
  bool feminine = false;
  std::string name;
  switch (kind) {
    case PieceKind::Pawn: name = "peao"; break;
    case PieceKind::Rook: name = "torre", feminine = true; break;
    case PieceKind::Knight: name = "cavalo"; break;
    case PieceKind::Bishop: name = "bispo"; break;
    case PieceKind::Queen: name = "rainha", feminine = true; break;
    case PieceKind::King: name = "rei"; break;
  }
  std::string c = colour;
  if (feminine && !c.empty() && c.back() == 'o') c.back() = 'a';
  return name + "-" + c;
}

}  // namespace rec
