#ifndef JOGO_BISPOPECAJOGADA_H
#define JOGO_BISPOPECAJOGADA_H

class PecaJogadaParams;

class BispoPecaJogada {
public:
    // Up-left, up-right, down-left, down-right; each ends at the first piece.
    void calculaJogadasPossiveis(PecaJogadaParams* params);
};

#endif
