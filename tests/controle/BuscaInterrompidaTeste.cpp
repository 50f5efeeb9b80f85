#include "SistemaTeste.h"

#include <atomic>
#include <memory>

#include "algoritmo/Algoritmo.h"
#include "algoritmo/AlgoritmoGerenciador.h"
#include "algoritmo/Relogio.h"

namespace {

// A "Difícil" search after 1. e4 creates about 17 thousand nodes. The tests
// stop it after 200, through the event a player would give, and hold the
// search until the main thread has handled it, so the stop always falls in
// the middle of the search.
class BuscaInterrompida : public SistemaTeste {
protected:
    void SetUp() override {
        SistemaTeste::SetUp();
        Relogio::fixa(1);
        std::lock_guard<std::recursive_mutex> t(trava());
        jogo->setNivel(true, Jogo::DIFICIL);
    }
    void TearDown() override {
        SistemaTeste::TearDown();
        Relogio::solta();
    }

    // At the 200th node, push the event and wait for the end flag it raises.
    void paraNaBuscaCom(SDL_Event evento) {
        std::lock_guard<std::recursive_mutex> t(trava());
        algoritmo()->setAoCriarNo([this, evento](long nos) mutable {
            if (nos != 200) return;
            SDL_PushEvent(&evento);
            for (int i = 0; i < 500 && !jogo->isFim(); i++) SDL_Delay(2);
            parouEm = std::chrono::steady_clock::now();
        });
    }

    Algoritmo* algoritmo() { return s->getAlgoritmoGerenciador()->getAlgoritmo(); }

    std::chrono::steady_clock::time_point parouEm;
};

TEST_F(BuscaInterrompida, EscDuranteABuscaParaEVoltaAAbertura) {
    SDL_Event esc{};
    esc.type = SDL_KEYDOWN;
    esc.key.keysym.scancode = SDL_SCANCODE_ESCAPE;
    paraNaBuscaCom(esc);
    comecaJogo();
    clicaCasa("e2");
    clicaCasa("e4");
    ASSERT_TRUE(espera([&] { return gui->getGraficoTipo() == GUI::TELA_ABERTURA; }, 60000));
    std::lock_guard<std::recursive_mutex> t(trava());
    long nos = algoritmo()->getNosCriados();
    EXPECT_GE(nos, 200);
    EXPECT_LT(nos, 1000) << "the search went on after Escape";
    EXPECT_EQ(0, jogo->getVitoriasCont(false) + jogo->getVitoriasCont(true) + jogo->getEmpatesCont());
    EXPECT_EQ(nullptr, jogo->getMovimento());
}

TEST_F(BuscaInterrompida, FecharDuranteABuscaEncerraLogo) {
    SDL_Event sair{};
    sair.type = SDL_QUIT;
    paraNaBuscaCom(sair);
    comecaJogo();
    clicaCasa("e2");
    clicaCasa("e4");
    janelaThread.join();
    auto fim = std::chrono::steady_clock::now();
    jogoThread.join();
    fechado = true;
    long ms = std::chrono::duration_cast<std::chrono::milliseconds>(fim - parouEm).count();
    std::printf("closing during a search took %ld ms\n", ms);
    EXPECT_LT(algoritmo()->getNosCriados(), 1000);
    EXPECT_FALSE(gui->isFalhou());
    EXPECT_TRUE(gui->isFinalizado());
}

// With no move for the computer and no result set (a position put on the
// board by hand), the failure is reported once, not on every tick.
TEST_F(BuscaInterrompida, ErroDaBuscaEscritoUmaVez) {
    comecaJogo();
    testing::internal::CaptureStdout();
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        std::string erro;
        ASSERT_TRUE(PosicaoFEN::carrega(jogo, "7k/5Q2/6K1/8/8/8/8/8 b - -", &erro)) << erro;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(800));
    std::string saida = testing::internal::GetCapturedStdout();
    std::string linha = "Erro no c\xe1lculo da melhor jogada.\n";
    EXPECT_EQ(linha, saida);
}

}  // namespace

namespace {

// A take back while the computer searches drops its choice, and the notes
// the search makes on the chosen piece go with it.
TEST_F(BuscaInterrompida, DesfazerDuranteABuscaDescartaAEscolha) {
    Jogo::MemoriaComputador antes;
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        antes = jogo->getMemoriaComputador();
        // Once: the searches after it must run their course.
        algoritmo()->setAoCriarNo([this, uma = std::make_shared<bool>(true)](long nos) {
            if (nos != 200 || !*uma) return;
            *uma = false;
            long geracao = jogo->getGeracao();
            SDL_Event e{};
            e.type = SDL_KEYDOWN;
            e.key.keysym.scancode = SDL_SCANCODE_BACKSPACE;
            SDL_PushEvent(&e);
            for (int i = 0; i < 500 && jogo->getGeracao() == geracao; i++) SDL_Delay(2);
        });
    }
    comecaJogo();
    clicaCasa("e2");
    clicaCasa("e4");
    ASSERT_TRUE(espera([&] { return algoritmo()->getNosCriados() > 200; }));
    std::this_thread::sleep_for(std::chrono::milliseconds(1500));  // the rest of the search
    std::lock_guard<std::recursive_mutex> t(trava());
    EXPECT_TRUE(jogo->getRegistro().empty());
    EXPECT_FALSE(jogo->isVezComputador());
    EXPECT_EQ(nullptr, jogo->getMovimento());
    Jogo::MemoriaComputador depois = jogo->getMemoriaComputador();
    EXPECT_EQ(0, std::memcmp(&antes, &depois, sizeof antes));
}

}  // namespace
