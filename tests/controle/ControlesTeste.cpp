#include "SistemaTeste.h"

#include <SDL_mixer.h>

#include <atomic>
#include <mutex>

#include "controle/JogoGraficoControlador.h"
#include "desenho/AudioLigadoDesenho.h"
#include "gui/Grafico.h"

namespace {

using Controles = SistemaTeste;

TEST_F(Controles, EnterPausaEDespausa) {
    comecaJogo();
    tecla(SDL_SCANCODE_RETURN);
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        EXPECT_TRUE(jogo->isPausa());
        EXPECT_EQ("Pausa!", mensagem());
    }
    // Clicks on the board do nothing while paused.
    clicaCasa("e2");
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        EXPECT_EQ(nullptr, jogo->getJogadorJogadaPeca());
        EXPECT_EQ(0, jogo->getJogadasPossiveis()->getTam());
    }
    // The message stays: it has no time limit.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    EXPECT_TRUE(espera([&] { return mensagem() == "Pausa!"; }, 100));
    tecla(SDL_SCANCODE_RETURN);
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        EXPECT_FALSE(jogo->isPausa());
        EXPECT_EQ("", mensagem());
    }
    clicaCasa("e2");
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        EXPECT_EQ(2, jogo->getJogadasPossiveis()->getTam());
    }

    // Paused during a refusal: the refusal's end leaves "Pausa!" up.
    clicaCasa("a1");
    ASSERT_EQ("Movimento inv\xe1lido!", mensagem());
    tecla(SDL_SCANCODE_RETURN);
    std::this_thread::sleep_for(std::chrono::milliseconds(1800));
    std::lock_guard<std::recursive_mutex> t(trava());
    EXPECT_TRUE(jogo->isPausa());
    EXPECT_EQ("Pausa!", mensagem());
}

// Return pressed as the tick enters its timed-message step must not let the
// tick wait out the old message's time and take "Pausa!" down. The test ticks
// a controller of its own; the game thread's ticks leave this game alone (the
// human is to move, then the game is paused).
TEST_F(Controles, PausaFicaQuandoEnterCruzaOFimDeUmaMensagem) {
    comecaJogo();
    JogoGraficoControlador c(s);
    std::thread tique;
    auto inicio = std::chrono::steady_clock::now();
    {
        std::lock_guard<std::recursive_mutex> t(trava());  // as the window thread holds it
        c.setMensagem("Xeque!", 1500);
        tique = std::thread([&] { c.executando(); });
        std::this_thread::sleep_for(std::chrono::milliseconds(200));
        c.teclaPressionada(GUI::TECLA_ENTER);
    }
    tique.join();
    std::this_thread::sleep_until(inicio + std::chrono::milliseconds(1800));
    c.executando();
    std::lock_guard<std::recursive_mutex> t(trava());
    EXPECT_TRUE(jogo->isPausa());
    EXPECT_EQ("Pausa!", mensagem());
}

// Escape, the tick's restart, then a click and a second Escape that the
// window had handed to the game screen: they must leave the fresh game alone.
TEST_F(Controles, EntradaDeUmJogoAbandonadoNaoAgeNoSeguinte) {
    JogoGraficoControlador c(s);
    std::lock_guard<std::recursive_mutex> t(trava());  // as the window thread holds it
    gui->setGraficoTipo(GUI::TELA_JOGO);
    c.teclaPressionada(GUI::TECLA_ESC);
    c.executando();
    c.mousePressionado(jogo->getTela()->getX(4), jogo->getTela()->getY(6));  // e2
    c.teclaPressionada(GUI::TECLA_ESC);
    EXPECT_EQ(GUI::TELA_ABERTURA, gui->getGraficoTipo());
    EXPECT_FALSE(jogo->isFim());
    EXPECT_EQ(nullptr, jogo->getJogadorJogadaPeca());
}

