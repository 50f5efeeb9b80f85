#include "art.hpp"

#include <algorithm>
#include <cmath>

#include "pieces.hpp"

namespace rec {

namespace {

constexpr double kPi = 3.14159265358979323846;

Path arc(double cx, double cy, double r, double fromDeg, double toDeg) {
  Path p;
  const int n = 40;
  for (int i = 0; i <= n; ++i) {
    const double a = (fromDeg + (toDeg - fromDeg) * i / n) * kPi / 180.0;
    const double x = cx + r * std::cos(a), y = cy + r * std::sin(a);
    if (i == 0)
      p.moveTo(x, y);
    else
      p.lineTo(x, y);
  }
  return p;
}

double smooth(double e0, double e1, double x) {
  const double t = std::clamp((x - e0) / (e1 - e0), 0.0, 1.0);
  return t * t * (3 - 2 * t);
}

}  // namespace

Image renderSpeakerIcon(bool soundOn) {
  const int ss = 8;
  Canvas c(kIconSize * ss, kIconSize * ss);
  Path speaker = Path::roundRect(5, 13.5, 11.5, 22.5, 1.2);
  speaker.append(Path::polygon({{10.5, 13.5}, {18.5, 6.5}, {18.5, 29.5}, {10.5, 22.5}}));
  const Mask body = fillPath(speaker.transformed(ss, 0, 0));
  const Color ink = rgb(22, 24, 30);
  c.paint(dilate(body, 0.7 * ss), ink);
  c.paint(body, [ss](int, int sy) {
    // Lit from above, like the rest of the interface.
    return mix(rgb(96, 100, 114), rgb(40, 42, 52), (sy / static_cast<double>(ss) - 6.5) / 23.0);
  });
  if (soundOn) {
    for (double r : {6.0, 10.5, 15.0}) c.paint(strokePath(arc(18, 18, r, -45, 45).transformed(ss, 0, 0), 2.3 * ss), ink);
  } else {
    Path x = Path::line(22.5, 12.5, 33, 23.5);
    x.append(Path::line(22.5, 23.5, 33, 12.5));
    const Mask cross = strokePath(x.transformed(ss, 0, 0), 2.8 * ss);
    c.paint(dilate(cross, 0.5 * ss), rgb(90, 0, 0));
    c.paint(cross, rgb(214, 36, 36));
  }
  return c.downsample(ss);
}

namespace {

// An arrowhead whose tip lies `length` ahead of `at` along the unit
// direction (dx, dy), `width` wide at its base.
Path arrowhead(Vec at, double dx, double dy, double length, double width) {
  const double nx = -dy, ny = dx;
  return Path::polygon({{at.x + dx * length, at.y + dy * length},
                        {at.x + nx * width / 2, at.y + ny * width / 2},
                        {at.x - nx * width / 2, at.y - ny * width / 2}});
}

// A rounded rectangle's outline as one closed polyline, for stroking.
Path outline(double x0, double y0, double x1, double y1, double r) {
  const Path shape = Path::roundRect(x0, y0, x1, y1, r);
  const Contour& c = shape.contours().front();
  Path p;
  p.moveTo(c.front().x, c.front().y);
  for (size_t i = 1; i < c.size(); ++i) p.lineTo(c[i].x, c[i].y);
  p.lineTo(c.front().x, c.front().y);
  return p;
}

}  // namespace

Image renderControlIcon(ControlIcon icon) {
  const int ss = 8;
  Canvas c(kIconSize * ss, kIconSize * ss);
  // A light square key with a dark rim, lit from above like the speaker.
  const Mask plate = fillPath(Path::roundRect(1.5, 1.5, 34.5, 34.5, 5).transformed(ss, 0, 0));
  c.paint(dilate(plate, 1.0 * ss), rgb(84, 84, 52));
  c.paint(plate, [ss](int, int sy) {
    return mix(rgb(250, 250, 238), rgb(200, 200, 178), (sy / static_cast<double>(ss) - 1.5) / 33.0);
  });
  const Color ink = rgb(22, 24, 30);
  Path stroke, heads;
  if (icon == ControlIcon::Hint) {
    // A lit bulb: a warm glass round a filament, on a screwed base.
    const Mask bulb = unite(fillPath(Path::circle(18, 14.5, 8.2).transformed(ss, 0, 0)),
                            fillPath(Path::polygon({{12.2, 19.5}, {23.8, 19.5}, {21.6, 25}, {14.4, 25}})
                                         .transformed(ss, 0, 0)));
    c.paint(dilate(bulb, 1.4 * ss), ink);
    c.paint(bulb, [ss](int, int sy) {
      return mix(rgb(255, 236, 120), rgb(236, 176, 40), (sy / static_cast<double>(ss) - 6.0) / 19.0);
    });
    Path filament;
    filament.moveTo(15.5, 22).lineTo(15.5, 16.5).lineTo(17, 14.5).lineTo(18, 16.5).lineTo(19, 14.5).lineTo(20.5, 16.5)
        .lineTo(20.5, 22);
    c.paint(strokePath(filament.transformed(ss, 0, 0), 1.2 * ss), rgb(150, 84, 10));
    Path base = Path::roundRect(14, 26.2, 22, 28.4, 0.8);
    base.append(Path::roundRect(14.6, 29.4, 21.4, 31.4, 0.8));
    c.paint(fillPath(base.transformed(ss, 0, 0)), ink);
    return c.downsample(ss);
  }
  double width = 3.2;
  if (icon == ControlIcon::Undo) {
    // A hooked arrow that turns back to the left.
    stroke.moveTo(13, 12.5).lineTo(19.5, 12.5);
    stroke.append(arc(19.5, 19.5, 7, -90, 90));
    stroke.append(Path::line(19.5, 26.5, 11, 26.5));
    heads = arrowhead({13.5, 12.5}, -1, 0, 8, 11);
  } else if (icon == ControlIcon::List) {
    // Numbered lines: the list of moves.
    for (double y : {11.0, 18.0, 25.0}) {
      heads.append(Path::circle(10, y, 2.1));
      stroke.append(Path::line(15, y, 27, y));
    }
  } else if (icon == ControlIcon::Copy) {
    // A second sheet laid over the first, which it hides.
    width = 2.6;
    c.paint(strokePath(outline(14, 7.5, 27.5, 23.5, 2).transformed(ss, 0, 0), width * ss), ink);
    const Path front = Path::roundRect(8.5, 12.5, 22, 28.5, 2);
    c.paint(dilate(fillPath(front.transformed(ss, 0, 0)), 1.8 * ss), rgb(236, 236, 222));
    stroke.append(outline(8.5, 12.5, 22, 28.5, 2));
    stroke.append(Path::line(12, 18.5, 18.5, 18.5));
    stroke.append(Path::line(12, 23, 18.5, 23));
  } else if (icon == ControlIcon::Paste) {
    // A clipboard with its clip and a written sheet.
    width = 2.6;
    stroke.append(outline(9, 9.5, 27, 30, 2.5));
    heads.append(Path::roundRect(13.5, 6, 22.5, 12.5, 1.5));
    stroke.append(Path::line(13, 18, 23, 18));
    stroke.append(Path::line(13, 22.5, 23, 22.5));
    stroke.append(Path::line(13, 27, 19.5, 27));
  } else {
    // Two half turns round the middle: the board turned about.
    const double kRad = 3.14159265358979323846 / 180.0;
    for (double from : {200.0, 20.0}) {
      const double to = from + 125;
      stroke.append(arc(18, 18, 10, from, to));
      const double a = to * kRad;
      heads.append(arrowhead({18 + 10 * std::cos(a), 18 + 10 * std::sin(a)}, -std::sin(a), std::cos(a), 6.5, 9.5));
    }
  }
  Mask marks = strokePath(stroke.transformed(ss, 0, 0), width * ss);
  if (!heads.empty()) marks = unite(marks, fillPath(heads.transformed(ss, 0, 0)));
  c.paint(marks, ink);
  return c.downsample(ss);
}

namespace {

constexpr int kArtSs = 3;
constexpr double kHorizon = 262.0;
constexpr double kFocal = 400.0;
constexpr double kEye = 3.45;  // camera height in board squares

Color sky(double y, double x) {
  Color top = rgb(8, 9, 20), low = rgb(52, 42, 50);
  Color c = mix(top, low, smooth(0, kHorizon, y));
  // A warm glow behind where the title goes, with faint rays.
  const double dx = (x - 320) / 300.0, dy = (y - 120) / 170.0;
  const double glow = std::exp(-(dx * dx + dy * dy) * 1.6);
  const double angle = std::atan2(y + 60, x - 320);
  const double rays = 0.86 + 0.14 * std::pow(std::sin(angle * 18), 2);
  return mix(c, rgb(120, 92, 52), 0.55 * glow * rays);
}

Color floorAt(double x, double y) {
  const Color fog = rgb(52, 42, 50);
  const double z = kFocal * kEye / (y - kHorizon);
  const double wx = (x - 320) * z / kFocal;
  const bool light = ((static_cast<long>(std::floor(wx)) + static_cast<long>(std::floor(z))) & 1) == 0;
  Color sq = light ? rgb(220, 220, 175) : rgb(150, 150, 100);
  // A pool of light near the front, fading to the sides.
  const double spot = std::exp(-std::pow(wx / 7.0, 2) - std::pow((z - 5.0) / 9.0, 2));
  sq = mix(rgb(0, 0, 0), sq, 0.3 + 0.55 * spot);
  return mix(sq, fog, 1.0 - std::exp(-z / 22.0));
}

struct Placed {
  PieceKind kind;
  bool white;
  double cx;
  double baseY;
  double scale;  // pixels per design unit
};

void drawShadow(Canvas& c, const Placed& p) {
  const double rx = 36 * p.scale, ry = 7 * p.scale;
  Mask m = fillPath(Path::ellipse(p.cx, p.baseY - 1.5 * p.scale, rx * 1.4, ry * 1.6).transformed(kArtSs, 0, 0));
  c.paint(m, [&](int sx, int sy) {
    const double dx = (sx / double(kArtSs) - p.cx) / rx, dy = (sy / double(kArtSs) - p.baseY) / ry;
    return Color{0, 0, 0, static_cast<float>(0.6 * std::exp(-(dx * dx + dy * dy) * 1.5))};
  });
}

}  // namespace

Image renderOpening() {
  const int n = kOpeningSize * kArtSs;
  Canvas c(n, n);
  c.paintAll([](int sx, int sy) {
    const double x = (sx + 0.5) / kArtSs, y = (sy + 0.5) / kArtSs;
    return y < kHorizon + 0.5 ? sky(y, x) : floorAt(x, y);
  });

  // Far pieces first so the nearer ones overlap them.
  const Placed pieces[] = {
      {PieceKind::Pawn, true, 28, 318, 0.75},    {PieceKind::Rook, true, 112, 338, 0.95},
      {PieceKind::Pawn, false, 612, 318, 0.75},  {PieceKind::Knight, false, 528, 338, 0.95},
      {PieceKind::Knight, true, 64, 450, 1.45},  {PieceKind::Bishop, false, 594, 450, 1.45},
      {PieceKind::King, true, 92, 628, 2.45},    {PieceKind::Queen, false, 548, 628, 2.35},
  };
  for (const Placed& p : pieces) {
    drawShadow(c, p);
    const double s = p.scale * kArtSs;
    drawPiece(c, p.kind, p.white ? whitePalette() : blackPalette(), s, p.cx * kArtSs - 50 * s,
              p.baseY * kArtSs - 95 * s, 1.5);
  }

  // Keep the menu region calm and dark so its text reads.
  c.paintAll([](int sx, int sy) {
    const double x = (sx + 0.5) / kArtSs, y = (sy + 0.5) / kArtSs;
    const double dx = (x - 320) / 190.0, dy = (y - 360) / 150.0;
    const double veil = 0.6 * std::exp(-std::pow(dx * dx + dy * dy, 1.5));
    const double ex = (x - 320) / 320.0, ey = (y - 320) / 320.0;
    const double vignette = 0.35 * smooth(0.6, 1.5, std::sqrt(ex * ex + ey * ey));
    return Color{0, 0, 0, static_cast<float>(std::min(0.85, veil + vignette))};
  });
  return c.downsample(kArtSs);
}

}  // namespace rec
