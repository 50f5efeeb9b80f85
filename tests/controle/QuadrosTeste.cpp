// A frame is drawn only when something on the screen changed.
#include "SistemaTeste.h"

#include "controle/JogoGraficoControlador.h"

namespace {

using QuadrosAbertura = SistemaTeste;

// Waits two passes of the window loop: a frame asked for has been drawn.
long quadrosDepois(GUI* gui) {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    return gui->getQuadros();
}

TEST_F(QuadrosAbertura, SoMudarDeOpcaoDesenha) {
    SDL_Point a = centro(&AberturaGrafico::getJogadorUmOpBT);
    SDL_Point b = centro(&AberturaGrafico::getJogadorDoisOpBT);
    move(a.x, a.y);
    long q = quadrosDepois(gui);
    move(a.x + 30, a.y + 2);
    move(a.x - 30, a.y);
    EXPECT_EQ(q, quadrosDepois(gui));
    move(b.x, b.y);
    EXPECT_EQ(q + 1, quadrosDepois(gui));
    EXPECT_EQ(GUI::CURSOR_MAO, gui->getCursorTipo());
}

// The game screen drawn by the window thread, while the test ticks a
// controller of its own as the game thread would: the real game thread has
// no listener and stays idle.
class QuadrosJogo : public SistemaTeste {
protected:
    void antesDasThreads() override { gui->setJogoGraficoListener(nullptr); }

    SDL_Point casa(const char* c) {
        std::lock_guard<std::recursive_mutex> t(trava());
        Tela* tela = jogo->getTela();
        return {tela->getX(c[0] - 'a'), tela->getY('8' - c[1])};
    }

    // The frames that one call draws, waiting for the first of them.
    long quadrosDe(std::function<void()> acao) {
        long antes = gui->getQuadros();
        acao();
        for (int i = 0; i < 100 && gui->getQuadros() == antes; i++) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return quadrosDepois(gui) - antes;
    }
};

TEST_F(QuadrosJogo, OciosoNadaCliqueUmQuadroDeslizeUmPorPasso) {
    comecaJogo();
    JogoGraficoControlador c(s);
    EXPECT_EQ(0, quadrosDe([&] {
        for (int i = 0; i < 20; i++) {
            c.executando();
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
        }
    }));

    SDL_Point e2 = casa("e2");
    SDL_Point e4 = casa("e4");
    EXPECT_EQ(1, quadrosDe([&] { c.mousePressionado(e2.x, e2.y); }));
    EXPECT_EQ(1, quadrosDe([&] { c.mousePressionado(e4.x, e4.y); }));
    // 128 pixels in steps of 10: 13 steps, the last carrying the move out.
    int passos = 0;
    while (jogo->getMovimento() != nullptr && passos < 50) {
        EXPECT_EQ(1, quadrosDe([&] { c.executando(); })) << "step " << passos;
        passos++;
    }
    EXPECT_EQ(13, passos);
    std::lock_guard<std::recursive_mutex> t(trava());
    EXPECT_EQ(Jogo::PEAO, pecaEm("e4")->getTipo());
}

}  // namespace
