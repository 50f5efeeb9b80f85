#ifndef TESTES_CONTROLE_SISTEMATESTE_H
#define TESTES_CONTROLE_SISTEMATESTE_H

#include <gtest/gtest.h>

#include <SDL.h>

#include <chrono>
#include <cstring>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

#include "PosicaoFEN.h"
#include "app/Sistema.h"
#include "desenho/InfoDesenho.h"
#include "gui/Tela.h"
#include "jogo/JogadaLista.h"
#include "jogo/Peca.h"
#include "jogo/PecaMov.h"

// The colour (0xRRGGBB) of a pixel of the window surface.
inline Uint32 corEm(SDL_Surface* tela, int x, int y) {
    Uint32 px = 0;
    SDL_LockSurface(tela);
    Uint8* linha = static_cast<Uint8*>(tela->pixels) + y * tela->pitch;
    std::memcpy(&px, linha + x * tela->format->BytesPerPixel, tela->format->BytesPerPixel);
    SDL_UnlockSurface(tela);
    Uint8 r, g, b;
    SDL_GetRGB(px, tela->format, &r, &g, &b);
    return (static_cast<Uint32>(r) << 16) | (static_cast<Uint32>(g) << 8) | b;
}

// Runs a real Sistema: the window loop on one thread, the game thread on
// another, and the test drives it by pushing SDL events, as a player would.
class SistemaTeste : public ::testing::Test {
protected:
    void SetUp() override {
        s = new Sistema();
        jogo = s->getJogo();
        gui = s->getGUI();
        antesDasThreads();
        jogoThread = std::thread([this] { s->execJogo(nullptr); });
        janelaThread = std::thread([this] { s->execGUI(); });
        ASSERT_TRUE(espera([this] { return s->getAberturaGrafico()->isLayoutPronto(); }));
    }

    void TearDown() override { fecha(); delete s; }

    // Runs on the built system before its threads start.
    virtual void antesDasThreads() {}

    void fecha() {
        if (fechado) return;
        fechado = true;
        SDL_Event e{};
        e.type = SDL_QUIT;
        // The event queue exists only once the window loop has started.
        while (SDL_PushEvent(&e) < 0) std::this_thread::sleep_for(std::chrono::milliseconds(5));
        janelaThread.join();
        jogoThread.join();
    }

    std::recursive_mutex& trava() { return jogo->getTrava(); }

    // What f answers under the game lock.
    template <class F>
    auto travado(F f) {
        std::lock_guard<std::recursive_mutex> t(trava());
        return f();
    }

    // Polls cond under the game lock until it holds or patience runs out.
    bool espera(std::function<bool()> cond, int paciencia = 15000) {
        auto fim = std::chrono::steady_clock::now() + std::chrono::milliseconds(paciencia);
        while (std::chrono::steady_clock::now() < fim) {
            {
                std::lock_guard<std::recursive_mutex> t(trava());
                if (cond()) return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    // Events go through the real queue; wait until the loop has taken them.
    void empurra(SDL_Event& e) {
        SDL_PushEvent(&e);
        for (int i = 0; i < 200 && SDL_PeepEvents(nullptr, 0, SDL_PEEKEVENT, SDL_FIRSTEVENT, SDL_LASTEVENT) > 0; i++) {
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        // One more pass so the handler has returned.
        std::this_thread::sleep_for(std::chrono::milliseconds(40));
    }

    void clica(int x, int y, Uint8 botao = SDL_BUTTON_LEFT) {
        SDL_Event e{};
        e.type = SDL_MOUSEBUTTONDOWN;
        e.button.x = x;
        e.button.y = y;
        e.button.button = botao;
        empurra(e);
    }

    void move(int x, int y) {
        SDL_Event e{};
        e.type = SDL_MOUSEMOTION;
        e.motion.x = x;
        e.motion.y = y;
        empurra(e);
    }

    void tecla(SDL_Scancode sc, SDL_Keycode sym = 0, Uint16 mod = 0) {
        SDL_Event e{};
        e.type = SDL_KEYDOWN;
        e.key.keysym = SDL_Keysym{sc, sym, mod, 0};
        empurra(e);
    }

    void teclas(std::initializer_list<SDL_Scancode> scs) { for (SDL_Scancode sc : scs) tecla(sc); }

    // Centre of a menu button of the opening screen, in window pixels.
    SDL_Point centro(SDL_Rect (AberturaGrafico::*botao)() const) {
        std::lock_guard<std::recursive_mutex> t(trava());
        AberturaGrafico* a = s->getAberturaGrafico();
        SDL_Rect m = a->getMenuRect();
        SDL_Rect b = (a->*botao)();
        return {m.x + b.x + b.w / 2, m.y + b.y + b.h / 2};
    }

    void clicaOpcao(SDL_Rect (AberturaGrafico::*botao)() const) {
        SDL_Point p = centro(botao);
        clica(p.x, p.y);
    }

    // Click "Jogar" and wait for the game screen's first frame (which places the board).
    void comecaJogo() {
        clicaOpcao(&AberturaGrafico::getJogarBT);
        ASSERT_TRUE(espera([this] {
            return gui->getGraficoTipo() == GUI::TELA_JOGO &&
                   s->getJogoGrafico()->getInfoDesenho()->getPainelAltura() > 0;
        }));
    }

    void clicaCasa(const char* casa) {
        int x, y;
        {
            std::lock_guard<std::recursive_mutex> t(trava());
            Tela* tela = jogo->getTela();
            x = tela->getX(casa[0] - 'a');
            y = tela->getY('8' - casa[1]);
        }
        clica(x, y);
    }

    void montaPosicao(const std::string& fen) {
        std::lock_guard<std::recursive_mutex> t(trava());
        std::string erro;
        ASSERT_TRUE(PosicaoFEN::carrega(jogo, fen, &erro, false)) << erro;
    }

    std::string mensagem() { return s->getJogoGrafico()->getMensagemDesenho()->getMensagem(); }

    Peca* pecaEm(const char* casa) { return jogo->getPeca(casa[0] - 'a', '8' - casa[1]); }

    Sistema* s = nullptr;
    Jogo* jogo = nullptr;
    GUI* gui = nullptr;
    std::thread jogoThread;
    std::thread janelaThread;
    bool fechado = false;
};

#endif
