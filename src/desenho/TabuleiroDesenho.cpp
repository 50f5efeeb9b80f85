#include "desenho/TabuleiroDesenho.h"

#include <SDL.h>

#include "desenho/DesenhoApoio.h"
#include "gui/Tela.h"
#include "jogo/Jogo.h"

TabuleiroDesenho::TabuleiroDesenho(int borda) : borda(borda) {}

void TabuleiroDesenho::desenha(Jogo* jogo, GUI*, SDL_Renderer* renderer) {
    Tela* tela = jogo->getTela();
    int s = tela->getCelulaDIM();
    int x0 = tela->getTabuleiroX();
    int y0 = tela->getTabuleiroY();
    int d = tela->getTabuleiroDIM();

    SDL_Rect moldura = {x0 - borda, y0 - borda, d + 2 * borda, d + 2 * borda};
    DesenhoApoio::preencheRect(renderer, &moldura, 100, 100, 50, 255);

    for (int i = 0; i < 8; i++) {
        for (int j = 0; j < 8; j++) {
            SDL_Rect casa = {x0 + i * s, y0 + j * s, s, s};
            if ((i + j) % 2 == 0) {
                DesenhoApoio::preencheRect(renderer, &casa, 220, 220, 175, 255);
            } else {
                DesenhoApoio::preencheRect(renderer, &casa, 150, 150, 100, 255);
            }
        }
    }
}
