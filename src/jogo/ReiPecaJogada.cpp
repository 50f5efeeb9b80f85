#include "jogo/ReiPecaJogada.h"

#include "jogo/JogadaLista.h"
#include "jogo/JogadaRoque.h"
#include "jogo/Jogo.h"
#include "jogo/Peca.h"
#include "jogo/PecaJogadaParams.h"
#include "jogo/Pecas.h"

void ReiPecaJogada::calculaJogadasPossiveis(PecaJogadaParams* params) {
    Jogo* jogo = params->getJogo();
    Pecas* pecas = params->getPecas();
    JogadaLista* lista = params->getJogadas();
    int x = params->getPosX();
    int y = params->getPosY();
    bool isComp = params->getIsComp();

    Peca* rei = pecas->getPeca(x, y);
    if (rei == nullptr) {
        return;
    }

    for (int i = x - 1; i <= x + 1; i++) {
        for (int j = y - 1; j <= y + 1; j++) {
            if ((i != x || j != y) && jogo->isPosicaoValida(i, j)) {
                jogo->addJogada(lista, pecas, i, j, isComp);
            }
        }
    }

    if (rei->getMoveuContador() != 0 || params->getIsIncluirRoque()) {
        return;
    }

    int r = isComp ? 0 : 7;
    // The attack tests only read the position, so they look at it directly.
    Peca** jogador = pecas->getJogadorPecas();
    Peca** computador = pecas->getComputadorPecas();
    Peca** outros = isComp ? jogador : computador;
    auto atacada = [&](int cx, int cy) {
        return jogo->isCapturaOutraPeca(outros, jogador, computador, cx, cy, !isComp);
    };
    auto vazia = [&](int cx) { return pecas->getPeca(cx, r) == nullptr; };
    auto torreEm = [&](int cx) {
        return isComp ? pecas->getComputadorPeca(cx, r) : pecas->getJogadorPeca(cx, r);
    };

    if (!atacada(x, y)) {
        // Queen's side: the king crosses (3, r) to (2, r); (1, r) only needs to be empty.
        Peca* torre = torreEm(0);
        if (torre != nullptr && torre->getMoveuContador() == 0 && vazia(1) && vazia(2) &&
            vazia(3) && !atacada(3, r) && !atacada(2, r)) {
            lista->addJogada(new JogadaRoque(2, r, 3, r, nullptr, rei, torre));
        }
        torre = torreEm(7);
        if (torre != nullptr && torre->getMoveuContador() == 0 && vazia(5) && vazia(6) &&
            !atacada(5, r) && !atacada(6, r)) {
            lista->addJogada(new JogadaRoque(6, r, 5, r, nullptr, rei, torre));
        }
    }
}
