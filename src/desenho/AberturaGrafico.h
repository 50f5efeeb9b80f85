#ifndef DESENHO_ABERTURAGRAFICO_H
#define DESENHO_ABERTURAGRAFICO_H

#include <string>

#include <SDL.h>

#include "gui/Grafico.h"

class GUI;
class Jogo;

// The opening screen: background picture, the "Opções" box with one level
// button per side and the start button; hit tests and hover highlight.
class AberturaGrafico : public Grafico {
public:
    AberturaGrafico(GUI* gui, Jogo* jogo);
    ~AberturaGrafico() override;

    AberturaGrafico(const AberturaGrafico&) = delete;
    AberturaGrafico& operator=(const AberturaGrafico&) = delete;

    void inicializa();
    void finaliza();
    void desenha(SDL_Renderer* renderer) override;
    void desenhaMenu(SDL_Renderer* renderer);
    // rect is relative to the menu box.
    void desenhaTexto(SDL_Renderer* renderer, SDL_Rect* rect, const char* texto, SDL_Color* cor);
    void desenhaBTFundo(SDL_Renderer* renderer, SDL_Rect* rect, SDL_Color* fundo,
                        SDL_Color* contorno);

    // 0 nothing, 1 player's level, 2 computer's level, 3 start.
    void sobreOpcao(int opcao);
    // The option last highlighted (0 at first).
    int getOpcao() const { return opcao; }

    // Inclusive on all four edges; false until the first frame has laid out
    // the menu.
    bool isMouseJogadorUmOpBT(int x, int y);
    bool isMouseJogadorDoisOpBT(int x, int y);
    bool isMouseJogarBT(int x, int y);
    bool isMouseEmBT(SDL_Rect* rect, int x, int y);

    // Window coordinates of the box; the others are relative to it.
    SDL_Rect getMenuRect() const { return menuRect; }
    SDL_Rect getJogadorUmOpBT() const { return jogadorUmOpBT; }
    SDL_Rect getJogadorDoisOpBT() const { return jogadorDoisOpBT; }
    SDL_Rect getJogarBT() const { return jogarBT; }
    SDL_Rect getOpcoesRect() const { return opcoesRect; }
    SDL_Rect getJogadorNivelRect() const { return jogadorNivelRect; }
    SDL_Rect getComputadorNivelRect() const { return computadorNivelRect; }
    SDL_Rect getJogarRect() const { return jogarRect; }
    bool isLayoutPronto() const { return layoutPronto; }

    // A short line under the menu for ms milliseconds (a paste refused);
    // whoever sets it asks for the frame that takes it away.
    void setAviso(const std::string& texto, Uint32 ms);
    // The line while it is up, else empty.
    std::string getAviso() const;

private:
    void desenhaAviso(SDL_Renderer* renderer);

    GUI* gui;
    Jogo* jogo;
    SDL_Surface* aberturaIMG;

    SDL_Rect jogadorRotuloRect;
    SDL_Rect computadorRotuloRect;
    SDL_Rect menuRect;
    SDL_Rect opcoesRect;
    SDL_Rect jogadorUmOpBT;
    SDL_Rect jogadorDoisOpBT;
    SDL_Rect jogarBT;
    SDL_Rect jogadorNivelRect;
    SDL_Rect computadorNivelRect;
    SDL_Rect jogarRect;

    SDL_Color jogadorNivelCor;
    SDL_Color computadorNivelCor;
    SDL_Color jogarCor;
    SDL_Color jogadorBTCor;
    SDL_Color computadorBTCor;
    SDL_Color jogarBTCor;

    std::string opcoesTexto;
    std::string jogarTexto;
    std::string jogadorRotulo;
    std::string computadorRotulo;

    int menuMargem;
    int rotuloRecuo;
    int nivelRecuo;
    int jogarRecuo;
    int menuEspaco;
    int menuLargura;

    bool layoutPronto;
    int opcao;
    std::string aviso;
    Uint32 avisoAte;
};

#endif
