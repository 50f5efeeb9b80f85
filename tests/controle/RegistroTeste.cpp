// The record of a game: the list of moves (L), copy as PGN (Ctrl+C) and
// paste of a FEN or PGN (Ctrl+V), through the window's events. The dummy
// video driver keeps SDL's own clipboard.
#include "SistemaTeste.h"

#include "Colagem.h"
#include "desenho/ListaDesenho.h"

namespace {

using RegistroDaPartida = SistemaTeste;

const char* const LONGA = "[White \"Fulano\"]\n\n1. e4 e5 2. Nf3 Nc6 {Italiana?} 3. Bb5 (3. Bc4) a6 *\n";

std::string areaTransferencia() {
    char* t = SDL_GetClipboardText();
    std::string s = t;
    SDL_free(t);
    return s;
}

TEST_F(RegistroDaPartida, CopiaAPartidaJogadaEAFinalizadaQueFicaNaTela) {
    comecaJogo();
    clicaCasa("e2");
    clicaCasa("e4");
    ASSERT_TRUE(espera([&] { return jogo->getRegistro().size() == 2 && jogo->getMovimento() == nullptr; }, 60000));
    tecla(SDL_SCANCODE_C, SDLK_c, KMOD_LCTRL);
    std::string pgn = areaTransferencia();
    EXPECT_EQ("Partida copiada (PGN).", travado([&] { return mensagem(); }));
    EXPECT_NE(std::string::npos, pgn.find("[White \"Humano\"]\n[Black \"Normal\"]\n[Result \"*\"]\n\n1. e4 ")) << pgn;
    Colagem lida;
    ASSERT_TRUE(lida.le(pgn, nullptr)) << pgn;
    EXPECT_EQ(travado([&] { return jogo->getRegistro(); }), lida.getLances());

    montaPosicao("6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 30");
    clicaCasa("a1");
    clicaCasa("a8");
    ASSERT_TRUE(espera([&] { return jogo->getStatus() == Jogo::BRANCAS_VENCERAM; }));
    tecla(SDL_SCANCODE_C, SDLK_c, KMOD_LCTRL);
    pgn = areaTransferencia();
    EXPECT_NE(std::string::npos, pgn.find("[SetUp \"1\"]\n[FEN \"6k1/5ppp/8/8/8/8/8/R5K1 w - - 0 30\"]")) << pgn;
    EXPECT_NE(std::string::npos, pgn.find("30. Ra8# 1-0\n")) << pgn;
    EXPECT_FALSE(travado([&] { return jogo->isFim(); }));  // not dismissed
}

TEST_F(RegistroDaPartida, ColaPGNEFENComAsPretasERecusaOQueNaoLe) {
    comecaJogo();
    SDL_SetClipboardText(LONGA);
    tecla(SDL_SCANCODE_V, SDLK_v, KMOD_LCTRL);
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        ASSERT_EQ(6u, jogo->getRegistro().size());
        EXPECT_FALSE(jogo->isVezComputador());
        EXPECT_EQ(Jogo::BISPO, pecaEm("b5")->getTipo());
    }
    tecla(SDL_SCANCODE_L, SDLK_l);
    ListaDesenho* lista = s->getJogoGrafico()->getListaDesenho();
    EXPECT_TRUE(espera([&] { return lista->getLinhas() == std::vector<std::string>{"1. e4 e5", "2. Cf3 Cc6", "3. Bb5 a6"}; }, 3000));
    tecla(SDL_SCANCODE_C, SDLK_c, KMOD_LCTRL);
    EXPECT_NE(std::string::npos, areaTransferencia().find("\n\n1. e4 e5 2. Nf3 Nc6 3. Bb5 a6 *\n"));

    // Refused: the banner says why and the game stays as it was.
    for (const char* ruim : {"1. e4 e5 2. Ke3", "isto n\xc3\xa3o \xc3\xa9 xadrez", "8/8/8/8/8/8/8/8 w - - 0 1", " \n"}) {
        std::string porque;
        Colagem().le(ruim, &porque);
        if (*ruim == ' ') porque = "Nada para colar.";
        SDL_SetClipboardText(ruim);
        tecla(SDL_SCANCODE_V, SDLK_v, KMOD_LCTRL);
        std::lock_guard<std::recursive_mutex> t(trava());
        EXPECT_EQ(porque, mensagem()) << ruim;
        EXPECT_EQ(6u, jogo->getRegistro().size()) << ruim;
    }

    // Black to move: the computer, black, moves at once; the list numbers it 1...
    SDL_SetClipboardText("rnbqkbnr/pppppppp/8/8/4P3/8/PPPP1PPP/RNBQKBNR b KQkq e3 0 1");
    tecla(SDL_SCANCODE_V, SDLK_v, KMOD_LCTRL);
    ASSERT_TRUE(espera([&] { return jogo->getRegistro().size() == 1 && !jogo->isVezComputador(); }, 60000));
    EXPECT_TRUE(espera([&] { return lista->getLinhas().size() == 1 && lista->getLinhas()[0].rfind("1... ", 0) == 0; }, 3000));
    tecla(SDL_SCANCODE_L, SDLK_l);
    EXPECT_TRUE(espera([&] { return !lista->isVisivel(); }, 100));
}

TEST_F(RegistroDaPartida, ColaNaAberturaUmaPartidaJaTerminada) {
    SDL_SetClipboardText("nada");
    tecla(SDL_SCANCODE_V, SDLK_v, KMOD_LCTRL);
    long quadros = gui->getQuadros();
    EXPECT_EQ("N\xe3o \xe9 FEN nem PGN.", travado([&] { return s->getAberturaGrafico()->getAviso(); }));
    EXPECT_EQ(GUI::TELA_ABERTURA, gui->getGraficoTipo());
    // A timer asks for the frame that takes the line away.
    EXPECT_TRUE(espera([&] { return s->getAberturaGrafico()->getAviso().empty() && gui->getQuadros() > quadros; }, 3000));

    SDL_SetClipboardText("1. f3 e5 2. g4 Qh4# 0-1");
    tecla(SDL_SCANCODE_V, SDLK_v, KMOD_LCTRL);
    ASSERT_TRUE(espera([&] { return gui->getGraficoTipo() == GUI::TELA_JOGO; }, 3000));
    std::lock_guard<std::recursive_mutex> t(trava());
    EXPECT_EQ(Jogo::PRETAS_VENCERAM, jogo->getStatus());
    EXPECT_EQ("Xeque mate, as pretas venceram!", mensagem());
    EXPECT_EQ(0, jogo->getVitoriasCont(true));  // not played here
    EXPECT_EQ(4u, jogo->getRegistro().size());
}

}  // namespace
