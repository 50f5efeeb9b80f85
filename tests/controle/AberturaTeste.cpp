#include "SistemaTeste.h"

#include <vector>

namespace {

using Abertura = SistemaTeste;

TEST_F(Abertura, MaoEDestaqueSobreAsOpcoes) {
    SDL_Point p = centro(&AberturaGrafico::getJogadorUmOpBT);
    SDL_Rect bt;
    SDL_Rect menu;
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        bt = s->getAberturaGrafico()->getJogadorUmOpBT();
        menu = s->getAberturaGrafico()->getMenuRect();
    }
    // A point inside the button, left of its label.
    int fx = menu.x + bt.x + 5;
    int fy = menu.y + bt.y + bt.h / 2;
    move(p.x, p.y);
    EXPECT_EQ(GUI::CURSOR_MAO, gui->getCursorTipo());
    ASSERT_TRUE(espera([&] { return corEm(gui->getTela(), fx, fy) == 0x3278B4; }, 3000));  // 50,120,180
    move(2, 2);
    EXPECT_EQ(GUI::CURSOR_SETA, gui->getCursorTipo());
    EXPECT_TRUE(espera([&] { return corEm(gui->getTela(), fx, fy) == 0x000000; }, 3000));
}

TEST_F(Abertura, CliquesCiclamOsNiveisEscNaoFazNada) {
    std::vector<int> jogador, computador;
    for (int i = 0; i < 10; i++) {
        clicaOpcao(&AberturaGrafico::getJogadorUmOpBT);
        std::lock_guard<std::recursive_mutex> t(trava());
        jogador.push_back(jogo->getNivel(false));
    }
    for (int i = 0; i < 10; i++) {
        clicaOpcao(&AberturaGrafico::getJogadorDoisOpBT);
        std::lock_guard<std::recursive_mutex> t(trava());
        computador.push_back(jogo->getNivel(true));
    }
    EXPECT_EQ((std::vector<int>{2, 3, 4, 5, 6, 7, 8, 9, 1, 2}), jogador);
    EXPECT_EQ((std::vector<int>{4, 5, 6, 7, 8, 9, 1, 2, 3, 4}), computador);
    tecla(SDL_SCANCODE_ESCAPE);
    std::lock_guard<std::recursive_mutex> t(trava());
    EXPECT_EQ(GUI::TELA_ABERTURA, gui->getGraficoTipo());
    EXPECT_EQ(2, jogo->getNivel(false));
}

TEST_F(Abertura, TeclasMovemODestaqueDoMouseEAgemComoUmClique) {
    std::vector<int> vistas;
    tecla(SDL_SCANCODE_RETURN);  // nothing highlighted: nothing happens
    for (SDL_Scancode sc : {SDL_SCANCODE_DOWN, SDL_SCANCODE_DOWN, SDL_SCANCODE_DOWN, SDL_SCANCODE_DOWN,
                            SDL_SCANCODE_UP, SDL_SCANCODE_UP, SDL_SCANCODE_TAB}) {
        tecla(sc);
        std::lock_guard<std::recursive_mutex> t(trava());
        vistas.push_back(s->getAberturaGrafico()->getOpcao());
    }
    EXPECT_EQ((std::vector<int>{1, 2, 3, 1, 3, 2, 3}), vistas);
    SDL_Point p = centro(&AberturaGrafico::getJogadorUmOpBT);
    move(p.x, p.y);
    tecla(SDL_SCANCODE_TAB, SDLK_TAB, KMOD_LSHIFT);  // from the mouse's option back to "Jogar"
    move(p.x + 30, p.y);  // the mouse moves last: its option is highlighted again
    ASSERT_TRUE(espera([&] { return corEm(gui->getTela(), p.x - 140, p.y) == 0x3278B4; }, 3000));
    teclas({SDL_SCANCODE_SPACE, SDL_SCANCODE_RETURN, SDL_SCANCODE_UP, SDL_SCANCODE_RETURN});  // 2 levels, start
    EXPECT_TRUE(espera([&] { return gui->getGraficoTipo() == GUI::TELA_JOGO; }));
    EXPECT_TRUE(espera([&] { return jogo->getNivel(false) == Jogo::NORMAL; }, 100));
}

TEST_F(Abertura, JogarComecaComAMusicaDoJogo) {
    comecaJogo();
    std::lock_guard<std::recursive_mutex> t(trava());
    EXPECT_EQ(GUI::CURSOR_SETA, gui->getCursorTipo());
    EXPECT_EQ(10, s->getJogoAudio()->getMusica());
    EXPECT_FALSE(jogo->isVezComputador());
}

TEST_F(Abertura, ComputadorContraComputadorIgnoraOTabuleiro) {
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        jogo->setNivel(false, Jogo::FACIL);
        jogo->setNivel(true, Jogo::FACIL);
    }
    comecaJogo();
    clicaCasa("e2");
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        EXPECT_EQ(nullptr, jogo->getJogadorJogadaPeca());
    }
    // White's move comes from the computer, then black's.
    ASSERT_TRUE(espera([&] { return jogo->getUltimoMov(false) != nullptr; }));
    ASSERT_TRUE(espera([&] { return jogo->getUltimoMov(true) != nullptr; }));
    std::lock_guard<std::recursive_mutex> t(trava());
    EXPECT_EQ(nullptr, jogo->getJogadorJogadaPeca());
}

}  // namespace
