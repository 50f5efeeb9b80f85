#include "app/PastaRecursos.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include <SDL.h>

namespace fs = std::filesystem;

PastaRecursos::PastaRecursos(const std::string& pastaExecutavel, const std::string& dadosRelativo) {
    std::error_code erro;
    fs::path atual = fs::current_path(erro);
    acrescenta(erro ? std::string(".") : atual.string());
    if (!pastaExecutavel.empty()) {
        fs::path exe(pastaExecutavel);
        acrescenta(exe.lexically_normal().string());
        acrescenta((exe / dadosRelativo).lexically_normal().string());
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
    for (const std::string& pasta : candidatas) {
        if (isCompleta(pasta)) return pasta;
    }
    return std::string();
}

bool PastaRecursos::isCompleta(const std::string& pasta) {
    std::error_code erro;
    fs::path base(pasta);
    return fs::is_regular_file(base / "img" / "abertura.png", erro) &&
           fs::is_regular_file(base / "audio" / "abertura-fundo.mid", erro);
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
