#include <gtest/gtest.h>

#include <SDL.h>

#include <atomic>
#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "gui/AberturaGraficoListener.h"
#include "gui/GUI.h"
#include "gui/GUI_Listener.h"
#include "gui/Grafico.h"
#include "gui/JogoGraficoListener.h"

namespace {

// Records every call it gets, in order, across all fakes.
struct Registro {
    std::vector<std::string> chamadas;
    void anota(const std::string& s) { chamadas.push_back(s); }
    int conta(const std::string& s) const {
        int n = 0;
        for (const auto& c : chamadas) n += c == s;
        return n;
    }
};

class GraficoFalso : public Grafico {
public:
    explicit GraficoFalso(std::atomic<int>* desenhos) : desenhos(desenhos) {}
    void desenha(SDL_Renderer*) override { (*desenhos)++; }
    std::atomic<int>* desenhos;
};

class AberturaFalsa : public AberturaGraficoListener {
public:
    explicit AberturaFalsa(Registro* r) : r(r) {}
    void mouseSobre(int x, int y) override { r->anota("abertura.sobre " + std::to_string(x) + "," + std::to_string(y)); }
    void mousePressionado(int x, int y) override { r->anota("abertura.clique " + std::to_string(x) + "," + std::to_string(y)); }
    void teclaPressionada(int t) override { r->anota("abertura.tecla " + std::to_string(t)); }
    Registro* r;
};

class JogoFalso : public JogoGraficoListener {
public:
    explicit JogoFalso(Registro* r) : r(r) {}
    void executando() override { ticks++; }
    void mousePressionado(int x, int y) override { r->anota("jogo.clique " + std::to_string(x) + "," + std::to_string(y)); }
    void teclaPressionada(int t) override { r->anota("jogo.tecla " + std::to_string(t)); }
    void mouseSobre(int x, int y) override { r->anota("jogo.sobre " + std::to_string(x) + "," + std::to_string(y)); }
    Registro* r;
    std::atomic<int> ticks{0};
};

// Pushes a scripted list of events once the libraries are up.
class JanelaFalsa : public GUI_Listener {
public:
    JanelaFalsa(Registro* r, std::vector<SDL_Event> eventos) : r(r), eventos(std::move(eventos)) {}
    void inicializou() override {
        r->anota("inicializou");
        for (auto& e : eventos) SDL_PushEvent(&e);
    }
    void finalizando() override { r->anota("finalizando"); }
    void janelaFechada() override { r->anota("janelaFechada"); }
    Registro* r;
    std::vector<SDL_Event> eventos;
};

SDL_Event tecla(SDL_Scancode sc, SDL_Keycode sym = 0, Uint16 mod = 0, Uint8 repete = 0) {
    SDL_Event e{};
    e.type = SDL_KEYDOWN;
    e.key.keysym = SDL_Keysym{sc, sym, mod, 0};
    e.key.repeat = repete;
    return e;
}

SDL_Event clique(int x, int y, Uint8 botao) {
    SDL_Event e{};
    e.type = SDL_MOUSEBUTTONDOWN;
    e.button.x = x;
    e.button.y = y;
    e.button.button = botao;
    return e;
}

SDL_Event movimento(int x, int y) {
    SDL_Event e{};
    e.type = SDL_MOUSEMOTION;
    e.motion.x = x;
    e.motion.y = y;
    return e;
}

// Runs f once the libraries are up.
struct Dispara : GUI_Listener {
    std::function<void()> f;
    void inicializou() override { f(); }
    void finalizando() override {}
    void janelaFechada() override {}
};

SDL_Event sair() {
    SDL_Event e{};
    e.type = SDL_QUIT;
    return e;
}

struct Montagem {
    Registro r;
    std::atomic<int> desenhosAbertura{0};
    std::atomic<int> desenhosJogo{0};
    GraficoFalso abertura{&desenhosAbertura};
    GraficoFalso jogo{&desenhosJogo};
    AberturaFalsa aberturaListener{&r};
    JogoFalso jogoListener{&r};
    GUI gui{nullptr};

