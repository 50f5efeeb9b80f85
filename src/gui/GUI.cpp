#include "gui/GUI.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

#include <SDL_image.h>
#include <SDL_mixer.h>

#include "gui/AberturaGraficoListener.h"
#include "gui/GUI_Listener.h"
#include "gui/Grafico.h"
#include "gui/JogoGraficoListener.h"

namespace {

// The tunes are balanced for TimGM6mb; any other General MIDI font that
// Debian's packages install (reached through their default-GM links) will do.
const char* const SOUNDFONTS[] = {
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/default-GM.sf2",
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
    "/usr/share/sounds/sf3/default-GM.sf3",
};

const char* achaSoundFont() {
    for (const char* caminho : SOUNDFONTS) {
        std::error_code erro;
        if (std::filesystem::is_regular_file(caminho, erro)) {
            return caminho;
        }
    }
    return nullptr;
}

// Held down, a key comes again and again; these move a cursor or a
// highlight on, as users expect. Every other key acts once per press.
bool isTeclaQueRepete(int codigo) {
    switch (codigo) {
        case GUI::TECLA_CIMA:
        case GUI::TECLA_BAIXO:
        case GUI::TECLA_ESQUERDA:
        case GUI::TECLA_DIREITA:
        case GUI::TECLA_TAB:
        case GUI::TECLA_TAB_VOLTA:
            return true;
        default:
            return false;
    }
}

}  // namespace

GUI::GUI(GUI_Driver* driver)
    : periodo(30),
      janela(nullptr),
      tela(nullptr),
      renderer(nullptr),
      cursorSeta(nullptr),
      cursorMao(nullptr),
      guiListener(nullptr),
      aberturaGraficoListener(nullptr),
      jogoGraficoListener(nullptr),
      aberturaGrafico(nullptr),
      jogoGrafico(nullptr),
      graficoTipo(TELA_ABERTURA),
      fonte(nullptr),
      infoFonte(nullptr),
      coordenadaFonte(nullptr),
      driver(driver),
      finalizado(false),
      repintar(false),
      quadros(0),
      larguraJanela(0),
      alturaJanela(0),
      falhou(false),
      cursorTipo(CURSOR_SETA),
      sdlIniciado(false),
      audioAberto(false),
      jogoAtivo(false) {}

void GUI::falha(const char* oque) {
    motivoFalha = std::string(oque) + ": " + SDL_GetError();
    std::fprintf(stderr, "xadrez: %s\n", motivoFalha.c_str());
    falhou = true;
}

