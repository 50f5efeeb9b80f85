#ifndef JOGO_PEAOPECAJOGADA_H
#define JOGO_PEAOPECAJOGADA_H

class PecaJogadaParams;

class PeaoPecaJogada {
public:
    // Single step, double step, capture left, capture right, en passant left, en passant right.
    void calculaJogadasPossiveis(PecaJogadaParams* params);
};

#endif
