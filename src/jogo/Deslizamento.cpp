#include "jogo/Deslizamento.h"

#include "jogo/Jogo.h"
#include "jogo/PecaJogadaParams.h"

void calculaDirecoes(PecaJogadaParams* params, const int direcoes[4][2]) {
    Jogo* jogo = params->getJogo();
    for (int d = 0; d < 4; d++) {
        int x = params->getPosX() + direcoes[d][0];
        int y = params->getPosY() + direcoes[d][1];
        while (jogo->isPosicaoValida(x, y)) {
            if (jogo->addJogada(params->getJogadas(), params->getPecas(), x, y, params->getIsComp())) {
                break;
            }
            x += direcoes[d][0];
            y += direcoes[d][1];
        }
    }
}
