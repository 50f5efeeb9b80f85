// Either colour at level Humano, two players, the promotion picker and take
// back, played through the window's events as a person would.
#include "SistemaTeste.h"

#include "desenho/ControlesDesenho.h"
#include "desenho/PromocaoDesenho.h"

namespace {

using Lados = SistemaTeste;

TEST_F(Lados, PretasHumanasJogamNoTabuleiroGiradoEDesfazem) {
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        jogo->setNivel(false, Jogo::FACIL);
        jogo->setNivel(true, Jogo::HUMANO);
    }
    comecaJogo();
    ASSERT_TRUE(espera([&] { return jogo->getRegistro().size() == 1 && jogo->getMovimento() == nullptr; }));
    Tela* tela = jogo->getTela();
    ControlesDesenho* controles = s->getJogoGrafico()->getControlesDesenho();
    int x0, y0;
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        ASSERT_TRUE(tela->isGirado());
        EXPECT_FALSE(controles->isVisivel());  // no mouse on the game screen yet
        x0 = tela->getTabuleiroX();
        y0 = tela->getTabuleiroY();
    }
    // The first arrow shows the cursor on e7; up the screen is down the board.
    teclas({SDL_SCANCODE_LEFT, SDL_SCANCODE_UP});
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        EXPECT_EQ(4, jogo->getCursorX());
        EXPECT_EQ(2, jogo->getCursorY());
    }
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

    SDL_Rect desfazer;
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        desfazer = controles->getBotaoRect(ControlesDesenho::DESFAZER);
    }
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
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    std::lock_guard<std::recursive_mutex> t(trava());
    EXPECT_EQ(1u, jogo->getRegistro().size());
    EXPECT_FALSE(tela->isGirado());
}

TEST_F(Lados, PromocaoPorCliqueEPorTeclasEntreDoisHumanos) {
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        jogo->setNivel(true, Jogo::HUMANO);
    }
    comecaJogo();
    montaPosicao("4k3/1P5p/8/8/8/8/8/4K3 w - - 0 1");
    PromocaoDesenho* escolha = s->getJogoGrafico()->getPromocaoDesenho();
    auto aberta = [&] {
        std::lock_guard<std::recursive_mutex> t(trava());
        return escolha->isAberta();
    };
    clicaCasa("b7");
    clicaCasa("b8");
    ASSERT_TRUE(aberta());
    tecla(SDL_SCANCODE_ESCAPE);  // closes the picker only
    EXPECT_FALSE(aberta());
    clicaCasa("b8");
    ASSERT_TRUE(aberta());
    clica(5, 5);  // outside it: the same
    EXPECT_FALSE(aberta());
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        EXPECT_EQ(Jogo::EM_JOGO, jogo->getStatus());
        EXPECT_EQ(pecaEm("b7"), jogo->getJogadorJogadaPeca());
        EXPECT_TRUE(jogo->getRegistro().empty());
    }

    clicaCasa("b8");
    SDL_Rect cavalo;
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        EXPECT_EQ(0, escolha->getDestaque());  // Dama
        cavalo = escolha->getOpcaoRect(jogo, 1);
    }
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
