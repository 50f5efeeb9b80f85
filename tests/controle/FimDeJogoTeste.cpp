#include "SistemaTeste.h"

namespace {

using FimDeJogo = SistemaTeste;

const std::string BRANCAS = "Xeque mate, as brancas venceram!";
const std::string EMPATE = "O jogo empatou!";
const std::string REINICIAR = "Tecle ou clique para reiniciar.";

TEST_F(FimDeJogo, MateContaUmaVitoriaEVoltaAAbertura) {
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        jogo->incNivel(true);  // black at "Difícil": levels must survive the restart
    }
    comecaJogo();
    montaPosicao("6k1/5ppp/8/8/8/8/8/R5K1 w - -");
    clicaCasa("a1");
    clicaCasa("a8");
    ASSERT_TRUE(espera([&] { return jogo->getStatus() == Jogo::BRANCAS_VENCERAM; }));
    auto inicio = std::chrono::steady_clock::now();
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        EXPECT_EQ(BRANCAS, mensagem());
        EXPECT_EQ(1, jogo->getVitoriasCont(false));
        EXPECT_EQ(0, jogo->getVitoriasCont(true));
    }
    EXPECT_TRUE(espera([&] { return s->getJogoAudio()->getUltimoEfeito() == 6; }));
    ASSERT_TRUE(espera([&] { return mensagem() == REINICIAR; }, 10000));
    long passou = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - inicio).count();
    EXPECT_GE(passou, 3800);  // the result stays for four seconds

    clica(5, 5);
    ASSERT_TRUE(espera([&] { return gui->getGraficoTipo() == GUI::TELA_ABERTURA; }));
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    std::lock_guard<std::recursive_mutex> t(trava());
    EXPECT_EQ(1, jogo->getVitoriasCont(false));
    EXPECT_EQ(0, jogo->getEmpatesCont());
    EXPECT_EQ(4, jogo->getNivel(true));
    EXPECT_EQ(1, jogo->getNivel(false));
    EXPECT_EQ(Jogo::EM_JOGO, jogo->getStatus());
    EXPECT_FALSE(jogo->isFim());
    EXPECT_EQ("", mensagem());
    EXPECT_EQ(Jogo::REI, jogo->getPeca(4, 7)->getTipo());
}

TEST_F(FimDeJogo, AfogamentoContaUmEmpate) {
    comecaJogo();
    montaPosicao("7k/8/6Q1/8/8/8/8/6K1 w - -");
    clicaCasa("g6");
    clicaCasa("f7");
    ASSERT_TRUE(espera([&] { return jogo->getStatus() == Jogo::EMPATE; }));
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        EXPECT_EQ(EMPATE, mensagem());
        EXPECT_EQ(1, jogo->getEmpatesCont());
    }
    EXPECT_TRUE(espera([&] { return s->getJogoAudio()->getUltimoEfeito() == 7; }));
    // A key given during the result message is remembered and acted on later.
    tecla(SDL_SCANCODE_RETURN);
    ASSERT_TRUE(espera([&] { return gui->getGraficoTipo() == GUI::TELA_ABERTURA; }, 10000));
    std::lock_guard<std::recursive_mutex> t(trava());
    EXPECT_EQ(1, jogo->getEmpatesCont());
    EXPECT_EQ(0, jogo->getVitoriasCont(false) + jogo->getVitoriasCont(true));
}

// The computer against itself takes the queen: kings and bishops of one
// colour are left, and the game ends there as with stalemate.
TEST_F(FimDeJogo, MaterialInsuficienteEmpataSozinho) {
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        jogo->setNivel(false, Jogo::FACIL);
    }
    montaPosicao("2b1k3/8/8/8/8/7B/3q4/4K3 w - -");
    comecaJogo();
    ASSERT_TRUE(espera([&] { return jogo->getStatus() == Jogo::EMPATE && jogo->getEmpatesCont() == 1; }));
    EXPECT_EQ(EMPATE, mensagem());
    EXPECT_TRUE(espera([&] { return s->getJogoAudio()->getUltimoEfeito() == 7; }));
}

TEST_F(FimDeJogo, EscAbandonaSemContarNada) {
    comecaJogo();
    clicaCasa("e2");
    tecla(SDL_SCANCODE_ESCAPE);
    ASSERT_TRUE(espera([&] { return gui->getGraficoTipo() == GUI::TELA_ABERTURA; }));
    std::lock_guard<std::recursive_mutex> t(trava());
    EXPECT_EQ(0, jogo->getVitoriasCont(false) + jogo->getVitoriasCont(true) + jogo->getEmpatesCont());
    EXPECT_EQ(Jogo::EM_JOGO, jogo->getStatus());
    EXPECT_EQ(nullptr, jogo->getJogadorJogadaPeca());
    EXPECT_EQ(0, jogo->getJogadasPossiveis()->getTam());
}

// Closing the window cuts the four-second result message short.
TEST_F(FimDeJogo, FecharDuranteAMensagemNaoEsperaOFim) {
    comecaJogo();
    montaPosicao("6k1/5ppp/8/8/8/8/8/R5K1 w - -");
    clicaCasa("a1");
    clicaCasa("a8");
    ASSERT_TRUE(espera([&] { return jogo->getStatus() == Jogo::BRANCAS_VENCERAM; }));
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    auto inicio = std::chrono::steady_clock::now();
    fecha();
    long passou = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - inicio).count();
    std::printf("closing during the result message took %ld ms\n", passou);
    EXPECT_LT(passou, 3000);  // the message had more than 3.5 s to go
    EXPECT_FALSE(gui->isFalhou());
}

}  // namespace
