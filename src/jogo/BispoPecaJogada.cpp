#include "jogo/BispoPecaJogada.h"

#include "jogo/Deslizamento.h"

void BispoPecaJogada::calculaJogadasPossiveis(PecaJogadaParams* params) {
    static const int direcoes[4][2] = {{-1, -1}, {1, -1}, {-1, 1}, {1, 1}};
    calculaDirecoes(params, direcoes);
}
