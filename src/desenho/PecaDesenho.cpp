#include "desenho/PecaDesenho.h"

#include <SDL.h>

#include "desenho/DesenhoApoio.h"
#include "gui/Tela.h"
#include "jogo/Jogo.h"
#include "jogo/Peca.h"

namespace {

// Three slots per piece, black, white, red; pawn first.
const char* const ARQUIVOS[PecaDesenho::NUM_IMGS] = {
    "img/peao-preto.png",    "img/peao-branco.png",    "img/peao-vermelho.png",
    "img/torre-preta.png",   "img/torre-branca.png",   "img/torre-vermelha.png",
    "img/cavalo-preto.png",  "img/cavalo-branco.png",  "img/cavalo-vermelho.png",
    "img/bispo-preto.png",   "img/bispo-branco.png",   "img/bispo-vermelho.png",
    "img/rainha-preta.png",  "img/rainha-branca.png",  "img/rainha-vermelha.png",
    "img/rei-preto.png",     "img/rei-branco.png",     "img/rei-vermelho.png",
};

// First slot of each piece type, indexed by type code.
const int PRIMEIRO_SLOT[7] = {-1, 3, 6, 9, 12, 15, 0};

}  // namespace

PecaDesenho::PecaDesenho() : pecaIMGs() {}

PecaDesenho::~PecaDesenho() { liberaIMGs(); }

const char* PecaDesenho::getArquivo(int slot) {
    return slot >= 0 && slot < NUM_IMGS ? ARQUIVOS[slot] : nullptr;
}

void PecaDesenho::carregaIMGs() {
    for (int i = 0; i < NUM_IMGS; i++) {
        SDL_FreeSurface(pecaIMGs[i]);
        pecaIMGs[i] = DesenhoApoio::carregaIMG(ARQUIVOS[i]);
    }
}

void PecaDesenho::liberaIMGs() {
    for (int i = 0; i < NUM_IMGS; i++) {
        SDL_FreeSurface(pecaIMGs[i]);
        pecaIMGs[i] = nullptr;
    }
}

SDL_Surface* PecaDesenho::getPecaIMG(int tipo, int cor) {
    if (tipo < 1 || tipo > 6) {
        return nullptr;
    }
    int base = PRIMEIRO_SLOT[tipo];
    switch (cor) {
        case BRANCO: return pecaIMGs[base + 1];
        case PRETO: return pecaIMGs[base];
        case VERMELHO: return pecaIMGs[base + 2];
        default: return nullptr;
    }
}

void PecaDesenho::desenha(Jogo* jogo, GUI*, SDL_Renderer* renderer, Peca* peca, int cor) {
    SDL_Surface* img = getPecaIMG(peca->getTipo(), cor);
    if (img == nullptr) {
        return;
    }
    Tela* tela = jogo->getTela();
    int s = tela->getCelulaDIM();
    int x = tela->getCelulaX(peca->getPosX()) + (s - img->w) / 2 + peca->getAnimPosX();
    int y = tela->getCelulaY(peca->getPosY()) + (s - img->h) / 2 + peca->getAnimPosY();
    SDL_Rect destino = {x, y, img->w, img->h};
    DesenhoApoio::copiaIMG(renderer, img, &destino);
}
