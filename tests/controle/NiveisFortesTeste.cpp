// The stronger levels in the game and the hint, through the window's events.
#include "SistemaTeste.h"

#include <atomic>

#include "Notacao.h"
#include "algoritmo/AlgoritmoForte.h"
#include "algoritmo/Relogio.h"
#include "desenho/ControlesDesenho.h"

namespace {

using NiveisFortes = SistemaTeste;

// The stronger engine reads the clock once the position is loaded, just
// before its search proper begins: the key goes in then, the worst moment
// for a stop, and the search waits until the window has handled it.
std::atomic<Jogo*> jogoNaBusca{nullptr};
std::atomic<SDL_Scancode> teclaNaBusca{SDL_SCANCODE_UNKNOWN};
std::atomic<SDL_Keycode> simboloNaBusca{0};
std::atomic<Uint16> modNaBusca{0};
std::atomic<int> buscas{0};

std::time_t apertaNaBusca() {
    buscas++;
    Jogo* jogo = jogoNaBusca;
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym.scancode = teclaNaBusca;
    e.key.keysym.sym = simboloNaBusca;
    e.key.keysym.mod = modNaBusca;
    long geracao = jogo->getGeracao();
    SDL_PushEvent(&e);
    for (int i = 0; i < 500 && jogo->getGeracao() == geracao && !jogo->isFim(); i++) SDL_Delay(2);
    return 1;
}

TEST_F(NiveisFortes, DesfazerEEscDuranteABuscaDoPeritoParamELogo) {
    travado([&] { jogo->setNivel(true, Jogo::PERITO); });
    jogoNaBusca = jogo;
    teclaNaBusca = SDL_SCANCODE_BACKSPACE;
    Relogio::setFonte(apertaNaBusca);
    // The nodes of the last search, once it is over.
    auto nos = [&] { return s->getAlgoritmoGerenciador()->getAlgoritmoForte()->getNos(); };
    comecaJogo();
    clicaCasa("e2");
    clicaCasa("e4");
    // Taken back: the search stopped at its first look and its answer is gone.
    ASSERT_TRUE(espera([&] { return buscas == 1 && jogo->getRegistro().empty(); }));
    EXPECT_LT(nos(), 2048) << "the search went on after the take back";
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    travado([&] {
        EXPECT_FALSE(jogo->isVezComputador());
        EXPECT_EQ(nullptr, jogo->getMovimento());
        EXPECT_TRUE(jogo->getRegistro().empty());
    });

    // A paste stops it as a take back does; white is to move in the game pasted.
    SDL_SetClipboardText("rnbqkbnr/ppp1pppp/8/3p4/3P4/8/PPP1PPPP/RNBQKBNR w KQkq d6 0 2");
    teclaNaBusca = SDL_SCANCODE_V;
    simboloNaBusca = SDLK_v;
    modNaBusca = KMOD_LCTRL;
    clicaCasa("e2");
    clicaCasa("e4");
    ASSERT_TRUE(espera([&] { return buscas == 2 && travado([&] { return pecaEm("d4") != nullptr; }); }));
    EXPECT_LT(nos(), 2048) << "the search went on after the paste";
    simboloNaBusca = 0;
    modNaBusca = 0;

    teclaNaBusca = SDL_SCANCODE_ESCAPE;
    clicaCasa("e2");
    clicaCasa("e4");
    testing::internal::CaptureStdout();
    bool voltou = espera([&] { return buscas == 3 && gui->getGraficoTipo() == GUI::TELA_ABERTURA; });
    EXPECT_EQ("", testing::internal::GetCapturedStdout()) << "a search stopped on purpose is no error";
    ASSERT_TRUE(voltou);
    Relogio::solta();
    EXPECT_LT(nos(), 2048) << "the search went on after Escape";
    EXPECT_EQ(0, travado([&] { return jogo->getVitoriasCont(false) + jogo->getVitoriasCont(true) + jogo->getEmpatesCont(); }));
}

// The column's button asks for Perito's choice: its piece is selected with
// its targets marked, the move is named, and nothing is played.
TEST_F(NiveisFortes, DicaSelecionaANomeiaENaoJoga) {
    comecaJogo();
    move(10, 10);  // the column shows
    ControlesDesenho* controles = s->getJogoGrafico()->getControlesDesenho();
    SDL_Rect dica = travado([&] { return controles->getBotaoRect(ControlesDesenho::DICA); });
    EXPECT_TRUE(travado([&] { return controles->isHabilitado(ControlesDesenho::DICA); }));
    clica(dica.x + dica.w / 2, dica.y + dica.h / 2);
    const std::string prefixo = "Sugest\xe3o: ";
    ASSERT_TRUE(espera([&] { return mensagem().rfind(prefixo, 0) == 0; }));
    std::lock_guard<std::recursive_mutex> t(trava());
    Peca* peca = jogo->getJogadorJogadaPeca();
    ASSERT_NE(nullptr, peca);
    EXPECT_FALSE(peca->isDeComp());
    JogadaLista* alvos = jogo->getJogadasPossiveis();
    bool nomeada = false;
    for (int i = 0; i < alvos->getTam(); i++) {
        LanceJogado l{peca->getPosX(), peca->getPosY(), alvos->getJogada(i)->getPosX(), alvos->getJogada(i)->getPosY(), 0};
        nomeada |= prefixo + Notacao::escreve(*jogo, l, Notacao::PORTUGUES) == mensagem();
    }
    EXPECT_TRUE(nomeada) << mensagem();
    EXPECT_TRUE(jogo->getRegistro().empty());
    EXPECT_FALSE(jogo->isVezComputador());
    EXPECT_EQ(nullptr, jogo->getMovimento());
}

// A knight's promotion with check that wins the queen: Amador sees it, and
// the game carries it out as chosen.
TEST_F(NiveisFortes, OComputadorPromoveACavalo) {
    travado([&] {
        jogo->setNivel(false, Jogo::AMADOR);
        jogo->setNivel(true, Jogo::HUMANO);
    });
    montaPosicao("8/1q1P1k2/8/8/8/7K/P7/8 w - - 0 1");
    comecaJogo();
    ASSERT_TRUE(espera([&] { return jogo->getRegistro().size() == 1 && jogo->getMovimento() == nullptr; }));
    std::lock_guard<std::recursive_mutex> t(trava());
    EXPECT_EQ(Jogo::CAVALO, jogo->getRegistro()[0].promocao);
    ASSERT_NE(nullptr, pecaEm("d8"));
    EXPECT_EQ(Jogo::CAVALO, pecaEm("d8")->getTipo());
}

}  // namespace
