#include "desenho/InfoDesenho.h"

#include <string>

#include <SDL.h>

#include "desenho/DesenhoApoio.h"
#include "gui/GUI.h"
#include "jogo/Jogo.h"

InfoDesenho::InfoDesenho()
    : reiPretoIMG(nullptr),
      reiBrancoIMG(nullptr),
      reiVermelhoIMG(nullptr),
      painelAltura(0),
      margem(25),
      espacoItens(20),
      espacoIcone(10),
      iconeDIM(36) {
    reiPretoIMG = DesenhoApoio::carregaIMG("img/rei-preto.png");
    reiBrancoIMG = DesenhoApoio::carregaIMG("img/rei-branco.png");
    reiVermelhoIMG = DesenhoApoio::carregaIMG("img/rei-vermelho.png");
}

InfoDesenho::~InfoDesenho() {
    SDL_FreeSurface(reiPretoIMG);
    SDL_FreeSurface(reiBrancoIMG);
    SDL_FreeSurface(reiVermelhoIMG);
}

int InfoDesenho::desenha(Jogo* jogo, GUI* gui, SDL_Renderer* renderer) {
    std::string textos[5] = {
        jogo->getNivelString(jogo->getNivel(false)),
        jogo->getNivelString(jogo->getNivel(true)),
        std::to_string(jogo->getVitoriasCont(false)),
        std::to_string(jogo->getVitoriasCont(true)),
        std::to_string(jogo->getEmpatesCont()),
    };
    SDL_Surface* icones[5] = {reiBrancoIMG, reiPretoIMG, reiBrancoIMG, reiPretoIMG, reiVermelhoIMG};

    int total = 0;
    for (const std::string& t : textos) {
        int w, h;
        DesenhoApoio::medeTexto(gui->getInfoFonte(), t.c_str(), &w, &h);
        total += espacoIcone + iconeDIM + w + espacoItens;
    }

    // The window's width as the board sees it, so the panel follows a resize.
    int largura = 0, altura = 0;
    gui->carregaTelaDIM(&largura, &altura);
    if (largura <= 0) {
        SDL_GetRendererOutputSize(renderer, &largura, nullptr);
    }

    int x = (largura - total) / 2;
    for (int i = 0; i < 5; i++) {
        x = desenhaInfo(gui, renderer, icones[i], textos[i].c_str(), x);
    }

    int w, h;
    DesenhoApoio::medeTexto(gui->getFonte(), textos[2].c_str(), &w, &h);
    painelAltura = h + 2 * margem;
    return painelAltura;
}

int InfoDesenho::desenhaInfo(GUI* gui, SDL_Renderer* renderer, SDL_Surface* icone,
                             const char* texto, int x) {
    SDL_Rect iconeRect = {x, margem - iconeDIM / 4, iconeDIM, iconeDIM};
    DesenhoApoio::copiaIMG(renderer, icone, &iconeRect);

    int w, h;
    DesenhoApoio::medeTexto(gui->getInfoFonte(), texto, &w, &h);
    SDL_Rect textoRect = {x + iconeDIM + espacoIcone, margem, w, h};
    DesenhoApoio::desenhaTexto(renderer, gui->getInfoFonte(), texto, SDL_Color{0, 50, 200, 0},
                               &textoRect);
    return x + iconeDIM + espacoIcone + w + espacoItens;
}