bool GUI::inicializaBibliotecas(const std::string& titulo, int largura, int altura) {
    // Video is required; the other subsystems are optional so that a machine
    // without a sound card still plays.
    if (SDL_Init(SDL_INIT_TIMER | SDL_INIT_VIDEO | SDL_INIT_EVENTS) != 0) {
        falha("cannot start SDL video");
        return false;
    }
    sdlIniciado = true;

    // Without a display SDL silently picks an invisible driver; nobody would
    // see the window, so that counts as no display unless it was asked for.
    const char* pedido = SDL_getenv("SDL_VIDEODRIVER");
    const char* atual = SDL_GetCurrentVideoDriver();
    if ((pedido == nullptr || *pedido == '\0') && atual != nullptr &&
        (std::strcmp(atual, "offscreen") == 0 || std::strcmp(atual, "dummy") == 0)) {
        motivoFalha = std::string("no display found (SDL fell back to its invisible '") + atual +
                 "' video driver); run it on a desktop or under Xvfb";
        std::fprintf(stderr, "xadrez: %s\n", motivoFalha.c_str());
        falhou = true;
        return false;
    }

    bool comAudio = SDL_InitSubSystem(SDL_INIT_AUDIO) == 0;
    SDL_InitSubSystem(SDL_INIT_JOYSTICK | SDL_INIT_HAPTIC | SDL_INIT_GAMECONTROLLER |
                      SDL_INIT_SENSOR);

    IMG_Init(IMG_INIT_PNG);
    if (SDL_getenv("SDL_SOUNDFONTS") == nullptr) {
        const char* soundFont = achaSoundFont();
        if (soundFont != nullptr) {
            Mix_SetSoundFonts(soundFont);
        }
    }
    Mix_Init(MIX_INIT_MID);
    TTF_Init();

    if (comAudio && Mix_OpenAudio(22050, AUDIO_S16LSB, 2, 1024) == 0) {
        audioAberto = true;
    } else {
        std::fprintf(stderr, "xadrez: no sound, the audio device cannot be opened: %s\n",
                     SDL_GetError());
    }

    fonte = TTF_OpenFont("arial.ttf", 24);
    infoFonte = TTF_OpenFont("arial.ttf", 18);
    coordenadaFonte = TTF_OpenFont("arial.ttf", 12);
    if (fonte == nullptr || infoFonte == nullptr || coordenadaFonte == nullptr) {
        std::error_code erro;
        std::string caminho = (std::filesystem::current_path(erro) / "arial.ttf").u8string();
        std::fprintf(stderr, "xadrez: cannot open the font %s: %s; texts are not drawn\n", caminho.c_str(),
                     TTF_GetError());
    }

    janela = SDL_CreateWindow(titulo.c_str(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                              largura, altura, SDL_WINDOW_SHOWN);
    if (janela == nullptr) {
        falha("cannot create the window");
        return false;
    }
    int w = 0, h = 0;
    SDL_GetWindowSize(janela, &w, &h);
    larguraJanela = w;
    alturaJanela = h;

    renderer = SDL_CreateRenderer(janela, -1, SDL_RENDERER_SOFTWARE);
    if (renderer == nullptr) {
        falha("cannot create the renderer");
        return false;
    }

    cursorSeta = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_ARROW);
    cursorMao = SDL_CreateSystemCursor(SDL_SYSTEM_CURSOR_HAND);
    return true;
}

void GUI::execGUI(std::string titulo, int largura, int altura) {
    if (!inicializaBibliotecas(titulo, largura, altura)) {
        encerraLoops();
        aguardaJogo();
        liberaBibliotecas();
        return;
    }

    if (guiListener != nullptr) {
        guiListener->inicializou();
    }

    finalizado = false;
    repintar = true;

    while (true) {
        passo();
#ifdef __EMSCRIPTEN__
        // A page has one thread: the pass also runs the tick that the game
        // thread runs on the desktop.
        if (!finalizado && graficoTipo == TELA_JOGO && jogoGraficoListener != nullptr) {
            jogoGraficoListener->executando();
        }
#endif

        SDL_Delay(periodo);

        if (finalizado) {
            break;
        }
    }

    // The tick may still be using the screens and the audio: let it end first.
    aguardaJogo();
    if (guiListener != nullptr) {
        guiListener->finalizando();
    }
    liberaBibliotecas();
}

void GUI::passo() {
    if (repintar.exchange(false)) {
        int tipo = graficoTipo;
        if (tipo == TELA_ABERTURA && aberturaGrafico != nullptr) {
            aberturaGrafico->desenha(renderer);
            quadros++;
        } else if (tipo == TELA_JOGO && jogoGrafico != nullptr) {
            jogoGrafico->desenha(renderer);
            quadros++;
        }
    }

    if (guiListener != nullptr) {
        SDL_Event evento;
        while (SDL_PollEvent(&evento)) {
            despacha(evento);
        }
    }
}

