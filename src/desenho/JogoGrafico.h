#ifndef DESENHO_JOGOGRAFICO_H
#define DESENHO_JOGOGRAFICO_H

#include "gui/Grafico.h"

class AudioLigadoDesenho;
class ControlesDesenho;
class GUI;
class InfoDesenho;
class Jogo;
class ListaDesenho;
class MensagemDesenho;
class PecaDesenho;
class PromocaoDesenho;
class TabuleiroDesenho;

// The game screen: panel, board, markers, pieces, capture highlights, the
// list of moves, the promotion picker, banner, sound button and the column
// of controls, one whole frame per call.
class JogoGrafico : public Grafico {
public:
    JogoGrafico(Jogo* jogo, GUI* gui);
    ~JogoGrafico() override;

    JogoGrafico(const JogoGrafico&) = delete;
    JogoGrafico& operator=(const JogoGrafico&) = delete;

    void inicializa();
    void finaliza();
    void desenha(SDL_Renderer* renderer) override;
    void desenhaMarc(Jogo* jogo, int x, int y, SDL_Renderer* renderer);
    // The keyboard's cursor: a frame inside board square (x, y).
    void desenhaCursor(Jogo* jogo, int x, int y, SDL_Renderer* renderer);

    MensagemDesenho* getMensagemDesenho() { return mensagemDesenho; }
    AudioLigadoDesenho* getAudioLigadoDesenho() { return audioLigadoDesenho; }
    InfoDesenho* getInfoDesenho() { return infoDesenho; }
    TabuleiroDesenho* getTabuleiroDesenho() { return tabuleiroDesenho; }
    PecaDesenho* getPecaDesenho() { return pecaDesenho; }
    ControlesDesenho* getControlesDesenho() { return controlesDesenho; }
    PromocaoDesenho* getPromocaoDesenho() { return promocaoDesenho; }
    ListaDesenho* getListaDesenho() { return listaDesenho; }

private:
    Jogo* jogo;
    GUI* gui;
    InfoDesenho* infoDesenho;
    TabuleiroDesenho* tabuleiroDesenho;
    PecaDesenho* pecaDesenho;
    MensagemDesenho* mensagemDesenho;
    AudioLigadoDesenho* audioLigadoDesenho;
    ControlesDesenho* controlesDesenho;
    PromocaoDesenho* promocaoDesenho;
    ListaDesenho* listaDesenho;
};

#endif