TEST_F(Controles, PausaParaOComputador) {
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        jogo->incNivel(false);  // white at "Fácil": the computer plays both sides
        jogo->setNivel(true, Jogo::FACIL);
    }
    comecaJogo();
    ASSERT_TRUE(espera([&] { return jogo->getUltimoMov(false) != nullptr; }));
    tecla(SDL_SCANCODE_RETURN);
    // A move created by a search that was already running may still appear,
    // but nothing is carried out during the pause.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    int x[32], y[32];
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        for (int i = 0; i < 16; i++) {
            x[i] = jogo->getJogadorPeca(i)->getPosX();
            y[i] = jogo->getJogadorPeca(i)->getPosY();
            x[16 + i] = jogo->getComputadorPeca(i)->getPosX();
            y[16 + i] = jogo->getComputadorPeca(i)->getPosY();
        }
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(1000));
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        for (int i = 0; i < 16; i++) {
            EXPECT_EQ(x[i], jogo->getJogadorPeca(i)->getPosX());
            EXPECT_EQ(y[i], jogo->getJogadorPeca(i)->getPosY());
            EXPECT_EQ(x[16 + i], jogo->getComputadorPeca(i)->getPosX());
            EXPECT_EQ(y[16 + i], jogo->getComputadorPeca(i)->getPosY());
        }
    }
    tecla(SDL_SCANCODE_RETURN);
    // Play resumes: some piece moves again.
    EXPECT_TRUE(espera([&] {
        for (int i = 0; i < 16; i++) {
            if (x[i] != jogo->getJogadorPeca(i)->getPosX() || y[i] != jogo->getJogadorPeca(i)->getPosY() ||
                x[16 + i] != jogo->getComputadorPeca(i)->getPosX() ||
                y[16 + i] != jogo->getComputadorPeca(i)->getPosY()) {
                return true;
            }
        }
        return false;
    }));
}

TEST_F(Controles, BotaoDeSomLigaEDesligaAMusica) {
    comecaJogo();
    SDL_Rect bt;
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        bt = s->getJogoGrafico()->getAudioLigadoDesenho()->getAudioBT();
    }
    ASSERT_GT(bt.w, 0);
    // The right edge itself still counts.
    clica(bt.x + bt.w, bt.y + bt.h / 2);
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        EXPECT_FALSE(jogo->isAudioLigado());
        EXPECT_EQ(1, Mix_PausedMusic());
        EXPECT_EQ(Jogo::EM_JOGO, jogo->getStatus());
    }
    clica(bt.x + 1, bt.y + 1);
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        EXPECT_TRUE(jogo->isAudioLigado());
        EXPECT_EQ(0, Mix_PausedMusic());
    }

    tecla(SDL_SCANCODE_SEMICOLON, SDLK_m);  // M by its letter, wherever the layout puts it, as the button
    EXPECT_TRUE(espera([&] { return !jogo->isAudioLigado() && Mix_PausedMusic() == 1; }, 100));
    tecla(SDL_SCANCODE_M, SDLK_m);
    EXPECT_TRUE(espera([&] { return jogo->isAudioLigado() && Mix_PausedMusic() == 0; }, 100));

    // On a finished game the same click also dismisses it.
    montaPosicao("6k1/5ppp/8/8/8/8/8/R5K1 w - -");
    clicaCasa("a1");
    clicaCasa("a8");
    ASSERT_TRUE(espera([&] { return jogo->getStatus() == Jogo::BRANCAS_VENCERAM; }));
    clica(bt.x + 1, bt.y + 1);
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        EXPECT_TRUE(jogo->isFim());
        EXPECT_FALSE(jogo->isAudioLigado());
    }
    ASSERT_TRUE(espera([&] { return gui->getGraficoTipo() == GUI::TELA_ABERTURA; }, 10000));
    std::lock_guard<std::recursive_mutex> t(trava());
    EXPECT_TRUE(jogo->isAudioLigado());  // a new game has the sound on
}

