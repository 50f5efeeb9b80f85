#ifndef JOGO_REIPECAJOGADA_H
#define JOGO_REIPECAJOGADA_H

class PecaJogadaParams;

class ReiPecaJogada {
public:
    // One-square steps column by column, then castling on the queen's and the king's side.
    void calculaJogadasPossiveis(PecaJogadaParams* params);
};

#endif
