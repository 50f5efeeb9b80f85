#include "jogo/JogoPecas.h"

#include "jogo/Jogo.h"
#include "jogo/Peca.h"

JogoPecas::JogoPecas(Jogo* jogo) : jogadorPecas(), computadorPecas(), jogo(jogo) {}

JogoPecas::~JogoPecas() { deleta_pecas(); }

void JogoPecas::setPecas(Peca** jogador, Peca** computador) {
    deleta_pecas();
    jogo->copia_pecas(jogadorPecas, computadorPecas, jogador, computador);
}

Peca* JogoPecas::getJogadorPeca(int i) { return jogadorPecas[i]; }
Peca* JogoPecas::getComputadorPeca(int i) { return computadorPecas[i]; }

Peca* JogoPecas::getJogadorPeca(int x, int y) { return jogo->getPeca(jogadorPecas, x, y); }
Peca* JogoPecas::getComputadorPeca(int x, int y) { return jogo->getPeca(computadorPecas, x, y); }

Peca* JogoPecas::getPeca(int x, int y) {
    return jogo->getPeca(jogadorPecas, computadorPecas, x, y);
}

Peca** JogoPecas::getJogadorPecas() { return jogadorPecas; }
Peca** JogoPecas::getComputadorPecas() { return computadorPecas; }

void JogoPecas::deleta_pecas() {
    for (int i = 0; i < 16; i++) {
        delete jogadorPecas[i];
        delete computadorPecas[i];
        jogadorPecas[i] = nullptr;
        computadorPecas[i] = nullptr;
    }
}