void GUI::despacha(const SDL_Event& evento) {
    int tipo = graficoTipo;
    switch (evento.type) {
        case SDL_QUIT:
            guiListener->janelaFechada();
            encerraLoops();
            break;
        case SDL_KEYDOWN: {
            // Keys by their place on the keyboard, except M, which is by its
            // letter wherever a layout puts it.
            int codigo = 0;
            switch (evento.key.keysym.scancode) {
                case SDL_SCANCODE_ESCAPE: codigo = TECLA_ESC; break;
                case SDL_SCANCODE_RETURN:
                case SDL_SCANCODE_KP_ENTER: codigo = TECLA_ENTER; break;
                case SDL_SCANCODE_SPACE: codigo = TECLA_ESPACO; break;
                case SDL_SCANCODE_UP: codigo = TECLA_CIMA; break;
                case SDL_SCANCODE_DOWN: codigo = TECLA_BAIXO; break;
                case SDL_SCANCODE_LEFT: codigo = TECLA_ESQUERDA; break;
                case SDL_SCANCODE_RIGHT: codigo = TECLA_DIREITA; break;
                case SDL_SCANCODE_BACKSPACE: codigo = TECLA_DESFAZER; break;
                case SDL_SCANCODE_TAB:
                    codigo = (evento.key.keysym.mod & KMOD_SHIFT) != 0 ? TECLA_TAB_VOLTA : TECLA_TAB;
                    break;
                default:
                    if (evento.key.keysym.sym == SDLK_m) codigo = TECLA_M;
                    if (evento.key.keysym.sym == SDLK_g) codigo = TECLA_G;
                    if (evento.key.keysym.sym == SDLK_h) codigo = TECLA_H;
                    if (evento.key.keysym.sym == SDLK_z && (evento.key.keysym.mod & KMOD_CTRL) != 0) {
                        codigo = TECLA_DESFAZER;
                    }
                    if (evento.key.keysym.sym == SDLK_l) codigo = TECLA_L;
                    if (evento.key.keysym.sym == SDLK_c && (evento.key.keysym.mod & (KMOD_CTRL | KMOD_GUI)) != 0) {
                        codigo = TECLA_COPIAR;
                    }
                    if (evento.key.keysym.sym == SDLK_v && (evento.key.keysym.mod & (KMOD_CTRL | KMOD_GUI)) != 0) {
                        codigo = TECLA_COLAR;
                    }
                    break;
            }
            if (evento.key.repeat != 0 && !isTeclaQueRepete(codigo)) {
                break;
            }
            if (tipo == TELA_ABERTURA && codigo != 0 && aberturaGraficoListener != nullptr) {
                aberturaGraficoListener->teclaPressionada(codigo);
            } else if (tipo == TELA_JOGO && codigo != 0 && jogoGraficoListener != nullptr) {
                jogoGraficoListener->teclaPressionada(codigo);
            }
            break;
        }
        case SDL_MOUSEMOTION:
            if (tipo == TELA_ABERTURA && aberturaGraficoListener != nullptr) {
                aberturaGraficoListener->mouseSobre(evento.motion.x, evento.motion.y);
            } else if (tipo == TELA_JOGO && jogoGraficoListener != nullptr) {
                jogoGraficoListener->mouseSobre(evento.motion.x, evento.motion.y);
            }
            break;
        case SDL_MOUSEBUTTONDOWN:
            if (tipo == TELA_ABERTURA && aberturaGraficoListener != nullptr) {
                aberturaGraficoListener->mousePressionado(evento.button.x, evento.button.y);
            } else if (tipo == TELA_JOGO && jogoGraficoListener != nullptr) {
                jogoGraficoListener->mousePressionado(evento.button.x, evento.button.y);
            }
            break;
        case SDL_WINDOWEVENT:
            switch (evento.window.event) {
                case SDL_WINDOWEVENT_SIZE_CHANGED:
                    larguraJanela = evento.window.data1;
                    alturaJanela = evento.window.data2;
                    repintar = true;
                    break;
                // Without a compositor nobody else restores an uncovered
                // window, and the opening screen or a sleeping tick would
                // leave it damaged until the next click.
                case SDL_WINDOWEVENT_EXPOSED:
                case SDL_WINDOWEVENT_SHOWN:
                case SDL_WINDOWEVENT_RESTORED:
                    repintar = true;
                    break;
                default:
                    break;
            }
            break;
        default:
            break;
    }
}

void GUI::encerraLoops() {
    std::lock_guard<std::mutex> trava(esperaMutex);
    finalizado = true;
    esperaCond.notify_all();
}

void GUI::aguardaJogo() {
    std::unique_lock<std::mutex> trava(esperaMutex);
    esperaCond.wait(trava, [this] { return !jogoAtivo; });
}

