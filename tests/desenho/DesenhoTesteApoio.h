#ifndef TESTES_DESENHO_DESENHOTESTEAPOIO_H
#define TESTES_DESENHO_DESENHOTESTEAPOIO_H

#include <functional>
#include <set>
#include <string>

#include <SDL.h>

#include "gui/GUI.h"
#include "gui/JogoDriver.h"

class InfoDesenho;

// The game's window metrics; the panel height comes from the drawer under
// test once one is attached.
class DriverTeste : public JogoDriver {
public:
    int getTelaLargura() override { return 640; }
    int getTelaAltura() override { return 640; }
    double getFatorCelulaDIM() override { return 0.1; }
    int getInfoPainelAltura() override;

    InfoDesenho* info = nullptr;
};

// A scratch folder with img/ pictures of known sizes and plain colours, so
// that every drawn pixel can be told apart. Piece slot s (the drawer's slot
// order) is 30 + s wide, 44 - s tall, coloured corPeca(s). Files named in
// faltando are left out.
class ImagensTeste {
public:
    explicit ImagensTeste(std::set<std::string> faltando = {});
    ~ImagensTeste();
    ImagensTeste(const ImagensTeste&) = delete;
    ImagensTeste& operator=(const ImagensTeste&) = delete;

    const std::string& getDir() const { return dir; }

    static SDL_Color corPeca(int slot);
    static int larguraPeca(int slot) { return 30 + slot; }
    static int alturaPeca(int slot) { return 44 - slot; }
    // Slot for piece type 1..6 and variant 1 white, 2 black, 3 red.
    static int slot(int tipo, int cor);

    static constexpr int AUDIO_LIGADO_W = 30, AUDIO_LIGADO_H = 24;
    static constexpr int AUDIO_DESLIGADO_W = 20, AUDIO_DESLIGADO_H = 16;
    static constexpr int ABERTURA_W = 400, ABERTURA_H = 400;
    static SDL_Color corAudioLigado() { return SDL_Color{10, 200, 10, 255}; }
    static SDL_Color corAudioDesligado() { return SDL_Color{200, 10, 10, 255}; }
    static SDL_Color corAbertura() { return SDL_Color{90, 60, 30, 255}; }
    // The control column's button at index i, 36 pixels square.
    static SDL_Color corControle(int i) { return SDL_Color{static_cast<Uint8>(240 - 30 * i), 120, 20, 255}; }

private:
    std::string dir;
};

// Changes the working directory for its lifetime.
class NoDiretorio {
public:
    explicit NoDiretorio(const std::string& dir);
    ~NoDiretorio();
    NoDiretorio(const NoDiretorio&) = delete;
    NoDiretorio& operator=(const NoDiretorio&) = delete;

private:
    std::string anterior;
};

// Runs corpo inside GUI::execGUI, once window, renderer and fonts exist,
// then closes the window.
void naJanela(const std::function<void(GUI&)>& corpo);

SDL_Color pixel(SDL_Surface* s, int x, int y);
bool igual(SDL_Color c, int r, int g, int b);
bool igual(SDL_Color a, SDL_Color b);
std::string descreve(SDL_Color c);
// Pixels of colour (r, g, b) inside rect.
int contaCor(SDL_Surface* s, SDL_Rect rect, int r, int g, int b);
// Saves the window surface as a PNG (for looking at the screens).
void salvaTela(SDL_Surface* s, const std::string& arquivo);

#define EXPECT_COR(cor, r, g, b) EXPECT_TRUE(igual((cor), (r), (g), (b))) << descreve(cor)
#define EXPECT_NAO_COR(cor, r, g, b) EXPECT_FALSE(igual((cor), (r), (g), (b))) << descreve(cor)

#endif
