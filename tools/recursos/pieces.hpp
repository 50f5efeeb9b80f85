// Staunton-style piece outlines, in a 100 x 100 design box with the base
// resting on y = 95, and their rendering with outline and shading.
#pragma once

#include <string>
#include <vector>

#include "raster.hpp"

namespace rec {

enum class PieceKind { Pawn, Rook, Knight, Bishop, Queen, King };

constexpr PieceKind kAllPieces[] = {PieceKind::Pawn,   PieceKind::Rook,  PieceKind::Knight,
                                    PieceKind::Bishop, PieceKind::Queen, PieceKind::King};

enum class Shade { Cylinder, Sphere, Flat };

struct Part {
  Path shape;
  Shade shade;
};

// Marks drawn in the outline colour over the parts; width 0 means filled.
struct Detail {
  Path shape;
  double width;
};

struct PieceShape {
  std::vector<Part> parts;  // back to front
  std::vector<Detail> details;
};

struct Palette {
  Color lit;
  Color shadow;
  Color outline;
  Color highlight;
};

Palette whitePalette();
Palette blackPalette();
Palette redPalette();

PieceShape pieceShape(PieceKind kind);

// Colour of a piece's surface whose normal, seen from the front, points by
// (nx, ny) sideways and up; the light comes from the upper left.
Color lightAt(const Palette& pal, double nx, double ny);

// Draws a piece whose design box maps to samples by (x * scale + dx, y * scale + dy);
// stroke is the outline width in design units.
void drawPiece(Canvas& canvas, PieceKind kind, const Palette& palette, double scale, double dx, double dy,
               double stroke);

constexpr int kPieceSize = 54;
Image renderPiece(PieceKind kind, const Palette& palette);

// Portuguese file stem, e.g. "torre-branca"; colour is "preto", "branco" or "vermelho".
std::string pieceFileStem(PieceKind kind, const std::string& colour);

}  // namespace rec
