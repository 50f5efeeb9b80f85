#ifndef JOGO_CAVALOPECAJOGADA_H
#define JOGO_CAVALOPECAJOGADA_H

class PecaJogadaParams;

class CavaloPecaJogada {
public:
    void calculaJogadasPossiveis(PecaJogadaParams* params);
    // The square rule for one target; off the board it adds nothing.
    bool addJogada(PecaJogadaParams* params, int x, int y);
};

#endif
