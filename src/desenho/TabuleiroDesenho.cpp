#include "desenho/TabuleiroDesenho.h"

#include <SDL.h>

#include "desenho/DesenhoApoio.h"
#include "gui/GUI.h"
#include "gui/Tela.h"
#include "jogo/Jogo.h"

namespace {

// Amber, a light and a dark one so the squares still alternate: no other
// mark of the board (the pale blue targets, the red captures, the violet
// cursor) is near it in hue.
const SDL_Color ULTIMO_CLARO = {236, 208, 96, 255};
const SDL_Color ULTIMO_ESCURO = {188, 152, 48, 255};
// The light squares' colour, lighter: plain against the olive frame.
const SDL_Color COORDENADA = {240, 240, 205, 0};

}  // namespace

TabuleiroDesenho::TabuleiroDesenho(int borda) : borda(borda) {}

void TabuleiroDesenho::desenha(Jogo* jogo, GUI* gui, SDL_Renderer* renderer) {
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
    desenhaUltimoLance(jogo, renderer);
    if (gui != nullptr) {
        desenhaCoordenadas(jogo, gui, renderer);
    }
}

void TabuleiroDesenho::desenhaUltimoLance(Jogo* jogo, SDL_Renderer* renderer) {
    const std::vector<LanceJogado>& registro = jogo->getRegistro();
    if (registro.empty()) {
        return;
    }
    const LanceJogado& ultimo = registro.back();
    Tela* tela = jogo->getTela();
    int s = tela->getCelulaDIM();
    for (int k = 0; k < 2; k++) {
        int x = k == 0 ? ultimo.deX : ultimo.paraX;
        int y = k == 0 ? ultimo.deY : ultimo.paraY;
        const SDL_Color& c = (x + y) % 2 == 0 ? ULTIMO_CLARO : ULTIMO_ESCURO;
        SDL_Rect casa = {tela->getCelulaX(x), tela->getCelulaY(y), s, s};
        DesenhoApoio::preencheRect(renderer, &casa, c.r, c.g, c.b, 255);
    }
}

// Files under the bottom edge and ranks beside the left edge, each centred
// on its column or row wherever the board's orientation puts it.
void TabuleiroDesenho::desenhaCoordenadas(Jogo* jogo, GUI* gui, SDL_Renderer* renderer) {
    TTF_Font* fonte = gui->getCoordenadaFonte();
    if (fonte == nullptr) {
        return;
    }
    Tela* tela = jogo->getTela();
    int baixo = tela->getTabuleiroY() + tela->getTabuleiroDIM() + borda / 2;
    int esquerda = tela->getTabuleiroX() - borda / 2;
    for (int k = 0; k < 8; k++) {
        char texto[2] = {static_cast<char>('a' + k), '\0'};
        int w, h;
        DesenhoApoio::medeTexto(fonte, texto, &w, &h);
        SDL_Rect destino = {tela->getX(k) - w / 2, baixo - h / 2, w, h};
        DesenhoApoio::desenhaTexto(renderer, fonte, texto, COORDENADA, &destino);

        texto[0] = static_cast<char>('8' - k);
        DesenhoApoio::medeTexto(fonte, texto, &w, &h);
        destino = SDL_Rect{esquerda - w / 2, tela->getY(k) - h / 2, w, h};
        DesenhoApoio::desenhaTexto(renderer, fonte, texto, COORDENADA, &destino);
    }
}
