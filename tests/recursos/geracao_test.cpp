#include <gtest/gtest.h>

#include <fstream>
#include <set>
#include <sstream>
#include <unistd.h>
#include <stdexcept>

#include "comum.hpp"
#include "generate.hpp"

using rectest::generatedRoot;
using rectest::readFile;

namespace {

const std::set<std::string> kExpected = {
    "img/peao-preto.png",       "img/peao-branco.png",     "img/peao-vermelho.png",   "img/torre-preta.png",
    "img/torre-branca.png",     "img/torre-vermelha.png",  "img/cavalo-preto.png",    "img/cavalo-branco.png",
    "img/cavalo-vermelho.png",  "img/bispo-preto.png",     "img/bispo-branco.png",    "img/bispo-vermelho.png",
    "img/rainha-preta.png",     "img/rainha-branca.png",   "img/rainha-vermelha.png", "img/rei-preto.png",
    "img/rei-branco.png",       "img/rei-vermelho.png",    "img/audio-ligado.png",    "img/audio-desligado.png",
    "img/desfazer.png",         "img/girar.png",           "img/dica.png",            "img/lista.png",
    "img/copiar.png",           "img/colar.png",
    "img/abertura.png",         "audio/jogador-moveu.wav", "audio/comp-moveu.wav",    "audio/captura.wav",
    "audio/xeque.wav",          "audio/perdeu.wav",        "audio/venceu.wav",        "audio/empatou.wav",
    "audio/beep.wav",           "audio/abertura-fundo.mid", "audio/jogo-fundo.mid"};

}  // namespace

TEST(Generation, WritesEveryFileTheGameLoads) {
  const std::vector<std::string> paths = rec::assetPaths();
  EXPECT_EQ(std::set<std::string>(paths.begin(), paths.end()), kExpected);
  EXPECT_EQ(paths.size(), kExpected.size());
  for (const std::string& p : kExpected) {
    const auto file = generatedRoot() / p;
    ASSERT_TRUE(std::filesystem::exists(file)) << p;
    EXPECT_GT(std::filesystem::file_size(file), 100u) << p;
  }
}

TEST(Generation, BuildStepListsTheSameFiles) {
  // The custom command's outputs decide when the generator reruns.
  std::set<std::string> listed;
  std::stringstream in(XADREZ_RECURSOS_LISTA);
  const std::string root = std::string(XADREZ_RECURSOS_RAIZ) + "/";
  for (std::string item; std::getline(in, item, '|');) {
    ASSERT_EQ(item.rfind(root, 0), 0u) << item;
    listed.insert(item.substr(root.size()));
  }
  EXPECT_EQ(listed, kExpected);
}

TEST(Generation, OutputIsTheSameOnEveryRun) {
  const auto again = std::filesystem::temp_directory_path() / ("xadrez-recursos-again-" + std::to_string(::getpid()));
  rec::generateAll(again.string());
  for (const std::string& p : kExpected) EXPECT_EQ(readFile(generatedRoot() / p), readFile(again / p)) << p;
  std::filesystem::remove_all(again);
}

TEST(Generation, ReportsAFolderItCannotWrite) {
  const auto blocker = std::filesystem::temp_directory_path() / ("xadrez-recursos-file-" + std::to_string(::getpid()));
  std::ofstream(blocker) << "not a folder";
  EXPECT_THROW(rec::generateAll(blocker.string()), std::runtime_error);
  std::filesystem::remove(blocker);
}
