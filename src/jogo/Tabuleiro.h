#ifndef JOGO_TABULEIRO_H
#define JOGO_TABULEIRO_H

#include "jogo/Pecas.h"

// A read-only view over a pair of piece sets with one lookup per square
// instead of a scan of 32 pieces. Each square answers what the scan would:
// the first piece in index order that is not removed. The view owns nothing
// and must not outlive a change to the pieces it was built from.
class Tabuleiro : public Pecas {
public:
    Tabuleiro(Peca** jogador, Peca** computador);

    Peca* getJogadorPeca(int i) override { return jogador[i]; }
    Peca* getComputadorPeca(int i) override { return computador[i]; }
    Peca* getJogadorPeca(int x, int y) override {
        return dentro(x, y) ? casasJogador[y * 8 + x] : nullptr;
    }
    Peca* getComputadorPeca(int x, int y) override {
        return dentro(x, y) ? casasComputador[y * 8 + x] : nullptr;
    }
    Peca* getPeca(int x, int y) override {
        if (!dentro(x, y)) return nullptr;
        Peca* p = casasJogador[y * 8 + x];
        return p != nullptr ? p : casasComputador[y * 8 + x];
    }
    Peca** getJogadorPecas() override { return jogador; }
    Peca** getComputadorPecas() override { return computador; }
    void deleta_pecas() override {}

private:
    static bool dentro(int x, int y) { return x >= 0 && x <= 7 && y >= 0 && y <= 7; }

    Peca** jogador;
    Peca** computador;
    Peca* casasJogador[64];
    Peca* casasComputador[64];
};

#endif
