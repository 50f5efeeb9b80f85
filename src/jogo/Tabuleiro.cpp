#include "jogo/Tabuleiro.h"

#include "jogo/Peca.h"

namespace {

void preenche(Peca** pecas, Peca** casas) {
    for (int i = 0; i < 64; i++) casas[i] = nullptr;
    for (int i = 0; i < 16; i++) {
        Peca* p = pecas[i];
        if (p == nullptr || p->isRemovida()) continue;
        int x = p->getPosX();
        int y = p->getPosY();
        if (x < 0 || x > 7 || y < 0 || y > 7) continue;
        Peca*& casa = casas[y * 8 + x];
        if (casa == nullptr) casa = p;
    }
}

}  // namespace

Tabuleiro::Tabuleiro(Peca** jogador, Peca** computador) : jogador(jogador), computador(computador) {
    preenche(jogador, casasJogador);
    preenche(computador, casasComputador);
}
