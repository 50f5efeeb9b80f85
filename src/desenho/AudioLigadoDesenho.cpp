#include "desenho/AudioLigadoDesenho.h"

#include "desenho/DesenhoApoio.h"
#include "gui/GUI.h"
#include "jogo/Jogo.h"

AudioLigadoDesenho::AudioLigadoDesenho()
    : audioBT{0, 0, 0, 0}, audioLigadoIMG(nullptr), audioDesligadoIMG(nullptr) {}

AudioLigadoDesenho::~AudioLigadoDesenho() { finaliza(); }

void AudioLigadoDesenho::inicializa(GUI* gui) {
    finaliza();
    audioLigadoIMG = DesenhoApoio::carregaIMG("img/audio-ligado.png");
    audioDesligadoIMG = DesenhoApoio::carregaIMG("img/audio-desligado.png");

    // The button takes the sound-on image's size; if only the other one
    // loaded, its size stands in so the button can still be clicked.
    SDL_Surface* medida = audioLigadoIMG != nullptr ? audioLigadoIMG : audioDesligadoIMG;
    if (medida == nullptr) {
        audioBT = SDL_Rect{0, 0, 0, 0};
        return;
    }
    int largura = 0, altura = 0;
    gui->carregaTelaDIM(&largura, &altura);
    audioBT = SDL_Rect{largura - medida->w - 25, 10, medida->w, medida->h};
}

void AudioLigadoDesenho::finaliza() {
    SDL_FreeSurface(audioLigadoIMG);
    SDL_FreeSurface(audioDesligadoIMG);
    audioLigadoIMG = nullptr;
    audioDesligadoIMG = nullptr;
}

void AudioLigadoDesenho::desenha(Jogo* jogo, GUI* gui, SDL_Renderer* renderer) {
    // Kept in the top-right corner if the window has changed size since.
    int largura = 0, altura = 0;
    gui->carregaTelaDIM(&largura, &altura);
    if (audioBT.w > 0 && largura > 0) {
        audioBT.x = largura - audioBT.w - 25;
    }
    SDL_Surface* img = jogo->isAudioLigado() ? audioLigadoIMG : audioDesligadoIMG;
    DesenhoApoio::copiaIMG(renderer, img, &audioBT);
}

bool AudioLigadoDesenho::isMouseEmAudioBT(int x, int y) {
    if (audioBT.w <= 0 || audioBT.h <= 0) {
        return false;
    }
    return audioBT.x <= x && x <= audioBT.x + audioBT.w && audioBT.y <= y &&
           y <= audioBT.y + audioBT.h;
}
