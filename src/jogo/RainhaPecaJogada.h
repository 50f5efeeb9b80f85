#ifndef JOGO_RAINHAPECAJOGADA_H
#define JOGO_RAINHAPECAJOGADA_H

class BispoPecaJogada;
class PecaJogadaParams;
class TorrePecaJogada;

class RainhaPecaJogada {
public:
    RainhaPecaJogada(TorrePecaJogada* torrePecaJogada, BispoPecaJogada* bispoPecaJogada);
    // The rook's four directions, then the bishop's four.
    void calculaJogadasPossiveis(PecaJogadaParams* params);

private:
    BispoPecaJogada* bispoPecaJogada;
    TorrePecaJogada* torrePecaJogada;
};

#endif
