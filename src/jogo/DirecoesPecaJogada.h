#ifndef JOGO_DIRECOESPECAJOGADA_H
#define JOGO_DIRECOESPECAJOGADA_H

class PecaJogadaParams;

// Shared by the sliding generators: steps along each (dx, dy) in turn.
void calculaDirecoes(PecaJogadaParams* params, const int direcoes[4][2]);

#endif
