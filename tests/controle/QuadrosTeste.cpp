// A frame is drawn only when something on the screen changed.
#include "SistemaTeste.h"

#include "controle/JogoGraficoControlador.h"

namespace {

// Once the count holds still for 100 ms (more than three passes of the
// window loop): a frame asked for has been drawn, also on a loaded machine
// where one pass takes longer than usual.
long quadrosDepois(GUI* gui) {
    long q = gui->getQuadros();
    for (int i = 0; i < 50; i++) {
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
        long agora = gui->getQuadros();
        if (agora == q) break;
        q = agora;
    }
    return q;
}

using QuadrosAbertura = SistemaTeste;

TEST_F(QuadrosAbertura, SoMudarDeOpcaoDesenha) {
    SDL_Point a = centro(&AberturaGrafico::getJogadorUmOpBT);
    SDL_Point b = centro(&AberturaGrafico::getJogadorDoisOpBT);
    move(a.x, a.y);
    long q = quadrosDepois(gui);
    move(a.x + 30, a.y + 2);
    EXPECT_EQ(q, quadrosDepois(gui));
    move(b.x, b.y);
    EXPECT_EQ(q + 1, quadrosDepois(gui));
}

// The window thread draws the game screen while the test ticks a controller
// of its own as the game thread would; the real game thread has no listener.
class QuadrosJogo : public SistemaTeste {
protected:
    void antesDasThreads() override { gui->setJogoGraficoListener(nullptr); }

    // The frames one call makes the window draw.
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
    quadrosDepois(gui);  // the frames of the game's start
    EXPECT_EQ(0, quadrosDe([&] {
        for (int i = 0; i < 20; i++, std::this_thread::sleep_for(std::chrono::milliseconds(30))) c.executando();
    }));
    // The mouse's first movement shows the column of controls; later ones off them draw nothing.
    EXPECT_EQ(1, quadrosDe([&] { c.mouseSobre(600, 400); }));
    EXPECT_EQ(0, quadrosDe([&] { c.mouseSobre(610, 420); c.mouseSobre(100, 100); }));
    Tela* tela = jogo->getTela();
    EXPECT_EQ(1, quadrosDe([&] { c.mousePressionado(tela->getX(4), tela->getY(6)); }));  // e2
    EXPECT_EQ(1, quadrosDe([&] { c.mousePressionado(tela->getX(4), tela->getY(4)); }));  // e4
    // 128 pixels in steps of 10: 13 steps, the last carrying the move out.
    int passos = 0;
    for (; jogo->getMovimento() != nullptr && passos < 50; passos++) {
        EXPECT_EQ(1, quadrosDe([&] { c.executando(); })) << "step " << passos;
    }
    EXPECT_EQ(13, passos);
    EXPECT_EQ(Jogo::PEAO, jogo->getPeca(4, 4)->getTipo());
}

}  // namespace
