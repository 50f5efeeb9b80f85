#include "icon.hpp"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <stdexcept>

#include "pieces.hpp"

namespace rec {

namespace {

// The design box keeps a margin so the outline of the cross is not cut off.
constexpr double kMargin = 0.05;
constexpr double kIconStroke = 2.7;

std::string hex(const Color& c) {
  auto byte = [](float v) { return static_cast<int>(std::lround(std::clamp(v, 0.f, 1.f) * 255.f)); };
  char out[8];
  std::snprintf(out, sizeof out, "#%02x%02x%02x", byte(c.r), byte(c.g), byte(c.b));
  return out;
}

std::string num(double v) {
  char out[32];
  std::snprintf(out, sizeof out, "%.2f", v);
  std::string s = out;
  while (s.back() == '0') s.pop_back();
  if (s.back() == '.') s.pop_back();
  return s == "-0" ? "0" : s;
}

std::string pathData(const Path& p, bool closed) {
  std::string d;
  for (const Contour& c : p.contours()) {
    for (size_t i = 0; i < c.size(); ++i) d += (i == 0 ? "M" : "L") + num(c[i].x) + " " + num(c[i].y) + " ";
    if (closed && !c.empty()) d += "Z ";
  }
  if (!d.empty()) d.pop_back();
  return d;
}

struct Box {
  double x0 = std::numeric_limits<double>::max(), y0 = x0;
  double x1 = -x0, y1 = -x0;
};

Box bounds(const Path& p) {
  Box b;
  for (const Contour& c : p.contours())
    for (const Vec& v : c) {
      b.x0 = std::min(b.x0, v.x);
      b.y0 = std::min(b.y0, v.y);
      b.x1 = std::max(b.x1, v.x);
      b.y1 = std::max(b.y1, v.y);
    }
  return b;
}

// Stops of lightAt for normals from facing left (-1) to facing right (1).
std::string stops(const Palette& pal) {
  std::string s;
  const int n = 12;
  for (int i = 0; i <= n; ++i) {
    const double nx = -1.0 + 2.0 * i / n;
    s += "<stop offset=\"" + num(static_cast<double>(i) / n) + "\" stop-color=\"" + hex(lightAt(pal, nx, 0)) + "\"/>";
  }
  return s;
}

// Across the part from left to right, as the raster shades a turned part
// (every part of the king is one).
std::string gradient(const std::string& id, const Part& part, const Palette& pal) {
  const Box b = bounds(part.shape);
  const double cy = (b.y0 + b.y1) / 2;
  return "<linearGradient id=\"" + id + "\" gradientUnits=\"userSpaceOnUse\" x1=\"" + num(b.x0) + "\" y1=\"" +
         num(cy) + "\" x2=\"" + num(b.x1) + "\" y2=\"" + num(cy) + "\">" +
         stops(pal) + "</linearGradient>";
}

void writeText(const std::string& text, const std::filesystem::path& file) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << text;
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace

std::vector<std::string> iconPaths() {
  std::vector<std::string> out;
  for (int size : kIconSizes) {
    const std::string s = std::to_string(size);
    out.push_back("icones/" + s + "x" + s + "/apps/xadrez.png");
  }
  out.push_back("icones/scalable/apps/xadrez.svg");
  return out;
}

Image renderKingIcon(int size) {
  // About a thousand samples across whatever the size.
  const int ss = std::max(4, 1024 / size);
  Canvas c(size * ss, size * ss);
  const double scale = size * ss * (1 - 2 * kMargin) / 100.0;
  const double offset = size * ss * kMargin;
  drawPiece(c, PieceKind::King, whitePalette(), scale, offset, offset, kIconStroke);
  return c.downsample(ss);
}

std::string kingIconSvg() {
  const Palette pal = whitePalette();
  const PieceShape s = pieceShape(PieceKind::King);
  std::string defs, body;
  for (size_t i = 0; i < s.parts.size(); ++i) {
    const Part& p = s.parts[i];
    const std::string id = "p" + std::to_string(i);
    const std::string d = pathData(p.shape, true);
    defs += gradient(id, p, pal) + "\n";
    body += "<path d=\"" + d + "\" fill=\"" + hex(pal.outline) + "\" stroke=\"" + hex(pal.outline) +
            "\" stroke-width=\"" + num(2 * kIconStroke) + "\" stroke-linejoin=\"round\"/>\n";
    body += "<path d=\"" + d + "\" fill=\"url(#" + id + ")\"/>\n";
  }
  for (const Detail& d : s.details) {
    if (d.width > 0)
      body += "<path d=\"" + pathData(d.shape, false) + "\" fill=\"none\" stroke=\"" + hex(pal.outline) +
              "\" stroke-width=\"" + num(d.width) + "\" stroke-linecap=\"round\"/>\n";
    else
      body += "<path d=\"" + pathData(d.shape, true) + "\" fill=\"" + hex(pal.outline) + "\"/>\n";
  }
  const std::string m = num(100 * kMargin), k = num(1 - 2 * kMargin);
  return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"256\" height=\"256\" viewBox=\"0 0 100 100\">\n"
         "<defs>\n" + defs + "</defs>\n"
         "<g transform=\"translate(" + m + " " + m + ") scale(" + k + ")\">\n" + body + "</g>\n</svg>\n";
}

void generateIcons(const std::string& root) {
  namespace fs = std::filesystem;
  const fs::path base(root);
  const std::vector<std::string> paths = iconPaths();
  for (size_t i = 0; i < std::size(kIconSizes); ++i) {
    const fs::path file = base / paths[i];
    fs::create_directories(file.parent_path());
    std::string error;
    if (!savePng(renderKingIcon(kIconSizes[i]), file.string(), &error))
      throw std::runtime_error("cannot write " + file.string() + ": " + error);
  }
  const fs::path svg = base / paths.back();
  fs::create_directories(svg.parent_path());
  writeText(kingIconSvg(), svg);
}

}  // namespace rec