TEST_F(Controles, PecaSemLanceEReiEmXeque) {
    comecaJogo();
    clicaCasa("a1");
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        EXPECT_EQ("Movimento inv\xe1lido!", mensagem());
        EXPECT_EQ(pecaEm("a1"), jogo->getJogadorJogadaPeca());
        EXPECT_EQ(0, jogo->getJogadasPossiveis()->getTam());
    }
    EXPECT_TRUE(espera([&] { return s->getJogoAudio()->getUltimoEfeito() == 8; }));
    // The next click clears the selection.
    ASSERT_TRUE(espera([&] { return mensagem() == ""; }, 5000));
    clicaCasa("e4");
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        EXPECT_EQ(nullptr, jogo->getJogadorJogadaPeca());
    }

    // White in check by the rook on e8: the rook on a1 cannot help.
    montaPosicao("k3r3/8/8/8/8/8/8/R3K3 w - -");
    clicaCasa("a1");
    std::lock_guard<std::recursive_mutex> t(trava());
    EXPECT_EQ("Seu rei est\xe1 em xeque!", mensagem());
}

TEST_F(Controles, XequeAvisaELimpaASelecao) {
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        jogo->setNivel(true, Jogo::FACIL);
    }
    comecaJogo();
    montaPosicao("k7/8/8/8/8/8/8/1R2K3 w - -");
    clicaCasa("b1");
    clicaCasa("b8");
    ASSERT_TRUE(espera([&] { return mensagem() == "Xeque!"; }));
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        EXPECT_EQ(nullptr, jogo->getJogadorJogadaPeca());
        EXPECT_EQ(0, jogo->getJogadasPossiveis()->getTam());
        EXPECT_TRUE(jogo->isVezComputador());
    }
    EXPECT_TRUE(espera([&] { return s->getJogoAudio()->getUltimoEfeito() == 4; }));
    // Black's king must take the rook or step aside; the message goes after 1.5 s.
    ASSERT_TRUE(espera([&] { return jogo->getUltimoMov(true) != nullptr; }));
}

// The arrows move a violet frame over the board, Space acts on its square as
// a click, and a key that changes nothing draws nothing.
TEST_F(Controles, CursorEEspacoJogamComoCliques) {
    comecaJogo();
    auto violeta = [&](int x, int y) {  // the frame's left side
        Tela* tela = jogo->getTela();
        return corEm(gui->getTela(), tela->getCelulaX(x) + 3, tela->getCelulaY(y) + 32) == 0x5A00A0;
    };
    teclas({SDL_SCANCODE_SPACE, SDL_SCANCODE_DOWN});  // Space without a cursor; the first arrow shows it on e2
    ASSERT_TRUE(espera([&] { return violeta(4, 6) && jogo->getJogadorJogadaPeca() == nullptr; }, 3000));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    long quadros = gui->getQuadros();
    teclas({SDL_SCANCODE_DOWN, SDL_SCANCODE_DOWN});  // e1, then the edge: one frame
    ASSERT_TRUE(espera([&] { return violeta(4, 7); }, 3000));
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    EXPECT_EQ(quadros + 1, gui->getQuadros());
    teclas({SDL_SCANCODE_UP, SDL_SCANCODE_SPACE, SDL_SCANCODE_UP});  // e2 selected, then its target e3
    ASSERT_TRUE(espera([&] { return violeta(4, 5) && jogo->getJogadorJogadaPeca() == pecaEm("e2"); }, 3000));
    clicaCasa("h8");  // hides the cursor and drops the selection
    teclas({SDL_SCANCODE_RIGHT, SDL_SCANCODE_SPACE});  // shown again on e3, which Space leaves alone
    EXPECT_TRUE(espera([&] { return violeta(4, 5) && jogo->getJogadorJogadaPeca() == nullptr; }, 3000));
    teclas({SDL_SCANCODE_DOWN, SDL_SCANCODE_SPACE, SDL_SCANCODE_UP, SDL_SCANCODE_UP, SDL_SCANCODE_SPACE});
    EXPECT_TRUE(espera([&] { return pecaEm("e4") != nullptr && jogo->isVezComputador(); }, 3000));
}

