#ifndef JOGO_DESLIZAMENTO_H
#define JOGO_DESLIZAMENTO_H

class PecaJogadaParams;

// Shared by the sliding generators: steps along each (dx, dy) in turn.
void calculaDirecoes(PecaJogadaParams* params, const int direcoes[4][2]);

#endif
