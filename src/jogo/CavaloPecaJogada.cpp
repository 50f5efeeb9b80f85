#include "jogo/CavaloPecaJogada.h"

#include "jogo/Jogo.h"
#include "jogo/PecaJogadaParams.h"

void CavaloPecaJogada::calculaJogadasPossiveis(PecaJogadaParams* params) {
    static const int saltos[8][2] = {{-2, -1}, {-2, 1}, {2, -1}, {2, 1},
                                     {-1, -2}, {1, -2}, {-1, 2}, {1, 2}};
    for (const auto& s : saltos) {
        addJogada(params, params->getPosX() + s[0], params->getPosY() + s[1]);
    }
}

bool CavaloPecaJogada::addJogada(PecaJogadaParams* params, int x, int y) {
    Jogo* jogo = params->getJogo();
    if (!jogo->isPosicaoValida(x, y)) {
        return false;
    }
    return jogo->addJogada(params->getJogadas(), params->getPecas(), x, y, params->getIsComp());
}
