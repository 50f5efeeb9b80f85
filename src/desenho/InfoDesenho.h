#ifndef DESENHO_INFODESENHO_H
#define DESENHO_INFODESENHO_H

#include <atomic>

struct SDL_Renderer;
struct SDL_Surface;
class GUI;
class Jogo;

// The panel across the top of the game screen: levels, wins and draws, each
// after a king icon. Drawing it measures the panel height that places the
// board below it.
class InfoDesenho {
public:
    // Loads the three king icons; needs no SDL initialisation.
    InfoDesenho();
    ~InfoDesenho();

    InfoDesenho(const InfoDesenho&) = delete;
    InfoDesenho& operator=(const InfoDesenho&) = delete;

    int desenha(Jogo* jogo, GUI* gui, SDL_Renderer* renderer);
    int desenhaInfo(GUI* gui, SDL_Renderer* renderer, SDL_Surface* icone, const char* texto, int x);
    // 0 until the first frame; read from the game thread through the geometry.
    int getPainelAltura() const { return painelAltura; }

    int getMargem() const { return margem; }
    int getEspacoItens() const { return espacoItens; }
    int getEspacoIcone() const { return espacoIcone; }
    int getIconeDIM() const { return iconeDIM; }

private:
    SDL_Surface* reiPretoIMG;
    SDL_Surface* reiBrancoIMG;
    SDL_Surface* reiVermelhoIMG;
    std::atomic<int> painelAltura;
    int margem;
    int espacoItens;
    int espacoIcone;
    int iconeDIM;
};

#endif
