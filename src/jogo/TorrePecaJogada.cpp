#include "jogo/TorrePecaJogada.h"

#include "jogo/Deslizamento.h"

void TorrePecaJogada::calculaJogadasPossiveis(PecaJogadaParams* params) {
    static const int direcoes[4][2] = {{-1, 0}, {1, 0}, {0, -1}, {0, 1}};
    calculaDirecoes(params, direcoes);
}
