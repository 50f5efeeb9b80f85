// Either colour at level Humano, two players, the promotion picker and take
// back, played through the window's events as a person would.
#include "SistemaTeste.h"

#include "desenho/ControlesDesenho.h"
#include "desenho/PromocaoDesenho.h"

namespace {

using Lados = SistemaTeste;

TEST_F(Lados, PretasHumanasJogamNoTabuleiroGiradoEDesfazem) {
    travado([&] {
        jogo->setNivel(false, Jogo::FACIL);
        jogo->setNivel(true, Jogo::HUMANO);
    });
    comecaJogo();
    ASSERT_TRUE(espera([&] { return jogo->getRegistro().size() == 1 && jogo->getMovimento() == nullptr; }));
    Tela* tela = jogo->getTela();
    ControlesDesenho* controles = s->getJogoGrafico()->getControlesDesenho();
    ASSERT_TRUE(tela->isGirado());
    EXPECT_FALSE(travado([&] { return controles->isVisivel(); }));  // no mouse on the game screen yet
    int x0 = travado([&] { return tela->getTabuleiroX(); }), y0 = travado([&] { return tela->getTabuleiroY(); });
    // The first arrow shows the cursor on e7; up the screen is down the board.
    teclas({SDL_SCANCODE_LEFT, SDL_SCANCODE_UP});
    EXPECT_TRUE(espera([&] { return jogo->getCursorX() == 4 && jogo->getCursorY() == 2; }, 100));
    // Turned, e7 is the fourth square from the left on the second row from the bottom.
    auto casaNaTela = [&](int coluna, int linha) { clica(x0 + 64 * coluna + 32, y0 + 64 * linha + 32); };
    casaNaTela(3, 6);
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        ASSERT_EQ(pecaEm("e7"), jogo->getJogadorJogadaPeca());
        EXPECT_TRUE(controles->isVisivel());
    }
    casaNaTela(3, 4);
    ASSERT_TRUE(espera([&] { return jogo->getRegistro().size() == 3 && jogo->getMovimento() == nullptr; }));

    SDL_Rect desfazer = travado([&] { return controles->getBotaoRect(ControlesDesenho::DESFAZER); });
    clica(desfazer.x + desfazer.w / 2, desfazer.y + desfazer.h / 2);
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        EXPECT_EQ(1u, jogo->getRegistro().size());
        EXPECT_TRUE(jogo->isVezComputador());
        ASSERT_NE(nullptr, pecaEm("e7"));
        EXPECT_EQ(0, pecaEm("e7")->getMoveuContador());
    }
    tecla(SDL_SCANCODE_BACKSPACE);  // white's opening was the computer's: nothing more
    tecla(SDL_SCANCODE_G, SDLK_g);
    EXPECT_TRUE(espera([&] { return jogo->getRegistro().size() == 1 && !tela->isGirado(); }, 300));
}

TEST_F(Lados, PromocaoPorCliqueEPorTeclasEntreDoisHumanos) {
    travado([&] { jogo->setNivel(true, Jogo::HUMANO); });
    comecaJogo();
    montaPosicao("4k3/1P5p/8/8/8/8/8/4K3 w - - 0 1");
    PromocaoDesenho* escolha = s->getJogoGrafico()->getPromocaoDesenho();
    auto aberta = [&] { return travado([&] { return escolha->isAberta(); }); };
    clicaCasa("b7");
    for (int vez = 0; vez < 2; vez++) {  // Escape, then a click outside, close it with no move
        clicaCasa("b8");
        ASSERT_TRUE(aberta());
        vez == 0 ? tecla(SDL_SCANCODE_ESCAPE) : clica(5, 5);
        EXPECT_FALSE(aberta());
    }
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        EXPECT_EQ(Jogo::EM_JOGO, jogo->getStatus());
        EXPECT_EQ(pecaEm("b7"), jogo->getJogadorJogadaPeca());
        EXPECT_TRUE(jogo->getRegistro().empty());
    }
    clicaCasa("b8");
    EXPECT_EQ(0, travado([&] { return escolha->getDestaque(); }));  // Dama
    SDL_Rect cavalo = travado([&] { return escolha->getOpcaoRect(jogo, 1); });
    clica(cavalo.x + cavalo.w / 2, cavalo.y + cavalo.h / 2);
    ASSERT_TRUE(espera([&] { return jogo->getRegistro().size() == 1 && jogo->getMovimento() == nullptr; }));
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        EXPECT_EQ(Jogo::CAVALO, pecaEm("b8")->getTipo());
        EXPECT_EQ(Jogo::CAVALO, jogo->getRegistro().back().promocao);
    }
    tecla(SDL_SCANCODE_BACKSPACE);  // two humans: white's move alone
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        ASSERT_NE(nullptr, pecaEm("b7"));
        EXPECT_EQ(Jogo::PEAO, pecaEm("b7")->getTipo());
        EXPECT_FALSE(jogo->isVezComputador());
    }

    clicaCasa("b7");
    clicaCasa("b8");
    teclas({SDL_SCANCODE_RIGHT, SDL_SCANCODE_DOWN, SDL_SCANCODE_UP, SDL_SCANCODE_RETURN});
    ASSERT_TRUE(espera([&] { return jogo->getRegistro().size() == 1 && jogo->getMovimento() == nullptr; }));
    std::lock_guard<std::recursive_mutex> t(trava());
    EXPECT_EQ(Jogo::CAVALO, pecaEm("b8")->getTipo());
    EXPECT_FALSE(jogo->isPausa());
}

}  // namespace
