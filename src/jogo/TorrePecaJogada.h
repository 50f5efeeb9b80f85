#ifndef JOGO_TORREPECAJOGADA_H
#define JOGO_TORREPECAJOGADA_H

class PecaJogadaParams;

class TorrePecaJogada {
public:
    // Left, right, up, down; each direction ends at the first piece.
    void calculaJogadasPossiveis(PecaJogadaParams* params);
};

#endif
