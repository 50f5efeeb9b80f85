#include "jogo/Tabuleiro.h"

#include <cstring>

#include "jogo/Peca.h"

namespace {

void preenche(Peca** pecas, signed char* casas) {
    std::memset(casas, -1, 64);
    for (int i = 15; i >= 0; i--) {
        // Backwards, so that the lowest slot on a square is the one kept.
        Peca* p = pecas[i];
        if (p == nullptr || p->isRemovida()) continue;
        int x = p->getPosX();
        int y = p->getPosY();
        if (x < 0 || x > 7 || y < 0 || y > 7) continue;
        casas[y * 8 + x] = static_cast<signed char>(i);
    }
}

}  // namespace

Tabuleiro::Tabuleiro(Peca** jogador, Peca** computador) : jogador(jogador), computador(computador) {
    preenche(jogador, casasJogador);
    preenche(computador, casasComputador);
}
