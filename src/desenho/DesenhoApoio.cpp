#include "desenho/DesenhoApoio.h"

#include <cstdio>
#include <filesystem>
#include <mutex>
#include <set>
#include <string>
#include <system_error>

#include <SDL_image.h>

SDL_Surface* DesenhoApoio::carregaIMG(const char* arquivo) {
    SDL_Surface* img = IMG_Load(arquivo);
    if (img == nullptr) {
        // The king pictures are loaded by two drawers; say it once per file.
        static std::mutex trava;
        static std::set<std::string> avisados;
        std::lock_guard<std::mutex> guarda(trava);
        if (avisados.insert(arquivo).second) {
            // Named within the game's folder (the working directory).
            std::error_code erro;
            std::string caminho = (std::filesystem::current_path(erro) / arquivo).u8string();
            std::fprintf(stderr, "xadrez: cannot load %s: %s\n", caminho.c_str(), IMG_GetError());
        }
    }
    return img;
}

void DesenhoApoio::copiaIMG(SDL_Renderer* renderer, SDL_Surface* img, const SDL_Rect* destino) {
    copiaIMG(renderer, img, destino, 255);
}

void DesenhoApoio::copiaIMG(SDL_Renderer* renderer, SDL_Surface* img, const SDL_Rect* destino,
                            Uint8 alfa) {
    if (renderer == nullptr || img == nullptr) {
        return;
    }
    SDL_Texture* textura = SDL_CreateTextureFromSurface(renderer, img);
    if (textura == nullptr) {
        return;
    }
    if (alfa != 255) {
        SDL_SetTextureAlphaMod(textura, alfa);
    }
    SDL_RenderCopy(renderer, textura, nullptr, destino);
    SDL_DestroyTexture(textura);
}

void DesenhoApoio::medeTexto(TTF_Font* fonte, const char* texto, int* largura, int* altura) {
    *largura = 0;
    *altura = 0;
    if (fonte == nullptr || texto == nullptr) {
        return;
    }
    if (TTF_SizeText(fonte, texto, largura, altura) != 0) {
        *largura = 0;
        *altura = 0;
    }
}

void DesenhoApoio::desenhaTexto(SDL_Renderer* renderer, TTF_Font* fonte, const char* texto,
                                SDL_Color cor, const SDL_Rect* destino) {
    // An empty text renders to nothing (SDL_ttf refuses a zero-width surface).
    if (renderer == nullptr || fonte == nullptr || texto == nullptr || texto[0] == '\0') {
        return;
    }
    SDL_Surface* superficie = TTF_RenderText_Blended(fonte, texto, cor);
    if (superficie == nullptr) {
        return;
    }
    copiaIMG(renderer, superficie, destino);
    SDL_FreeSurface(superficie);
}

void DesenhoApoio::preencheRect(SDL_Renderer* renderer, const SDL_Rect* rect, Uint8 r, Uint8 g,
                                Uint8 b, Uint8 a) {
    SDL_SetRenderDrawColor(renderer, r, g, b, a);
    SDL_RenderFillRect(renderer, rect);
}

void DesenhoApoio::contornaRect(SDL_Renderer* renderer, const SDL_Rect* rect, Uint8 r, Uint8 g,
                                Uint8 b, Uint8 a) {
    SDL_SetRenderDrawColor(renderer, r, g, b, a);
    SDL_RenderDrawRect(renderer, rect);
}