    void liga(GUI_Listener* janela) {
        gui.setGUIListener(janela);
        gui.setAberturaGraficoListener(&aberturaListener);
        gui.setJogoGraficoListener(&jogoListener);
        gui.setAberturaGrafico(&abertura);
        gui.setJogoGrafico(&jogo);
    }
};

TEST(GUI, TelaDeAberturaRecebeTeclasMovimentoECliquesDeQualquerBotao) {
    Montagem m;
    JanelaFalsa janela(&m.r, {tecla(SDL_SCANCODE_ESCAPE), tecla(SDL_SCANCODE_RETURN),
                              tecla(SDL_SCANCODE_A), movimento(10, 20), clique(30, 40, SDL_BUTTON_RIGHT),
                              clique(50, 60, SDL_BUTTON_MIDDLE), sair(), clique(70, 80, SDL_BUTTON_LEFT)});
    m.liga(&janela);
    m.gui.execGUI("Jogo de Xadrez", 640, 640);

    std::vector<std::string> esperado = {"inicializou",          "abertura.tecla 1",
                                         "abertura.tecla 2",      "abertura.sobre 10,20",  "abertura.clique 30,40",
                                         "abertura.clique 50,60", "janelaFechada",
                                         "abertura.clique 70,80", "finalizando"};
    EXPECT_EQ(esperado, m.r.chamadas);
    // Nobody asked for a repaint: the first pass draws anyway, and only screen 1.
    EXPECT_GE(m.desenhosAbertura.load(), 1);
    EXPECT_EQ(0, m.desenhosJogo.load());
    EXPECT_FALSE(m.gui.isFalhou());
    EXPECT_TRUE(m.gui.isFinalizado());
}

TEST(GUI, TelaDeJogoRecebeAsTeclasMovimentoECliques) {
    Montagem m;
    // M, G and Ctrl+Z by their letters: AZERTY has M on QWERTY's semicolon
    // and Z on its W, and a comma on QWERTY's M; Z alone is no key of the game.
    JanelaFalsa janela(&m.r, {tecla(SDL_SCANCODE_ESCAPE), tecla(SDL_SCANCODE_RETURN), movimento(1, 2),
                              tecla(SDL_SCANCODE_KP_ENTER), tecla(SDL_SCANCODE_SPACE), tecla(SDL_SCANCODE_UP),
                              tecla(SDL_SCANCODE_DOWN), tecla(SDL_SCANCODE_LEFT), tecla(SDL_SCANCODE_RIGHT),
                              tecla(SDL_SCANCODE_TAB), tecla(SDL_SCANCODE_TAB, SDLK_TAB, KMOD_LSHIFT),
                              tecla(SDL_SCANCODE_SEMICOLON, SDLK_m), tecla(SDL_SCANCODE_M, SDLK_COMMA),
                              tecla(SDL_SCANCODE_BACKSPACE), tecla(SDL_SCANCODE_W, SDLK_z, KMOD_LCTRL),
                              tecla(SDL_SCANCODE_Z, SDLK_z), tecla(SDL_SCANCODE_G, SDLK_g),
                              // Held down, only the arrows and Tab act again.
                              tecla(SDL_SCANCODE_RETURN, 0, 0, 1), tecla(SDL_SCANCODE_ESCAPE, 0, 0, 1),
                              tecla(SDL_SCANCODE_SPACE, 0, 0, 1), tecla(SDL_SCANCODE_M, SDLK_m, 0, 1),
                              tecla(SDL_SCANCODE_UP, 0, 0, 1), tecla(SDL_SCANCODE_TAB, SDLK_TAB, KMOD_LSHIFT, 1),
                              clique(5, 6, SDL_BUTTON_RIGHT), sair()});
    m.liga(&janela);
    m.gui.setGraficoTipo(GUI::TELA_JOGO);
    m.gui.execGUI("Jogo de Xadrez", 640, 640);

    std::vector<std::string> esperado = {"inicializou", "jogo.tecla 1", "jogo.tecla 2", "jogo.sobre 1,2",
                                         "jogo.tecla 2", "jogo.tecla 3", "jogo.tecla 4", "jogo.tecla 5",
                                         "jogo.tecla 6", "jogo.tecla 7", "jogo.tecla 8", "jogo.tecla 9",
                                         "jogo.tecla 10", "jogo.tecla 11", "jogo.tecla 11", "jogo.tecla 12",
                                         "jogo.tecla 4", "jogo.tecla 9",
                                         "jogo.clique 5,6", "janelaFechada", "finalizando"};
    EXPECT_EQ(esperado, m.r.chamadas);
    EXPECT_GE(m.desenhosJogo.load(), 1);
    EXPECT_EQ(0, m.desenhosAbertura.load());
}

TEST(GUI, OutroTipoDeTelaNaoDesenhaNemEntregaMasFecha) {
    Montagem m;
    JanelaFalsa janela(&m.r, {tecla(SDL_SCANCODE_ESCAPE), clique(1, 1, SDL_BUTTON_LEFT), sair()});
    m.liga(&janela);
    m.gui.setGraficoTipo(7);
    m.gui.execGUI("Jogo de Xadrez", 640, 640);
    std::vector<std::string> esperado = {"inicializou", "janelaFechada", "finalizando"};
    EXPECT_EQ(esperado, m.r.chamadas);
    EXPECT_EQ(0, m.desenhosAbertura.load() + m.desenhosJogo.load());
}

// Counts ticks seen while screen 1 and then screen 2 are shown.
class JanelaComTempo : public GUI_Listener {
public:
    JanelaComTempo(Montagem* m) : m(m) {}
    void inicializou() override {
        roteiro = std::thread([this] {
            SDL_Delay(200);
            ticksNaAbertura = m->jogoListener.ticks.load();
            m->gui.setGraficoTipo(GUI::TELA_JOGO);
            SDL_Delay(300);
            ticksNoJogo = m->jogoListener.ticks.load();
            SDL_Event e = sair();
            SDL_PushEvent(&e);
        });
    }
    void finalizando() override {
        finalizacoes++;
        ticksAoFinalizar = m->jogoListener.ticks.load();
        SDL_Delay(100);
        ticksDepois = m->jogoListener.ticks.load();
    }
    void janelaFechada() override {}
    Montagem* m;
    std::thread roteiro;
    int ticksNaAbertura = -1, ticksNoJogo = -1, ticksAoFinalizar = -1, ticksDepois = -1;
    int finalizacoes = 0;
};

TEST(GUI, TickSoNaTelaDeJogoEParaAntesDeFinalizar) {
    Montagem m;
    JanelaComTempo janela(&m);
    m.liga(&janela);
    std::thread jogo([&m] { m.gui.execJogo(nullptr); });
    m.gui.execGUI("Jogo de Xadrez", 640, 640);
    jogo.join();
    janela.roteiro.join();

    EXPECT_EQ(0, janela.ticksNaAbertura);
    EXPECT_GT(janela.ticksNoJogo, 3);
    EXPECT_EQ(1, janela.finalizacoes);
    // The game thread has ended before the resources are released.
    EXPECT_EQ(janela.ticksAoFinalizar, janela.ticksDepois);
}

TEST(GUI, EsperaAcordaQuandoAJanelaFecha) {
    Montagem m;
    std::atomic<Uint32> acordou{0};
    std::thread dorminhoco;
    std::thread fecha;
    // The threads start once SDL is up, so they see its queue.
    Dispara janela;
    janela.f = [&] {
        dorminhoco = std::thread([&] {
            Uint32 t0 = SDL_GetTicks();
            m.gui.espera(10000);
            acordou = SDL_GetTicks() - t0;
        });
        fecha = std::thread([] {
            SDL_Delay(300);
            SDL_Event e = sair();
            SDL_PushEvent(&e);
        });
    };
    m.liga(&janela);
    m.gui.execGUI("Jogo de Xadrez", 640, 640);
    dorminhoco.join();
    fecha.join();
    EXPECT_LT(acordou.load(), 2000u);
}

TEST(GUI, TamanhoDaJanelaConhecidoDepoisDeAberta) {
    Montagem m;
    struct Mede : GUI_Listener {
        GUI* gui = nullptr;
        int w = 0, h = 0;
        void inicializou() override {
            gui->carregaTelaDIM(&w, &h);
            SDL_Event e = sair();
            SDL_PushEvent(&e);
        }
        void finalizando() override {}
        void janelaFechada() override {}
    } mede;
    mede.gui = &m.gui;
    m.liga(&mede);
    m.gui.execGUI("Jogo de Xadrez", 640, 640);
    EXPECT_EQ(640, mede.w);
    EXPECT_EQ(640, mede.h);
}

TEST(GUI, JanelaDescobertaPedeUmNovoQuadro) {
    Montagem m;
    auto janelaEvento = [](Uint8 qual) {
        SDL_Event e{};
        e.type = SDL_WINDOWEVENT;
        e.window.event = qual;
        return e;
    };
    // Draws counted after each event has had a few passes to be served.
    std::vector<int> desenhos;
    std::thread roteiro;
    Dispara janela;
    janela.f = [&] {
        roteiro = std::thread([&] {
            SDL_Delay(200);
            desenhos.push_back(m.desenhosAbertura.load());
            for (Uint8 qual : {SDL_WINDOWEVENT_EXPOSED, SDL_WINDOWEVENT_MOVED, SDL_WINDOWEVENT_SHOWN,
                               SDL_WINDOWEVENT_RESTORED}) {
                SDL_Event e = janelaEvento(qual);
                SDL_PushEvent(&e);
                SDL_Delay(150);
                desenhos.push_back(m.desenhosAbertura.load());
            }
            SDL_Event e = sair();
            SDL_PushEvent(&e);
        });
    };
    m.liga(&janela);
    m.gui.execGUI("Jogo de Xadrez", 640, 640);
    roteiro.join();
    ASSERT_EQ(5u, desenhos.size());
    EXPECT_EQ(desenhos[0] + 1, desenhos[1]) << "exposed";
    EXPECT_EQ(desenhos[1], desenhos[2]) << "a move of the window needs no frame";
    EXPECT_EQ(desenhos[2] + 1, desenhos[3]) << "shown";
    EXPECT_EQ(desenhos[3] + 1, desenhos[4]) << "restored";
}

}  // namespace