TEST_F(Controles, CliquesNaVezDoComputadorENoDeslizeNaoFazemNada) {
    comecaJogo();
    clicaCasa("e2");
    clicaCasa("e4");
    // A two-square slide takes a dozen ticks; this click lands during it.
    clicaCasa("d2");
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        ASSERT_NE(nullptr, jogo->getMovimento());
        EXPECT_EQ(pecaEm("e2"), jogo->getJogadorJogadaPeca());
        EXPECT_EQ(2, jogo->getJogadasPossiveis()->getTam());
    }
    ASSERT_TRUE(espera([&] { return jogo->isVezComputador(); }));
    // The computer needs at least a slide before it is white's turn again.
    clicaCasa("d2");
    ASSERT_TRUE(espera([&] { return !jogo->isVezComputador(); }, 60000));
    std::lock_guard<std::recursive_mutex> t(trava());
    EXPECT_EQ(nullptr, jogo->getJogadorJogadaPeca());
    EXPECT_EQ(0, jogo->getJogadasPossiveis()->getTam());
}


// Stands in for the game screen to resize the window from the window's own
// thread and to measure each frame there, right after it is drawn.
class QuadroMedido : public Grafico {
public:
    QuadroMedido(Grafico* real, GUI* gui) : real(real), gui(gui) {}

    void desenha(SDL_Renderer* renderer) override {
        if (redimensiona.exchange(false)) {
            SDL_SetWindowSize(SDL_RenderGetWindow(renderer), 800, 700);
        }
        real->desenha(renderer);
        SDL_Surface* tela = gui->getTela();
        int esquerda = -1;
        // The panel's first icon: the leftmost pixel off the background in
        // the panel's band, in the left half where the centred row starts.
        for (int x = 0; x < tela->w / 2 && esquerda < 0; x++) {
            for (int y = 16; y < 52; y++) {
                if (corEm(tela, x, y) != 0xE1E1E1) {
                    esquerda = x;
                    break;
                }
            }
        }
        std::lock_guard<std::mutex> t(trava);
        largura = tela->w;
        painelEsquerda = esquerda;
        quadros++;
    }

    Grafico* real;
    GUI* gui;
    std::atomic<bool> redimensiona{false};
    std::mutex trava;
    int largura = 0;
    int painelEsquerda = -1;
    int quadros = 0;
};

TEST_F(Controles, JanelaRedimensionadaDesenhaOPainelCentrado) {
    QuadroMedido quadro(s->getJogoGrafico(), gui);
    gui->setJogoGrafico(&quadro);
    comecaJogo();
    auto medida = [&](int* largura, int* esquerda) {
        std::lock_guard<std::mutex> t(quadro.trava);
        *largura = quadro.largura;
        *esquerda = quadro.painelEsquerda;
        return quadro.quadros;
    };
    int largura = 0, antes = -1;
    ASSERT_TRUE(espera([&] { return medida(&largura, &antes) > 0 && largura == 640; }));
    ASSERT_GT(antes, 0);

    quadro.redimensiona = true;
    gui->repinta();
    // The frame drawn while SDL replaces the window's surface is the one
    // that used to read the freed surface; the one the size change asks for
    // is laid out anew (an idle game draws no other).
    int depois = -1;
    EXPECT_TRUE(espera([&] { return medida(&largura, &depois) > 0 && largura == 800 && depois == antes + 80; }))
        << "the panel is centred on the new width: " << antes << " then " << depois;
    {
        std::lock_guard<std::recursive_mutex> t(trava());
        SDL_Rect bt = s->getJogoGrafico()->getAudioLigadoDesenho()->getAudioBT();
        EXPECT_EQ(800 - bt.w - 25, bt.x);
        EXPECT_EQ(120, jogo->getTela()->getTabuleiroX()) << "cells of 70 on the smaller side";
    }
    fecha();
    gui->setJogoGrafico(s->getJogoGrafico());
}

}  // namespace
