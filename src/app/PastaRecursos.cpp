#include "app/PastaRecursos.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include <SDL.h>

#include "audio/JogoAudio.h"
#include "desenho/ControlesDesenho.h"
#include "desenho/PecaDesenho.h"

namespace fs = std::filesystem;

PastaRecursos::PastaRecursos(const std::string& pastaExecutavel, const std::string& dadosRelativo) {
    std::error_code erro;
    fs::path atual = fs::current_path(erro);
    acrescenta(erro ? std::string(".") : atual.u8string());
    if (!pastaExecutavel.empty()) {
        fs::path exe = fs::u8path(pastaExecutavel);
        acrescenta(exe.lexically_normal().u8string());
        acrescenta((exe / fs::u8path(dadosRelativo)).lexically_normal().u8string());
    }
}

void PastaRecursos::acrescenta(const std::string& pasta) {
    std::string limpa = pasta;
    // "/usr/games/" and "/usr/games" are one folder.
    while (limpa.size() > 1 && limpa.back() == '/') limpa.pop_back();
    if (std::find(candidatas.begin(), candidatas.end(), limpa) == candidatas.end()) {
        candidatas.push_back(limpa);
    }
}

std::string PastaRecursos::localiza() const {
    std::string melhor;
    int maisArquivos = 0;
    for (const std::string& pasta : candidatas) {
        int n = contaArquivos(pasta);
        if (n > maisArquivos) {
            melhor = pasta;
            maisArquivos = n;
        }
    }
    return melhor;
}

std::vector<std::string> PastaRecursos::getArquivos() {
    std::vector<std::string> arquivos = {"arial.ttf", "img/abertura.png", "img/audio-ligado.png",
                                         "img/audio-desligado.png"};
    for (int i = 0; i < PecaDesenho::NUM_IMGS; i++) arquivos.push_back(PecaDesenho::getArquivo(i));
    for (int i = 0; i < ControlesDesenho::getNumBotoes(); i++) arquivos.push_back(ControlesDesenho::getArquivo(i));
    for (int id = JogoAudio::JOGADOR_MOVEU; id <= JogoAudio::MUSICA_JOGO; id++) {
        arquivos.push_back(JogoAudio::getArquivo(id));
    }
    return arquivos;
}

// A file counts only when its first byte can be read: an empty or
// unreadable copy is no more use than none, and must not win a tie.
int PastaRecursos::contaArquivos(const std::string& pasta) {
    std::error_code erro;
    fs::path base = fs::u8path(pasta);
    int n = 0;
    for (const std::string& arquivo : getArquivos()) {
        fs::path caminho = base / arquivo;
        if (!fs::is_regular_file(caminho, erro)) continue;
        std::ifstream leitura(caminho, std::ios::binary);
        if (leitura.get() != std::ifstream::traits_type::eof()) n++;
    }
    return n;
}

std::string PastaRecursos::pastaDoExecutavel() {
    // Needs no SDL_Init; on Linux it reads /proc/self/exe, so a link to the
    // executable still leads to its real folder.
    char* base = SDL_GetBasePath();
    if (base == nullptr) return std::string();
    std::string pasta(base);
    SDL_free(base);
    return pasta;
}
