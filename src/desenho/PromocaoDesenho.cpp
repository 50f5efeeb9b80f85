#include "desenho/PromocaoDesenho.h"

#include "desenho/DesenhoApoio.h"
#include "desenho/PecaDesenho.h"
#include "gui/Tela.h"
#include "jogo/Jogo.h"

namespace {
const int TIPOS[PromocaoDesenho::NUM_OPCOES] = {Jogo::RAINHA, Jogo::CAVALO, Jogo::TORRE, Jogo::BISPO};
}  // namespace

int PromocaoDesenho::getTipo(int opcao) {
    return opcao >= 0 && opcao < NUM_OPCOES ? TIPOS[opcao] : 0;
}

PromocaoDesenho::PromocaoDesenho()
    : margem(10), aberta(false), coluna(0), linha(0), deComp(false), destaque(0) {}

void PromocaoDesenho::abre(int coluna, int linha, bool deComp) {
    this->coluna = coluna;
    this->linha = linha;
    this->deComp = deComp;
    destaque = 0;
    aberta = true;
}

void PromocaoDesenho::setDestaque(int opcao) {
    destaque = ((opcao % NUM_OPCOES) + NUM_OPCOES) % NUM_OPCOES;
}

// A box like the banner's, centred on the board, with a square the size of
// a board square per piece.
SDL_Rect PromocaoDesenho::getCaixaRect(Jogo* jogo) {
    Tela* tela = jogo->getTela();
    int cel = tela->getCelulaDIM();
    int w = NUM_OPCOES * cel + (NUM_OPCOES + 1) * margem;
    int h = cel + 2 * margem;
    return SDL_Rect{tela->getTabuleiroX() + (tela->getTabuleiroDIM() - w) / 2,
                    tela->getTabuleiroY() + (tela->getTabuleiroDIM() - h) / 2, w, h};
}

SDL_Rect PromocaoDesenho::getOpcaoRect(Jogo* jogo, int opcao) {
    SDL_Rect caixa = getCaixaRect(jogo);
    int cel = jogo->getTela()->getCelulaDIM();
    return SDL_Rect{caixa.x + margem + opcao * (cel + margem), caixa.y + margem, cel, cel};
}

int PromocaoDesenho::getOpcaoEm(Jogo* jogo, int x, int y) {
    if (!aberta) {
        return -1;
    }
    SDL_Point p = {x, y};
    for (int i = 0; i < NUM_OPCOES; i++) {
        SDL_Rect r = getOpcaoRect(jogo, i);
        if (SDL_PointInRect(&p, &r)) return i;
    }
    return -1;
}

void PromocaoDesenho::desenha(Jogo* jogo, SDL_Renderer* renderer, PecaDesenho* pecaDesenho) {
    if (!aberta) {
        return;
    }
    SDL_Rect caixa = getCaixaRect(jogo);
    DesenhoApoio::preencheRect(renderer, &caixa, 0, 0, 200, 255);
    DesenhoApoio::contornaRect(renderer, &caixa, 255, 255, 255, 255);
    for (int i = 0; i < NUM_OPCOES; i++) {
        SDL_Rect r = getOpcaoRect(jogo, i);
        if (i == destaque) {
            // A white frame in the gap around it, over the selected square's marker.
            for (int k = 1; k <= 3; k++) {
                SDL_Rect moldura = {r.x - k, r.y - k, r.w + 2 * k, r.h + 2 * k};
                DesenhoApoio::contornaRect(renderer, &moldura, 255, 255, 255, 255);
            }
            DesenhoApoio::preencheRect(renderer, &r, 200, 200, 255, 255);
        } else {
            DesenhoApoio::preencheRect(renderer, &r, 220, 220, 175, 255);
        }
        SDL_Surface* img = pecaDesenho->getPecaIMG(TIPOS[i], deComp ? PecaDesenho::PRETO : PecaDesenho::BRANCO);
        if (img != nullptr) {
            SDL_Rect destino = {r.x + (r.w - img->w) / 2, r.y + (r.h - img->h) / 2, img->w, img->h};
            DesenhoApoio::copiaIMG(renderer, img, &destino);
        }
    }
}
