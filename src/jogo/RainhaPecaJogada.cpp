#include "jogo/RainhaPecaJogada.h"

#include "jogo/BispoPecaJogada.h"
#include "jogo/TorrePecaJogada.h"

RainhaPecaJogada::RainhaPecaJogada(TorrePecaJogada* torrePecaJogada, BispoPecaJogada* bispoPecaJogada)
    : bispoPecaJogada(bispoPecaJogada), torrePecaJogada(torrePecaJogada) {}

void RainhaPecaJogada::calculaJogadasPossiveis(PecaJogadaParams* params) {
    torrePecaJogada->calculaJogadasPossiveis(params);
    bispoPecaJogada->calculaJogadasPossiveis(params);
}
