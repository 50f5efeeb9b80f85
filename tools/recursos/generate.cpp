#include "generate.hpp"

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "art.hpp"
#include "music.hpp"
#include "pieces.hpp"
#include "sounds.hpp"

namespace rec {

namespace {

const char* const kColours[] = {"preto", "branco", "vermelho"};

const Palette& paletteFor(const std::string& colour) {
  static const Palette black = blackPalette(), white = whitePalette(), red = redPalette();
  return colour == "preto" ? black : colour == "branco" ? white : red;
}

void writeImage(const Image& img, const std::filesystem::path& file) {
  std::string error;
  if (!savePng(img, file.string(), &error)) throw std::runtime_error("cannot write " + file.string() + ": " + error);
}

void writeBytes(const std::vector<uint8_t>& bytes, const std::filesystem::path& file) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  if (!out) throw std::runtime_error("cannot write " + file.string());
}

}  // namespace

std::vector<std::string> assetPaths() {
  std::vector<std::string> out;
  for (PieceKind k : kAllPieces)
    for (const char* c : kColours) out.push_back("img/" + pieceFileStem(k, c) + ".png");
  out.push_back("img/audio-ligado.png");
  out.push_back("img/audio-desligado.png");
  out.push_back("img/desfazer.png");
  out.push_back("img/girar.png");
  out.push_back("img/dica.png");
  out.push_back("img/lista.png");
  out.push_back("img/copiar.png");
  out.push_back("img/colar.png");
  out.push_back("img/abertura.png");
  for (const char* s : {"jogador-moveu", "comp-moveu", "captura", "xeque", "perdeu", "venceu", "empatou", "beep"})
    out.push_back(std::string("audio/") + s + ".wav");
  out.push_back("audio/abertura-fundo.mid");
  out.push_back("audio/jogo-fundo.mid");
  return out;
}

void generateAll(const std::string& root) {
  namespace fs = std::filesystem;
  const fs::path base(root);
  fs::create_directories(base / "img");
  fs::create_directories(base / "audio");

  for (PieceKind k : kAllPieces)
    for (const char* c : kColours) writeImage(renderPiece(k, paletteFor(c)), base / "img" / (pieceFileStem(k, c) + ".png"));
  writeImage(renderSpeakerIcon(true), base / "img" / "audio-ligado.png");
  writeImage(renderSpeakerIcon(false), base / "img" / "audio-desligado.png");
  writeImage(renderControlIcon(ControlIcon::Undo), base / "img" / "desfazer.png");
  writeImage(renderControlIcon(ControlIcon::Turn), base / "img" / "girar.png");
  writeImage(renderControlIcon(ControlIcon::Hint), base / "img" / "dica.png");
  writeImage(renderControlIcon(ControlIcon::List), base / "img" / "lista.png");
  writeImage(renderControlIcon(ControlIcon::Copy), base / "img" / "copiar.png");
  writeImage(renderControlIcon(ControlIcon::Paste), base / "img" / "colar.png");
  writeImage(renderOpening(), base / "img" / "abertura.png");

  for (const Sound& s : synthesiseEffects()) writeBytes(encodeWav(s.samples, kSampleRate), base / "audio" / (s.stem + ".wav"));
  for (const Tune& t : {composeOpeningTune(), composeGameTune()}) writeBytes(t.bytes, base / "audio" / (t.stem + ".mid"));

  for (const std::string& p : assetPaths())
    if (!fs::exists(base / p)) throw std::runtime_error("not written: " + p);
}

}  // namespace rec
