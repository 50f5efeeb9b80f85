#include "DesenhoTesteApoio.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include <SDL_image.h>

#include "desenho/ControlesDesenho.h"
#include "desenho/InfoDesenho.h"
#include "desenho/PecaDesenho.h"
#include "gui/GUI_Listener.h"

int DriverTeste::getInfoPainelAltura() { return info != nullptr ? info->getPainelAltura() : 0; }

namespace {

void salvaRetangulo(const std::string& arquivo, int w, int h, SDL_Color cor) {
    SDL_Surface* s = SDL_CreateRGBSurfaceWithFormat(0, w, h, 32, SDL_PIXELFORMAT_RGBA32);
    SDL_FillRect(s, nullptr, SDL_MapRGBA(s->format, cor.r, cor.g, cor.b, 255));
    IMG_SavePNG(s, arquivo.c_str());
    SDL_FreeSurface(s);
}

}  // namespace

SDL_Color ImagensTeste::corPeca(int slot) {
    return SDL_Color{static_cast<Uint8>(20 + 12 * slot), 33, static_cast<Uint8>(250 - 12 * slot),
                     255};
}

int ImagensTeste::slot(int tipo, int cor) {
    static const int primeiro[7] = {-1, 3, 6, 9, 12, 15, 0};
    static const int desvio[4] = {-1, 1, 0, 2};
    return primeiro[tipo] + desvio[cor];
}

ImagensTeste::ImagensTeste(std::set<std::string> faltando) {
    char modelo[] = "/tmp/xadrez-desenho-XXXXXX";
    dir = mkdtemp(modelo);
    std::filesystem::create_directory(dir + "/img");
    auto salva = [&](const std::string& nome, int w, int h, SDL_Color cor) {
        if (faltando.count(nome) == 0) {
            salvaRetangulo(dir + "/" + nome, w, h, cor);
        }
    };
    for (int s = 0; s < PecaDesenho::NUM_IMGS; s++) {
        salva(PecaDesenho::getArquivo(s), larguraPeca(s), alturaPeca(s), corPeca(s));
    }
    salva("img/audio-ligado.png", AUDIO_LIGADO_W, AUDIO_LIGADO_H, corAudioLigado());
    salva("img/audio-desligado.png", AUDIO_DESLIGADO_W, AUDIO_DESLIGADO_H, corAudioDesligado());
    salva("img/abertura.png", ABERTURA_W, ABERTURA_H, corAbertura());
    for (int i = 0; i < ControlesDesenho::getNumBotoes(); i++) {
        salva(ControlesDesenho::getArquivo(i), 36, 36, corControle(i));
    }
}

ImagensTeste::~ImagensTeste() { std::filesystem::remove_all(dir); }

NoDiretorio::NoDiretorio(const std::string& dir) : anterior(std::filesystem::current_path()) {
    std::filesystem::current_path(dir);
}

NoDiretorio::~NoDiretorio() { std::filesystem::current_path(anterior); }

namespace {

class JanelaTeste : public GUI_Listener {
public:
    JanelaTeste(GUI* gui, const std::function<void(GUI&)>* corpo) : gui(gui), corpo(corpo) {}
    void inicializou() override {
        (*corpo)(*gui);
        SDL_Event e{};
        e.type = SDL_QUIT;
        SDL_PushEvent(&e);
    }
    void finalizando() override {}
    void janelaFechada() override {}

private:
    GUI* gui;
    const std::function<void(GUI&)>* corpo;
};

}  // namespace

void naJanela(const std::function<void(GUI&)>& corpo) {
    GUI gui(nullptr);
    JanelaTeste janela(&gui, &corpo);
    gui.setGUIListener(&janela);
    // No screen is registered: the loop draws nothing over what the test drew.
    gui.setGraficoTipo(0);
    gui.execGUI("Jogo de Xadrez", 640, 640);
}

SDL_Color pixel(SDL_Surface* s, int x, int y) {
    SDL_Color c{0, 0, 0, 0};
    if (s == nullptr || x < 0 || y < 0 || x >= s->w || y >= s->h) {
        ADD_FAILURE() << "pixel (" << x << ", " << y << ") outside the surface";
        return c;
    }
    SDL_LockSurface(s);
    const Uint8* p = static_cast<const Uint8*>(s->pixels) + y * s->pitch +
                     x * s->format->BytesPerPixel;
    Uint32 valor = 0;
    switch (s->format->BytesPerPixel) {
        case 4: valor = *reinterpret_cast<const Uint32*>(p); break;
        case 2: valor = *reinterpret_cast<const Uint16*>(p); break;
        default: ADD_FAILURE() << "unexpected pixel size"; break;
    }
    SDL_UnlockSurface(s);
    SDL_GetRGBA(valor, s->format, &c.r, &c.g, &c.b, &c.a);
    return c;
}

bool igual(SDL_Color c, int r, int g, int b) { return c.r == r && c.g == g && c.b == b; }
bool igual(SDL_Color a, SDL_Color b) { return igual(a, b.r, b.g, b.b); }

std::string descreve(SDL_Color c) {
    return "(" + std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b) + ")";
}

int contaCor(SDL_Surface* s, SDL_Rect rect, int r, int g, int b) {
    int n = 0;
    for (int y = rect.y; y < rect.y + rect.h; y++) {
        for (int x = rect.x; x < rect.x + rect.w; x++) {
            n += igual(pixel(s, x, y), r, g, b);
        }
    }
    return n;
}

void salvaTela(SDL_Surface* s, const std::string& arquivo) { IMG_SavePNG(s, arquivo.c_str()); }
