#ifndef TESTES_DESENHO_CENAJOGO_H
#define TESTES_DESENHO_CENAJOGO_H

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "DesenhoTesteApoio.h"
#include "PosicaoFEN.h"
#include "desenho/InfoDesenho.h"
#include "desenho/JogoGrafico.h"
#include "gui/Tela.h"
#include "jogo/Jogo.h"

// A game and its screen built over the test pictures, inside a window.
struct CenaJogo {
    CenaJogo(GUI& gui, const ImagensTeste& imagens) : gui(gui), jogo(&driver) {
        NoDiretorio aqui(imagens.getDir());
        grafico.reset(new JogoGrafico(&jogo, &gui));
        grafico->inicializa();
        driver.info = grafico->getInfoDesenho();
        jogo.reinicia();
    }
    ~CenaJogo() { grafico->finaliza(); }

    void posicao(const std::string& fen) {
        std::string erro;
        ASSERT_TRUE(PosicaoFEN::carrega(&jogo, fen, &erro)) << erro;
    }

    SDL_Surface* desenha() {
        grafico->desenha(gui.getRenderer());
        return gui.getTela();
    }

    Tela* tela() { return jogo.getTela(); }
    // A point well inside the cell's corner, clear of any test picture.
    int cantoX(int i) { return tela()->getCelulaX(i) + 2; }
    int cantoY(int j) { return tela()->getCelulaY(j) + 2; }
    int centroX(int i) { return tela()->getX(i); }
    int centroY(int j) { return tela()->getY(j); }

    GUI& gui;
    DriverTeste driver;
    Jogo jogo;
    std::unique_ptr<JogoGrafico> grafico;
};

inline bool corDeCasa(SDL_Color c, int i, int j) {
    return (i + j) % 2 == 0 ? igual(c, 220, 220, 175) : igual(c, 150, 150, 100);
}

#endif