void GUI::liberaBibliotecas() {
    IMG_Quit();
    if (coordenadaFonte != nullptr) TTF_CloseFont(coordenadaFonte);
    coordenadaFonte = nullptr;
    if (infoFonte != nullptr) TTF_CloseFont(infoFonte);
    if (fonte != nullptr) TTF_CloseFont(fonte);
    infoFonte = nullptr;
    fonte = nullptr;
    TTF_Quit();
    if (audioAberto) Mix_CloseAudio();
    audioAberto = false;
    Mix_Quit();
    if (cursorSeta != nullptr) SDL_FreeCursor(cursorSeta);
    if (cursorMao != nullptr) SDL_FreeCursor(cursorMao);
    cursorSeta = nullptr;
    cursorMao = nullptr;
    if (renderer != nullptr) SDL_DestroyRenderer(renderer);
    if (janela != nullptr) SDL_DestroyWindow(janela);
    renderer = nullptr;
    janela = nullptr;
    tela = nullptr;
    if (sdlIniciado) SDL_Quit();
    sdlIniciado = false;
}

void GUI::execJogo(void*) {
    {
        std::lock_guard<std::mutex> trava(esperaMutex);
        if (finalizado) {
            return;
        }
        jogoAtivo = true;
    }
    while (!finalizado) {
        if (graficoTipo == TELA_JOGO && jogoGraficoListener != nullptr) {
            jogoGraficoListener->executando();
        }
        espera(periodo);
    }
    std::lock_guard<std::mutex> trava(esperaMutex);
    jogoAtivo = false;
    esperaCond.notify_all();
}

void GUI::espera(long ms) {
    if (ms <= 0) {
        return;
    }
#ifdef __EMSCRIPTEN__
    // The tick waits on the page's only thread, with the game's lock
    // released: the window's passes go on meanwhile, so the message waited
    // out is drawn and input is handled as on the desktop.
    auto fim = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    while (!finalizado) {
        passo();
        auto resta = std::chrono::duration_cast<std::chrono::milliseconds>(
                         fim - std::chrono::steady_clock::now()).count();
        if (resta <= 0) {
            break;
        }
        SDL_Delay(static_cast<Uint32>(std::min<long long>(resta, periodo)));
    }
#else
    std::unique_lock<std::mutex> trava(esperaMutex);
    esperaCond.wait_for(trava, std::chrono::milliseconds(ms), [this] { return finalizado.load(); });
#endif
}

void GUI::reinicia() {
    graficoTipo = TELA_ABERTURA;
    repintar = true;
}

void GUI::repinta() { repintar = true; }

void GUI::setGraficoTipo(int tipo) { graficoTipo = tipo; }

int GUI::getGraficoTipo() const { return graficoTipo; }

void GUI::setCursorTipo(int tipo) {
    if (tipo == CURSOR_SETA) {
        cursorTipo = tipo;
        if (cursorSeta != nullptr) SDL_SetCursor(cursorSeta);
    } else if (tipo == CURSOR_MAO) {
        cursorTipo = tipo;
        if (cursorMao != nullptr) SDL_SetCursor(cursorMao);
    }
}

void GUI::carregaTelaDIM(int* largura, int* altura) {
    *largura = larguraJanela;
    *altura = alturaJanela;
}

void GUI::setAberturaGrafico(Grafico* grafico) { aberturaGrafico = grafico; }
void GUI::setJogoGrafico(Grafico* grafico) { jogoGrafico = grafico; }
void GUI::setGUIListener(GUI_Listener* listener) { guiListener = listener; }
void GUI::setAberturaGraficoListener(AberturaGraficoListener* listener) {
    aberturaGraficoListener = listener;
}
void GUI::setJogoGraficoListener(JogoGraficoListener* listener) { jogoGraficoListener = listener; }

SDL_Surface* GUI::getTela() {
    // SDL replaces the window's surface when the window changes size, so it
    // is asked for anew rather than kept.
    tela = janela != nullptr ? SDL_GetWindowSurface(janela) : nullptr;
    return tela;
}
SDL_Renderer* GUI::getRenderer() { return renderer; }
TTF_Font* GUI::getFonte() { return fonte; }
TTF_Font* GUI::getInfoFonte() { return infoFonte; }
TTF_Font* GUI::getCoordenadaFonte() { return coordenadaFonte; }

bool GUI::isFinalizado() const { return finalizado; }
bool GUI::isFalhou() const { return falhou; }
