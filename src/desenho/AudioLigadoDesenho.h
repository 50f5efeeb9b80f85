#ifndef DESENHO_AUDIOLIGADODESENHO_H
#define DESENHO_AUDIOLIGADODESENHO_H

#include <SDL.h>

class GUI;
class Jogo;

// The sound button in the top-right corner and its hit test.
class AudioLigadoDesenho {
public:
    AudioLigadoDesenho();
    ~AudioLigadoDesenho();

    AudioLigadoDesenho(const AudioLigadoDesenho&) = delete;
    AudioLigadoDesenho& operator=(const AudioLigadoDesenho&) = delete;

    void inicializa(GUI* gui);
    void finaliza();
    void desenha(Jogo* jogo, GUI* gui, SDL_Renderer* renderer);
    // Inclusive on all four edges; false while there is no button.
    bool isMouseEmAudioBT(int x, int y);

    SDL_Rect getAudioBT() const { return audioBT; }

private:
    SDL_Rect audioBT;
    SDL_Surface* audioLigadoIMG;
    SDL_Surface* audioDesligadoIMG;
};

#endif
